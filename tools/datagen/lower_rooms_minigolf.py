"""The minigolf course behind the old mine: Motty's ticket desk with the
garden hose, course 1 and the closed course 2."""
import random

from lower_draw import (arrow, box, bush, cloud, finish, line, night_sky, oval, poly, rbox, shade, sign, sky, text,
                        tree, vgrad)
from lower_people import motty
from lower_room import Room, nightfall

GRASS = (110, 186, 80)
GRASS_DARK = (84, 156, 60)
FELT = (60, 160, 90)
PATH = (226, 210, 176)

BLOOD = (180, 20, 30)


def meadow(ctx, y, night=False):
    if night:
        night_sky(ctx, 0, 0, 640, y)
    else:
        sky(ctx, 0, 0, 640, y, (110, 180, 240), (200, 232, 250))
        oval(ctx, 560, 50, 26, 26, (255, 240, 150), None)
        cloud(ctx, 90, 48, 1.0)
        cloud(ctx, 340, 30, 0.7)
    box(ctx, 0, y, 640, 400 - y, vgrad(y, 400, GRASS, GRASS_DARK), None)
    line(ctx, 0, y, 640, y, "ink", 1.5)
    rnd = random.Random(y)
    for _ in range(90):
        x, yy = rnd.uniform(0, 640), rnd.uniform(y + 6, 400)
        line(ctx, x, yy, x + rnd.uniform(-2, 2), yy - 5, shade(GRASS_DARK, 0.85), 1)


def splatter(ctx, points, rnd):
    for x, y, r in points:
        oval(ctx, x, y, r, r * 0.8, BLOOD, None)
        for _ in range(5):
            dx, dy = rnd.uniform(-2.2, 2.2) * r, rnd.uniform(-2.2, 2.2) * r
            oval(ctx, x + dx, y + dy, r * 0.25, r * 0.25, BLOOD, None)


def hose(ctx, bloody=False):
    """The garden hose coiled on its reel, hanging from the tap post."""
    for i in range(5):
        oval(ctx, 112, 218, 22 - i * 0.5, 30 - i * 2, None, "ink", 7.5)
        oval(ctx, 112, 218, 22 - i * 0.5, 30 - i * 2, (70, 170, 80), None, 0)
        oval(ctx, 112, 218, 22 - i * 0.5, 30 - i * 2, None, (80, 190, 90), 5)
    oval(ctx, 112, 218, 8, 10, (200, 200, 60), "ink", 1.5)
    ctx.move_to(112, 248)
    ctx.curve_to(112, 262, 96, 262, 96, 274)
    finish(ctx, None, "ink", 7.5)
    ctx.move_to(112, 248)
    ctx.curve_to(112, 262, 96, 262, 96, 274)
    finish(ctx, None, (80, 190, 90), 5)
    if bloody:
        splatter(ctx, [(126, 200, 3), (100, 236, 2.5), (130, 230, 2)], random.Random(5))


