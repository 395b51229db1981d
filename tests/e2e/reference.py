"""What the screen and the files must hold, worked out from the rules of the board and of the gradient
alone, without the program's code."""

COLUMNS, ROWS = 30, 15
CODES = "0123456789ab"
GLYPHS = "\u3000┏┓┗┛┃┣┫━┳┻╋"  # in code order: the blank first

# Which arms of a cell's cross each glyph draws: up, down, left, right.
ARMS = {"0": "", "1": "dr", "2": "dl", "3": "ur", "4": "ul", "5": "ud", "6": "udr", "7": "udl",
        "8": "lr", "9": "lrd", "a": "lru", "b": "udlr"}

FULL = "123456789ab0"
CYCLES = {"full": FULL, "corner": "12340", "vertical": "5670", "horizontal": "89a0", "cross": "b0", "eraser": "0"}

# The board's place in the window, its inner edge and the cell size.
BOARD_X, BOARD_Y, BOARD_W, BOARD_H = 34, 78, 542, 272
CELL_X0, CELL_Y0, CELL = BOARD_X + 2, BOARD_Y + 2, 18


def step(code, mode):
    """The code a cell gets from one click in the given mode."""
    cycle = CYCLES[mode]
    if mode == "eraser":
        return "0"
    if code in cycle:
        return cycle[(cycle.index(code) + 1) % len(cycle)]
    return cycle[0]


def glyph_centre(index):
    """The window pixel where a cell's glyph has its crossing point."""
    row, col = divmod(index, COLUMNS)
    return CELL_X0 + CELL * col + 8, CELL_Y0 + CELL * row + 7


def text_lines(board):
    return ["".join(GLYPHS[CODES.index(c)] for c in board[r * COLUMNS:(r + 1) * COLUMNS]) for r in range(ROWS)]


def board_file(board, count, color):
    return f"[Setting]\r\nPoru={board}\r\nCount={count}\r\nColor={color}\r\n".encode("ascii")


# --- the board's background gradient ----------------------------------------------------------------------

STYLES = ["horizontal", "vertical", "square", "elliptic", "topleft", "topright", "bottomleft", "bottomright",
          "topleftdiagonal", "toprightdiagonal"]
COUNT = 236


def muldiv(a, b, c):
    """a * b / c rounded to the nearest integer, halves away from zero."""
    n = a * b
    q, r = divmod(abs(n), abs(c))
    if 2 * r >= abs(c):
        q += 1
    return q if (n < 0) == (c < 0) else -q


def color_table(start, end):
    """start and end as 0xBBGGRR values; the table as (r, g, b) triples."""
    s = [(start >> shift) & 255 for shift in (0, 8, 16)]
    e = [(end >> shift) & 255 for shift in (0, 8, 16)]
    return [tuple(s[c] + muldiv(k, e[c] - s[c], COUNT - 1) for c in range(3)) for k in range(COUNT)]


def round_half_even(v):
    return int(round(v))


def covers(style, i, x, y, w=BOARD_W, h=BOARD_H):
    """Whether the shape painted for table entry i covers board pixel (x, y)."""
    k = i + 1
    sx, sy = muldiv(k, w, COUNT), muldiv(k, h, COUNT)
    if style == "horizontal":
        return muldiv(i, w, COUNT) <= x < muldiv(i + 1, w, COUNT)
    if style == "vertical":
        return muldiv(i, h, COUNT) <= y < muldiv(i + 1, h, COUNT)
    cx, cy = w // 2, h // 2
    if style == "square":
        return abs(x - cx) <= sx // 2 and abs(y - cy) <= sy // 2
    if style == "elliptic":
        rx, ry = round_half_even(sx / 1.4), round_half_even(sy / 1.4)
        # The filled ellipse spans the pixels cx - rx to cx + rx - 2; test the pixel's centre against it.
        ux = (x + 0.5 - (cx - 0.5)) / (rx - 0.5)
        uy = (y + 0.5 - (cy - 0.5)) / (ry - 0.5)
        return ux * ux + uy * uy <= 1
    if style == "topleft":
        return x < sx and y < sy
    if style == "topright":
        return x >= w - sx and y < sy
    if style == "bottomleft":
        return x < sx and y >= h - sy
    if style == "bottomright":
        return x >= w - sx and y >= h - sy
    dx, dy = 2 * sx, 2 * sy
    if style == "topleftdiagonal":
        return x / dx + y / (dy + 1) < 1
    if style == "toprightdiagonal":
        return (w + 1 - x) / dx + y / dy < 1
    raise ValueError(style)


def gradient_at(style, x, y, table):
    """The colour of board pixel (x, y): the smallest shape wins, as it is painted last."""
    for i in range(COUNT):
        if covers(style, i, x, y):
            return table[i]
    return table[-1]
