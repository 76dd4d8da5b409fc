"""Rooms where people work: the library with Professor Zweistein, Hubert's
workshop, the basement corridor and Franz's printer room."""
import math

from lower_draw import (arrow, blob, box, ceiling_lamp, finish, floor_boards, hgrad, light_glow, line, oval, poly,
                        rbox, shade, sign, text, tiles, vgrad, window_frame)
from lower_people import coffee_cup, franz, hubert, zweistein
from lower_room import Room, nightfall

BOOK_COLOURS = [(170, 50, 44), (60, 90, 160), (60, 130, 80), (200, 160, 60), (120, 70, 130), (150, 96, 50),
                (40, 110, 120), (200, 100, 60)]


def book_row(ctx, x0, x1, bottom, height, seed):
    """Books standing on a shelf board, of varying width, height and colour."""
    x = x0
    i = seed
    while x < x1 - 4:
        w = 7 + (i * 5) % 8
        h = height - (i * 7) % 12
        w = min(w, x1 - x)
        c = BOOK_COLOURS[(i * 3) % len(BOOK_COLOURS)]
        box(ctx, x, bottom - h, w, h, hgrad(x, x + w, shade(c, 1.15), shade(c, 0.85)), "ink", 1)
        line(ctx, x + 1.5, bottom - h + 5, x + w - 1.5, bottom - h + 5, shade(c, 1.5), 1)
        x += w
        i += 1


def bookcase(ctx, x, y, w, h, shelves, seed=0, skip=None):
    box(ctx, x, y, w, h, (110, 70, 40), "ink", 2)
    box(ctx, x + 8, y + 8, w - 16, h - 8, (70, 44, 28), None)
    step = (h - 8) / shelves
    for k in range(shelves):
        bottom = y + 8 + step * (k + 1) - 6
        if skip and skip[0] == k:
            book_row(ctx, x + 8, skip[1], bottom, step - 12, seed + k * 5)
            book_row(ctx, skip[2], x + w - 8, bottom, step - 12, seed + k * 5 + 3)
        else:
            book_row(ctx, x + 8, x + w - 8, bottom, step - 12, seed + k * 5)
        box(ctx, x + 4, bottom, w - 8, 6, (140, 92, 54), "ink", 1.2)


# ---------------------------------------------------------------- room 6
# Zweistein's mouth, drawn on every tick of the animation, also over his
# drinking poses.
MOUTH = (109, 210, 88, 30)


