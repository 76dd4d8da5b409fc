"""Tägl's canteen: the counter close-up (Kantine), the dining room (Kantine2),
the beer garden behind it (Gastgarten) and its oil painting (Bild)."""
import math
import random

from lower_draw import (arrow, blob, box, ceiling_lamp, cloud, finish, glass_shine, hgrad, line, night_sky, oval, plant,
                        poly, rbox, rgrad, shade, sign, sky, text, tiles, tree, vgrad)
from lower_people import agent, toegl_big, toegl_small
from lower_room import Room, nightfall

TILE = (236, 240, 236)
WOOD = (170, 110, 64)


def cheque(ctx, x, y, angle=-0.06):
    ctx.save()
    ctx.translate(x, y)
    ctx.rotate(angle)
    box(ctx, 0, 0, 96, 40, (236, 246, 226), "ink", 1.5)
    box(ctx, 0, 0, 96, 9, (150, 200, 150), "ink", 1)
    text(ctx, 22, 19, "Scheck", 9, (40, 80, 40))
    text(ctx, 70, 19, "5500 €", 9, (40, 40, 40))
    line(ctx, 8, 32, 56, 32, (120, 120, 120), 1)
    ctx.move_to(60, 33)
    ctx.curve_to(66, 24, 70, 36, 76, 28)
    ctx.curve_to(80, 24, 84, 34, 88, 30)
    finish(ctx, None, (40, 60, 160), 1.5)
    ctx.restore()


def mug(ctx, x, y, s=1.0, label="CHEF"):
    """Tägl's private cup on its saucer; (x, y) is the middle of the saucer."""
    oval(ctx, x, y, 24 * s, 6 * s, (240, 240, 236), "ink", 1.5)
    poly(ctx, [(x - 14 * s, y - 30 * s), (x + 14 * s, y - 30 * s), (x + 12 * s, y - 2 * s), (x - 12 * s, y - 2 * s)],
         hgrad(x - 14 * s, x + 14 * s, (250, 250, 250), (210, 214, 220)), "ink", 1.6)
    oval(ctx, x, y - 30 * s, 14 * s, 4 * s, (110, 70, 40), "ink", 1.4)
    ctx.arc(x + 15 * s, y - 17 * s, 7 * s, -1.4, 1.4)
    finish(ctx, None, "ink", 2.5)
    if not label:
        return
    text(ctx, x, y - 16 * s, label, 7 * s, (200, 50, 40))
    for i in range(3):
        ctx.move_to(x - 6 * s + i * 6 * s, y - 36 * s)
        ctx.curve_to(x - 10 * s + i * 6 * s, y - 44 * s, x - 2 * s + i * 6 * s, y - 48 * s,
                     x - 6 * s + i * 6 * s, y - 56 * s)
        finish(ctx, None, (200, 200, 200), 1.5)


def folded_plan(ctx, x, y, w, h, angle=0.05):
    ctx.save()
    ctx.translate(x + w / 2, y + h / 2)
    ctx.rotate(angle)
    box(ctx, -w / 2, -h / 2, w, h, (120, 160, 220), "ink", 1.5)
    line(ctx, 0, -h / 2, 0, h / 2, (80, 110, 170), 1)
    for i in range(3):
        line(ctx, -w / 2 + 4, -h / 2 + 5 + i * 6, -4, -h / 2 + 5 + i * 6, "white", 1)
    oval(ctx, w / 4, 0, w / 8, h / 4, None, "white", 1)
    ctx.restore()


