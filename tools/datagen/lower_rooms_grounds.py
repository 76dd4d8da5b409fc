"""The grounds outside the research centre: the overview with the fountain
square, the rocket by the old mine and its waterfall, the inside of the mine,
the garden with the gardener and the grandmother, and the mine cart."""
import math
import random

from lower_draw import (arrow, blob, box, bush, cloud, crown, finish, glass_shine, hgrad, hills, light_glow, line,
                        night_sky, oval, pine, poly, rbox, rgrad, shade, sign, sky, text, tree, vgrad)
from lower_people import gardener, oma, pigeon
from lower_room import Room, nightfall

GRASS = (110, 180, 80)
GRASS_DARK = (80, 150, 60)
PATH = (220, 204, 170)
ROCK = (150, 136, 120)


def outdoor_sky(ctx, night, h=240):
    if night:
        night_sky(ctx, 0, 0, 640, h)
    else:
        sky(ctx, 0, 0, 640, h)
        cloud(ctx, 60, 50, 1.0)
        cloud(ctx, 400, 34, 0.8)
        cloud(ctx, 560, 80, 0.6)


def lawn(ctx, y, h=None):
    box(ctx, 0, y, 640, (h or 400 - y), vgrad(y, y + (h or 400 - y), GRASS, GRASS_DARK), None)
    rnd = random.Random(y)
    for _ in range(120):
        x, yy = rnd.uniform(0, 640), rnd.uniform(y + 6, y + (h or 400 - y))
        line(ctx, x, yy, x + rnd.uniform(-2, 2), yy - 5, shade(GRASS_DARK, 0.85), 1)


def building(ctx, x, y, w, h, night=False, floors=3):
    """The research centre, a friendly block with many windows."""
    box(ctx, x, y, w, h, vgrad(y, y + h, (236, 226, 200), (206, 194, 166)), "ink", 2)
    box(ctx, x - 4, y - 8, w + 8, 10, (180, 80, 60), "ink", 2)
    cols = int(w / 30)
    for f in range(floors):
        for c in range(cols):
            wx = x + 10 + c * (w - 14) / cols
            wy = y + 12 + f * (h - 20) / floors
            lit = night and (c * 7 + f * 3) % 4 == 0
            box(ctx, wx, wy, (w - 14) / cols - 8, (h - 20) / floors - 14,
                (250, 220, 130) if lit else vgrad(wy, wy + 20, (170, 210, 236), (120, 170, 210)), "ink", 1.2)


def fountain(ctx, cx, cy, s=1.0, night=False):
    oval(ctx, cx, cy, 62 * s, 20 * s, (170, 170, 176), "ink", 2)
    oval(ctx, cx, cy - 3 * s, 54 * s, 15 * s, (110, 170, 220) if not night else (60, 90, 140), "ink", 1.5)
    box(ctx, cx - 5 * s, cy - 36 * s, 10 * s, 34 * s, (180, 180, 186), "ink", 1.5)
    oval(ctx, cx, cy - 36 * s, 16 * s, 5 * s, (180, 180, 186), "ink", 1.5)
    for dx in (-1, 1):
        ctx.move_to(cx, cy - 40 * s)
        ctx.curve_to(cx + dx * 10 * s, cy - 64 * s, cx + dx * 26 * s, cy - 56 * s, cx + dx * 34 * s, cy - 8 * s)
        finish(ctx, None, (200, 230, 250), 3 * s)
    line(ctx, cx, cy - 40 * s, cx, cy - 62 * s, (200, 230, 250), 4 * s)