# ---------------------------------------------------------------- room 500
def draw_minigolf(ctx, motty_on=True, eyes=0, mouth=0, hose_on=False, dead=False, bloody_hose=False, night=False):
    meadow(ctx, 220, night)
    # Hedge and flags of the courses in the back.
    for x in range(0, 640, 30):
        oval(ctx, x + 15, 226, 22, 14, (70, 140, 60), None)
    tree(ctx, 470, 230, 0.9)
    for x, y in ((200, 250), (420, 244)):
        line(ctx, x, y, x, y - 40, (240, 240, 240), 2.5)
        poly(ctx, [(x, y - 40), (x + 18, y - 34), (x, y - 28)], (230, 60, 40), "ink", 1)
    # Rails ending at a buffer on the left: the mine cart's stop.
    poly(ctx, [(0, 150), (40, 150), (58, 250), (0, 256)], (40, 34, 30), "ink", 2)
    line(ctx, 40, 150, 58, 250, (150, 100, 50), 8)
    for y in (262, 276):
        line(ctx, 0, y, 70, y + 2, (110, 110, 116), 4)
    box(ctx, 62, 254, 10, 28, (200, 60, 50), "ink", 1.5)
    rbox(ctx, 2, 118, 64, 22, 3, (250, 246, 226), "ink", 1.5)
    arrow(ctx, 34, 129, "left", 8, (60, 140, 60))
    # The tap post for the hose.
    box(ctx, 104, 170, 10, 110, (150, 100, 60), "ink", 1.5)
    box(ctx, 98, 176, 22, 10, (190, 196, 204), "ink", 1.5)
    oval(ctx, 122, 181, 5, 5, (220, 60, 50), "ink", 1.2)
    if hose_on:
        hose(ctx, bloody_hose)
    # The ticket desk.
    box(ctx, 262, 90, 150, 200, vgrad(90, 290, (236, 200, 140), (206, 164, 104)), "ink", 2)
    for x in range(270, 410, 18):
        line(ctx, x, 214, x, 290, shade((206, 164, 104), 0.85), 1.5)
    poly(ctx, [(250, 92), (424, 92), (412, 70), (262, 70)], (200, 60, 50), "ink", 2)
    sign(ctx, 292, 74, 90, 22, "Kassa", 15, (250, 246, 226), (160, 40, 30))
    box(ctx, 280, 102, 114, 112, vgrad(102, 214, (90, 80, 70), (60, 52, 46)), "ink", 2)
    if motty_on:
        motty(ctx, eyes, mouth)
    # A striped sun blind over the window; Motty peeks out under it.
    box(ctx, 274, 94, 126, 38, (250, 250, 240), None)
    for i in range(0, 7, 2):
        box(ctx, 274 + i * 18, 94, 18, 38, (230, 70, 60), None)
    box(ctx, 274, 94, 126, 38, None, "ink", 1.5)
    line(ctx, 274, 126, 400, 126, (180, 50, 40), 1)
    box(ctx, 274, 212, 126, 8, (170, 110, 60), "ink", 1.5)
    rbox(ctx, 290, 230, 96, 46, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 338, 242, "Eintritt", 10, (40, 40, 40))
    text(ctx, 338, 260, "3,- €", 12, (160, 40, 30))
    # The big sign and the entrance to the courses on the right.
    sign(ctx, 150, 20, 190, 36, "Minigolf", 26, (60, 150, 80), (255, 250, 220))
    line(ctx, 190, 56, 190, 90, (120, 80, 50), 4)
    line(ctx, 300, 56, 300, 70, (120, 80, 50), 4)
    poly(ctx, [(540, 400), (580, 230), (640, 230), (640, 400)], PATH, "ink", 1.5)
    ctx.move_to(560, 300)
    ctx.curve_to(560, 130, 660, 130, 660, 300)
    finish(ctx, None, (60, 150, 80), 10)
    rbox(ctx, 562, 160, 76, 26, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 596, 173, "Bahnen", 11, (40, 40, 40))
    arrow(ctx, 628, 173, "right", 6, (60, 150, 80))
    bush(ctx, 200, 300, 1.1, flowers=(240, 120, 150))
    bush(ctx, 470, 320, 0.9, flowers=(250, 220, 80))
    if dead:
        rnd = random.Random(11)
        ctx.save()
        ctx.rectangle(151, 133, 250, 149)
        ctx.clip()
        splatter(ctx, [(330, 150, 7), (300, 180, 5), (360, 130, 4), (380, 196, 6), (296, 140, 3), (350, 214, 8),
                       (330, 236, 4), (232, 170, 4), (190, 210, 3), (270, 250, 4), (250, 150, 3)], rnd)
        ctx.restore()
    if night:
        # Only the lamp over the ticket window still burns.
        nightfall(ctx, [(337, 96, 70)])


# ---------------------------------------------------------------- room 501
def lane(ctx, pts, number, hole, felt=FELT):
    """A minigolf lane in perspective with its border and its hole."""
    poly(ctx, pts, (200, 200, 196), "ink", 2)
    inner = [(pts[0][0] + 8, pts[0][1] + 5), (pts[1][0] - 8, pts[1][1] + 5), (pts[2][0] - 10, pts[2][1] - 8),
             (pts[3][0] + 10, pts[3][1] - 8)]
    poly(ctx, inner, vgrad(pts[0][1], pts[2][1], shade(felt, 1.1), felt), "ink", 1.5)
    oval(ctx, hole[0], hole[1], 9, 4, (30, 30, 30), "ink", 1)
    line(ctx, hole[0], hole[1], hole[0], hole[1] - 50, (240, 240, 240), 2.5)
    poly(ctx, [(hole[0], hole[1] - 50), (hole[0] + 22, hole[1] - 43), (hole[0], hole[1] - 36)], (230, 60, 40),
         "ink", 1)
    text(ctx, hole[0] + 8, hole[1] - 43, number, 8, "white")


def draw_minigolf2(ctx, ball=False, night=False):
    meadow(ctx, 200, night)
    for x in range(0, 640, 30):
        oval(ctx, x + 15, 204, 22, 14, (70, 140, 60), None)
    tree(ctx, 120, 210, 0.9)
    tree(ctx, 360, 206, 0.7, (90, 160, 70))
    # Way back to the ticket desk on the left.
    poly(ctx, [(0, 230), (70, 230), (40, 400), (0, 400)], PATH, "ink", 1.5)
    rbox(ctx, 4, 150, 60, 22, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 40, 161, "Kassa", 10, (40, 40, 40))
    arrow(ctx, 14, 161, "left", 6, (200, 60, 50))
    # Course 1 with a little windmill.
    lane(ctx, [(480, 228), (600, 228), (612, 360), (468, 360)], "1", (540, 250))
    box(ctx, 524, 286, 34, 40, (230, 220, 200), "ink", 1.5)
    poly(ctx, [(520, 288), (562, 288), (541, 268)], (200, 60, 50), "ink", 1.5)
    for a in (0.4, 2.0, 3.6, 5.2):
        import math
        line(ctx, 541, 282, 541 + 30 * math.cos(a), 282 + 30 * math.sin(a), (150, 100, 60), 5)
    box(ctx, 534, 306, 14, 20, (60, 40, 30), None)
    sign(ctx, 478, 232, 50, 18, "Bahn 1", 10, (60, 150, 80), "white")
    # Way on to course 2 at the right edge.
    rbox(ctx, 604, 240, 34, 40, 3, (250, 246, 226), "ink", 1.5)
    text(ctx, 621, 252, "2", 12, (40, 40, 40))
    arrow(ctx, 621, 268, "right", 7, (60, 150, 80))
    # A bench and a bin for the players.
    box(ctx, 250, 246, 100, 8, (170, 110, 60), "ink", 1.5)
    for x in (256, 336):
        box(ctx, x, 254, 8, 20, (90, 90, 90), "ink", 1)
    bush(ctx, 420, 270, 0.8, flowers=(240, 120, 150))
    if ball:
        oval(ctx, 316, 342, 12, 4, (60, 120, 50), None)
        oval(ctx, 316, 334, 9, 9, "white", "ink", 1.5)
        for dx, dy in ((-3, -2), (2, -4), (3, 1), (-2, 3)):
            oval(ctx, 316 + dx, 334 + dy, 1.2, 1.2, (190, 190, 190), None)
    if night:
        nightfall(ctx, [])