# ---------------------------------------------------------------- room 7
def draw_kantine(ctx, cheque_on=True, toegl=True, agent_on=False, agent_mouth=0, cup=True, toegl_mouth=0):
    # Back wall: kitchen tiles (the pixel at 10, 10 is never black).
    box(ctx, 0, 0, 640, 240, TILE, None)
    for y in range(0, 240, 24):
        line(ctx, 0, y, 640, y, (200, 210, 206), 1)
    for x in range(0, 640, 24):
        line(ctx, x, 0, x, 240, (200, 210, 206), 1)
    box(ctx, 0, 0, 640, 30, vgrad(0, 30, (190, 60, 50), (220, 80, 60)), "ink", 2)
    text(ctx, 300, 16, "Tägls Kantine", 18, (255, 240, 200))
    # Shelf with bottles and jars.
    for y in (92, 150):
        box(ctx, 20, y, 300, 8, WOOD, "ink", 1.5)
    for i, c in enumerate(((60, 130, 70), (160, 50, 40), (220, 180, 60), (70, 90, 160), (150, 90, 40),
                           (60, 130, 70), (200, 200, 210), (160, 50, 40))):
        x = 34 + i * 36
        rbox(ctx, x, 54, 16, 38, 4, c, "ink", 1.5)
        box(ctx, x + 5, 46, 6, 10, shade(c, 0.8), "ink", 1)
        box(ctx, x + 2, 66, 12, 10, (250, 246, 226), None)
    for i in range(6):
        x = 38 + i * 46
        rbox(ctx, x, 118, 28, 32, 5, (230, 236, 240), "ink", 1.5)
        box(ctx, x, 114, 28, 8, (200, 70, 60), "ink", 1)
        oval(ctx, x + 14, 138, 8, 7, ((230, 170, 70), (120, 60, 40), (240, 220, 160))[i % 3], None)
    # Coffee machine.
    rbox(ctx, 30, 166, 80, 62, 6, hgrad(30, 110, (190, 196, 204), (140, 146, 156)), "ink", 2)
    box(ctx, 50, 196, 40, 32, (60, 60, 66), "ink", 1.5)
    oval(ctx, 100, 178, 4, 4, (240, 80, 60), "ink", 1)
    text(ctx, 70, 182, "Espresso", 9, "ink")
    # Menu board.
    rbox(ctx, 136, 170, 120, 58, 4, (40, 56, 48), (120, 80, 40), 5)
    text(ctx, 196, 182, "Heute:", 11, (250, 250, 240))
    text(ctx, 196, 198, "Schnitzel 4,50", 10, (250, 250, 240), bold=False)
    text(ctx, 196, 213, "Gulasch 3,80", 10, (250, 250, 240), bold=False)
    # Clock and a hanging ladle rail on the right.
    oval(ctx, 600, 80, 22, 22, "white", "ink", 3)
    line(ctx, 600, 80, 600, 66, "ink", 2.5)
    line(ctx, 600, 80, 610, 84, "ink", 2)
    line(ctx, 340, 58, 560, 58, (150, 150, 156), 4)
    for i in range(5):
        x = 360 + i * 44
        line(ctx, x, 58, x, 96, (150, 150, 156), 2)
        oval(ctx, x, 100, 8, 6, (170, 176, 184), "ink", 1.5)

    if toegl:
        toegl_big(ctx, toegl_mouth)
    if agent_on:
        agent(ctx, agent_mouth)

    # Garden door on the right.
    box(ctx, 580, 120, 60, 280, (200, 130, 80), "ink", 2)
    box(ctx, 590, 134, 50, 250, vgrad(134, 384, (150, 200, 240), (110, 180, 90)), "ink", 1.5)
    tree(ctx, 630, 300, 0.6)
    glass_shine(ctx, 590, 134, 50, 250)
    box(ctx, 590, 134, 50, 250, None, "ink", 1.5)
    rbox(ctx, 584, 236, 54, 20, 3, (40, 150, 80), "ink", 1.5)
    text(ctx, 611, 246, "Garten >", 9, "white")

    # The counter: a wide top in front, a panelled front below.
    poly(ctx, [(0, 228), (578, 228), (578, 366), (0, 366)], vgrad(228, 366, (200, 150, 100), (176, 124, 80)))
    for i in range(8):
        y = 240 + i * 16
        line(ctx, 0, y, 578, y, shade((190, 140, 90), 0.9), 1)
    line(ctx, 0, 228, 578, 228, "ink", 2)
    box(ctx, 0, 366, 578, 34, vgrad(366, 400, (130, 80, 46), (100, 60, 36)), "ink", 2)
    line(ctx, 578, 228, 578, 400, "ink", 2)
    for x in range(20, 560, 90):
        box(ctx, x, 372, 70, 24, None, shade((130, 80, 46), 0.7), 1.5)
    # "\/ back to the dining room" toward the viewer.
    rbox(ctx, 262, 372, 76, 22, 4, (250, 240, 200), "ink", 1.5)
    arrow(ctx, 284, 383, "down", 7, (200, 60, 50))
    arrow(ctx, 316, 383, "down", 7, (200, 60, 50))
    # Things on the counter: a napkin holder, the cheque, the cup. Hubert's
    # plan, while Tägl has it, lies out of sight behind the counter.
    box(ctx, 226, 246, 30, 22, (190, 196, 204), "ink", 1.5)
    for i in range(4):
        line(ctx, 230 + i * 7, 246, 230 + i * 7, 238, "white", 3)
    # A tray with today's Schnitzel.
    rbox(ctx, 396, 298, 128, 38, 6, (190, 196, 204), "ink", 1.5)
    oval(ctx, 440, 316, 34, 12, (250, 250, 246), "ink", 1.5)
    blob(ctx, [(416, 316), (428, 306), (452, 306), (464, 314), (452, 324), (426, 324)], (214, 150, 70), "ink", 1.2)
    oval(ctx, 458, 310, 6, 4, (250, 230, 90), "ink", 1)
    for i in range(2):
        line(ctx, 490 + i * 10, 304, 496 + i * 10, 330, (170, 176, 184), 3)
    if cheque_on:
        cheque(ctx, 104, 238)
    if cup:
        mug(ctx, 328, 352, 1.0)