# ---------------------------------------------------------------- room -10000
def draw_out(ctx, night=False):
    outdoor_sky(ctx, night, 200)
    hills(ctx, [(0, 150), (120, 120), (260, 140), (420, 100), (520, 84), (640, 120)], 200, (130, 170, 110))
    # The mine hill with the rocket on the right, far away.
    hills(ctx, [(440, 200), (520, 112), (600, 96), (640, 110)], 200, (150, 140, 120))
    box(ctx, 590, 150, 24, 40, (50, 40, 36), "ink", 1.5)
    poly(ctx, [(560, 176), (563, 136), (566, 126), (569, 136), (572, 176)], (236, 236, 240), "ink", 1.5)
    poly(ctx, [(563, 136), (566, 126), (569, 136)], (210, 60, 50), "ink", 1)
    poly(ctx, [(556, 178), (560, 164), (560, 178)], (210, 60, 50), "ink", 1)
    poly(ctx, [(576, 178), (572, 164), (572, 178)], (210, 60, 50), "ink", 1)
    lawn(ctx, 190)
    building(ctx, 110, 86, 230, 148, night)
    # Entrance with a canopy and its sign.
    box(ctx, 188, 180, 74, 54, vgrad(180, 234, (150, 200, 236), (110, 160, 200)), "ink", 2)
    line(ctx, 225, 180, 225, 234, (230, 230, 230), 3)
    glass_shine(ctx, 188, 180, 74, 54)
    poly(ctx, [(172, 170), (278, 170), (286, 182), (164, 182)], (180, 80, 60), "ink", 2)
    rbox(ctx, 170, 152, 110, 18, 3, (40, 80, 150), "ink", 1.5)
    text(ctx, 225, 161, "Forschungslabor", 11, "white")
    # Paths and the fountain square.
    poly(ctx, [(200, 234), (250, 234), (320, 250), (300, 262)], PATH, "ink", 1.5)
    poly(ctx, [(380, 290), (640, 250), (640, 270), (392, 304)], PATH, "ink", 1.5)
    poly(ctx, [(250, 330), (230, 400), (300, 400), (300, 330)], PATH, "ink", 1.5)
    oval(ctx, 325, 282, 70, 34, PATH, "ink", 2)
    for a in range(0, 360, 30):
        r = math.radians(a)
        line(ctx, 325 + 36 * math.cos(r), 282 + 17 * math.sin(r), 325 + 68 * math.cos(r), 282 + 33 * math.sin(r),
             shade(PATH, 0.85), 1)
    fountain(ctx, 325, 290, 0.8, night)
    sign(ctx, 396, 300, 90, 20, "Brunnenplatz", 10, (250, 246, 226))
    line(ctx, 441, 320, 441, 338, (120, 80, 50), 3)
    tree(ctx, 60, 250, 0.9)
    tree(ctx, 520, 240, 0.8, (90, 160, 70))
    bush(ctx, 150, 250, 0.8, flowers=(240, 120, 150))
    bush(ctx, 420, 380, 1.0, flowers=(250, 220, 80))
    bush(ctx, 90, 360, 1.1)
    for x in (360, 600):
        box(ctx, x - 24, 330, 48, 6, (170, 110, 60), "ink", 1.5)
        box(ctx, x - 24, 318, 48, 5, (170, 110, 60), "ink", 1.2)
        for lx in (x - 20, x + 16):
            box(ctx, lx, 336, 4, 12, (80, 80, 80), "ink", 1)
    if night:
        nightfall(ctx, [(225, 200, 50), (325, 270, 40)])


# ---------------------------------------------------------------- room -10001
FALL = (344, 262, 56, 119)


def waterfall(ctx, phase, night=False):
    """The falling water in front of the cliff; phase 0..3 moves its streaks."""
    x, y, w, h = FALL
    ctx.save()
    ctx.rectangle(x, y, w, h)
    ctx.clip()
    box(ctx, x + 4, y, w - 8, h, vgrad(y, y + h, (150, 200, 240), (190, 226, 250)), None)
    ctx.save()
    ctx.rectangle(x + 4, y, w - 8, h)
    ctx.clip()
    for i in range(7):
        sx = x + 8 + i * 7
        for k in range(-1, 6):
            sy = y + ((k * 26 + phase * 7 + i * 11) % 150) - 20
            line(ctx, sx, sy, sx + 1, sy + 14, (246, 252, 255), 2)
    ctx.restore()
    line(ctx, x + 4, y, x + 4, y + h, (90, 140, 190), 1.5)
    line(ctx, x + w - 4, y, x + w - 4, y + h, (90, 140, 190), 1.5)
    for i in range(6):
        fx = x + 4 + i * 10 + (phase * 3 + i * 5) % 6
        oval(ctx, fx, y + h - 4, 7, 5, (250, 252, 255), None)
    ctx.restore()