def draw_bibliothek(ctx, night=False, book="geld", pose="read", eyes="read2", mouth=0):
    # Wood panelling, bookcases all round, a red carpet.
    box(ctx, 0, 0, 640, 310, vgrad(0, 310, (150, 104, 66), (120, 80, 50)), None)
    for x in range(0, 640, 64):
        line(ctx, x, 0, x, 310, shade((130, 90, 56), 0.85), 1.5)
    floor_boards(ctx, 310, 400, 330, (150, 100, 60), 18)
    poly(ctx, [(120, 330), (560, 330), (640, 392), (40, 392)], vgrad(330, 392, (170, 50, 50), (140, 36, 40)), "ink",
         1.5)
    poly(ctx, [(136, 336), (548, 336), (616, 386), (62, 386)], None, (230, 190, 90), 2)
    line(ctx, 0, 310, 640, 310, "ink", 2)
    bookcase(ctx, 0, 30, 96, 280, 5, 1)
    bookcase(ctx, 256, 32, 220, 268, 5, 11, skip=(3, 304, 330))
    bookcase(ctx, 552, 30, 88, 280, 5, 21)
    # The book that matters, in the gap of the fourth shelf.
    if book == "geld":
        box(ctx, 306, 200, 22, 42, hgrad(306, 328, (240, 200, 70), (190, 150, 40)), "ink", 1.5)
        text(ctx, 317, 214, "€", 11, (120, 80, 20))
        line(ctx, 309, 228, 325, 228, (120, 80, 20), 1.5)
        line(ctx, 309, 232, 325, 232, (120, 80, 20), 1.5)
    else:
        box(ctx, 306, 202, 22, 40, hgrad(306, 328, (90, 140, 210), (50, 90, 160)), "ink", 1.5)
        text(ctx, 317, 215, "M", 11, "white")
        line(ctx, 309, 230, 325, 230, "white", 1.5)
    sign(ctx, 300, 8, 132, 26, "Bibliothek", 16, (60, 40, 30), (240, 210, 120), face="Liberation Serif")
    rbox(ctx, 450, 70, 80, 22, 3, (250, 246, 226), "ink", 1.2)
    text(ctx, 490, 81, "Ruhe bitte!", 11, (150, 40, 40))
    # The door to the corridor.
    box(ctx, 482, 138, 70, 172, (90, 56, 32), "ink", 2)
    box(ctx, 490, 146, 54, 164, hgrad(490, 544, (176, 116, 66), (140, 90, 52)), "ink", 1.5)
    for y in (158, 234):
        box(ctx, 498, y, 38, 62, None, shade((140, 90, 52), 0.7), 1.5)
    oval(ctx, 536, 232, 4, 4, (240, 200, 80), "ink", 1)
    # A standing lamp beside the armchair.
    line(ctx, 60, 150, 60, 330, (60, 60, 60), 4)
    oval(ctx, 60, 332, 20, 5, (60, 60, 60), "ink", 1.5)
    poly(ctx, [(40, 150), (80, 150), (72, 118), (48, 118)], vgrad(118, 150, (250, 230, 170), (230, 190, 120)), "ink",
         1.5)
    # The green wing chair.
    chair = (70, 120, 80)
    blob(ctx, [(94, 340), (92, 180), (104, 146), (150, 134), (212, 134), (258, 146), (270, 180), (268, 340)],
         vgrad(134, 340, shade(chair, 1.15), shade(chair, 0.85)))
    for x in (130, 181, 232):
        for y in (170, 210):
            oval(ctx, x, y, 2, 2, shade(chair, 0.6), None)
    if not night:
        # At night the professor has gone home; his chair stays empty.
        zweistein(ctx, pose, eyes, mouth)
    else:
        rbox(ctx, 118, 246, 128, 90, 20, vgrad(246, 336, shade(chair, 1.05), shade(chair, 0.8)), "ink", 2)
    # Armrests in front of him.
    rbox(ctx, 96, 300, 40, 56, 14, vgrad(300, 356, shade(chair, 1.1), shade(chair, 0.8)), "ink", 2)
    rbox(ctx, 228, 300, 40, 56, 14, vgrad(300, 356, shade(chair, 1.1), shade(chair, 0.8)), "ink", 2)
    box(ctx, 130, 330, 104, 26, shade(chair, 0.85), "ink", 2)
    if pose not in ("trink", "trink1", "trink2"):
        oval(ctx, 238, 303, 11, 3.5, (250, 250, 250), "ink", 1.2)
        coffee_cup(ctx, 238, 302, left_handle=True)
    box(ctx, 100, 356, 10, 10, (60, 40, 30), None)
    box(ctx, 254, 356, 10, 10, (60, 40, 30), None)
    if night:
        nightfall(ctx, [(60, 140, 70)])


