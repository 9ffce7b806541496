#!/usr/bin/env python3
"""Writes the program icon and the button glyphs from the pixel maps below.

Run it after changing a map: python3 resources/make_images.py
Glyph bitmaps use magenta (255, 0, 255) for the pixels the button leaves undrawn; the icon
carries a transparency mask instead.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

COLOURS = {
    '.': (255, 0, 255),   # transparent
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    's': (192, 192, 192),
    'g': (128, 128, 128),
    'n': (0, 0, 128),
    'b': (0, 0, 255),
    'B': (40, 100, 200),
    'L': (120, 170, 235),
    'r': (200, 30, 30),
    'R': (128, 0, 0),
    'G': (0, 128, 0),
    'l': (0, 200, 0),
    'y': (255, 255, 0),
    'o': (160, 100, 40),
    'O': (110, 65, 20),
    'c': (0, 128, 128),
    'p': (230, 120, 30),
}

# 16 x 16, 4 bits: a floppy disk (the file output).
SAVE = """
................
.nnnnnnnnnnnnnn.
.nnswwwwwwwwsnn.
.nnswggggggwsnn.
.nnswwwwwwwwsnn.
.nnswggggggwsnn.
.nnswwwwwwwwsnn.
.nnssssssssssnn.
.nnnnnnnnnnnnnn.
.nnnssssssssnnn.
.nnnsskkkssssnn.
.nnnsskkksssnnn.
.nnnsskkksssnnn.
.nnnssssssssnnn.
..nnnnnnnnnnnnn.
................
"""

# 16 x 16, 8 bits: a clipboard with a sheet (the clipboard output).
CLIPBOARD = """
......gggg......
..oooggssggooo..
.oOOgssssssgOOo.
.oOwwwwwwwwwwOo.
.oOwggggggggwOo.
.oOwwwwwwwwwwOo.
.oOwggggggwwwOo.
.oOwwwwwwwwwwOo.
.oOwggggggggwOo.
.oOwwwwwwwwwwOo.
.oOwgggggwwwwOo.
.oOwwwwwwwwwwOo.
.oOwwwwwwwwwwOo.
.oOOOOOOOOOOOOo.
..oooooooooooo..
................
"""

# 16 x 16, 8 bits: an information mark (the About dialog).
ABOUT = """
................
.....BBBBBB.....
...BBLLLLLLBB...
..BLLLLwwLLLLB..
..BLLLLwwLLLLB..
.BLLLLLLLLLLLLB.
.BLLLLwwwLLLLLB.
.BLLLLLwwLLLLLB.
.BLLLLLwwLLLLLB.
.BLLLLLwwLLLLLB.
..BLLLLwwLLLLB..
..BLLLwwwwLLLB..
...BBLLLLLLBB...
.....BBBBBB.....
................
................
"""

# 12 x 12, 24 bits: a door and an arrow leaving it (quit).
EXIT = """
.RRRRRR.....
.RooooR.....
.RooooR.....
.RooooR..l..
.RooooR..ll.
.RooyoR.llll
.RooooR..ll.
.RooooR..l..
.RooooR.....
.RooooR.....
.RRRRRR.....
............
"""

# 32 x 32, 8 bits: a sheet listing applications, each row a coloured box and a line of text.
ICON = """
................................
................................
..ggggggggggggggggggggggggggggg.
..gnnnnnnnnnnnnnnnnnnnnnnnnnnng.
..gnBBBBBBBBBBBBBBBBBBBBBwswsng.
..gnBBBBBBBBBBBBBBBBBBBBBswswng.
..gnnnnnnnnnnnnnnnnnnnnnnnnnnng.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..gwwrrrrwwkkkkkkkkkkkkkkwwwwwg.
..gwwrrrrwwwwwwwwwwwwwwwwwwwwwg.
..gwwrrrrwwkkkkkkkkkwwwwwwwwwwg.
..gwwrrrrwwwwwwwwwwwwwwwwwwwwwg.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..gwwGGGGwwkkkkkkkkkkkkkkkkwwwg.
..gwwGllGwwwwwwwwwwwwwwwwwwwwwg.
..gwwGllGwwkkkkkkkkkkkwwwwwwwwg.
..gwwGGGGwwwwwwwwwwwwwwwwwwwwwg.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..gwwbbbbwwkkkkkkkkkkkkwwwwwwwg.
..gwwbLLbwwwwwwwwwwwwwwwwwwwwwg.
..gwwbLLbwwkkkkkkkkkkkkkkkkkwwg.
..gwwbbbbwwwwwwwwwwwwwwwwwwwwwg.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..gwwppppwwkkkkkkkkkkkkkkkwwwwg.
..gwwpyypwwwwwwwwwwwwwwwwwwwwwg.
..gwwpyypwwkkkkkkkkkwwwwwwwwwwg.
..gwwppppwwwwwwwwwwwwwwwwwwwwwg.
..gwwwwwwwwwwwwwwwwwwwwwwwwwwwg.
..ggggggggggggggggggggggggggggg.
................................
................................
"""

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def rows(art, size):
    lines = [line for line in art.strip('\n').split('\n')]
    assert len(lines) == size, (len(lines), size)
    for line in lines:
        assert len(line) == size, line
    return [[COLOURS[ch] for ch in line] for line in lines]


def palette_for(pixels, bits):
    if bits == 4:
        return VGA16
    used = sorted({c for row in pixels for c in row})
    return used + [(0, 0, 0)] * (256 - len(used))


def pack_rows(pixels, bits, palette):
    """Bottom-up DIB rows, each padded to four bytes."""
    out = b''
    for row in reversed(pixels):
        if bits == 24:
            data = b''.join(struct.pack('BBB', b, g, r) for (r, g, b) in row)
        else:
            idx = [palette.index(c) for c in row]
            if bits == 8:
                data = bytes(idx)
            else:
                data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        out += data + b'\0' * (-len(data) % 4)
    return out


def dib(pixels, bits, height_factor=1):
    size = len(pixels)
    palette = palette_for(pixels, bits) if bits <= 8 else []
    colours = len(palette)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * height_factor, 1, bits, 0, 0,
                         2835, 2835, colours, 0)
    table = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in palette)
    return header, table, pack_rows(pixels, bits, palette)


def write_bmp(name, art, size, bits):
    header, table, bits_data = dib(rows(art, size), bits)
    offset = 14 + len(header) + len(table)
    data = struct.pack('<2sIHHI', b'BM', offset + len(bits_data), 0, 0, offset)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data + header + table + bits_data)


def icon_image(pixels, bits):
    """One icon image: its DIB with doubled height, the colour part, then the AND mask."""
    size = len(pixels)
    # Transparent pixels are black in the colour part, as the mask expects.
    opaque = [[(0, 0, 0) if c == COLOURS['.'] else c for c in row] for row in pixels]
    header, table, xor = dib(opaque, bits, height_factor=2)
    mask = b''
    for row in reversed(pixels):
        line = 0
        for x, c in enumerate(row):
            if c == COLOURS['.']:
                line |= 1 << (size - 1 - x)
        data = line.to_bytes((size + 7) // 8, 'big')
        mask += data + b'\0' * (-len(data) % 4)
    return header + table + xor + mask


def write_ico(name, images):
    """images: (pixel rows, bits per pixel) for each image of the icon."""
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for pixels, bits in images:
        size = len(pixels)
        blob = icon_image(pixels, bits)
        entries += struct.pack('<BBBBHHII', size, size, 0, 0, 1, bits, len(blob),
                               offset + len(blobs))
        blobs += blob
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + blobs)


def halved(pixels):
    """Every other pixel of every other row: the 16 x 16 image of a 32 x 32 one."""
    return [row[::2] for row in pixels[::2]]


if __name__ == '__main__':
    write_bmp('glyph_save.bmp', SAVE, 16, 4)
    write_bmp('glyph_clipboard.bmp', CLIPBOARD, 16, 8)
    write_bmp('glyph_about.bmp', ABOUT, 16, 8)
    write_bmp('glyph_exit.bmp', EXIT, 12, 24)
    write_ico('MAINICON.ico', [(rows(ICON, 32), 8)])
    # The About box's picture: the same sheet at 16 x 16 and 32 x 32, in true colour.
    write_ico('ABOUTICON.ico', [(halved(rows(ICON, 32)), 24), (rows(ICON, 32), 24)])
