#!/usr/bin/env python3
"""End-to-end tests: the built program in a real X window, driven as a person would.

    python3 tests/e2e/run.py BIN_DIR [SHOT_DIR]

BIN_DIR holds the program, its sound module, its sounds and Readme.txt. Screenshots go to SHOT_DIR (default
BIN_DIR/../e2e-shots); they are removed after a clean pass and kept when a check fails."""

import os
import shutil
import signal
import subprocess
import sys

from reference import (BOARD_X, BOARD_Y, CELL, CELL_X0, CELL_Y0, COLUMNS, STYLES, ARMS, board_file,
                       color_table, glyph_centre, gradient_at, step, text_lines)
from session import CheckFailed, Screen, Session, expect

DARK = 40  # luma below which a pixel is ink
START_COLOR = 0x4080C0
START_COUNT = 1234
# Every glyph in rows 0 to 2 and a few in row 9; the rest is blank, for the clicks and the gradient.
START_BOARD = "".join("123456789ab0"[i % 12] for i in range(90)) + "0" * 200 + "b5a98" + "0" * 155

# Client coordinates of the controls the tests press.
MODE_BUTTONS = {"full": (167, 19), "corner": (44, 39), "vertical": (113, 39), "horizontal": (182, 39),
                "cross": (251, 39), "eraser": (305, 39)}
# The style beads' corners, in style order; each is pressed at its middle.
STYLE_BUTTONS = [(20, 208), (298, 64), (316, 360), (280, 360), (34, 64), (564, 64), (34, 352), (564, 352),
                 (20, 80), (578, 84)]
NEW, LOAD, SAVE, INFO = (46, 401), (46, 417), (46, 433), (104, 433)
TEXT_OUT = (407, 31)
CLOSE, MINIMIZE, HELP = (621, 434), (621, 414), (621, 394)
COUNTER = (502, 363, 40, 15)


def luma(p):
    return (299 * p[0] + 587 * p[1] + 114 * p[2]) // 1000


def read_cell(shot, index):
    """The glyph code whose arms the cell shows."""
    cx, cy = glyph_centre(index)
    bands = {"u": [(x, y) for x in range(cx - 2, cx + 4) for y in range(cy - 5, cy - 2)],
             "d": [(x, y) for x in range(cx - 2, cx + 4) for y in range(cy + 4, cy + 7)],
             "l": [(x, y) for x in range(cx - 5, cx - 2) for y in range(cy - 2, cy + 4)],
             "r": [(x, y) for x in range(cx + 3, cx + 6) for y in range(cy - 2, cy + 4)]}
    arms = "".join(a for a, pts in bands.items() if any(luma(shot.pixel(x, y)) < DARK for x, y in pts))
    for code, drawn in ARMS.items():
        if sorted(drawn) == sorted(arms):
            return code
    return "?"


def read_board(shot):
    return "".join(read_cell(shot, i) for i in range(450))


def expect_board(what, expected, shot):
    seen = read_board(shot)
    wrong = [i for i in range(450) if seen[i] != expected[i]]
    if wrong:
        rows = lambda b: "\n    " + "\n    ".join(b[r * 30:(r + 1) * 30] for r in range(15))
        raise CheckFailed(f"{what}: cells {wrong[:12]} differ\n  expected:{rows(expected)}\n  seen:"
                          f"{rows(seen)}\n  screenshot: {shot.path}")


def cell_point(index):
    row, col = divmod(index, COLUMNS)
    return CELL_X0 + CELL * col + 9, CELL_Y0 + CELL * row + 9