def river(ctx):
    box(ctx, 344, 381, 296, 19, vgrad(381, 400, (110, 170, 220), (80, 140, 200)), None)
    line(ctx, 344, 381, 640, 381, "ink", 1.5)
    for i in range(8):
        x = 360 + i * 36
        line(ctx, x, 388 + (i % 2) * 5, x + 16, 388 + (i % 2) * 5, (220, 240, 255), 2)


def draw_out1(ctx, night=False, phase=0):
    outdoor_sky(ctx, night, 260)
    hills(ctx, [(0, 170), (160, 150), (300, 170), (400, 150)], 300, (130, 170, 110))
    # The mine hill fills the right.
    blob(ctx, [(250, 400), (270, 220), (330, 150), (420, 110), (520, 90), (640, 100), (660, 400)],
         vgrad(90, 400, shade(ROCK, 1.1), shade(ROCK, 0.8)))
    for x, y, r in ((300, 300, 18), (460, 140, 14), (620, 170, 20), (560, 340, 16), (290, 210, 12)):
        oval(ctx, x, y, r, r * 0.6, shade(ROCK, 0.9), "ink", 1.2)
    for x in (470, 540, 610):
        pine(ctx, x, 116 + (x % 30), 0.6)
    lawn(ctx, 300)
    # The cliff and its waterfall, the river at its foot.
    poly(ctx, [(326, 250), (418, 248), (420, 381), (324, 381)], hgrad(324, 420, shade(ROCK, 0.8), shade(ROCK, 0.6)),
         "ink", 2)
    box(ctx, 340, 248, 64, 14, (150, 200, 240), "ink", 1.5)
    if not night:
        waterfall(ctx, phase)
    else:
        waterfall(ctx, 0)
    river(ctx)
    # The mine entrance with its timber frame and rails.
    poly(ctx, [(476, 330), (484, 196), (590, 196), (600, 330)], (36, 30, 30), "ink", 2)
    poly(ctx, [(484, 196), (590, 196), (580, 214), (494, 214)], (60, 50, 46), None)
    for x0, y0, x1, y1 in ((480, 332, 488, 190), (596, 332, 588, 190), (470, 192, 604, 192)):
        line(ctx, x0, y0, x1, y1, (120, 80, 40), 14)
        line(ctx, x0, y0, x1, y1, (160, 110, 60), 9)
    sign(ctx, 494, 160, 86, 22, "Alte Mine", 13, (200, 170, 110), (60, 40, 20))
    for off in (-14, 14):
        line(ctx, 538 + off * 0.5, 300, 520 + off * 2.4, 380, (90, 90, 96), 4)
    for i in range(5):
        y = 308 + i * 16
        line(ctx, 526 - i * 4, y, 556 + i * 4, y, (130, 90, 50), 5)
    # The rocket monument on its pad.
    box(ctx, 104, 318, 130, 26, vgrad(318, 344, (190, 190, 196), (150, 150, 156)), "ink", 2)
    for dx in (-1, 1):
        poly(ctx, [(168 + dx * 20, 270), (168 + dx * 46, 320), (168 + dx * 18, 320)], (210, 60, 50), "ink", 2)
    blob(ctx, [(168, 172), (186, 210), (192, 260), (190, 318), (146, 318), (144, 260), (150, 210)],
         hgrad(144, 192, (250, 250, 252), (190, 194, 204)))
    poly(ctx, [(168, 172), (182, 200), (154, 200)], (210, 60, 50), "ink", 2)
    oval(ctx, 168, 236, 11, 11, (120, 180, 230), "ink", 2)
    oval(ctx, 165, 233, 4, 4, (220, 240, 255), None)
    text(ctx, 168, 282, "KROXL 1", 10, (40, 60, 140), angle=-math.pi / 2)
    box(ctx, 160, 318, 16, 8, (210, 60, 50), None)
    # The way back toward the viewer.
    poly(ctx, [(170, 352), (250, 352), (290, 400), (130, 400)], PATH, "ink", 1.5)
    rbox(ctx, 176, 356, 68, 20, 3, (250, 246, 226), "ink", 1.5)
    arrow(ctx, 196, 366, "down", 7, (200, 60, 50))
    arrow(ctx, 224, 366, "down", 7, (200, 60, 50))
    bush(ctx, 60, 330, 1.1, flowers=(250, 220, 80))
    tree(ctx, 40, 300, 0.8)
    if night:
        nightfall(ctx, [])