# ---------------------------------------------------------------- room 8
def pegboard_tools(ctx, present=True):
    """Hubert's tools on the wall; without them, their painted outlines."""
    box(ctx, 378, 130, 86, 70, (200, 170, 120), "ink", 2)
    for i in range(7):
        for j in range(5):
            oval(ctx, 386 + i * 12, 138 + j * 13, 1.4, 1.4, (150, 120, 80), None)
    shapes = [
        ("hammer", 392, 150), ("wrench", 414, 148), ("pliers", 436, 150), ("screwdriver", 454, 148),
        ("saw", 420, 182)]
    for kind, x, y in shapes:
        ink = "ink" if present else None
        ghost = (150, 110, 70)
        if kind == "hammer":
            if present:
                box(ctx, x - 2, y - 4, 5, 36, (170, 120, 70), ink, 1.2)
                box(ctx, x - 8, y - 10, 17, 9, (130, 134, 140), ink, 1.2)
            else:
                box(ctx, x - 2, y - 4, 5, 36, None, ghost, 1.2)
                box(ctx, x - 8, y - 10, 17, 9, None, ghost, 1.2)
        elif kind == "wrench":
            if present:
                line(ctx, x, y - 6, x, y + 30, "ink", 6)
                line(ctx, x, y - 6, x, y + 30, (170, 176, 184), 3.5)
                oval(ctx, x, y - 8, 6, 6, (170, 176, 184), "ink", 1.2)
            else:
                line(ctx, x, y - 6, x, y + 30, ghost, 1.2)
                oval(ctx, x, y - 8, 6, 6, None, ghost, 1.2)
        elif kind == "pliers":
            c = (200, 60, 50) if present else None
            poly(ctx, [(x - 5, y + 30), (x - 1, y), (x + 1, y), (x + 5, y + 30)], c, ink or ghost, 1.2)
            poly(ctx, [(x - 3, y), (x, y - 12), (x + 3, y)], (150, 156, 164) if present else None, ink or ghost, 1.2)
        elif kind == "screwdriver":
            box(ctx, x - 3, y, 6, 16, (240, 200, 60) if present else None, ink or ghost, 1.2)
            line(ctx, x, y + 16, x, y + 34, "ink" if present else ghost, 2 if present else 1.2)
        else:
            poly(ctx, [(x - 36, y), (x + 20, y), (x + 20, y + 10), (x - 36, y + 6)],
                 (190, 196, 204) if present else None, ink or ghost, 1.2)
            box(ctx, x + 20, y - 2, 14, 14, (170, 110, 60) if present else None, ink or ghost, 1.2)
    sign(ctx, 388, 112, 66, 14, "Werkzeug", 9, (250, 246, 226))


def draw_bastelraum(ctx, hubert_on=True, tools=True, eyes="look in", mouth=0, mood="grumpy", laugh=False):
    # Concrete wall, a window, a wooden floor.
    box(ctx, 0, 0, 640, 320, vgrad(0, 320, (200, 196, 186), (170, 166, 156)), None)
    for y in range(20, 320, 40):
        line(ctx, 0, y, 640, y, (186, 182, 172), 1)
    floor_boards(ctx, 320, 400, 300, (150, 110, 74), 16)
    line(ctx, 0, 320, 640, 320, "ink", 2)
    window_frame(ctx, 540, 40, 80, 90, vgrad(40, 130, (150, 200, 240), (210, 236, 250)))
    ceiling_lamp(ctx, 460, 60, 60)
    # Shelves with gadgets.
    for y in (96, 60):
        box(ctx, 300, y, 60, 6, (150, 100, 60), "ink", 1.2)
    oval(ctx, 318, 86, 8, 8, (200, 60, 50), "ink", 1.2)
    for a in (0, 1.05, 2.1):
        oval(ctx, 318, 86, 16, 6, None, (60, 100, 200), 1.5, angle=a)
    rbox(ctx, 334, 74, 20, 22, 4, (170, 176, 184), "ink", 1.2)
    oval(ctx, 340, 82, 2.5, 2.5, (240, 60, 60), None)
    oval(ctx, 348, 82, 2.5, 2.5, (240, 60, 60), None)
    line(ctx, 344, 74, 344, 66, "ink", 1.5)
    for i in range(3):
        rbox(ctx, 306 + i * 18, 40, 14, 20, 2, ((220, 180, 60), (100, 160, 90), (200, 90, 60))[i], "ink", 1)
    # The door to the corridor.
    box(ctx, 154, 128, 126, 194, (90, 96, 104), "ink", 2)
    box(ctx, 162, 136, 110, 186, hgrad(162, 272, (150, 156, 150), (118, 124, 120)), "ink", 1.5)
    box(ctx, 172, 150, 90, 56, None, shade((130, 136, 130), 0.75), 1.5)
    box(ctx, 248, 230, 16, 6, (190, 196, 204), "ink", 1.2)
    rbox(ctx, 176, 156, 82, 22, 3, (40, 150, 80), "ink", 1.2)
    text(ctx, 217, 167, "Ausgang", 11, "white")
    # Hubert's tools and a poster.
    if tools:
        pegboard_tools(ctx, True)
    else:
        pegboard_tools(ctx, False)
    rbox(ctx, 20, 90, 100, 130, 2, (250, 246, 226), "ink", 1.5)
    text(ctx, 70, 104, "Atommodell", 10, (40, 60, 140))
    oval(ctx, 70, 160, 10, 10, (220, 60, 50), "ink", 1.2)
    for a in (0, 1.05, 2.1):
        oval(ctx, 70, 160, 38, 14, None, (40, 60, 140), 1.5, angle=a)
    text(ctx, 70, 206, "Bauplan Nr. 7", 9, (40, 40, 40), bold=False)
    # Hubert and the bench in front of him.
    if hubert_on:
        hubert(ctx, eyes, mouth, mood, laugh)
    box(ctx, 380, 300, 260, 16, vgrad(300, 316, (190, 140, 90), (160, 110, 70)), "ink", 2)
    box(ctx, 392, 316, 12, 78, (130, 90, 56), "ink", 1.5)
    box(ctx, 612, 316, 12, 78, (130, 90, 56), "ink", 1.5)
    box(ctx, 404, 340, 208, 8, (130, 90, 56), "ink", 1.2)
    # Things on the bench: a half-built robot, a soldering iron, a vice.
    rbox(ctx, 560, 262, 40, 38, 5, (170, 176, 184), "ink", 1.5)
    rbox(ctx, 568, 236, 24, 26, 4, (190, 196, 204), "ink", 1.5)
    oval(ctx, 575, 248, 3, 3, (60, 200, 250), "ink", 1)
    oval(ctx, 586, 248, 3, 3, (60, 200, 250), "ink", 1)
    line(ctx, 580, 236, 580, 226, "ink", 1.5)
    oval(ctx, 580, 224, 3, 3, (240, 60, 60), "ink", 1)
    line(ctx, 600, 270, 618, 290, (120, 120, 126), 3)
    box(ctx, 396, 286, 30, 14, (90, 96, 104), "ink", 1.5)
    line(ctx, 440, 296, 470, 288, (200, 60, 50), 4)
    line(ctx, 470, 288, 484, 284, (170, 176, 184), 2)