class Suite:
    def __init__(self, s, bin_dir):
        self.s, self.bin_dir = s, bin_dir
        self.board = START_BOARD
        self.count = START_COUNT

    def write(self, name, data):
        path = os.path.join(self.s.docs, name)
        with open(path, "wb") as f:
            f.write(data)
        os.chmod(path, 0o666)
        return path

    def click_cell(self, index, mode):
        self.s.click(*cell_point(index), settle=0.05)
        self.board = self.board[:index] + step(self.board[index], mode) + self.board[index + 1:]
        self.count += 1

    def start_with_board_file(self):
        path = self.write("start.qvx", board_file(START_BOARD, START_COUNT, START_COLOR))
        self.s.start_program(path)
        self.s.park_pointer()
        self.s.pause(0.5)
        shot = self.s.screen("start")
        expect_board("the board loaded from the command line", self.board, shot)
        self.expect_counter(path, shot)

    def expect_counter(self, board_path, shot):
        """The counter's pixels against the window drawn offscreen by the snapshot tool from board_path."""
        ref = os.path.join(self.s.work, "reference.png")
        subprocess.run([os.path.join(self.bin_dir, "moxel-snapshot"), ref, "--open", board_path], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True)
        expect(f"the counter's pixels (showing the count {self.count})", Screen.load(ref).region(*COUNTER),
               shot.region(*COUNTER), shot)

    def click_in_every_mode(self):
        # In each mode a row of blank cells clicked 1, 2, … times shows every step of the mode's cycle;
        # one more click on a cell that holds a glyph from outside the cycle shows where that leads.
        plan = {"full": (300, 11, 5), "corner": (120, 4, 7), "vertical": (125, 3, 8), "horizontal": (130, 3, 2),
                "cross": (135, 1, 3), "eraser": (137, 0, 4)}
        for mode, (first, steps, outsider) in plan.items():
            self.s.click(*MODE_BUTTONS[mode])
            for n in range(1, steps + 1):
                for _ in range(n):
                    self.click_cell(first + n - 1, mode)
            self.click_cell(outsider, mode)
        self.s.pause(0.4)
        expect_board("the board after clicks in every mode", self.board, self.s.screen("clicks"))

    def gradient_styles(self):
        table = color_table(START_COLOR, 0xFFFFFF)
        # Blank cells across the board, away from any glyph: offsets into the cell that miss the arms.
        samples = [(i, dx, dy) for i in range(90, 450, 7) if self.board[i] == "0" for dx, dy in ((2, 2), (15, 14))]
        for number, style in enumerate(STYLES):
            self.s.click(STYLE_BUTTONS[number][0] + 6, STYLE_BUTTONS[number][1] + 6)
            shot = self.s.screen(f"style-{style}")
            for i, dx, dy in samples:
                row, col = divmod(i, COLUMNS)
                x, y = CELL_X0 + CELL * col + dx, CELL_Y0 + CELL * row + dy
                want = gradient_at(style, x - BOARD_X, y - BOARD_Y, table)
                seen = shot.pixel(x, y)
                if max(abs(a - b) for a, b in zip(want, seen)) > 3:
                    expect(f"the {style} gradient at board pixel ({x - BOARD_X}, {y - BOARD_Y})", want, seen, shot)

    def text_view(self):
        self.s.click(*TEXT_OUT)
        self.s.click(300, 200)
        self.s.keys("ctrl+a")
        self.s.keys("ctrl+c")
        seen = self.s.clipboard().replace("\r\n", "\n").rstrip("\n").split("\n")
        expect("the text view's lines on the clipboard", text_lines(self.board), seen, self.s.screen("text"))
        self.s.click(*TEXT_OUT)

    def save_through_dialog(self, name="drawing"):
        """Saves under name, a bare name in the dialog's folder (the documents) or a whole path."""
        self.s.click(*SAVE)
        self.s.dialog("保存")
        self.s.type(name)
        self.s.keys("Return")
        path = os.path.join(self.s.docs, name + ".qvx")
        self.s.wait_for(lambda: os.path.exists(path), f"{name}.qvx to be written")
        self.s.pause(0.3)
        with open(path, "rb") as f:
            expect("the bytes of the saved board file", board_file(self.board, self.count, START_COLOR), f.read())
        self.expect_counter(path, self.s.screen("saved"))

    def failing_save(self):
        locked = os.path.join(self.s.docs, "locked")
        os.mkdir(locked)
        old = board_file("1" * 450, 7, 255)
        with open(os.path.join(locked, "old.qvx"), "wb") as f:
            f.write(old)
        os.chmod(locked, 0o555)
        self.s.click(*SAVE)
        dialog = self.s.dialog("保存")
        self.s.type(os.path.join(locked, "old.qvx"))
        self.s.keys("Return")
        self.s.wait_for(lambda: dialog not in self.s.windows(), "the save dialog to close")
        self.s.dialog("ポルポルMoxel!")
        self.s.screen("save-error")
        self.s.keys("Return")
        self.s.wait_for(lambda: self.s.windows() == [self.s.window], "the error box to close")
        with open(os.path.join(locked, "old.qvx"), "rb") as f:
            expect("the old file after the failed save", old, f.read())
        # The program goes on: a click still draws.
        self.s.click(*MODE_BUTTONS["full"])
        self.click_cell(449, "full")
        self.s.pause(0.3)
        expect_board("the board after the failed save", self.board, self.s.screen("after-error"))

    def new_then_load(self):
        saved = self.board
        self.s.click(*NEW)
        self.s.dialog("確認")
        self.s.keys("Return")
        self.s.pause(0.4)
        expect_board("the board after New", "0" * 450, self.s.screen("new"))
        self.s.click(*LOAD)
        self.s.dialog("開く")
        self.s.type("drawing.qvx")
        self.s.keys("Return")
        self.s.pause(0.6)
        # The file was saved before the click after the failed save, and its count comes back with it.
        self.board = saved[:449] + "0"
        self.count -= 1
        expect_board("the board loaded through the open dialog", self.board, self.s.screen("loaded"))

    def board_keys(self):
        before = self.board
        # The keys go to the window the dialogs were closed over, not to a dialog or the desktop.
        self.s.xdotool("windowactivate", "--sync", self.s.window)
        # Whatever an earlier step left on the clipboard must not pass for the copy.
        self.s.set_clipboard("-")
        self.s.keys("ctrl+c")
        seen = self.s.clipboard().replace("\r\n", "\n").rstrip("\n").split("\n")
        expect("the board's lines copied with Ctrl+C", text_lines(before), seen)
        self.s.set_clipboard("┏━┓\n┗━┛\n")
        self.s.keys("ctrl+v")
        pasted = "182" + before[3:30] + "384" + before[33:]
        self.s.pause(0.4)
        expect_board("the board after pasting a box with Ctrl+V", pasted, self.s.screen("pasted"))
        for key, board in (("ctrl+z", before), ("ctrl+y", pasted), ("ctrl+z", before)):
            self.s.keys(key)
            self.s.pause(0.4)
            expect_board(f"the board after {key}", board, self.s.screen(key))
        # Text that cannot be placed changes nothing and says so in a box of its own.
        self.s.set_clipboard("┏x")
        self.s.keys("ctrl+v")
        self.s.dialog("ポルポルMoxel!")
        self.s.keys("Return")
        self.s.wait_for(lambda: self.s.windows() == [self.s.window], "the error box to close")
        expect_board("the board after a paste that cannot be placed", before, self.s.screen("bad-paste"))

    def draw_box_and_line(self):
        # A Ctrl+Shift drag (11, 2) → (12, 5) → (13, 8) counts 8 cells, then 13; 363 to 365 go back silently.
        ox, oy = self.s.origin()
        press = ["keydown", "ctrl", "keydown", "shift", "mousedown", 1]
        for i, (x, y) in enumerate(cell_point(i) for i in (332, 365, 398)):
            self.s.xdotool("mousemove", ox + x, oy + y, *(press if i == 0 else []))
            self.s.pause(0.3)
        self.s.xdotool("mouseup", 1, "keyup", "shift", "keyup", "ctrl")
        self.s.park_pointer()
        # The first arrow shows the cursor on the top-left cell; then to (12, 14), and a line right and down:
        # Shift+arrows one after another are one line, so it turns with a corner.
        self.s.keys("Right", *["Down"] * 12, *["Right"] * 14)
        self.s.keys(*["shift+Right"] * 3, *["shift+Down"] * 2)
        drawn = {332: "1", 338: "2", 392: "3", 398: "4", 362: "5", 368: "5", 377: "2", 407: "5", 437: "5"}
        drawn.update({i: "8" for i in (*range(333, 338), *range(393, 398), 374, 375, 376)})
        self.board = "".join(drawn.get(i, c) for i, c in enumerate(self.board))
        self.count += 8 + 13 + 7
        expect_board("the board after a Ctrl+Shift drag and a line from the keyboard", self.board,
                     self.s.screen("drawn"))
        # The dialog starts in the folder of the failed save; the whole path leads it back.
        self.save_through_dialog(os.path.join(self.s.docs, "shapes"))

    def drag_window(self):
        before = self.s.origin()
        self.s.drag(336, 30, 40, 30)
        expect("the window's place after a drag on its background", (before[0] + 40, before[1] + 30),
               self.s.origin(), self.s.screen("dragged"))
        before = self.s.origin()
        self.s.drag(*cell_point(200), 40, 30)
        expect("the window's place after a drag on the board", before, self.s.origin(), self.s.screen("board-drag"))
        # A click quicker than the window manager takes the pointer: the window must not follow the pointer
        # away to where click() parks it.
        for _ in range(3):
            self.s.click(336, 30)
        expect("the window's place after quick clicks on its background", before, self.s.origin(),
               self.s.screen("background-clicks"))

    def help_and_info(self):
        self.s.click(*HELP)
        self.s.click(*INFO)
        readme = os.path.join(self.s.app_dir, "Readme.txt")
        self.s.wait_for(lambda: os.path.exists(self.s.opened_log) and len(open(self.s.opened_log).readlines()) >= 2,
                        "two calls of the desktop's opener")
        with open(self.s.opened_log) as f:
            seen = f.read().split("\n")[:2]
        seen[0] = seen[0].removeprefix("file://")
        expect("what the desktop's opener was given", [readme, "http://localhost/info.php?pf=w&sn=moxel"], seen)

    def minimize_and_close(self):
        self.s.click(*MINIMIZE)
        self.s.wait_for(lambda: self.s.window not in self.s.windows(), "the window to be minimized")
        self.s.xdotool("windowactivate", "--sync", self.s.window)
        self.s.pause(0.5)
        self.s.click(*CLOSE)
        expect("the program's exit status", 0, self.s.wait_exit())