# ---------------------------------------------------------------- room -10002
def draw_mine(ctx, night=False):
    box(ctx, 0, 0, 640, 400, rgrad(330, 210, 420, (96, 80, 64), (26, 20, 18)), None)
    vx, vy = 330, 210
    box(ctx, vx - 40, vy - 40, 80, 70, (10, 8, 8), None)
    # Timber frames getting smaller toward the back.
    for k in range(5, -1, -1):
        s = 0.2 + k * 0.17
        w, h = 600 * s, 440 * s
        x0, y0 = vx - w / 2, vy - h * 0.55
        c = shade((160, 110, 60), 0.45 + k * 0.11)
        post = 26 * s
        box(ctx, x0 - post / 2, y0, post, h, hgrad(x0 - post / 2, x0 + post / 2, c, shade(c, 0.7)), "ink", 1.5)
        box(ctx, x0 + w - post / 2, y0, post, h, hgrad(x0 + w - post / 2, x0 + w + post / 2, c, shade(c, 0.7)),
            "ink", 1.5)
        box(ctx, x0 - post, y0 - post * 0.6, w + 2 * post, post, vgrad(y0 - post, y0, c, shade(c, 0.7)), "ink",
            1.5)
    # Rails running into the dark.
    for side in (-1, 1):
        line(ctx, vx + side * 16, vy + 30, vx + side * 190, 400, (130, 130, 136), 6)
    for i in range(9):
        y = vy + 34 + i * i * 2.1
        hw = 24 + (y - vy - 30) * 1.0
        line(ctx, vx - hw, y, vx + hw, y, (110, 76, 44), 3 + i * 0.8)
    for side in (-1, 1):
        line(ctx, vx + side * 16, vy + 30, vx + side * 190, 400, "ink", 1)
    # The rubble of the caved-in side passage on the left.
    rnd = random.Random(4)
    blob(ctx, [(0, 400), (0, 250), (60, 200), (150, 230), (220, 300), (250, 400)], (100, 86, 72), "ink", 2)
    for _ in range(26):
        x, y = rnd.uniform(10, 220), rnd.uniform(250, 390)
        if y < 230 + (x - 60) * 0.6 and x > 60:
            continue
        r = rnd.uniform(8, 22)
        blob(ctx, [(x - r, y), (x - r * 0.5, y - r * 0.8), (x + r * 0.6, y - r * 0.7), (x + r, y + r * 0.1),
                   (x + r * 0.3, y + r * 0.6), (x - r * 0.6, y + r * 0.5)],
             shade((130, 116, 100), rnd.uniform(0.8, 1.15)), "ink", 1.5)
    line(ctx, 90, 190, 170, 260, (150, 100, 50), 12)
    line(ctx, 90, 190, 170, 260, "ink", 1)
    # A lantern hanging from the first frame.
    line(ctx, 470, 60, 470, 100, "ink", 2)
    rbox(ctx, 460, 100, 20, 28, 4, (250, 220, 120), "ink", 1.5)
    light_glow(ctx, 470, 114, 160, (255, 210, 120), 0.45)
    sign(ctx, 60, 150, 120, 26, "Einsturzgefahr!", 12, (250, 210, 60), "ink")
    if night:
        # No daylight falls in from the entrance any more, only the lantern burns.
        nightfall(ctx, [(470, 114, 50)])


