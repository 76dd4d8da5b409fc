"""Room 104, the archive: shelves of files, the showcase, the archivist in his
armchair, the crate of silicone hanging on a half-cut rope above him and the
book "Physik und Mathematik"."""
import math

from upper_draw import (back_wall, box, crate, floor, line, oval, plate, poly, shade, skirting,
                        sparkle, text, vgrad)
from upper_people import archivar_body, archivar_head

HORIZON = 340
ROPE_X = 388

# Where the pictures of the room lie (left, top, width, height).
HEAD = (336, 176, 139, 109)       # red0..3, 1..6: the head (and the Zs above it)
EYES = (336, 235, 139, 18)        # zwinker1, zwinker2
BOOK_PATCH = (290, 299, 92, 82)   # buch0: the floor without the book
WUMM = (290, 176, 185, 204)       # the moment he nods off and the book drops
KISTE = (166, 34, 324, 348)       # the crate has come down on him; Kroxl has the book then
SILICON = (336, 235, 70, 90)      # the silicone spilled from the crate
SEIL = (368, 67, 40, 36)          # the rope, nearly cut through


def _shelves(ctx, x, y, w, h):
    box(ctx, x, y, w, h, (110, 76, 46))
    rows = 5
    for r in range(rows):
        ry = y + 8 + r * (h - 10) / rows
        rh = (h - 10) / rows - 8
        box(ctx, x + 5, ry, w - 10, rh, (70, 46, 28), None)
        bx = x + 7
        i = 0
        while bx < x + w - 14:
            bw = 9 + (i * 7 + r * 3) % 6
            c = [(200, 180, 120), (90, 120, 170), (180, 80, 70), (120, 150, 100), (210, 200, 180)][(i + r) % 5]
            box(ctx, bx, ry + 4 + (i % 3), bw, rh - 4 - (i % 3), c, width=1)
            line(ctx, [(bx + 2, ry + rh * 0.6), (bx + bw - 2, ry + rh * 0.6)], "white", 1)
            bx += bw + 1
            i += 1
        box(ctx, x + 2, ry + rh, w - 4, 6, (140, 100, 60), width=1)


def _vitrine(ctx):
    box(ctx, 146, 262, 6, 70, (90, 60, 40), width=1.2)
    box(ctx, 206, 262, 6, 70, (90, 60, 40), width=1.2)
    box(ctx, 140, 134, 78, 130, (120, 80, 50), width=2, r=3)
    box(ctx, 146, 140, 66, 118, vgrad(140, 258, (210, 236, 246), (170, 206, 226)), width=1.5)
    line(ctx, [(146, 200), (212, 200)], (120, 80, 50), 3)
    # a perpetuum mobile that does not move
    oval(ctx, 168, 172, 16, 16, None, (140, 140, 150), 2.5)
    for k in range(6):
        a = k * math.pi / 3
        line(ctx, [(168, 172), (168 + math.cos(a) * 16, 172 + math.sin(a) * 16)], (140, 140, 150), 1.5)
        oval(ctx, 168 + math.cos(a) * 16, 172 + math.sin(a) * 16, 3, 3, (200, 80, 60), "ink", 0.8)
    box(ctx, 164, 188, 8, 10, (100, 100, 110), width=1)
    # a toaster that toasts backwards
    box(ctx, 180, 224, 28, 24, (200, 204, 210), width=1.5, r=5)
    box(ctx, 185, 214, 8, 12, (220, 180, 110), width=1)
    box(ctx, 195, 214, 8, 12, (220, 180, 110), width=1)
    text(ctx, 180, 256, "Erfindungen", 7, "ink", True, "center")
    for gx in (150, 176):
        line(ctx, [(gx, 146), (gx + 14, 160)], "white", 1.5)


def _rope(ctx, cut, fallen):
    box(ctx, 0, 0, 640, 14, (100, 70, 44), None)
    line(ctx, [(0, 14), (640, 14)], "ink", 2)
    oval(ctx, ROPE_X, 18, 6, 6, None, (90, 90, 96), 3)
    rope = (210, 180, 120)
    end = 58 if fallen else 98
    line(ctx, [(ROPE_X, 22), (ROPE_X, end)], "ink", 6)
    line(ctx, [(ROPE_X, 22), (ROPE_X, end)], rope, 4)
    for y in range(26, end - 2, 6):
        line(ctx, [(ROPE_X - 2, y), (ROPE_X + 2, y + 3)], shade(rope, 0.7), 1)
    if fallen:
        # only a frayed end is left up there
        for dx in (-3, 0, 3):
            line(ctx, [(ROPE_X, end), (ROPE_X + dx * 2, end + 8)], rope, 1.5)
        return
    # the notch: a small cut, or nearly through
    depth = 4.5 if cut else 2
    poly(ctx, [(ROPE_X - 3, 82), (ROPE_X - 3 + depth, 85), (ROPE_X - 3, 88)], (60, 40, 30), None)
    if cut:
        poly(ctx, [(ROPE_X + 3, 81), (ROPE_X + 3 - depth, 85), (ROPE_X + 3, 89)], (60, 40, 30), None)
        for dy in (-5, 5):
            line(ctx, [(ROPE_X + 4, 85 + dy), (ROPE_X + 9, 85 + dy * 1.4)], rope, 1.2)
    crate(ctx, 346, 98, 84, 66)