def kantine_weg(**extra):
    state = {"toegl": False, "agent_on": False, "cup": False}
    state.update(extra)
    return state


# ---------------------------------------------------------------- room 71
def draw_kantine2(ctx, night=False, plan_on_table=True, toegl=True, cup=True, register=True):
    # Wall, windows, floor.
    box(ctx, 0, 0, 640, 252, vgrad(0, 252, (246, 230, 196), (220, 200, 160)), None)
    box(ctx, 0, 0, 640, 20, (200, 80, 60), "ink", 2)
    for x in (120, 400):
        ceiling_lamp(ctx, x, 40, 20, not night)
    box(ctx, 0, 252, 640, 148, (190, 170, 140), None)
    tiles(ctx, 252, 400, 320, (214, 200, 170), (170, 150, 120), rows=6, cols=12, vy=120)
    line(ctx, 0, 252, 640, 252, "ink", 2)
    box(ctx, 0, 246, 640, 6, (150, 100, 60), "ink", 1.2)

    # Door to the corridor on the left.
    box(ctx, 6, 104, 88, 150, (120, 74, 44), "ink", 2)
    box(ctx, 14, 112, 72, 140, hgrad(14, 86, (190, 130, 80), (160, 104, 62)), "ink", 1.5)
    oval(ctx, 76, 186, 4, 4, (240, 200, 80), "ink", 1)
    rbox(ctx, 18, 124, 64, 20, 3, (40, 150, 80), "ink", 1.5)
    arrow(ctx, 50, 134, "left", 8, "white")

    # Counter with Tägl, his register and his cup.
    box(ctx, 212, 120, 178, 108, (236, 240, 236), "ink", 1.5)
    for y in range(132, 228, 12):
        line(ctx, 212, y, 390, y, (206, 214, 210), 1)
    for i, c in enumerate(((60, 130, 70), (160, 50, 40), (220, 180, 60), (70, 90, 160), (160, 50, 40),
                           (60, 130, 70), (220, 180, 60))):
        rbox(ctx, 222 + i * 24, 140, 9, 22, 3, c, "ink", 1)
    box(ctx, 216, 162, 170, 5, (170, 110, 64), "ink", 1.2)
    sign(ctx, 244, 96, 114, 22, "Kantine", 15, (190, 50, 40), (255, 240, 210))
    if toegl and not night:
        toegl_small(ctx, 300, 183)
    poly(ctx, [(208, 226), (394, 226), (394, 234), (208, 234)], (200, 150, 100), "ink", 1.5)
    box(ctx, 212, 234, 178, 32, vgrad(234, 266, (170, 110, 64), (130, 80, 46)), "ink", 1.5)
    for x in range(222, 380, 40):
        box(ctx, x, 240, 30, 20, None, shade((150, 96, 56), 0.75), 1.2)
    if register:
        box(ctx, 226, 206, 34, 20, (120, 126, 136), "ink", 1.5)
        poly(ctx, [(230, 206), (256, 206), (252, 198), (234, 198)], (60, 60, 66), "ink", 1.2)
        text(ctx, 245, 202, "0,00", 6, (120, 250, 120), bold=False)
        for i in range(3):
            box(ctx, 230 + i * 9, 212, 6, 4, (230, 230, 230), None)
    if cup and not night:
        mug(ctx, 287, 240, 0.45, None)

    # Glass door to the beer garden.
    box(ctx, 456, 180, 66, 76, (200, 130, 80), "ink", 2)
    box(ctx, 462, 186, 54, 66, vgrad(186, 252, (150, 200, 240), (110, 180, 90)), "ink", 1.5)
    if night:
        night_sky(ctx, 462, 186, 54, 66, moon=False)
    else:
        tree(ctx, 500, 240, 0.35)
    glass_shine(ctx, 462, 186, 54, 66)
    box(ctx, 462, 186, 54, 66, None, "ink", 1.5)
    sign(ctx, 452, 162, 74, 16, "Gastgarten", 10, (40, 150, 80), "white")
    plant(ctx, 604, 252, 0.7)
    # Window with a view.
    box(ctx, 560, 70, 70, 90, vgrad(70, 160, (150, 200, 240), (200, 230, 250)) if not night else (30, 36, 80),
        "ink", 2)
    line(ctx, 595, 70, 595, 160, (240, 240, 236), 5)
    box(ctx, 560, 70, 70, 90, None, (240, 240, 236), 4)
    # Posters.
    rbox(ctx, 120, 92, 60, 76, 2, (250, 240, 210), "ink", 1.5)
    text(ctx, 150, 106, "Speise-", 9, (190, 50, 40))
    text(ctx, 150, 118, "plan", 9, (190, 50, 40))
    for i in range(4):
        line(ctx, 130, 132 + i * 9, 170, 132 + i * 9, (150, 150, 150), 1.5)

    # Tables with chairs; the plan lies on the front table on the left.
    def chair(x, y, s, side):
        """A chair beside a table; y is the height of its seat."""
        back = x + side * 12 * s
        box(ctx, back - 3 * s, y - 30 * s, 6 * s, 46 * s, (180, 80, 50), "ink", 1.2)
        poly(ctx, [(x - 12 * s, y), (x + 12 * s, y), (x + 14 * s, y + 6 * s), (x - 14 * s, y + 6 * s)],
             (200, 90, 60), "ink", 1.2)
        for lx in (x - 11 * s, x + 9 * s):
            box(ctx, lx, y + 6 * s, 2.5 * s, 24 * s, (110, 110, 116), None)

    def table(x, y, w, s=1.0):
        """A canteen table with a chair at each end; y is the front edge of its top."""
        chair(x - w / 2 - 14 * s, y + 4 * s, s, -1)
        chair(x + w / 2 + 14 * s, y + 4 * s, s, 1)
        poly(ctx, [(x - w / 2 + 6 * s, y - 14 * s), (x + w / 2 - 6 * s, y - 14 * s), (x + w / 2, y), (x - w / 2, y)],
             (246, 246, 240), "ink", 1.5)
        box(ctx, x - w / 2, y, w, 5 * s, (200, 70, 60), "ink", 1.2)
        for lx in (x - w / 2 + 4 * s, x + w / 2 - 8 * s):
            box(ctx, lx, y + 5 * s, 4 * s, 36 * s, (120, 120, 126), "ink", 1)
        oval(ctx, x, y - 7 * s, 5 * s, 2 * s, (240, 240, 236), "ink", 1)

    table(170, 284, 70, 0.8)
    table(470, 284, 70, 0.8)
    table(560, 330, 90, 1.0)
    # The big front table on the left.
    chair(146, 334, 1.2, 1)
    poly(ctx, [(0, 314), (100, 314), (124, 338), (0, 338)], (246, 246, 240), "ink", 1.5)
    box(ctx, 0, 338, 124, 7, (200, 70, 60), "ink", 1.2)
    box(ctx, 100, 345, 6, 46, (120, 120, 126), "ink", 1)
    box(ctx, 10, 345, 6, 50, (120, 120, 126), "ink", 1)
    if plan_on_table:
        folded_plan(ctx, 22, 318, 52, 16, -0.08)
    oval(ctx, 92, 326, 10, 3, (240, 240, 236), "ink", 1)

    if night:
        nightfall(ctx, [(50, 134, 30)])