# ---------------------------------------------------------------- room -10003
def draw_out2(ctx, night=False, people=True, eyes_gardener=0, eyes_oma=0):
    outdoor_sky(ctx, night, 200)
    # Hedge with a gap at the back right.
    box(ctx, 0, 150, 640, 80, vgrad(150, 230, (70, 140, 60), (56, 116, 48)), None)
    crown(ctx, [(x, 154, 24) for x in range(0, 660, 34)], (76, 146, 64))
    tree(ctx, 470, 180, 1.0)
    lawn(ctx, 220)
    line(ctx, 0, 220, 640, 220, "ink", 1.5)
    # Flower beds at the back.
    for x0 in (150, 360):
        oval(ctx, x0 + 70, 250, 90, 20, (130, 90, 60), "ink", 1.5)
        for i in range(9):
            fx = x0 + 6 + i * 17
            line(ctx, fx, 252, fx, 236, (60, 120, 50), 2)
            oval(ctx, fx, 234, 5, 5, ((240, 80, 90), (250, 210, 60), (200, 120, 220))[i % 3], "ink", 1)
    # A path from the glass door at the left to the gap at the back right.
    poly(ctx, [(0, 300), (300, 280), (640, 232), (640, 262), (320, 310), (0, 340)], PATH, "ink", 1.5)
    # The research centre's wall and glass door on the left.
    box(ctx, 0, 40, 44, 300, vgrad(40, 340, (236, 226, 200), (206, 194, 166)), "ink", 2)
    box(ctx, 6, 120, 34, 190, vgrad(120, 310, (150, 200, 236), (110, 160, 200)), "ink", 2)
    glass_shine(ctx, 6, 120, 34, 190)
    rbox(ctx, 4, 90, 38, 24, 3, (40, 150, 80), "ink", 1.5)
    arrow(ctx, 23, 102, "left", 8, "white")
    # The way to the back: an arch in the hedge and a signpost.
    poly(ctx, [(598, 150), (640, 150), (640, 232), (598, 236)], (40, 70, 40), None)
    ctx.move_to(594, 236)
    ctx.curve_to(594, 120, 644, 120, 644, 236)
    finish(ctx, None, (170, 110, 60), 6)
    rbox(ctx, 596, 170, 42, 20, 3, (250, 246, 226), "ink", 1.5)
    arrow(ctx, 617, 180, "right", 8, (200, 60, 50))
    # The bench.
    box(ctx, 346, 294, 140, 10, (190, 130, 70), "ink", 1.5)
    box(ctx, 346, 250, 140, 8, (190, 130, 70), "ink", 1.5)
    box(ctx, 346, 264, 140, 8, (190, 130, 70), "ink", 1.5)
    for x in (354, 470):
        box(ctx, x, 250, 8, 96, (90, 90, 90), "ink", 1.2)
    if people:
        gardener(ctx, eyes_gardener)
        oma(ctx, eyes_oma)
        pigeon(ctx, 345, 384)
    bush(ctx, 560, 330, 1.2, flowers=(240, 120, 150))
    bush(ctx, 110, 392, 1.0)
    if night:
        nightfall(ctx, [(23, 200, 40)])