# ---------------------------------------------------------------- room 200
def draw_keller(ctx):
    # Stone walls, pipes along the ceiling, a concrete floor.
    box(ctx, 0, 0, 640, 300, vgrad(0, 300, (150, 150, 146), (120, 120, 118)), None)
    for row in range(10):
        y = row * 30
        off = 0 if row % 2 else 30
        for x in range(-60 + off, 640, 60):
            rbox(ctx, x + 2, y + 2, 56, 26, 4, shade((150, 150, 146), 0.95 + 0.06 * ((x + row) % 3) / 2),
                 shade((120, 120, 118), 0.8), 1)
    box(ctx, 0, 300, 640, 100, vgrad(300, 400, (130, 128, 124), (160, 158, 152)), None)
    tiles(ctx, 300, 400, 320, (140, 138, 132), (150, 148, 142), rows=4, cols=10)
    line(ctx, 0, 300, 640, 300, "ink", 2)
    for y, c in ((24, (170, 90, 60)), (40, (120, 140, 170)), (52, (200, 200, 200))):
        box(ctx, 0, y, 640, 10, vgrad(y, y + 10, shade(c, 1.2), shade(c, 0.8)), "ink", 1.5)
        for x in range(60, 640, 150):
            box(ctx, x, y - 2, 8, 14, shade(c, 0.7), "ink", 1)
    for x in (200, 440):
        line(ctx, x, 62, x, 90, "ink", 2)
        oval(ctx, x, 96, 8, 10, (255, 240, 170), "ink", 1.5)
        light_glow(ctx, x, 100, 90, (255, 230, 150), 0.35)
    # A fuse box with a warning sign.
    rbox(ctx, 300, 120, 70, 90, 4, (120, 130, 120), "ink", 2)
    poly(ctx, [(335, 132), (352, 160), (318, 160)], (250, 210, 60), "ink", 1.5)
    text(ctx, 335, 151, "!", 12, "ink")
    for i in range(3):
        box(ctx, 312 + i * 18, 172, 10, 24, (60, 60, 60), "ink", 1)
    line(ctx, 335, 210, 335, 300, (60, 60, 60), 3)
    # Crates.
    for x, y, s in ((460, 250, 50), (500, 262, 38), (472, 212, 38)):
        box(ctx, x, y, s, s, (180, 130, 80), "ink", 1.5)
        line(ctx, x, y, x + s, y + s, (140, 96, 56), 2)
        line(ctx, x + s, y, x, y + s, (140, 96, 56), 2)
    box(ctx, 460, 250, 50, 50, None, "ink", 1.5)

    # The stairs up to the ground floor on the right.
    box(ctx, 540, 0, 100, 300, vgrad(0, 300, (60, 60, 64), (110, 110, 110)), None)
    for i in range(11):
        x, y = 548 + i * 9, 300 - (i + 1) * 24
        box(ctx, x, y, 640 - x, 6, shade((200, 196, 186), 1 - i * 0.03), "ink", 1.2)
        box(ctx, x, y + 6, 640 - x, 18, shade((150, 146, 136), 1 - i * 0.04), "ink", 1.2)
    line(ctx, 540, 0, 540, 300, "ink", 2)
    line(ctx, 548, 240, 648, 0, (120, 80, 50), 5)
    rbox(ctx, 586, 150, 50, 44, 3, (40, 110, 190), "ink", 1.5)
    text(ctx, 611, 162, "EG", 11, "white")
    arrow(ctx, 611, 180, "up", 8, (250, 220, 80))

    # The passage to the printer room on the left.
    box(ctx, 0, 110, 44, 190, (40, 40, 46), "ink", 2)
    poly(ctx, [(0, 110), (44, 110), (36, 124), (0, 124)], (70, 70, 76), None)
    light_glow(ctx, 20, 220, 40, (200, 220, 255), 0.3)
    rbox(ctx, 2, 72, 92, 30, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 48, 82, "Printerroom", 10, (40, 40, 40))
    arrow(ctx, 48, 95, "left", 7, (200, 60, 50))