# ---------------------------------------------------------------- room -1010
def draw_gastgarten(ctx, night=False, plan=False):
    if night:
        night_sky(ctx, 0, 0, 640, 220)
    else:
        sky(ctx, 0, 0, 640, 220)
        cloud(ctx, 80, 40, 1.1)
        cloud(ctx, 330, 60, 0.8)
    # Hedge and chestnut trees behind a wooden fence.
    box(ctx, 0, 160, 640, 80, vgrad(160, 240, (80, 150, 70), (60, 120, 50)), None)
    for x in range(0, 640, 36):
        oval(ctx, x + 18, 164, 26, 16, (76, 146, 64), None)
    tree(ctx, 90, 200, 1.2, (70, 140, 60))
    tree(ctx, 420, 196, 1.3, (74, 150, 60))
    for x in range(0, 580, 22):
        rbox(ctx, x, 206, 16, 40, 2, (190, 150, 100), "ink", 1.2)
    line(ctx, 0, 218, 580, 218, (150, 110, 70), 4)
    # Gravel.
    box(ctx, 0, 240, 640, 160, vgrad(240, 400, (214, 200, 170), (196, 180, 150)), None)
    line(ctx, 0, 240, 640, 240, "ink", 2)
    for i in range(160):
        x = (i * 83.1) % 640
        y = 246 + (i * 37.7) % 150
        oval(ctx, x, y, 2.2, 1.4, (170, 156, 126), None)
    # Beer tables with a sunshade.
    line(ctx, 340, 120, 340, 250, (120, 120, 120), 4)
    ctx.move_to(260, 140)
    ctx.curve_to(290, 108, 390, 108, 420, 140)
    ctx.close_path()
    finish(ctx, vgrad(110, 140, (240, 80, 60), (200, 50, 40)), "ink", 2)
    for i in range(4):
        line(ctx, 280 + i * 40, 140, 300 + i * 30, 118, "white", 3)
    for tx in (300, 380):
        box(ctx, tx - 36, 240, 72, 8, (180, 130, 80), "ink", 1.5)
        box(ctx, tx - 32, 248, 4, 28, (120, 80, 50), None)
        box(ctx, tx + 28, 248, 4, 28, (120, 80, 50), None)
    poly(ctx, [(314, 232), (322, 232), (321, 240), (315, 240)], (250, 220, 90), "ink", 1)

    # The canteen's back door on the right.
    box(ctx, 572, 90, 68, 310, vgrad(90, 400, (236, 220, 190), (210, 190, 150)), "ink", 2)
    box(ctx, 588, 150, 52, 226, (170, 110, 64), "ink", 2)
    box(ctx, 594, 158, 40, 100, (150, 200, 240) if not night else (240, 210, 130), "ink", 1.5)
    oval(ctx, 598, 290, 4, 4, (240, 200, 80), "ink", 1)
    rbox(ctx, 584, 120, 54, 22, 3, (190, 50, 40), "ink", 1.5)
    text(ctx, 611, 131, "Kantine", 10, (255, 240, 210))

    # The easel with the oil painting.
    line(ctx, 178, 346, 206, 168, (140, 90, 50), 6)
    line(ctx, 236, 346, 208, 168, (140, 90, 50), 6)
    line(ctx, 207, 176, 222, 340, (120, 76, 44), 5)
    box(ctx, 166, 272, 84, 6, (140, 90, 50), "ink", 1.5)
    box(ctx, 166, 184, 84, 88, (200, 160, 60), "ink", 2)
    paint_miniature(ctx, 172, 190, 72, 76)

    # The rubbish bin (Mistkübel).
    poly(ctx, [(482, 280), (552, 280), (546, 350), (488, 350)], vgrad(280, 350, (80, 130, 80), (50, 96, 56)), "ink", 2)
    for x in (500, 517, 534):
        line(ctx, x, 288, x - 1, 344, shade((60, 110, 66), 0.8), 2)
    # Rubbish sticking out and an open lid.
    for i, c in enumerate(((220, 200, 170), (200, 90, 70), (250, 246, 226))):
        oval(ctx, 494 + i * 20, 280, 10, 5, c, "ink", 1.2)
    poly(ctx, [(552, 280), (576, 262), (580, 266), (556, 284)], (60, 110, 66), "ink", 1.5)
    rbox(ctx, 480, 276, 74, 8, 3, (60, 110, 66), "ink", 1.5)
    if plan:
        folded_plan(ctx, 494, 270, 46, 15, -0.12)

    if night:
        nightfall(ctx, [(614, 208, 50)])


