"""The upper floor's corridors: "Gang" (the cleaning woman), "Gang2" (lift,
drinks machine, the way to the back), "Gang100" and "Gang101" (the rear
corridor with the broom closet and the archive door). Each function draws a
whole 640 x 400 room for one story state."""
from upper_draw import (back_wall, box, ceiling_lamp, corridor_exit, curve, door, floor, line,
                        oval, plate, plant, poly, shade, skirting, smoke, soot, text, vgrad,
                        window)
from upper_people import putzfrau, vacuum, watchman, watchman_standing

WALL = (200, 214, 226)
RAUCH = (350, 40, 250, 150)     # the smoke cloud over the exploding vacuum cleaner
FLOOR = (176, 186, 190)


def corridor_shell(ctx, horizon):
    back_wall(ctx, 0, 0, 640, horizon, WALL)
    box(ctx, 0, 0, 640, 26, vgrad(0, 26, (236, 240, 244), (214, 220, 228)), None)
    line(ctx, [(0, 26), (640, 26)], "ink", 2)
    # a coloured guide stripe along the wall, as in every research centre
    box(ctx, 0, horizon - 70, 640, 10, (110, 150, 190), None)
    floor(ctx, horizon, 400, FLOOR, kind="tiles")
    skirting(ctx, horizon, color=(120, 130, 140))


def poster(ctx, x, y, w, h, title, lines, color=(250, 240, 200)):
    box(ctx, x, y, w, h, color, width=1.5, r=2)
    text(ctx, x + w / 2, y + 20, title, 13, "red", True, "center")
    for i, s in enumerate(lines):
        text(ctx, x + w / 2, y + 38 + i * 14, s, 10, "ink", False, "center")
    for px in (x + 6, x + w - 6):
        oval(ctx, px, y + 5, 2.5, 2.5, "red", "ink", 0.8)


def extinguisher(ctx, x, y):
    box(ctx, x, y, 20, 46, vgrad(y, y + 46, (230, 60, 50), (170, 30, 30)), r=8)
    box(ctx, x + 5, y - 8, 10, 9, (60, 60, 60), width=1.2)
    curve(ctx, (x + 15, y - 4), (x + 30, y - 4), (x + 28, y + 24), (x + 22, y + 30), "ink", 2)
    box(ctx, x + 3, y + 14, 14, 12, "white", width=1)


# --- room 2 -----------------------------------------------------------------

def gang(ctx, cleaner=True, eyes="open", mouth=0, smoke_cloud=False, scorched=False):
    horizon = 337
    corridor_shell(ctx, horizon)
    for cx in (90, 330, 540):
        ceiling_lamp(ctx, cx, 26)
    window(ctx, 330, 78, 150, 110)
    poster(ctx, 30, 96, 90, 110, "Forschung!", ["ist unsere", "Zukunft.", "", "Die Direktion"])
    extinguisher(ctx, 290, 250)
    # Corinna's office door
    door(ctx, 150, 150, 109, 187)
    plate(ctx, 204, 176, "Sekretariat", 11)
    corridor_exit(ctx, 1, 64, horizon, depth=72, label="zum Lift")
    if scorched:
        soot(ctx, 360, 372, 90, 20)
        soot(ctx, 350, 370, 50, 10)
        for x, y in [(300, 388), (420, 380), (452, 394)]:
            poly(ctx, [(x, y), (x + 8, y - 4), (x + 12, y + 2)], (60, 50, 50), None)
    if cleaner:
        vacuum(ctx)
        putzfrau(ctx, eyes, mouth)
    if smoke_cloud:
        ctx.save()
        ctx.rectangle(*RAUCH)
        ctx.clip()
        smoke(ctx, [(430, 150, 46), (490, 120, 52), (540, 150, 40), (400, 100, 36),
                    (470, 80, 40), (548, 92, 34), (380, 160, 30), (570, 168, 24)], (64, 62, 66))
        ctx.restore()


# --- room 3 -----------------------------------------------------------------

BACK = (175, 60, 525, 337)      # the opening of the corridor to the back
FAR = (300, 130, 440, 225)      # its far end