# ---------------------------------------------------------------- room 201
def printer(ctx, running=False):
    """The big old printing press Franz wants to turn into a money machine."""
    body = (110, 120, 140)
    rbox(ctx, 188, 120, 250, 200, 10, vgrad(120, 320, shade(body, 1.2), shade(body, 0.8)), "ink", 2.5)
    rbox(ctx, 206, 140, 120, 90, 6, (60, 66, 78), "ink", 2)
    for i in range(3):
        y = 160 + i * 24
        oval(ctx, 222, y, 12, 12, (170, 176, 184), "ink", 1.5)
        oval(ctx, 310, y, 12, 12, (170, 176, 184), "ink", 1.5)
        box(ctx, 222, y - 8, 88, 16, hgrad(222, 310, (200, 204, 210), (150, 156, 164)), "ink", 1.5)
    # Control panel with lamps and dials.
    rbox(ctx, 340, 140, 84, 90, 6, (80, 86, 98), "ink", 2)
    for i, c in enumerate(((240, 60, 50), (250, 210, 60), (80, 200, 90))):
        lamp = c if (running or i == 2) else shade(c, 0.45)
        oval(ctx, 356 + i * 26, 156, 7, 7, lamp, "ink", 1.2)
    for i in range(2):
        oval(ctx, 366 + i * 34, 190, 12, 12, (240, 240, 230), "ink", 1.5)
        a = (0.8 if running else -1.2) + i
        line(ctx, 366 + i * 34, 190, 366 + i * 34 + 9 * math.cos(a), 190 + 9 * math.sin(a), (200, 50, 40), 2)
    # The paper tray and output.
    poly(ctx, [(196, 250), (430, 250), (446, 290), (180, 290)], (150, 156, 170), "ink", 2)
    box(ctx, 230, 256, 160, 24, (250, 248, 236), "ink", 1.2)
    text(ctx, 313, 302, "DRUCKMASCHINE 3000", 11, (230, 230, 236))
    # Cables to the wall.
    ctx.move_to(438, 280)
    ctx.curve_to(480, 300, 470, 340, 520, 330)
    finish(ctx, None, (30, 30, 30), 4)
    if running:
        for (x, y, a) in ((300, 96, -0.3), (350, 70, 0.4), (250, 60, -0.1), (410, 40, 0.2), (460, 90, -0.5),
                          (520, 50, 0.3), (560, 110, -0.2), (390, 110, 0.6)):
            banknote(ctx, x, y, a)
        for sx, sy in ((250, 122), (430, 124), (330, 118)):
            for k in range(6):
                a = k * math.pi / 3
                line(ctx, sx, sy, sx + 14 * math.cos(a), sy + 14 * math.sin(a), (255, 230, 80), 2)
        for i in range(3):
            oval(ctx, 250 + i * 40, 30 + i * 8, 26, 14, (236, 236, 240), "ink", 1.2)


