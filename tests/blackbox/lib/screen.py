#!/usr/bin/python3
"""How much of a picture file of the data root a screen shot shows.

    screen.py SCREEN GAME PICTURE X Y [BACKGROUND [CLIP]]

prints the share (in %) of the picture's pixels that the screen shows with
the picture laid at (X, Y), or -1 when nothing is counted. With BACKGROUND
(a picture of the whole room) only the pixels where the picture differs from
it count; CLIP ("x,y,w,h" on the screen) counts only the pixels inside it.
Game paths are matched without regard to case, as the game does."""
import os
import struct
import sys


def find(root, path):
    for part in path.strip("/").split("/"):
        names = {n.lower(): n for n in os.listdir(root)}
        root = os.path.join(root, names.get(part.lower(), part))
    return root


def load(path):
    d = open(path, "rb").read()
    off, = struct.unpack("<I", d[10:14])
    w, h = struct.unpack("<ii", d[18:26])
    stride = (w * 3 + 3) & ~3
    return w, abs(h), [d[off + (abs(h) - 1 - y if h > 0 else y) * stride:][:w * 3] for y in range(abs(h))]


def main(screen_file, root, picture, x0, y0, background=None, clip=None):
    _, _, screen = load(screen_file)
    pw, ph, pic = load(find(root, picture))
    x0, y0 = int(x0), int(y0)
    cx, cy, cw, ch = map(int, clip.split(",")) if clip else (0, 0, 640, 400)

    def px(rows, x, y):
        return rows[y][3 * x:3 * x + 3]

    cells = [(x, y) for y in range(ph) for x in range(pw)
             if cx <= x0 + x < min(640, cx + cw) and cy <= y0 + y < min(400, cy + ch)]
    if background and picture != background:
        _, _, back = load(find(root, background))
        cells = [(x, y) for x, y in cells if px(pic, x, y) != px(back, x0 + x, y0 + y)]
    shown = sum(px(screen, x0 + x, y0 + y) == px(pic, x, y) for x, y in cells)
    print(100 * shown // len(cells) if cells else -1)


if __name__ == "__main__":
    main(*sys.argv[1:])