def main():
    # A stop from outside (timeout, Ctrl+C) still ends everything the session started; a second one
    # must not cut that short.
    def stop(*_):
        for number in (signal.SIGTERM, signal.SIGINT):
            signal.signal(number, signal.SIG_IGN)
        sys.exit(1)

    for number in (signal.SIGTERM, signal.SIGINT):
        signal.signal(number, stop)
    bin_dir = os.path.abspath(sys.argv[1])
    shots = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(bin_dir, "..", "e2e-shots"))
    shutil.rmtree(shots, ignore_errors=True)
    s = Session(bin_dir, shots)
    suite = Suite(s, bin_dir)
    steps = [suite.start_with_board_file, suite.click_in_every_mode, suite.gradient_styles, suite.text_view,
             suite.save_through_dialog, suite.failing_save, suite.new_then_load, suite.board_keys,
             suite.draw_box_and_line, suite.drag_window, suite.help_and_info, suite.minimize_and_close]
    try:
        for run_step in steps:
            run_step()
            print(f"e2e: {run_step.__name__.replace('_', ' ')}: ok", flush=True)
    except CheckFailed as failure:
        print(f"e2e: {run_step.__name__.replace('_', ' ')}: FAILED\n  {failure}\n  screenshots kept in {shots}",
              file=sys.stderr)
        return 1
    finally:
        s.close()
    shutil.rmtree(shots, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
