"""Start-up of the whole program: the time from just before the process starts to its main window's first
painted frame, with a board file on the command line, against the same for the minimal Qt baseline. Each
program starts alone on a virtual screen, several times in turn; the fastest start of each counts, since
the machine may be busy with other work. Also prints the peak memory (VmHWM) each had reached by its first
frame, and for information the same of the baseline drawing two lines of text in the board's fonts. The
server must run with -noreset: otherwise it resets whenever its last client leaves, compiling its
keymap again, and each next start waits tens of milliseconds for it, which no desktop session does.
    xvfb-run -a -s "-noreset -screen 0 800x600x24" python3 bench/startup.py [RUNS]
"""

import os
import subprocess
import sys
import tempfile
import time

LIMIT = 1.4
MEMORY_LIMIT = 1.3


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def first_frame(command, env, stamp):
    """Milliseconds from the start to the first frame, and the peak memory in KiB by then."""
    if os.path.exists(stamp):
        os.remove(stamp)
    start = time.time_ns()
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 30
        while not (os.path.exists(stamp) and os.path.getsize(stamp) > 0):
            if time.monotonic() > deadline or process.poll() is not None:
                raise SystemExit(f"no first frame from {command[0]}")
            time.sleep(0.005)
        with open(stamp) as f:
            painted = int(f.read())
        return (painted - start) / 1e6, peak_kib(process.pid)
    finally:
        process.kill()
        process.wait()


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 9
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    programs = {
        "program": [os.path.join(root, "build/bin/moxel"), os.path.join(root, "docs/sample.qvx")],
        "baseline": [os.path.join(root, "build/bin/moxel_idle_baseline"), os.path.join(root, "docs/sample.qvx")],
        "text": [os.path.join(root, "build/bin/moxel_idle_baseline"), "--text"],
    }
    with tempfile.TemporaryDirectory() as work:
        # A runtime folder of their own making, as a desktop session would give them.
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        stamp = os.path.join(work, "first-frame")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime, MOXEL_FIRST_FRAME_FILE=stamp)
        times = {name: [] for name in programs}
        peaks = {name: [] for name in programs}
        # One start each first, so both find their files in the page cache.
        for command in programs.values():
            first_frame(command, env, stamp)
        for _ in range(runs):
            for name, command in programs.items():
                ms, kib = first_frame(command, env, stamp)
                times[name].append(ms)
                peaks[name].append(kib)
    p, b = min(times["program"]), min(times["baseline"])
    pm, bm = max(peaks["program"]), max(peaks["baseline"])
    print("\nTarget                                          program   baseline   ratio  limit")
    print(f"start-up to first frame, fastest of {runs:<2}      {p:7.1f} ms {b:6.1f} ms {p / b:7.2f} {LIMIT:6.1f}  "
          f"{'ok' if p / b <= LIMIT else 'MISSED'}")
    print(f"peak memory by the first frame (VmHWM)      {pm / 1024:7.1f} MiB {bm / 1024:5.1f} MiB {pm / bm:5.2f} "
          f"{MEMORY_LIMIT:6.1f}  {'ok' if pm / bm <= MEMORY_LIMIT else 'MISSED'}")
    # For information: the baseline that also draws two short lines in the board's fonts, what showing text
    # in them costs any program before it does anything else.
    t, tm = min(times["text"]), max(peaks["text"])
    print(f"  the baseline drawing two lines of text       {t:7.1f} ms {b:6.1f} ms {t / b:7.2f}")
    print(f"  its peak memory by the first frame           {tm / 1024:7.1f} MiB {bm / 1024:5.1f} MiB {tm / bm:5.2f}")


if __name__ == "__main__":
    main()
