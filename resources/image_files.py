"""Encoders for the image files the resource script takes: bitmaps, icons and PNG images.

Pixels come as rows of (red, green, blue), top row first; the transparent colour is magenta.
"""
import struct
import zlib

from pixel_art import TRANSPARENT

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def palette_for(pixels, bits, full_table):
    """The colour table of a 4- or 8-bit image: the 16 VGA colours, or the colours used.

    The first images carried a full 256-entry table at 8 bits; they keep it, so that they
    stay byte for byte what they were. Later ones list only their colours, a kilobyte less.
    """
    if bits == 4:
        return VGA16
    used = sorted({c for row in pixels for c in row})
    return used + [(0, 0, 0)] * (256 - len(used)) if full_table else used


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
                idx += [0] * (len(idx) % 2)
                data = bytes((idx[i] << 4) | idx[i + 1] for i in range(0, len(idx), 2))
        out += data + b'\0' * (-len(data) % 4)
    return out


def dib(pixels, bits, full_table, height_factor=1):
    size = len(pixels)
    palette = palette_for(pixels, bits, full_table) if bits <= 8 else []
    header = struct.pack('<IiiHHIIiiII', 40, size, size * height_factor, 1, bits, 0, 0,
                         2835, 2835, len(palette), 0)
    table = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in palette)
    return header, table, pack_rows(pixels, bits, palette)


def bmp(pixels, bits, full_table=False):
    """A bitmap file."""
    header, table, bits_data = dib(pixels, bits, full_table)
    offset = 14 + len(header) + len(table)
    data = struct.pack('<2sIHHI', b'BM', offset + len(bits_data), 0, 0, offset)
    return data + header + table + bits_data


def icon_image(pixels, bits, full_table=False):
    """One icon image: its DIB with doubled height, the colour part, then the AND mask."""
    size = len(pixels)
    # Transparent pixels are black in the colour part, as the mask expects.
    opaque = [[(0, 0, 0) if c == TRANSPARENT else c for c in row] for row in pixels]
    header, table, xor = dib(opaque, bits, full_table, height_factor=2)
    mask = b''
    for row in reversed(pixels):
        line = 0
        for x, c in enumerate(row):
            if c == TRANSPARENT:
                line |= 1 << (size - 1 - x)
        data = line.to_bytes((size + 7) // 8, 'big')
        mask += data + b'\0' * (-len(data) % 4)
    return header + table + xor + mask


def png(pixels):
    """A PNG image in RGBA: magenta pixels become transparent black."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))

    size = len(pixels)
    lines = [b''.join(b'\0\0\0\0' if c == TRANSPARENT else bytes(c) + b'\xff' for c in row)
             for row in pixels]
    # Each line as its difference from the one above (filter 2): the sheet's rows repeat, so
    # most lines become zeros.
    above = bytes(len(lines[0]))
    raw = b''
    for line in lines:
        raw += b'\2' + bytes((a - b) & 0xFF for a, b in zip(line, above))
        above = line
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def ico(images):
    """An icon file of (image bytes, side, bits per pixel); a side of 256 is stored as 0."""
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for blob, size, bits in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits, len(blob),
                               offset + len(blobs))
        blobs += blob
    return struct.pack('<HHH', 0, 1, len(images)) + entries + blobs