def banknote(ctx, x, y, a):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(a)
    box(ctx, -22, -11, 44, 22, (170, 220, 170), "ink", 1.2)
    oval(ctx, 0, 0, 7, 8, (120, 180, 120), "ink", 1)
    text(ctx, -14, 0, "100", 6, (40, 90, 40))
    text(ctx, 14, 0, "ZT", 6, (40, 90, 40))
    ctx.restore()


def key_board(ctx, drawing=False):
    """The key board on the wall; Zweistein's banknote design pinned over it."""
    box(ctx, 462, 190, 82, 60, (180, 130, 80), "ink", 2)
    for i, c in enumerate(((240, 200, 60), (190, 196, 204), (240, 200, 60), (200, 120, 60))):
        x = 476 + i * 18
        oval(ctx, x, 200, 2, 2, "ink", None)
        line(ctx, x, 200, x, 212, (80, 80, 80), 1.2)
        oval(ctx, x, 216, 4, 4, c, "ink", 1)
        box(ctx, x - 1.5, 219, 3, 14, c, "ink", 0.8)
    text(ctx, 503, 243, "Schlüssel", 8, (60, 40, 30))
    if drawing:
        ctx.save()
        ctx.translate(503, 221)
        ctx.rotate(0.04)
        box(ctx, -44, -33, 88, 66, (250, 248, 236), "ink", 1.5)
        for k, (dy, v) in enumerate(((-18, "5"), (2, "10"), (22, "100"))):
            box(ctx, -36, dy - 8, 52, 16, ((200, 230, 200), (200, 210, 240), (240, 220, 200))[k], "ink", 1)
            text(ctx, -10, dy, "%s Taler" % v, 6, (40, 40, 40))
        text(ctx, 28, -8, "Z", 14, (60, 60, 120), face="Liberation Serif", italic=True)
        oval(ctx, 0, -31, 3, 3, (220, 60, 50), "ink", 1)
        ctx.restore()


def draw_printerroom(ctx, pose=1, talking=False, mouth=0, drawing=False, running=False):
    box(ctx, 0, 0, 640, 320, vgrad(0, 320, (170, 176, 166), (140, 146, 136)), None)
    for x in range(0, 640, 80):
        line(ctx, x, 0, x, 320, (150, 156, 146), 1.5)
    box(ctx, 0, 320, 640, 80, vgrad(320, 400, (120, 120, 118), (150, 150, 146)), None)
    tiles(ctx, 320, 400, 320, (132, 132, 130), (146, 146, 142), rows=4, cols=10)
    line(ctx, 0, 320, 640, 320, "ink", 2)
    for x in (120, 520):
        line(ctx, x, 0, x, 26, "ink", 2)
        oval(ctx, x, 32, 8, 10, (255, 240, 170), "ink", 1.5)
        light_glow(ctx, x, 36, 80, (255, 230, 150), 0.3)
    # A workbench with a radio on the left wall.
    rbox(ctx, 16, 60, 96, 60, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 64, 74, "Achtung!", 11, (200, 50, 40))
    text(ctx, 64, 92, "Hochspannung", 10, (40, 40, 40), bold=False)
    poly(ctx, [(64, 98), (72, 98), (66, 108), (74, 108), (58, 120), (64, 108), (56, 108)], (250, 210, 60), "ink", 1)
    printer(ctx, running)
    key_board(ctx, drawing)
    # The way out on the right.
    box(ctx, 566, 100, 74, 220, (90, 96, 104), "ink", 2)
    box(ctx, 574, 108, 66, 212, vgrad(108, 320, (70, 70, 76), (40, 40, 46)), "ink", 1.5)
    rbox(ctx, 576, 70, 62, 24, 3, (40, 150, 80), "ink", 1.5)
    text(ctx, 607, 82, "raus >>", 11, "white")
    franz(ctx, pose, mouth, talking)