def _back_corridor(ctx, exploded):
    x0, y0, x1, y1 = BACK
    fx0, fy0, fx1, fy1 = FAR
    box(ctx, x0 - 8, y0 - 8, x1 - x0 + 16, y1 - y0 + 8, (150, 160, 172))
    poly(ctx, [(x0, y0), (x1, y0), (fx1, fy0), (fx0, fy0)], (226, 232, 238), None)
    poly(ctx, [(x0, y0), (fx0, fy0), (fx0, fy1), (x0, y1)],
         vgrad(y0, y1, (190, 204, 218), (160, 176, 192)), None)
    poly(ctx, [(x1, y0), (fx1, fy0), (fx1, fy1), (x1, y1)],
         vgrad(y0, y1, (180, 196, 210), (150, 166, 182)), None)
    poly(ctx, [(x0, y1), (x1, y1), (fx1, fy1), (fx0, fy1)],
         vgrad(fy1, y1, (150, 160, 166), FLOOR), None)
    box(ctx, fx0, fy0, fx1 - fx0, fy1 - fy0, (214, 222, 230), None)
    # perspective edges
    for a, b in [((x0, y0), (fx0, fy0)), ((x1, y0), (fx1, fy0)), ((x0, y1), (fx0, fy1)),
                 ((x1, y1), (fx1, fy1))]:
        line(ctx, [a, b], "ink", 1.5)
    box(ctx, fx0, fy0, fx1 - fx0, fy1 - fy0, None, "ink", 1.5)
    # the guide stripe running down the corridor
    for (ax, ay), (bx, by) in [((x0, y1 - 70), (fx0, fy1 - 22)), ((x1, y1 - 70), (fx1, fy1 - 22))]:
        line(ctx, [(ax, ay), (bx, by)], (110, 150, 190), 4)
    # doors along the side walls
    for t in (0.25, 0.6):
        for side in (0, 1):
            ex = x0 + (fx0 - x0) * t if side == 0 else x1 + (fx1 - x1) * t
            ex2 = x0 + (fx0 - x0) * (t + 0.18) if side == 0 else x1 + (fx1 - x1) * (t + 0.18)
            top = y0 + (fy0 - y0) * t + 40 * (1 - t)
            top2 = y0 + (fy0 - y0) * (t + 0.18) + 40 * (1 - t - 0.18)
            bot = y1 + (fy1 - y1) * t
            bot2 = y1 + (fy1 - y1) * (t + 0.18)
            poly(ctx, [(ex, top), (ex2, top2), (ex2, bot2), (ex, bot)], (160, 110, 70), width=1.2)
    # the side passage at the far left where the rear corridor turns off
    poly(ctx, [(fx0 - 10, fy0 + 40), (fx0, fy0 + 34), (fx0, fy1), (fx0 - 10, fy1 + 8)],
         (90, 96, 110), width=1.2)
    # ceiling lamps going back
    for t in (0.15, 0.5, 0.8):
        cx = (x0 + x1) / 2 + ((fx0 + fx1) / 2 - (x0 + x1) / 2) * t
        cy = y0 + (fy0 - y0) * t
        w = 70 * (1 - t * 0.7)
        box(ctx, cx - w / 2, cy + 2, w, 5 * (1 - t * 0.5), (250, 250, 230), width=1)
    text(ctx, (fx0 + fx1) / 2, fy0 + 22, "Büros 100-104", 9, (80, 90, 110), True, "center")
    if exploded:
        smoke(ctx, [(370, 160, 26), (400, 150, 30), (430, 170, 22), (350, 175, 18),
                    (385, 130, 20), (420, 128, 18), (455, 185, 16)], (70, 70, 76))
        for x, y in [(360, 240), (400, 250), (430, 236), (470, 262), (380, 270)]:
            poly(ctx, [(x, y), (x + 10, y - 5), (x + 16, y + 2), (x + 6, y + 6)], (90, 80, 76),
                 "ink", 1)
        soot(ctx, 410, 134, 70, 14)


def _body_feet(ctx):
    """Otto's legs sticking out of the side passage, far down the corridor."""
    line(ctx, [(292, 236), (322, 238)], "ink", 8)
    line(ctx, [(292, 236), (322, 238)], (60, 74, 110), 6)
    line(ctx, [(292, 244), (320, 246)], "ink", 8)
    line(ctx, [(292, 244), (320, 246)], (70, 86, 124), 6)
    oval(ctx, 326, 234, 4, 7, (40, 34, 30), "ink", 1.2)
    oval(ctx, 324, 243, 4, 7, (40, 34, 30), "ink", 1.2)