def paint_miniature(ctx, x, y, w, h):
    """The motif of the oil painting: the minigolf course behind the old mine."""
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(w / 640.0, h / 400.0)
    painting(ctx)
    ctx.restore()


def painting(ctx):
    """The oil painting itself in 640 x 400: hills, the mine entrance with its
    cart on the rails, and the minigolf course with its flags behind."""
    sky(ctx, 0, 0, 640, 220, (230, 170, 110), (250, 220, 160))
    oval(ctx, 500, 80, 44, 44, (255, 240, 170), None)
    rnd = random.Random(3)
    for i in range(40):
        oval(ctx, rnd.uniform(0, 640), rnd.uniform(0, 190), rnd.uniform(10, 24), 4,
             (255, 230, 170) if i % 2 else (236, 180, 120), None, angle=rnd.uniform(-0.2, 0.2))
    poly(ctx, [(0, 230), (120, 120), (260, 200), (380, 110), (520, 190), (640, 140), (640, 400), (0, 400)],
         vgrad(110, 300, (140, 110, 80), (100, 80, 60)), None)
    # The mine entrance with timber.
    poly(ctx, [(90, 300), (100, 200), (200, 200), (210, 300)], (40, 30, 30), None)
    for x0, y0, x1, y1 in ((96, 300, 104, 196), (204, 300, 196, 196), (90, 196, 210, 196)):
        line(ctx, x0, y0, x1, y1, (150, 100, 50), 14)
    # Green lawns of the minigolf course.
    poly(ctx, [(260, 290), (640, 250), (640, 400), (240, 400)], vgrad(250, 400, (110, 190, 80), (70, 150, 60)), None)
    for x, y in ((380, 300), (470, 280), (560, 330)):
        oval(ctx, x, y, 40, 12, (60, 160, 70), None)
        line(ctx, x + 20, y, x + 20, y - 50, (240, 240, 240), 3)
        poly(ctx, [(x + 20, y - 50), (x + 44, y - 42), (x + 20, y - 34)], (230, 60, 40), None)
    # The rails from the mine to the course, the cart on them.
    for off in (0, 16):
        line(ctx, 150, 300 + off, 420, 390 + off, (90, 80, 80), 4)
    for i in range(10):
        x = 160 + i * 27
        line(ctx, x - 6, 296 + i * 9, x + 10, 326 + i * 9, (130, 90, 50), 5)
    poly(ctx, [(240, 290), (320, 290), (312, 340), (248, 340)], (130, 80, 50), None)
    oval(ctx, 256, 344, 10, 10, (50, 50, 50), None)
    oval(ctx, 304, 344, 10, 10, (50, 50, 50), None)
    # Brush strokes over everything.
    rnd = random.Random(7)
    ctx.set_line_cap(1)
    for _ in range(420):
        x, y = rnd.uniform(0, 640), rnd.uniform(0, 400)
        light = rnd.random() < 0.5
        ctx.set_source_rgba(*((1, 1, 1) if light else (0.2, 0.1, 0)), rnd.uniform(0.05, 0.12))
        ctx.set_line_width(rnd.uniform(2, 5))
        ctx.move_to(x, y)
        a = rnd.uniform(-0.5, 0.5)
        ctx.line_to(x + 18 * math.cos(a), y + 18 * math.sin(a))
        ctx.stroke()