# ---------------------------------------------------------------- room -10004
def draw_out3(ctx, night=False):
    outdoor_sky(ctx, night, 220)
    # A rocky hill with the tunnel the mine cart runs through.
    blob(ctx, [(-40, 260), (-20, 120), (80, 70), (200, 80), (290, 140), (320, 240)],
         vgrad(70, 260, shade(ROCK, 1.1), shade(ROCK, 0.85)))
    for x in (60, 150, 230):
        pine(ctx, x, 100 + (x % 40) * 0.5, 0.6)
    lawn(ctx, 230)
    line(ctx, 0, 230, 640, 230, "ink", 1.5)
    poly(ctx, [(150, 232), (164, 150), (252, 150), (262, 232)], (30, 26, 26), "ink", 2)
    for x0, y0, x1, y1 in ((154, 234, 164, 144), (258, 234, 250, 144), (148, 146, 266, 146)):
        line(ctx, x0, y0, x1, y1, (120, 80, 40), 12)
        line(ctx, x0, y0, x1, y1, (160, 110, 60), 7)
    # Rails out of the tunnel along the back.
    for y in (224, 234):
        line(ctx, 170, y - 4, 640, y, (110, 110, 116), 4)
    for x in range(180, 640, 22):
        line(ctx, x, 216, x + 4, 240, (130, 90, 50), 5)
    # The mine cart.
    poly(ctx, [(318, 150), (426, 150), (414, 214), (330, 214)], vgrad(150, 214, (150, 100, 60), (110, 70, 40)), "ink",
         2.5)
    for x in (334, 366, 398):
        line(ctx, x, 152, x + 2, 212, shade((110, 70, 40), 0.7), 2)
    box(ctx, 314, 146, 116, 8, (90, 90, 96), "ink", 2)
    for x in (346, 400):
        oval(ctx, x, 218, 12, 12, (60, 60, 66), "ink", 2)
        oval(ctx, x, 218, 4, 4, (150, 150, 156), "ink", 1)
    sign(ctx, 324, 126, 96, 18, "Lore zum Minigolf", 9, (250, 246, 226))
    # Way back to the garden at the right.
    poly(ctx, [(560, 400), (600, 250), (640, 250), (640, 400)], PATH, "ink", 1.5)
    line(ctx, 610, 250, 610, 180, (120, 80, 50), 4)
    rbox(ctx, 596, 162, 42, 22, 3, (250, 246, 226), "ink", 1.5)
    arrow(ctx, 617, 173, "right", 8, (60, 140, 60))
    bush(ctx, 520, 250, 1.0, flowers=(250, 220, 80))
    bush(ctx, 80, 394, 1.2)
    tree(ctx, 480, 240, 0.9)
    if night:
        nightfall(ctx, [])


ROOMS = [
    Room("out", -10000, draw_out, (-300, -200), [
        (168, 160, 113, 73, "Forschungslabor"),
        (256, 232, 137, 89, "Brunnenplatz"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
    Room("out1", -10001, draw_out1, (-300, -200), [
        (96, 168, 145, 177, "Rakete"),
        (136, 352, 145, 57, "\\/ zurück zum Forschungslabor \\/"),
        (232, 96, 409, 281, "Mine"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
        ("fluss", {}, (344, 381, 296, 19)),
    ] + [("wasserfall%d" % (p + 1), {"phase": p}, FALL) for p in range(4)]),
    Room("mine", -10002, draw_mine, (-300, -200), [], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
    Room("out2", -10003, draw_out2, (80, 500), [
        (166, 106, 175, 165, "Gärtner"),
        (341, 206, 147, 147, "Oma"),
        (304, 347, 82, 53, "Taube"),
        (592, 0, 48, 400, "nach Hinten >>"),
        (-1, 0, 45, 400, "zurück ins Forschungslabor"),
    ], [
        ("hintergrund", {}),
        ("hintergrund2", {"people": False}),
        ("night", {"night": True, "people": False}),
        ("gartnereye0", {"eyes_gardener": 0}, (251, 130, 44, 16)),
        ("gartnereye1", {"eyes_gardener": 1}, (251, 130, 44, 16)),
        ("omaeye0", {"eyes_oma": 0}, (340, 210, 50, 16)),
        ("omaeye1", {"eyes_oma": 1}, (340, 210, 50, 16)),
    ]),
    Room("out3", -10004, draw_out3, (80, 500), [
        (310, 125, 122, 107, "Lore"),
        (598, 125, 42, 275, "zurück in den Garten >>"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
]

