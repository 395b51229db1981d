"""A throw-away X session for the end-to-end tests: a fresh virtual display with a window manager, the
program started by its process id, input through xdotool, the screen read back through ImageMagick.
Everything started here is ended when the session closes, also after a failure."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN_W, SCREEN_H = 1024, 768


class CheckFailed(Exception):
    pass


def run(*cmd, env=None, check=True):
    return subprocess.run(cmd, env=env, check=check, capture_output=True, text=True).stdout


class Screen:
    """An image read as (r, g, b) pixels; path names the file it was taken from or kept in."""

    def __init__(self, path, ppm):
        self.path = path
        # Binary PPM: "P6", width, height and maximum value, each followed by one blank; then the pixels.
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = ppm[header.end():]

    @classmethod
    def grab(cls, display, path):
        """The whole virtual screen, kept at path."""
        ppm = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
                             check=True, capture_output=True).stdout
        with open(path, "wb") as out:
            out.write(ppm)
        return cls(path, ppm)

    @classmethod
    def load(cls, path):
        return cls(path, subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                                        capture_output=True).stdout)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def region(self, x, y, w, h):
        return [self.pixel(x + dx, y + dy) for dy in range(h) for dx in range(w)]


class Session:
    def __init__(self, bin_dir, keep_dir):
        self.keep_dir = keep_dir
        self.work = tempfile.mkdtemp(prefix="moxel-e2e-")
        os.chmod(self.work, 0o777)
        self.processes = []
        self.program = None
        self.window = None
        self.shots = 0
        # The program runs from a copy of its folder, so the help file's path is known and ours.
        self.app_dir = os.path.join(self.work, "app")
        os.mkdir(self.app_dir)
        for name in os.listdir(bin_dir):
            if name in ("moxel", "moxel-sound.so", "Readme.txt") or name.endswith(".wav"):
                shutil.copy2(os.path.join(bin_dir, name), self.app_dir)
        self.docs = os.path.join(self.work, "docs")
        os.mkdir(self.docs)
        os.chmod(self.docs, 0o777)
        self.opened_log = os.path.join(self.work, "opened.txt")
        stand_in = os.path.join(self.work, "path")
        os.mkdir(stand_in)
        shutil.copy2(os.path.join(os.path.dirname(os.path.abspath(__file__)), "xdg-open"), stand_in)
        self.env = dict(os.environ, PATH=stand_in + ":" + os.environ.get("PATH", "/usr/bin:/bin"),
                        MOXEL_OPENED_LOG=self.opened_log, HOME=self.docs, QT_QPA_PLATFORM="xcb")
        for key in ("XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "XAUTHORITY"):
            self.env.pop(key, None)
        try:
            self._start_display()
        except BaseException:
            self.close()
            raise

    # --- processes -------------------------------------------------------------------------------------

    def _spawn(self, cmd, **kw):
        # What each process says goes to a log beside the screenshots, read when something fails.
        os.makedirs(self.keep_dir, exist_ok=True)
        with open(os.path.join(self.keep_dir, "session.log"), "ab") as log:
            p = subprocess.Popen(cmd, env=self.env, stdout=log, stderr=log, **kw)
        self.processes.append(p)
        return p

    def _start_display(self):
        read_end, write_end = os.pipe()
        # The server picks a free display number and tells it through the pipe; -ac lets the program,
        # which may run as another user, connect.
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-ac", "-nolisten", "tcp",
                     "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise CheckFailed("the virtual display did not start")
                number += chunk
        self.display = ":" + number.decode().strip()
        self.env["DISPLAY"] = self.display
        self.wait_for(lambda: self._root_property("_NET_SUPPORTING_WM_CHECK") is not None, "the display")
        # The window manager now and then finds the new display not ready yet and gives up: start it again.
        for _ in range(3):
            wm = self._spawn(["openbox"])
            end = time.monotonic() + 10
            while wm.poll() is None and time.monotonic() < end:
                if "(WINDOW)" in (self._root_property("_NET_SUPPORTING_WM_CHECK") or ""):
                    return
                time.sleep(0.1)
            self.processes.remove(wm)
            wm.kill()
            wm.wait()
        raise CheckFailed("the window manager did not start")

    def _root_property(self, name):
        """The root window's property as xprop prints it; None while the display takes no connection."""
        done = subprocess.run(["xprop", "-display", self.display, "-root", name], capture_output=True, text=True)
        return done.stdout if done.returncode == 0 else None

    def start_program(self, *args):
        # As root the program gives up its rights, so that file permissions hold for it as for a user.
        cmd = [os.path.join(self.app_dir, "moxel"), *args]
        if os.geteuid() == 0:
            cmd = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", *cmd]
        self.program = self._spawn(cmd, cwd=self.docs)
        self.window = None
        self.wait_for(self._find_window, "the program's window")
        self.pause(0.8)
        return self.program

    def windows(self, visible=True):
        cmd = ["xdotool", "search", "--pid", str(self.program.pid)]
        if visible:
            cmd.insert(2, "--onlyvisible")
        return run(*cmd, env=self.env, check=False).split()

    def _find_window(self):
        for w in self.windows():
            if self.geometry(w)[2:] == (632, 446):
                self.window = w
                return True
        return False

    def geometry(self, window=None):
        out = run("xdotool", "getwindowgeometry", "--shell", window or self.window, env=self.env)
        g = dict(line.split("=") for line in out.split())
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def wait_exit(self, timeout=10):
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise CheckFailed(f"the program still runs {timeout} s after it should have ended")

    def close(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # --- input -----------------------------------------------------------------------------------------

    def origin(self):
        x, y, _, _ = self.geometry()
        return x, y

    def xdotool(self, *args):
        run("xdotool", *map(str, args), env=self.env)

    def click(self, x, y, settle=0.3):
        ox, oy = self.origin()
        self.xdotool("mousemove", ox + x, oy + y, "click", 1)
        self.park_pointer()
        self.pause(settle)

    def drag(self, x, y, dx, dy):
        ox, oy = self.origin()
        self.xdotool("mousemove", ox + x, oy + y, "mousedown", 1)
        for step in range(1, 11):
            self.xdotool("mousemove", ox + x + dx * step // 10, oy + y + dy * step // 10)
            self.pause(0.03)
        self.xdotool("mouseup", 1)
        self.park_pointer()
        self.pause(0.5)

    def park_pointer(self):
        # Away from the window, so that no hot face or hint balloon shows on the screenshots.
        self.xdotool("mousemove", SCREEN_W - 1, SCREEN_H - 1)

    def keys(self, *names):
        self.xdotool("key", "--clearmodifiers", *names)
        self.pause(0.3)

    def type(self, text):
        self.xdotool("type", "--delay", 20, text)

    def pause(self, seconds):
        time.sleep(seconds)

    def wait_for(self, predicate, what, timeout=15):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if predicate():
                return
            if self.program is not None and self.program.poll() is not None and self.program.returncode:
                raise CheckFailed(f"waiting for {what}: the program ended with status {self.program.returncode}")
            time.sleep(0.1)
        raise CheckFailed(f"waited {timeout} s for {what}")

    def dialog(self, title):
        """Waits for a visible window of the program titled title, other than the main window."""
        found = []

        def look():
            for w in self.windows():
                name = run("xdotool", "getwindowname", w, env=self.env, check=False).strip()
                # Qt adds the application's name to a dialog's own title.
                if w != self.window and name in (title, f"{title} — ポルポルMoxel!"):
                    found.append(w)
                    return True
            return False

        try:
            self.wait_for(look, f"a window titled {title!r}")
        except CheckFailed as failure:
            seen = [run("xdotool", "getwindowname", w, env=self.env, check=False).strip() for w in self.windows()]
            shot = self.screen("no-" + title)
            raise CheckFailed(f"{failure}\n  windows seen: {seen}\n  screenshot: {shot.path}") from None
        self.pause(0.5)
        return found[0]

    def clipboard(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env, check=True,
                              capture_output=True, timeout=10).stdout.decode("utf-8")

    def set_clipboard(self, text):
        # xclip stays behind to serve the selection, so its output is not waited for; it takes the selection
        # over only after it has gone to the background.
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], env=self.env, check=True,
                       input=text.encode("utf-8"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
        self.wait_for(lambda: self.clipboard() == text, "the clipboard to hold the text set")

    # --- the screen ------------------------------------------------------------------------------------

    def screen(self, label):
        """A screenshot of the window's client area, kept in the session's folder until a check fails."""
        self.shots += 1
        os.makedirs(self.keep_dir, exist_ok=True)
        path = os.path.join(self.keep_dir, f"{self.shots:02d}-{label}.ppm")
        whole = Screen.grab(self.display, path)
        return WindowView(whole, *self.origin())


class WindowView:
    """A screenshot read in the window's own coordinates."""

    def __init__(self, screen, ox, oy):
        self.screen, self.ox, self.oy = screen, ox, oy
        self.path = screen.path

    def pixel(self, x, y):
        return self.screen.pixel(self.ox + x, self.oy + y)

    def region(self, x, y, w, h):
        return self.screen.region(self.ox + x, self.oy + y, w, h)


def expect(what, expected, seen, shot=None):
    if expected != seen:
        where = f"\n  screenshot: {shot.path}" if shot is not None else ""
        raise CheckFailed(f"{what}\n  expected: {expected!r}\n  seen:     {seen!r}{where}")