# ---------------------------------------------------------------- room -1020
def draw_bild(ctx):
    box(ctx, 0, 0, 640, 400, rgrad(320, 200, 420, (200, 150, 60), (120, 80, 30)), None)
    for i in range(4):
        box(ctx, 8 + i * 6, 8 + i * 6, 624 - i * 12, 384 - i * 12, None, shade((220, 170, 70), 1.1 - i * 0.1), 3)
    ctx.save()
    ctx.rectangle(36, 34, 568, 332)
    ctx.clip()
    ctx.translate(36, 34)
    ctx.scale(568 / 640.0, 332 / 400.0)
    painting(ctx)
    ctx.restore()
    box(ctx, 36, 34, 568, 332, None, "ink", 2)
    text(ctx, 560, 352, "T. 1998", 12, (60, 40, 30), face="Liberation Serif", italic=True)


ROOMS = [
    Room("toegl", 7, draw_kantine, (-1200, -640), [
        (94, 231, 109, 52, "Scheck"),
        (350, 84, 185, 263, "Herr Tö l"),
        (582, -1, 500, 402, "zum Gastgarten hinaus >>"),
        (299, 317, 58, 42, "Kaffee"),
        (472, 264, 41, 25, "Plan"),
        (100, 370, 400, 150, "\\/ zurück in den hinteren Raum \\/"),
    ], [
        ("hintergrund", {}),
        ("scheck0", {"cheque_on": False}, (48, 175, 172, 118)),
        ("weg", kantine_weg(), (296, 57, 272, 312)),
        ("kaffee1a", kantine_weg(cup=True), (296, 290, 72, 79), kantine_weg()),
        ("kaffee0", kantine_weg(), (296, 290, 72, 79), kantine_weg()),
    ] + [("ciatalk%d" % f, {"agent_on": True, "agent_mouth": f}, (351, 128, 90, 100)) for f in range(4)]),
    Room("toegl2", 71, draw_kantine2, (178, 320), [
        (-1, 110, 100, 150, "<< hinaus auf den Gang"),
        (457, 184, 66, 84, "hinaus in den Gastgarten"),
        (210, 177, 181, 89, "zur Theke"),
        (0, 317, 88, 60, "Plan"),
    ], [
        ("hintergrund", {}),
        # Night falls late in the story, long after the plan has left the table.
        ("night", {"night": True, "plan_on_table": False}),
        ("tisch0", {"plan_on_table": False}, (0, 226, 136, 170)),
        ("scheck0", {}, (221, 195, 44, 33)),
        ("scheck0a", {}, (221, 195, 44, 33)),
        ("weg", {"toegl": False, "cup": False}, (266, 178, 70, 70)),
        ("kaffee1a", {"toegl": False, "cup": True}, (266, 223, 44, 25), {"toegl": False, "cup": False}),
    ]),
    Room("gastgarten", -1010, draw_gastgarten, (250, 600), [
        (584, 134, 56, 267, "Kantine >>"),
        (486, 264, 61, 25, "Plan"),
        (158, 159, 99, 197, "Staffelei mit Ölbild"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
        ("mist", {"plan": True}, (486, 264, 62, 26)),
    ]),
    Room("bild", -1020, draw_bild, (250, 600), [
        (0, 0, 640, 400, "Klicken um fortzufahren!"),
    ], [
        ("hintergrund", {}),
    ]),
]

