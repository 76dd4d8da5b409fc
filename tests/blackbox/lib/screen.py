#!/usr/bin/python3
"""Pixel questions about a screenshot of the game, for the black-box tests.

    screen.py same SCREEN PICTURE X Y W H   per cent of the rectangle that shows
                                            PICTURE's own pixels there
    screen.py lit SCREEN X Y W H R G B      per cent of the rectangle's pixels
                                            that differ from colour R, G, B
    screen.py colour SCREEN X Y             the pixel's colour as "R G B"
    screen.py contrast SCREEN X Y W H R G B the best contrast (times 100, as the
                                            web's guidelines measure it) of a
                                            pixel of the rectangle on R, G, B
    screen.py bands SCREEN X Y W H R G B    the runs of rows holding pixels other
                                            than R, G, B, as "FIRST-LAST" each
    screen.py shows SCREEN GAME PICTURE X Y [BACKGROUND [CLIP]]
                                            per cent of PICTURE's pixels (laid at X, Y)
                                            that the screen shows; with BACKGROUND (a
                                            picture of the whole room) only the pixels
                                            where PICTURE differs from it count; CLIP
                                            ("x,y,w,h") counts only those inside it;
                                            -1 when nothing is counted

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


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = map(linear, rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def cells(x, y, w, h):
    return [(x + i, y + j) for j in range(h) for i in range(w)]


def shows(screen, game, picture, x0, y0, background="", clip=""):
    _, _, shot = load(screen)
    pw, ph, pic = load(find(game, picture))
    x0, y0 = int(x0), int(y0)
    cx, cy, cw, ch = map(int, clip.split(",")) if clip else (0, 0, 640, 400)
    inside = [(x, y) for y in range(ph) for x in range(pw)
              if cx <= x0 + x < min(640, cx + cw) and cy <= y0 + y < min(400, cy + ch)]
    if background and picture != background:
        _, _, back = load(find(game, background))
        inside = [(x, y) for x, y in inside if pic(x, y) != back(x0 + x, y0 + y)]
    shown = sum(shot(x0 + x, y0 + y) == pic(x, y) for x, y in inside)
    print(100 * shown // len(inside) if inside else -1)


def main(argv):
    what = argv[1]
    if what == "shows":
        shows(*argv[2:])
        return 0
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
    elif what in ("contrast", "bands"):
        x, y, w, h, r, g, b = map(int, argv[3:10])
        inside = [(i, j) for i, j in cells(x, y, w, h) if i < sw and j < sh]
        if what == "contrast":
            print(int(100 * max((contrast(screen(i, j), (r, g, b)) for i, j in inside), default=1)))
        else:
            rows = sorted({j for i, j in inside if screen(i, j) != (r, g, b)})
            runs = []
            for row in rows:
                if runs and row == runs[-1][1] + 1:
                    runs[-1][1] = row
                else:
                    runs.append([row, row])
            print(" ".join(f"{a}-{b}" for a, b in runs))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