# ---------------------------------------------------------------- room 502
def draw_minigolf3(ctx, night=False):
    meadow(ctx, 200, night)
    for x in range(0, 640, 30):
        oval(ctx, x + 15, 204, 22, 14, (70, 140, 60), None)
    tree(ctx, 540, 210, 1.0)
    lane(ctx, [(260, 236), (520, 236), (560, 372), (220, 372)], "2", (470, 258), shade(FELT, 0.8))
    # Half of the lane dug up.
    poly(ctx, [(330, 280), (470, 270), (500, 340), (300, 350)], (140, 100, 70), "ink", 1.5)
    for x, y in ((350, 300), (400, 320), (450, 296)):
        oval(ctx, x, y, 14, 6, (110, 80, 56), None)
    # Barrier tape and cones.
    for i, x in enumerate((236, 546)):
        poly(ctx, [(x - 12, 372), (x + 12, 372), (x, 332)], (250, 120, 40), "ink", 1.5)
        box(ctx, x - 7, 350, 14, 5, "white", None)
    for k in range(14):
        x = 236 + k * 22
        box(ctx, x, 340 - k * 0.2, 22, 8, (230, 40, 40) if k % 2 else (250, 250, 250), None)
    line(ctx, 236, 340, 546, 338, "ink", 1)
    line(ctx, 236, 348, 546, 346, "ink", 1)
    # The sign.
    line(ctx, 380, 230, 380, 270, (120, 80, 50), 5)
    rbox(ctx, 300, 172, 160, 60, 5, (250, 220, 60), "ink", 2)
    text(ctx, 380, 192, "Bahn 2", 14, (40, 40, 40))
    text(ctx, 380, 214, "Wegen Umbau gesperrt!", 11, (180, 30, 30))
    # A shovel stuck in the ground.
    line(ctx, 520, 300, 540, 230, (150, 100, 60), 5)
    poly(ctx, [(512, 300), (528, 304), (522, 326), (506, 320)], (150, 156, 164), "ink", 1.5)
    if night:
        nightfall(ctx, [])


ROOMS = [
    Room("minigolf", 500, draw_minigolf, (0, 360), [
        (-1, -1, 70, 400, "<< Richtung Forschungszentrum"),
        (540, 0, 200, 400, "Richtung Minigolf-Bahnen >>"),
        (275, 132, 118, 146, "Motty"),
        (86, 162, 51, 114, "Handelsüblicher Gartenschlauch"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
        ("blood", {"motty_on": False, "dead": True}, (151, 132, 250, 150)),
        ("blood_dark", {"motty_on": False, "dead": True, "night": True}, (151, 132, 250, 150), {"night": True}),
        ("schlauch", {"hose_on": True}, (86, 162, 52, 116)),
        ("schlaucha", {"hose_on": True, "bloody_hose": True, "motty_on": False, "dead": True}, (86, 162, 52, 116),
         {"motty_on": False, "dead": True}),
    ] + [("red%d" % i, {"mouth": f}, (299, 151, 56, 20)) for i, f in enumerate((0, 2, 3))]
      + [("eye%d" % e, {"eyes": e}, (299, 132, 56, 16)) for e in range(3)]),
    Room("minigolf2", 501, draw_minigolf2, (0, 360), [
        (-1, -1, 70, 400, "<< zurück zur Kassa"),
        (298, 322, 39, 28, "Golfball"),
        (466, 199, 143, 168, "Bahn Nummer 1"),
        (600, 199, 143, 168, "zur Bahn Nummer 2 >>"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
        ("golf8", {"ball": True}, (284, 281, 66, 72)),
        ("golf8_dark", {"ball": True, "night": True}, (284, 281, 66, 72), {"night": True}),
    ]),
    Room("minigolf3", 502, draw_minigolf3, (0, 360), [], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
]
