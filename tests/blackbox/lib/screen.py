#!/usr/bin/python3
"""Pixel questions about a screenshot of the game, for the black-box tests.

    screen.py same SCREEN PICTURE X Y W H   per cent of the rectangle that shows
                                            PICTURE's own pixels there
    screen.py lit SCREEN X Y W H R G B      per cent of the rectangle's pixels
                                            that differ from colour R, G, B
    screen.py colour SCREEN X Y             the pixel's colour as "R G B"

SCREEN and PICTURE are uncompressed 24-bit BMP files (screen.bmp, the data
root's pictures); a picture path is matched without regard to case below the
root given in $GAME, as the game does.
"""
import os
import struct
import sys


def find(root, path):
    for part in path.strip("/").split("/"):
        names = {n.lower(): n for n in os.listdir(root)}
        root = os.path.join(root, names.get(part.lower(), part))
    return root


def load(path):
    """Width, height and a pixel function (x, y) -> (r, g, b)."""
    data = open(path, "rb").read()
    offset, = struct.unpack("<I", data[10:14])
    width, height = struct.unpack("<ii", data[18:26])
    stride = (width * 3 + 3) & ~3
    rows = abs(height)

    def pixel(x, y):
        row = rows - 1 - y if height > 0 else y
        at = offset + row * stride + 3 * x
        b, g, r = data[at:at + 3]
        return r, g, b
    return width, rows, pixel


def cells(x, y, w, h):
    return [(x + i, y + j) for j in range(h) for i in range(w)]


def main(argv):
    what = argv[1]
    sw, sh, screen = load(argv[2])
    if what == "same":
        pw, ph, picture = load(find(os.environ["GAME"], argv[3]))
        x, y, w, h = map(int, argv[4:8])
        inside = [(i, j) for i, j in cells(x, y, w, h) if i < min(sw, pw) and j < min(sh, ph)]
        same = sum(screen(i, j) == picture(i, j) for i, j in inside)
        print(100 * same // len(inside) if inside else -1)
    elif what == "lit":
        x, y, w, h, r, g, b = map(int, argv[3:10])
        inside = [(i, j) for i, j in cells(x, y, w, h) if i < sw and j < sh]
        lit = sum(screen(i, j) != (r, g, b) for i, j in inside)
        print(100 * lit // len(inside) if inside else -1)
    elif what == "colour":
        print(*screen(int(argv[3]), int(argv[4])))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
