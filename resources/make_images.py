#!/usr/bin/env python3
"""Writes the program's icons and button glyphs from the pixel art beside it.

Run it after changing the art: python3 resources/make_images.py
Every glyph is written at each display scale that ui/Layout.h lists: glyph_<name>.bmp at
100 %, glyph_<name>_<scale>.bmp at the others, the names the resource script gives them.
"""
import os
import re

import glyph_maps
import image_files
from pixel_art import enlarged, halved, mul_div, rows
from sheet import sheet

HERE = os.path.dirname(os.path.abspath(__file__))

# Each glyph: its file name's part, its maps by size, bits per pixel at every size.
GLYPHS = [('save', glyph_maps.SAVE, 4), ('clipboard', glyph_maps.CLIPBOARD, 8),
          ('about', glyph_maps.ABOUT, 8), ('exit', glyph_maps.EXIT, 24)]

# The sides of every icon: the system's small and large icon sizes at 100 to 200 %, and the
# 256 x 256 image that Explorer's large views show, stored as PNG.
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
# Sizes below 256 that are not kept from the first release are drawn at 8 bits: the sheet has
# a few flat colours, and true colour would cost three times the bytes.
ICON_BITS = 8


def glyph_scales():
    """The display scales, in per cent, that the forms pick glyphs from (ui/Layout.h)."""
    with open(os.path.join(HERE, '..', 'ui', 'Layout.h')) as f:
        found = re.search(r'kGlyphScales\[\] = \{([^}]*)\}', f.read())
    return [int(scale) for scale in found.group(1).split(',')]


def glyph(maps, size):
    """A glyph at a size: the map drawn for it, or its 100 % map enlarged a whole number of
    times."""
    if size in maps:
        return rows(maps[size], size)
    base = min(maps)
    assert size % base == 0, (base, size)
    return enlarged(rows(maps[base], base), size // base)


def icon(kept):
    """An icon file of every size; kept maps a size to the (pixels, bits) it has had since the
    first release, which 96 DPI shows."""
    images = []
    for size in ICON_SIZES:
        if size == 256:
            images.append((image_files.png(sheet(size)), size, 32))
        elif size in kept:
            pixels, bits = kept[size]
            images.append((image_files.icon_image(pixels, bits, full_table=True), size, bits))
        else:
            images.append((image_files.icon_image(sheet(size), ICON_BITS), size, ICON_BITS))
    return image_files.ico(images)


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    scales = glyph_scales()
    for name, maps, bits in GLYPHS:
        for scale in scales:
            size = mul_div(min(maps), scale, 100)
            suffix = '' if scale == 100 else '_%d' % scale
            write('glyph_%s%s.bmp' % (name, suffix),
                  image_files.bmp(glyph(maps, size), bits, full_table=scale == 100))
    write('MAINICON.ico', icon({32: (sheet(32), 8)}))
    # The About box's picture: the same sheet, its first two sizes in true colour.
    write('ABOUTICON.ico', icon({16: (halved(sheet(32)), 24), 32: (sheet(32), 24)}))
