"""The program's picture at any icon size: a sheet listing applications, under a title bar,
each row a coloured box and lines of text.

Every size is drawn from whole pixels of its own, so that small sizes lose rows rather than
sharpness and large ones keep even lines; 64 and 256 are the 32 x 32 sheet, enlarged.
"""
from collections import namedtuple

from pixel_art import COLOURS, mul_div

# margin: left and top, in pixels; right: right margin; line: border, frame and text lines;
# bar: title bar height; lead: white before the first row and around the boxes; box: a row's
# box side; gap: white under each row; entries: how many rows.
Layout = namedtuple('Layout', 'margin right line bar lead box gap entries')

LAYOUTS = {
    16: Layout(1, 1, 1, 1, 1, 3, 1, 2),
    20: Layout(1, 1, 1, 1, 1, 3, 1, 3),
    24: Layout(1, 1, 1, 1, 1, 3, 1, 4),
    32: Layout(2, 1, 1, 2, 2, 4, 1, 4),
    40: Layout(2, 1, 1, 2, 2, 5, 2, 4),
    48: Layout(3, 2, 1, 3, 3, 6, 2, 4),
    64: Layout(4, 2, 2, 4, 4, 8, 2, 4),
    256: Layout(16, 8, 8, 16, 16, 32, 8, 4),
}

# Each row: the box's outline and inside colours, and its two text lines' lengths in 19ths of
# the room for text (19 pixels at 32 x 32).
ENTRIES = [('r', 'r', 14, 9), ('G', 'l', 16, 11), ('b', 'L', 12, 17), ('p', 'y', 15, 9)]
TEXT_UNITS = 19
# The title bar's right end, in 32nds of the size: a checkerboard of white and silver.
CHECKER_UNITS = 4


def sheet(size):
    """The picture at size x size pixels, top row first."""
    t = LAYOUTS[size]
    grid = [['.'] * size for _ in range(size)]

    def fill(x, y, w, h, ch):
        for row in grid[y:y + h]:
            row[x:x + w] = [ch] * w

    width = size - t.margin - t.right
    height = 4 * t.line + t.bar + t.lead + t.entries * (t.box + t.gap)
    text_room = width - 2 * t.line - 2 * t.lead - t.box
    checker = mul_div(CHECKER_UNITS, size, 32)
    x0, y0 = t.margin, t.margin
    fill(x0, y0, width, height, 'g')
    fill(x0 + t.line, y0 + t.line, width - 2 * t.line, 2 * t.line + t.bar, 'n')
    fill(x0 + 2 * t.line, y0 + 2 * t.line, width - 4 * t.line - checker, t.bar, 'B')
    cx, cy = x0 + width - 2 * t.line - checker, y0 + 2 * t.line
    for y in range(t.bar):
        for x in range(checker):
            grid[cy + y][cx + x] = 'ws'[(x // t.line + y // t.line) % 2]
    body = y0 + 3 * t.line + t.bar
    fill(x0 + t.line, body, width - 2 * t.line, height - 4 * t.line - t.bar, 'w')
    # The second text line sits half a box down, where there is room for a line between.
    second = (t.box + 1) // 2
    for i, (outline, inside, first_len, second_len) in enumerate(ENTRIES[:t.entries]):
        top = body + t.lead + i * (t.box + t.gap)
        bx = x0 + t.line + t.lead
        fill(bx, top, t.box, t.box, outline)
        fill(bx + t.line, top + t.line, t.box - 2 * t.line, t.box - 2 * t.line, inside)
        tx = bx + t.box + t.lead
        fill(tx, top, mul_div(first_len, text_room, TEXT_UNITS), t.line, 'k')
        if second >= 2 * t.line:
            fill(tx, top + second, mul_div(second_len, text_room, TEXT_UNITS), t.line, 'k')
    return [[COLOURS[ch] for ch in row] for row in grid]