def drinks_machine(ctx):
    x, y, w, h = 40, 124, 82, 226
    box(ctx, x, y, w, h, vgrad(y, y + h, (220, 50, 50), (160, 30, 36)), r=6)
    box(ctx, x + 6, y + 6, w - 12, 22, (250, 240, 220), width=1.5, r=3)
    text(ctx, x + w / 2, y + 22, "Getränke", 13, "red", True, "center")
    box(ctx, x + 8, y + 36, 48, 110, vgrad(y + 36, y + 146, (200, 230, 250), (140, 190, 230)),
        width=1.5, r=3)
    colors = [(240, 120, 40), (60, 160, 80), (250, 220, 60), (120, 60, 160)]
    for row in range(3):
        for col in range(3):
            bx = x + 16 + col * 15
            by = y + 50 + row * 34
            box(ctx, bx - 4, by, 9, 22, colors[(row + col) % 4], width=1, r=3)
            box(ctx, bx - 2, by - 5, 5, 6, colors[(row + col) % 4], width=1)
    for i in range(4):
        box(ctx, x + 62, y + 40 + i * 14, 12, 9, (230, 230, 230), width=1, r=2)
    box(ctx, x + 64, y + 104, 8, 20, (40, 40, 40), width=1.2, r=2)
    text(ctx, x + 68, y + 136, "€", 10, "white", True, "center")
    box(ctx, x + 12, y + 164, w - 24, 26, (40, 30, 30), width=1.5, r=3)
    box(ctx, x + 6, y + h - 8, w - 12, 8, (90, 30, 30), width=1.2)


def lift_door(ctx, x, y, w, h, sign="Lift", color=(186, 192, 200), reader=True):
    box(ctx, x - 8, y - 26, w + 16, h + 26, (120, 126, 136))
    plate(ctx, x + w / 2, y - 22, sign, 12, fill=(40, 60, 90), color="white")
    half = w / 2
    for i in range(2):
        box(ctx, x + i * half, y, half, h, vgrad(y, y + h, shade(color, 1.1), shade(color, 0.86)),
            width=1.5)
        for k in range(6):
            line(ctx, [(x + i * half + 6 + k * (half - 12) / 5, y + 8),
                       (x + i * half + 6 + k * (half - 12) / 5, y + h - 8)], shade(color, 0.92), 1)
    line(ctx, [(x + half, y), (x + half, y + h)], "ink", 2)
    if reader:
        rx = x + w + 12
        box(ctx, rx, y + 100, 14, 40, (60, 64, 72), width=1.5, r=3)
        box(ctx, rx + 3, y + 108, 8, 2, (20, 20, 20), None)
        oval(ctx, rx + 7, y + 122, 2.5, 2.5, (230, 60, 50), "ink", 0.8)
        oval(ctx, rx + 7, y + 131, 3, 3, (250, 250, 250), "ink", 1)


def gang2(ctx, exploded=False, body=True):
    horizon = 345
    corridor_shell(ctx, horizon)
    _back_corridor(ctx, exploded)
    if body:
        _body_feet(ctx)
    corridor_exit(ctx, -1, 0, horizon, depth=34)
    drinks_machine(ctx)
    lift_door(ctx, 548, 126, 78, 219, reader=False)
    box(ctx, 630, 226, 10, 36, (60, 64, 72), width=1.2, r=2)
    oval(ctx, 635, 252, 2.5, 2.5, (230, 60, 50), None)
    box(ctx, 631, 234, 8, 2, (20, 20, 20), None)
    text(ctx, 587, 358, "nur mit Liftkarte", 10, (60, 70, 90), True, "center")
    ceiling_lamp(ctx, 90, 26)
    ceiling_lamp(ctx, 580, 26)
    if exploded:
        smoke(ctx, [(260, 70, 24), (300, 64, 20), (470, 72, 22), (200, 90, 16)], (110, 110, 116))


# --- room 100 ---------------------------------------------------------------

def gang100(ctx):
    horizon = 353
    corridor_shell(ctx, horizon)
    for cx in (150, 470):
        ceiling_lamp(ctx, cx, 26)
    corridor_exit(ctx, -1, 26, horizon, depth=38, label="nach hinten")
    corridor_exit(ctx, 1, 26, horizon, depth=38, label="Hauptgang")
    poster(ctx, 80, 100, 120, 120, "Teilchen", ["Gemeinsam sind wir", "schneller als das", "Licht! (fast)"],
           (220, 236, 250))
    oval(ctx, 140, 190, 16, 6, None, (80, 100, 180), 1.5)
    oval(ctx, 140, 190, 5, 5, (230, 80, 60), "ink", 1)
    door(ctx, 262, 158, 117, 195)
    plate(ctx, 320, 182, "Prof. Dr. Kroxl", 11)
    window(ctx, 440, 80, 130, 110)
    extinguisher(ctx, 210, 270)
    plant(ctx, 420, horizon - 2, 0.8)


# --- room 101 ---------------------------------------------------------------

