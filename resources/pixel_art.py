"""The letters of the pixel maps, their colours, and what can be done to a map as a whole."""

TRANSPARENT = (255, 0, 255)

COLOURS = {
    '.': TRANSPARENT,
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


def mul_div(value, numerator, denominator):
    """value * numerator / denominator, rounded half up as Windows' MulDiv rounds."""
    return (value * numerator * 2 + denominator) // (denominator * 2)


def rows(art, size):
    """The colours of a square pixel map of the given size, top row first."""
    lines = art.strip('\n').split('\n')
    assert len(lines) == size, (len(lines), size)
    for line in lines:
        assert len(line) == size, line
    return [[COLOURS[ch] for ch in line] for line in lines]


def enlarged(pixels, factor):
    """Every pixel as a square of factor x factor: a map at a whole multiple of its size."""
    return [[c for c in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def halved(pixels):
    """Every other pixel of every other row: the 16 x 16 image of a 32 x 32 one."""
    return [row[::2] for row in pixels[::2]]