def _desk(ctx):
    box(ctx, 296, 290, 84, 10, vgrad(290, 300, (170, 120, 80), (140, 96, 60)), r=2)
    box(ctx, 302, 300, 72, 46, vgrad(300, 346, (140, 96, 60), (110, 74, 44)))
    box(ctx, 310, 308, 30, 14, None, (80, 50, 30), 1.2)
    box(ctx, 304, 346, 8, 10, (90, 60, 40), width=1)
    box(ctx, 364, 346, 8, 10, (90, 60, 40), width=1)
    # a reading lamp and a pile of index cards
    box(ctx, 306, 280, 18, 10, (60, 100, 70), width=1.2, r=2)
    line(ctx, [(314, 280), (308, 250)], "ink", 2)
    poly(ctx, [(298, 236), (322, 242), (316, 256), (294, 250)], (60, 120, 80), width=1.5)
    for i in range(3):
        box(ctx, 336 + i * 2, 284 - i * 3, 26, 6, "paper", width=1)


def _book(ctx):
    poly(ctx, [(318, 356), (366, 350), (372, 366), (322, 374)], (170, 40, 40), width=1.8)
    poly(ctx, [(322, 374), (372, 366), (372, 370), (322, 378)], "paper", width=1.2)
    text(ctx, 344, 365, "Physik", 7, "yellow", True, "center")


def _door(ctx):
    poly(ctx, [(440, 24), (640, 0), (640, 400), (440, 340)], vgrad(0, 400, (120, 104, 80), (90, 76, 56)),
         width=2)
    # A doormat fills the floor in front of the door: all of it belongs to the way out.
    poly(ctx, [(446, 346), (598, 392), (598, 400), (446, 400)], (70, 96, 60), width=1.5)
    poly(ctx, [(454, 356), (590, 397), (590, 400), (454, 400)], None, (150, 170, 110), 2)
    poly(ctx, [(462, 128), (588, 112), (588, 392), (462, 345)], vgrad(112, 392, (160, 110, 70), (120, 80, 50)),
         width=2)
    poly(ctx, [(472, 144), (578, 132), (578, 240), (472, 244)], None, (100, 66, 40), 1.5)
    poly(ctx, [(472, 262), (578, 262), (578, 370), (472, 334)], None, (100, 66, 40), 1.5)
    oval(ctx, 572, 258, 5, 7, "yellow", "ink", 1.2)
    box(ctx, 484, 92, 84, 18, (40, 130, 70), width=1.5, r=3)
    text(ctx, 526, 106, "zum Gang", 11, "white", True, "center")


def archiv(ctx, state="asleep", eyes="open", mouth=0, snore=4, book=True, rope_cut=False,
           fallen=False, silicone=True, wumm=False):
    """state: "awake" or "asleep"; fallen: the crate has come down."""
    back_wall(ctx, 0, 0, 640, HORIZON, (196, 180, 140), 0.8)
    floor(ctx, HORIZON, 400, (130, 100, 70), lines=10)
    skirting(ctx, HORIZON, color=(80, 56, 36))
    _shelves(ctx, 10, 40, 118, 296)
    _shelves(ctx, 230, 40, 150, 200)
    plate(ctx, 70, 22, "ARCHIV", 12, fill=(40, 60, 90), color="white")
    _vitrine(ctx)
    _door(ctx)
    archivar_body(ctx)
    archivar_head(ctx, awake=(state == "awake"), eyes=eyes, mouth=mouth,
                  snore=snore, wumm=wumm)
    _desk(ctx)
    if book:
        _book(ctx)
    _rope(ctx, rope_cut, fallen)
    if fallen:
        _fallen_crate(ctx, silicone)


def _fallen_crate(ctx, silicone):
    # splinters, the smashed crate over the armchair, stars circling
    for x, y, a in [(200, 318, 0.2), (250, 330, -0.15), (420, 330, 0.1)]:
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(a)
        box(ctx, -24, -4, 48, 8, (200, 154, 92), width=1.2)
        ctx.restore()
    box(ctx, 392, 262, 96, 76, vgrad(262, 338, (206, 160, 96), (170, 124, 70)), width=2)
    line(ctx, [(396, 300), (484, 300)], (130, 90, 50), 1.5)
    crate(ctx, 380, 196, 104, 80, label="SILICON", tilt=0.1)
    for k, (x, y) in enumerate([(404, 184), (438, 178), (468, 190)]):
        sparkle(ctx, x, y, 7 + k, "yellow")
    if silicone:
        # cartridges of silicone spilled over the desk
        for x, y, a in [(360, 286, -0.25), (378, 296, 0.35), (364, 304, 0.9), (382, 284, -0.7),
                        (372, 312, 0.1)]:
            ctx.save()
            ctx.translate(x, y)
            ctx.rotate(a)
            box(ctx, -13, -5, 24, 10, (246, 246, 252), width=1.3, r=3)
            box(ctx, -13, -5, 7, 10, (70, 130, 220), width=1.3, r=2)
            poly(ctx, [(11, -3), (18, 0), (11, 3)], (70, 130, 220), width=1)
            ctx.restore()