def _archive_door(ctx, walled):
    poly(ctx, [(0, 0), (44, 26), (44, 339), (0, 372)], (170, 184, 198), width=1.5)
    poly(ctx, [(4, 118), (36, 134), (36, 339), (4, 362)], vgrad(118, 362, (130, 84, 52), (100, 64, 40)),
         width=1.5)
    oval(ctx, 30, 250, 3, 4, "yellow", "ink", 1)
    box(ctx, 0, 92, 40, 18, (40, 60, 90), width=1.2, r=2)
    text(ctx, 20, 105, "Archiv", 10, "white", True, "center")
    if walled:
        # the blast buried the archive door under rubble
        for i, (x, y, w, h) in enumerate([(0, 300, 50, 30), (6, 270, 44, 32), (0, 240, 40, 30),
                                          (10, 210, 34, 32), (0, 180, 46, 30), (4, 150, 40, 30),
                                          (0, 330, 70, 40), (30, 352, 60, 30)]):
            box(ctx, x, y, w, h, shade((150, 130, 110), 0.85 + 0.05 * (i % 3)), width=1.5, r=3)
        line(ctx, [(4, 140), (40, 160)], (120, 80, 50), 6)
        soot(ctx, 30, 200, 40, 90)


def _closet(ctx, wrecked, poison):
    x, y, w, h = 437, 148, 117, 191
    if not wrecked:
        door(ctx, x, y, w, h, color=(150, 150, 170))
        plate(ctx, x + w / 2, y + 24, "Putzkammerl", 10)
        poly(ctx, [(x + 40, y + 60), (x + 58, y + 48), (x + 76, y + 60), (x + 58, y + 72)],
             "yellow", width=1.2)
        text(ctx, x + 58, y + 64, "!", 12, "ink", True, "center")
        return
    # a black hole where the closet was, with charred edges and bent shelves
    soot(ctx, x + w / 2, y + h / 2, w * 0.9, h * 0.65)
    pts = [(x - 4, y + 10), (x + 20, y - 8), (x + 50, y + 6), (x + 80, y - 10), (x + w + 6, y + 12),
           (x + w - 4, y + 60), (x + w + 8, y + 110), (x + w, y + h), (x - 6, y + h), (x + 6, y + 110),
           (x - 8, y + 60)]
    poly(ctx, pts, vgrad(y, y + h, (40, 34, 34), (20, 18, 20)), (50, 30, 20), 3)
    for sy in (y + 60, y + 110):
        line(ctx, [(x + 8, sy), (x + 50, sy + 6), (x + w - 10, sy - 4)], (120, 110, 100), 4)
    # rubble in front, the rat poison on top of it
    for i, (rx, ry, rw, rh) in enumerate([(432, 312, 40, 26), (468, 318, 44, 22), (506, 308, 40, 30),
                                          (540, 322, 36, 18), (446, 296, 30, 20), (490, 300, 26, 18)]):
        box(ctx, rx, ry, rw, rh, shade((160, 150, 140), 0.8 + 0.06 * (i % 3)), width=1.5, r=4)
    line(ctx, [(520, 300), (580, 336)], (120, 80, 50), 7)
    if poison:
        cx, top = 468, 278
        box(ctx, cx - 14, top, 28, 36, vgrad(top, top + 36, (120, 200, 90), (70, 150, 60)), r=4)
        oval(ctx, cx, top, 14, 4, (180, 180, 180), "ink", 1.5)
        box(ctx, cx - 11, top + 10, 22, 16, "white", width=1)
        text(ctx, cx, top + 17, "RATTEN", 5.5, "red", True, "center")
        text(ctx, cx, top + 24, "GIFT", 6.5, "red", True, "center")
        # a little rat face on the label
        oval(ctx, cx, top + 31, 4, 2.5, (120, 120, 120), None)


def gang101(ctx, exploded=False, poison=True, body=True, otto_standing=False):
    horizon = 339
    corridor_shell(ctx, horizon)
    for cx in (190, 470):
        ceiling_lamp(ctx, cx, 26)
    window(ctx, 190, 74, 140, 104)
    box(ctx, 360, 110, 50, 64, (190, 196, 204), width=1.5, r=3)     # fuse box
    poly(ctx, [(388, 118), (376, 144), (386, 144), (380, 166), (396, 136), (386, 136), (392, 118)],
         "yellow", width=1.2)
    line(ctx, [(385, 174), (385, 262), (430, 262)], (150, 150, 150), 4)
    line(ctx, [(60, 40), (600, 40)], (160, 160, 168), 6)              # pipe under the ceiling
    _archive_door(ctx, exploded)
    _closet(ctx, exploded, exploded and poison)
    corridor_exit(ctx, 1, 26, horizon, depth=40, label="Hauptgang")
    if exploded:
        soot(ctx, 500, 90, 90, 30)
    if body:
        watchman(ctx)
    if otto_standing:
        watchman_standing(ctx)