ROOMS = [
    Room("bibliothek", 6, draw_bibliothek, (300, 640), [
        (88, 128, 153, 225, "Professor Zweistein"),
        (488, 144, 57, 161, "Tür auf den Gang"),
        (280, 199, 50, 43, "Buch: Gelddruckmaschinenbauen leichtgemacht"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
        ("buch1", {"book": "physik"}, (304, 185, 30, 60)),
        ("buch2", {"book": "geld"}, (304, 185, 30, 60)),
    ] + [("\\graphic\\zweistein\\red%d.bmp" % f, {"mouth": f}, MOUTH) for f in range(4)]
      + [("\\graphic\\zweistein\\%s.bmp" % e, {"eyes": e}, (158, 186, 46, 20))
         for e in ("augennorm", "zwinker", "read1", "read2", "read3")]
      + [("\\graphic\\zweistein\\%s.bmp" % p, {"pose": p if p != "reset" else "read"}, (101, 126, 150, 206))
         for p in ("reset", "ouch", "ouch2")]
      + [("\\graphic\\zweistein\\trink.bmp", {"pose": "trink"}, (109, 126, 142, 206), None, [MOUTH])]
      + [("\\graphic\\zweistein\\trink1.bmp", {"pose": "trink1"}, (109, 107, 142, 225), None, [MOUTH])]
      + [("\\graphic\\zweistein\\trink2.bmp", {"pose": "trink2"}, (109, 107, 142, 225))]),
    Room("bastelraum", 8, draw_bastelraum, (150, 200), [
        (152, 128, 129, 193, "Tür auf den Gang"),
        (424, 168, 201, 225, "Hubert"),
        (376, 120, 89, 81, "Werkzeug"),
    ], [
        ("hintergrund", {}),
        ("hintergrund2", {"hubert_on": False}),
        ("tool", {"hubert_on": False, "tools": False}, (361, 125, 108, 80), {"hubert_on": False}),
        ("talking0", {"mouth": 0}, (453, 193, 56, 25)),
        ("lachen", {"laugh": True, "mood": "happy"}, (361, 125, 156, 94)),
        ("0", {}, (361, 125, 156, 94)),
    ] + [("red%d" % f, {"mouth": f}, (453, 193, 56, 25)) for f in range(4)]
      + [("happyred%d" % f, {"mouth": f, "mood": "happy"}, (453, 193, 56, 25)) for f in range(4)]
      + [("2happyred%d" % f, {"mouth": f, "mood": "grin"}, (453, 193, 56, 25)) for f in range(4)]
      + [(e, {"eyes": e}, (453, 170, 56, 20)) for e in ("look in", "zwinker1", "zwinker2", "look")]),
    Room("keller", 200, draw_keller, (0, 640), [
        (600, 0, 40, 400, ">> ins Erdgeschoss hinauf >>"),
        (-2, 0, 40, 400, "<< Printerroom <<"),
    ], [
        ("hintergrund", {}),
    ]),
    Room("printerroom", 201, draw_printerroom, (0, 640), [
        (600, 0, 40, 400, ">> wieder raus >>"),
        (41, 141, 138, 239, "Franz"),
    ], [
        ("hintergrund", {}),
        ("key", {}, (456, 185, 94, 72)),
        ("zeichnung", {"drawing": True}, (456, 185, 94, 72)),
        ("maschine", {"running": True, "drawing": True}, (220, 10, 400, 200), {"drawing": True}),
    ] + [("franz%d" % p, {"pose": p}, (41, 141, 138, 239)) for p in range(1, 7)]
      + [("red%d" % (i + 1), {"talking": True, "mouth": m}, (41, 141, 138, 239)) for i, m in enumerate((1, 2, 3, 0))]),
]

