"""The people of the ground floor, the basement and the grounds, each drawn at
the place its room expects, with eyes, mouth and pose as parameters so that
every animation frame is the same person with one thing changed."""
import math

from lower_draw import blob, box, finish, line, oval, poly, rbox, rgrad, shade, text, vgrad
from lower_faces import brow, cheeks, eyes, hand, limb, mouth, nose, sweat

SKIN = (250, 214, 178)
SKIN_RED = (246, 176, 150)
INK = (40, 32, 36)


def head_shape(ctx, cx, cy, rx, ry, skin=SKIN, jowl=0.0):
    """A friendly, slightly pear-shaped head."""
    blob(ctx, [(cx, cy - ry), (cx + rx * 0.92, cy - ry * 0.55), (cx + rx * (1 + jowl * 0.3), cy + ry * 0.3),
               (cx + rx * 0.6, cy + ry * 0.9), (cx, cy + ry), (cx - rx * 0.6, cy + ry * 0.9),
               (cx - rx * (1 + jowl * 0.3), cy + ry * 0.3), (cx - rx * 0.92, cy - ry * 0.55)],
         rgrad(cx - rx * 0.3, cy - ry * 0.3, rx * 1.6, shade(skin, 1.08), shade(skin, 0.9)))


def ear(ctx, x, y, r, skin=SKIN):
    oval(ctx, x, y, r * 0.6, r, skin, "ink", 1.6)


# ---------------------------------------------------------------- Tägl
def toegl_big(ctx, mouth_frame=0):
    """Herr Tägl behind his counter in the close-up (room 7), counter edge at y 228."""
    cx, cy = 492, 146
    # Body: white chef's jacket.
    blob(ctx, [(430, 232), (436, 204), (462, 186), (522, 186), (550, 204), (556, 232)],
         vgrad(186, 232, (250, 250, 246), (214, 218, 222)))
    for y in (200, 216):
        for dx in (-10, 10):
            oval(ctx, cx + dx, y, 2.5, 2.5, (190, 190, 196), "ink", 1)
    poly(ctx, [(470, 188), (492, 204), (514, 188), (504, 184), (492, 194), (480, 184)], (210, 50, 44), "ink", 1.5)
    limb(ctx, [(440, 210), (428, 226), (446, 232)], 16, (244, 244, 240))
    limb(ctx, [(546, 210), (556, 226), (540, 232)], 16, (244, 244, 240))
    ear(ctx, cx - 38, cy + 4, 9)
    ear(ctx, cx + 38, cy + 4, 9)
    head_shape(ctx, cx, cy, 38, 42, SKIN, jowl=0.6)
    # Chef's hat.
    box(ctx, cx - 34, 96, 68, 18, (250, 250, 250), "ink", 2)
    blob(ctx, [(cx - 40, 98), (cx - 44, 74), (cx - 22, 62), (cx, 68), (cx + 22, 60), (cx + 44, 72), (cx + 40, 98)],
         vgrad(60, 100, (255, 255, 255), (226, 228, 232)))
    line(ctx, cx - 34, 114, cx + 34, 114, "ink", 2)
    # Face.
    brow(ctx, cx - 16, 126, 18, 2, 3.5)
    brow(ctx, cx + 16, 126, 18, 2, 3.5)
    eyes(ctx, cx, 138, 32, 7, 8, "open", (-0.3, 0.1))
    cheeks(ctx, cx, 162, 52, 8)
    nose(ctx, cx, 156, 9, 8)
    # Curly moustache.
    for side in (-1, 1):
        ctx.move_to(cx, 168)
        ctx.curve_to(cx + side * 12, 162, cx + side * 24, 164, cx + side * 28, 170)
        ctx.curve_to(cx + side * 32, 176, cx + side * 24, 180, cx + side * 22, 174)
        ctx.curve_to(cx + side * 16, 174, cx + side * 8, 176, cx, 172)
        ctx.close_path()
        finish(ctx, (50, 36, 30), "ink", 1.2)
    mouth(ctx, cx, 182, mouth_frame, 16, "happy")


def toegl_small(ctx, cx=300, top=178):
    """Tägl far away behind the canteen counter (room 71), counter top at y 228."""
    b = top + 34
    blob(ctx, [(cx - 20, b + 18), (cx - 18, b + 6), (cx - 8, b), (cx + 8, b), (cx + 18, b + 6), (cx + 20, b + 18)],
         (246, 246, 242), "ink", 1.5)
    line(ctx, cx - 5, b + 1, cx + 5, b + 1, (210, 50, 44), 3)
    oval(ctx, cx, top + 24, 10, 11, SKIN, "ink", 1.5)
    box(ctx, cx - 9, top + 6, 18, 6, "white", "ink", 1.2)
    blob(ctx, [(cx - 11, top + 7), (cx - 12, top + 1), (cx - 4, top - 3), (cx + 4, top - 2), (cx + 12, top),
               (cx + 11, top + 7)], "white", "ink", 1.2)
    oval(ctx, cx - 4, top + 21, 1.5, 1.8, INK, None)
    oval(ctx, cx + 4, top + 21, 1.5, 1.8, INK, None)
    line(ctx, cx - 6, top + 28, cx + 6, top + 28, (50, 36, 30), 2.5)


# ---------------------------------------------------------------- the agent
def agent(ctx, mouth_frame=0):
    """The agent of the food police, beside Tägl (room 7), counter edge at y 228."""
    cx, cy = 396, 176
    blob(ctx, [(360, 232), (363, 214), (380, 204), (412, 204), (429, 214), (432, 232)],
         vgrad(204, 232, (54, 56, 66), (30, 32, 40)))
    poly(ctx, [(386, 204), (396, 224), (406, 204)], "white", "ink", 1.2)
    poly(ctx, [(393, 207), (399, 207), (401, 228), (396, 232), (391, 228)], (30, 30, 34), "ink", 1)
    ear(ctx, cx - 22, cy + 2, 7)
    ear(ctx, cx + 22, cy + 2, 7)
    head_shape(ctx, cx, cy, 22, 27, (236, 200, 170))
    # Earpiece with its curly wire.
    oval(ctx, cx + 23, cy + 4, 3, 3, (240, 240, 240), "ink", 1)
    ctx.move_to(cx + 24, cy + 7)
    ctx.curve_to(cx + 30, cy + 18, cx + 20, cy + 22, cx + 28, cy + 30)
    finish(ctx, None, (200, 200, 200), 1.5)
    # Hat.
    oval(ctx, cx, cy - 20, 34, 6, (40, 40, 48), "ink", 1.5)
    blob(ctx, [(cx - 20, cy - 20), (cx - 18, cy - 42), (cx, cy - 46), (cx + 18, cy - 42), (cx + 20, cy - 20)],
         vgrad(cy - 46, cy - 20, (70, 70, 80), (36, 36, 44)))
    box(ctx, cx - 20, cy - 26, 40, 5, (140, 30, 30), None)
    # Sunglasses.
    for dx in (-9, 9):
        rbox(ctx, cx + dx - 8, cy - 4, 16, 10, 4, (20, 20, 26), "ink", 1.2)
        line(ctx, cx + dx - 4, cy - 2, cx + dx, cy - 2, (120, 130, 150), 1.5)
    line(ctx, cx - 1, cy, cx + 1, cy, "ink", 2)
    nose(ctx, cx, cy + 9, 4, 4, (236, 200, 170))
    mouth(ctx, cx, cy + 17, mouth_frame, 12, "neutral")


# ---------------------------------------------------------------- Zweistein
def coffee_cup(ctx, x, y, left_handle=False):
    """Zweistein's coffee cup; (x, y) is the middle of its foot."""
    poly(ctx, [(x - 10, y - 20), (x + 10, y - 20), (x + 8, y), (x - 8, y)], (250, 250, 250), "ink", 1.5)
    oval(ctx, x, y - 20, 10, 3, (110, 70, 40), "ink", 1.2)
    if left_handle:
        ctx.arc_negative(x - 11, y - 11, 5, -1.7, 1.7)
    else:
        ctx.arc(x + 11, y - 11, 5, -1.4, 1.4)
    finish(ctx, None, "ink", 2)
    box(ctx, x - 8, y - 14, 16, 3, (200, 60, 50), None)


def zweistein(ctx, pose="read", eyes_state="read2", mouth_frame=0):
    """Professor Zweistein in his armchair (room 6). Poses: 'read', 'trink'
    (cup lifted off the armrest), 'trink1' (sipping), 'trink2' (sipping bad
    coffee), 'ouch' and 'ouch2' (retching); eyes: augennorm, zwinker, read1..3.
    He drinks with his right hand (on the right of the picture) and keeps the
    cup above y 210, so that his mouth, which is redrawn on every tick, never
    cuts into the drinking pose."""
    cx, cy = 181, 206
    sick = pose in ("trink2", "ouch", "ouch2")
    skin = (222, 226, 170) if sick else SKIN
    cardigan = (138, 98, 70)
    # Body: a brown cardigan over a white shirt.
    blob(ctx, [(112, 330), (118, 268), (140, 246), (222, 246), (244, 268), (250, 330)],
         vgrad(246, 330, shade(cardigan, 1.1), shade(cardigan, 0.88)))
    poly(ctx, [(168, 246), (181, 276), (194, 246)], (246, 246, 240), "ink", 1.5)
    for y in (284, 302, 320):
        oval(ctx, 181, y, 2.5, 2.5, (230, 210, 170), "ink", 1)
    line(ctx, 181, 276, 181, 330, "ink", 1.5)
    # The book: held up in both hands while he reads, else resting in his lap.
    if pose == "read":
        poly(ctx, [(146, 282), (214, 276), (218, 318), (150, 324)], (160, 40, 40), "ink", 2)
        poly(ctx, [(150, 280), (181, 282), (212, 274), (214, 312), (181, 318), (152, 320)], (250, 246, 230), "ink",
             1.2)
        line(ctx, 181, 282, 181, 318, (150, 150, 150), 1.2)
        for i in range(4):
            line(ctx, 156, 290 + i * 6, 176, 290 + i * 6, (150, 150, 150), 1)
            line(ctx, 186, 289 + i * 6, 206, 287 + i * 6, (150, 150, 150), 1)
        limb(ctx, [(124, 262), (118, 292), (146, 304)], 16, cardigan)
        hand(ctx, 150, 304, 8)
        limb(ctx, [(236, 262), (238, 290), (216, 302)], 16, cardigan)
        hand(ctx, 212, 302, 8)
    else:
        poly(ctx, [(150, 312), (214, 306), (218, 326), (152, 330)], (160, 40, 40), "ink", 2)
        limb(ctx, [(124, 262), (118, 292), (150, 312)], 16, cardigan)
        hand(ctx, 154, 312, 8, skin)
    if pose == "trink":
        limb(ctx, [(236, 262), (240, 286), (230, 292)], 16, cardigan)
        hand(ctx, 228, 290, 8)
        coffee_cup(ctx, 226, 286, left_handle=True)
    elif pose in ("trink1", "trink2"):
        limb(ctx, [(236, 262), (240, 240), (222, 214)], 16, cardigan)
        hand(ctx, 218, 210, 8, skin)
    elif pose in ("ouch", "ouch2"):
        limb(ctx, [(236, 262), (238, 290), (200, 290)], 16, cardigan)
        hand(ctx, 196, 290, 8, skin)
    # Head.
    hair = (246, 246, 250)
    blob(ctx, [(cx - 52, cy - 6), (cx - 58, cy - 30), (cx - 40, cy - 48), (cx - 30, cy - 62), (cx - 6, cy - 58),
               (cx + 10, cy - 70), (cx + 30, cy - 54), (cx + 52, cy - 52), (cx + 56, cy - 26), (cx + 60, cy - 4),
               (cx + 42, cy + 6), (cx, cy - 20), (cx - 40, cy + 6)], rgrad(cx, cy - 30, 70, hair, (200, 204, 214)))
    ear(ctx, cx - 30, cy + 2, 8, skin)
    ear(ctx, cx + 30, cy + 2, 8, skin)
    head_shape(ctx, cx, cy, 30, 36, skin)
    brow_tilt = -3 if sick else 2
    brow(ctx, cx - 12, cy - 18, 16, brow_tilt, 4, (236, 236, 240))
    brow(ctx, cx + 12, cy - 18, 16, brow_tilt, 4, (236, 236, 240))
    if sick:
        eyes(ctx, cx, cy - 11, 24, 6, 7, "squeeze")
    else:
        look = {"augennorm": (0, 0), "zwinker": (0, 0), "read1": (-0.1, 0.9), "read2": (0.3, 0.9),
                "read3": (0.7, 0.9)}[eyes_state]
        if pose in ("trink1",):
            look = (0.6, -0.2)
        eyes(ctx, cx, cy - 11, 24, 6, 7, "closed" if eyes_state == "zwinker" else "open", look, skin)
    nose(ctx, cx, cy + 2, 6, 6, skin)
    # Big white moustache and the mouth under it.
    if pose == "ouch2":
        oval(ctx, cx, cy + 20, 7, 5, (110, 26, 36), "ink", 1.5)
        blob(ctx, [(cx - 4, cy + 20), (cx + 4, cy + 20), (cx + 5, cy + 32), (cx, cy + 35), (cx - 5, cy + 32)],
             (230, 110, 120), "ink", 1.5)
    elif pose in ("ouch", "trink2"):
        ctx.move_to(cx - 9, cy + 20)
        for i in range(6):
            ctx.line_to(cx - 9 + (i + 1) * 3, cy + 20 + (3 if i % 2 == 0 else 0))
        finish(ctx, None, "ink", 2)
    else:
        mouth(ctx, cx, cy + 19, mouth_frame, 13, "neutral")
    blob(ctx, [(cx - 20, cy + 12), (cx - 8, cy + 8), (cx, cy + 10), (cx + 8, cy + 8), (cx + 20, cy + 12),
               (cx + 12, cy + 17), (cx, cy + 14), (cx - 12, cy + 17)], (240, 240, 244), "ink", 1.5)
    if pose in ("trink1", "trink2"):
        ctx.save()
        ctx.translate(206, 200)
        ctx.rotate(-0.55)
        coffee_cup(ctx, 0, 6, left_handle=False)
        ctx.restore()
    if pose in ("ouch", "ouch2"):
        for sx, sy in ((130, 170), (232, 176), (238, 200)):
            line(ctx, sx, sy, sx + (8 if sx > 181 else -8), sy - 6, (120, 150, 60), 2)


# ---------------------------------------------------------------- Hubert
def hubert(ctx, eyes_state="look", mouth_frame=0, mood="grumpy", laugh=False):
    """Hubert the tinkerer at his bench (room 8). Eye states: look, look in,
    zwinker1, zwinker2; moods of the mouth: grumpy, happy, grin; laugh opens
    the mouth wide. Brows stay put so that the eye frames fit every mood."""
    cx, cy = 481, 188
    overall = (70, 120, 170)
    # Body in overalls, sitting at the bench.
    blob(ctx, [(432, 330), (436, 258), (452, 232), (510, 232), (532, 258), (540, 330)],
         vgrad(232, 330, shade(overall, 1.1), shade(overall, 0.85)))
    box(ctx, 460, 262, 42, 30, shade(overall, 0.9), "ink", 1.5)
    line(ctx, 466, 232, 466, 262, "ink", 1.5)
    line(ctx, 496, 232, 496, 262, "ink", 1.5)
    oval(ctx, 466, 262, 3, 3, (230, 200, 80), "ink", 1)
    oval(ctx, 496, 262, 3, 3, (230, 200, 80), "ink", 1)
    box(ctx, 476, 268, 4, 18, (240, 200, 60), "ink", 1)
    # Arms reaching to the bench.
    limb(ctx, [(446, 250), (430, 290), (420, 304)], 18, shade(overall, 0.95))
    limb(ctx, [(528, 250), (546, 290), (536, 306)], 18, shade(overall, 0.95))
    hand(ctx, 418, 306, 9)
    hand(ctx, 534, 308, 9)
    # Head with a red beard, a cap and goggles.
    ear(ctx, cx - 32, cy + 2, 8)
    ear(ctx, cx + 32, cy + 2, 8)
    head_shape(ctx, cx, cy, 32, 38)
    beard = (170, 90, 44)
    blob(ctx, [(cx - 32, cy + 4), (cx - 26, cy + 28), (cx - 10, cy + 42), (cx + 10, cy + 42), (cx + 26, cy + 28),
               (cx + 32, cy + 4), (cx + 20, cy + 8), (cx, cy + 6), (cx - 20, cy + 8)], beard, "ink", 1.6)
    oval(ctx, cx, cy + 17, 15, 9, shade(SKIN, 0.96), None)
    blob(ctx, [(cx - 16, cy + 13), (cx - 6, cy + 9), (cx, cy + 11), (cx + 6, cy + 9), (cx + 16, cy + 13),
               (cx + 8, cy + 12), (cx, cy + 13), (cx - 8, cy + 12)], shade(beard, 0.9), "ink", 1.2)
    ctx.move_to(cx - 35, cy - 24)
    ctx.curve_to(cx - 32, cy - 58, cx + 32, cy - 58, cx + 35, cy - 24)
    ctx.close_path()
    finish(ctx, vgrad(cy - 52, cy - 24, (220, 80, 60), (180, 56, 44)), "ink", 2)
    poly(ctx, [(cx + 22, cy - 26), (cx + 54, cy - 24), (cx + 52, cy - 18), (cx + 20, cy - 20)], (180, 56, 44),
         "ink", 1.5)
    line(ctx, cx - 34, cy - 36, cx + 34, cy - 36, (60, 60, 60), 4)
    for dx in (-12, 12):
        oval(ctx, cx + dx, cy - 37, 10, 7, rgrad(cx + dx - 3, cy - 40, 10, (230, 246, 255), (120, 170, 200)),
             "ink", 1.5)
    brow(ctx, cx - 12, cy - 22, 14, -2, 3, (130, 66, 30))
    brow(ctx, cx + 12, cy - 22, 14, -2, 3, (130, 66, 30))
    look = {"look": (-0.8, 0), "look in": (-0.5, 0.8), "zwinker1": (-0.5, 0.3), "zwinker2": (0, 0)}[eyes_state]
    state = {"zwinker1": "half", "zwinker2": "closed"}.get(eyes_state, "open")
    eyes(ctx, cx, cy - 8, 24, 6, 7, state, look)
    nose(ctx, cx, cy + 3, 6, 5)
    if laugh or mood != "grumpy":
        cheeks(ctx, cx, cy + 12, 40, 6)
    if laugh:
        mouth(ctx, cx, cy + 18, 2, 18, "laugh")
    else:
        mouth(ctx, cx, cy + 18, mouth_frame, 15, mood)


# ---------------------------------------------------------------- Franz
def franz(ctx, pose=0, mouth_frame=0, talking=False):
    """Franz the electrician at his printer (room 201). Poses: 1 at rest,
    2 and 3 hammering, 4 scratching his head, 5 with a screwdriver in the
    machine, 6 with a sparking plug; talking turns him to the viewer."""
    cx, cy = 96, 190
    overall = (50, 90, 160)
    # Legs and boots.
    limb(ctx, [(84, 300), (82, 340), (80, 366)], 22, shade(overall, 0.9))
    limb(ctx, [(110, 300), (112, 340), (114, 366)], 22, shade(overall, 0.9))
    rbox(ctx, 64, 362, 30, 14, 5, (60, 44, 30), "ink", 1.5)
    rbox(ctx, 102, 362, 30, 14, 5, (60, 44, 30), "ink", 1.5)
    # Body with a tool belt.
    blob(ctx, [(64, 306), (66, 248), (78, 228), (116, 228), (130, 248), (132, 306)],
         vgrad(228, 306, shade(overall, 1.15), shade(overall, 0.85)))
    box(ctx, 80, 250, 36, 28, shade(overall, 0.95), "ink", 1.5)
    box(ctx, 66, 294, 66, 10, (120, 80, 40), "ink", 1.5)
    for i, c in enumerate(((230, 60, 50), (250, 200, 60), (160, 160, 170))):
        box(ctx, 72 + i * 18, 290, 6, 16, c, "ink", 1)
    sleeve = shade(overall, 1.0)
    left = {4: ([(72, 240), (56, 220), (74, 170)], (76, 168))}
    right = {1: ([(124, 240), (136, 264), (138, 288)], (138, 290), ("hammer", 138, 290, math.pi - 0.3)),
             2: ([(124, 240), (142, 216), (142, 192)], (142, 188), ("hammer", 142, 188, -0.4)),
             3: ([(124, 240), (142, 250), (148, 256)], (150, 256), ("hammer", 150, 256, 0.4)),
             5: ([(124, 240), (144, 248), (154, 240)], (156, 238), ("screwdriver", 156, 238, -1.0)),
             6: ([(124, 240), (146, 236), (156, 220)], (158, 218), ("plug", 158, 218, 0))}
    if talking:
        la, lh = [(72, 240), (58, 270), (62, 296)], (62, 298)
        ra, rh, tool = [(124, 240), (140, 262), (134, 276)], (132, 278), None
    else:
        la, lh = left.get(pose, ([(72, 240), (62, 268), (68, 292)], (68, 294)))
        ra, rh, tool = right.get(pose, ([(124, 240), (140, 262), (134, 280)], (132, 282), None))
    limb(ctx, la, 16, sleeve)
    hand(ctx, *lh, 8)
    limb(ctx, ra, 16, sleeve)
    hand(ctx, *rh, 8)
    # Head: helmet, moustache.
    ear(ctx, cx - 25, cy + 4, 7)
    ear(ctx, cx + 25, cy + 4, 7)
    head_shape(ctx, cx, cy, 25, 30)
    ctx.move_to(cx - 32, cy - 12)
    ctx.curve_to(cx - 30, cy - 50, cx + 30, cy - 50, cx + 32, cy - 12)
    ctx.close_path()
    finish(ctx, vgrad(cy - 46, cy - 12, (255, 226, 80), (230, 180, 30)), "ink", 2)
    box(ctx, cx - 36, cy - 15, 72, 6, (236, 190, 40), "ink", 1.5)
    line(ctx, cx, cy - 44, cx, cy - 16, (200, 150, 20), 3)
    look = (0, 0) if talking else {1: (0.9, 0.3), 2: (0.9, -0.5), 3: (0.9, 0.6), 4: (0, -0.8), 5: (0.9, 0.3),
                                    6: (0.9, 0)}[pose]
    state = "wide" if pose == 6 and not talking else "open"
    eyes(ctx, cx + (0 if talking else 3), cy - 2, 20, 5, 6, state, look)
    brow(ctx, cx - 9, cy - 11, 11, 1, 3, (90, 60, 40))
    brow(ctx, cx + 11, cy - 11, 11, 1, 3, (90, 60, 40))
    nose(ctx, cx + (0 if talking else 3), cy + 8, 6, 5)
    if talking:
        mouth(ctx, cx, cy + 22, mouth_frame, 14, "neutral")
    else:
        mouth(ctx, cx + 3, cy + 22, 1 if pose == 6 else 0, 12, "grumpy" if pose == 4 else "neutral")
    blob(ctx, [(cx - 16, cy + 16), (cx - 6, cy + 11), (cx, cy + 14), (cx + 6, cy + 11), (cx + 16, cy + 16),
               (cx + 8, cy + 19), (cx, cy + 17), (cx - 8, cy + 19)], (90, 60, 40), "ink", 1.2)
    if pose == 4 and not talking:
        sweat(ctx, cx + 22, cy - 8, 0.9)
    if tool:
        kind, x, y, a = tool
        ctx.save()
        ctx.translate(x, y)
        ctx.rotate(a)
        if kind == "hammer":
            box(ctx, -3, -28, 6, 32, (160, 110, 60), "ink", 1.5)
            box(ctx, -10, -36, 20, 11, (120, 124, 130), "ink", 1.5)
        elif kind == "screwdriver":
            box(ctx, -3, -4, 20, 6, (230, 60, 50), "ink", 1.2)
            line(ctx, 17, -1, 30, -1, (170, 176, 184), 2.5)
        else:
            box(ctx, -2, -18, 12, 12, (40, 40, 40), "ink", 1.2)
            line(ctx, 2, -18, 2, -24, (200, 180, 80), 2)
            line(ctx, 7, -18, 7, -24, (200, 180, 80), 2)
            for k in range(5):
                a = -math.pi / 2 + (k - 2) * 0.45
                line(ctx, 4.5 + 6 * math.cos(a), -26 + 6 * math.sin(a), 4.5 + 12 * math.cos(a),
                     -26 + 12 * math.sin(a), (250, 220, 40), 2)
        ctx.restore()


# ---------------------------------------------------------------- Motty
def motty(ctx, eyes_state=0, mouth_frame=0):
    """Motty the attendant in the window of his ticket desk (room 500)."""
    cx, cy = 327, 143
    skin = SKIN_RED
    blob(ctx, [(282, 214), (286, 184), (300, 172), (354, 172), (368, 184), (372, 214)],
         vgrad(172, 214, (110, 190, 110), (80, 160, 90)))
    poly(ctx, [(312, 172), (327, 186), (342, 172)], (250, 250, 246), "ink", 1.5)
    line(ctx, 327, 186, 327, 210, "ink", 1.2)
    ear(ctx, cx - 27, cy + 2, 8, skin)
    ear(ctx, cx + 27, cy + 2, 8, skin)
    head_shape(ctx, cx, cy, 27, 28, skin)
    # Cap with the course's name.
    ctx.move_to(cx - 28, cy - 14)
    ctx.curve_to(cx - 26, cy - 44, cx + 26, cy - 44, cx + 28, cy - 14)
    ctx.close_path()
    finish(ctx, vgrad(cy - 40, cy - 14, (80, 170, 90), (50, 130, 60)), "ink", 2)
    poly(ctx, [(cx - 30, cy - 16), (cx + 30, cy - 16), (cx + 40, cy - 10), (cx - 40, cy - 10)], (40, 110, 50),
         "ink", 1.5)
    text(ctx, cx, cy - 27, "GOLF", 9, "white")
    state = {0: "open", 1: "half", 2: "closed"}[eyes_state]
    eyes(ctx, cx, cy - 3, 20, 5, 6, state, (0, 0), skin)
    nose(ctx, cx, cy + 4, 7, 5, shade(skin, 0.95))
    mouth(ctx, cx, cy + 15, mouth_frame, 14, "neutral")
    sweat(ctx, cx - 22, cy - 6, 0.8)
    sweat(ctx, cx + 24, cy + 6, 0.7)


# ---------------------------------------------------------------- the garden
def gardener(ctx, eyes_state=0):
    """The gardener with his rake (room -10003); eyes 0 open, 1 shut."""
    cx, cy = 273, 144
    apron = (70, 130, 70)
    limb(ctx, [(262, 222), (260, 250), (258, 268)], 14, (110, 90, 60))
    limb(ctx, [(284, 222), (286, 250), (290, 268)], 14, (110, 90, 60))
    rbox(ctx, 248, 264, 20, 8, 3, (70, 50, 30), "ink", 1.2)
    rbox(ctx, 282, 264, 20, 8, 3, (70, 50, 30), "ink", 1.2)
    blob(ctx, [(250, 228), (252, 182), (262, 166), (284, 166), (296, 182), (298, 228)],
         vgrad(166, 228, (220, 200, 150), (190, 170, 120)))
    poly(ctx, [(256, 186), (292, 186), (296, 232), (252, 232)], apron, "ink", 1.5)
    # Rake in both hands.
    line(ctx, 318, 112, 300, 262, (150, 100, 50), 5)
    line(ctx, 318, 112, 300, 262, "ink", 1)
    line(ctx, 286, 262, 316, 266, (120, 124, 130), 5)
    for i in range(6):
        line(ctx, 288 + i * 5, 264, 287 + i * 5, 272, (120, 124, 130), 2)
    limb(ctx, [(256, 180), (254, 206), (302, 206)], 12, (220, 200, 150))
    limb(ctx, [(292, 180), (304, 172), (312, 160)], 12, (220, 200, 150))
    hand(ctx, 304, 208, 6)
    hand(ctx, 313, 158, 6)
    head_shape(ctx, cx, cy, 18, 20)
    # Straw hat.
    oval(ctx, cx, cy - 14, 34, 7, (236, 206, 120), "ink", 1.5)
    blob(ctx, [(cx - 18, cy - 14), (cx - 16, cy - 32), (cx, cy - 36), (cx + 16, cy - 32), (cx + 18, cy - 14)],
         (236, 206, 120), "ink", 1.5)
    box(ctx, cx - 18, cy - 20, 36, 5, (200, 60, 50), None)
    brow(ctx, cx - 9, cy - 9, 10, -3, 2.5, (100, 80, 60))
    brow(ctx, cx + 9, cy - 9, 10, -3, 2.5, (100, 80, 60))
    eyes(ctx, cx, cy - 5, 18, 4.5, 5, "open" if eyes_state == 0 else "closed", (0.7, 0.6))
    nose(ctx, cx + 1, cy + 5, 5, 4)
    mouth(ctx, cx, cy + 13, 0, 10, "grumpy")
    line(ctx, cx - 10, cy + 10, cx - 6, cy + 18, (130, 130, 130), 1)


def oma(ctx, eyes_state=0):
    """The grandmother on her bench feeding Hansi (room -10003); eyes 0 open, 1 shut."""
    cx, cy = 366, 222
    shawl = (150, 80, 150)
    # Skirt and legs.
    blob(ctx, [(350, 300), (352, 270), (396, 266), (430, 276), (432, 310), (400, 316)], (90, 90, 130), "ink", 1.8)
    limb(ctx, [(414, 310), (416, 336)], 10, (230, 220, 210))
    limb(ctx, [(396, 312), (396, 338)], 10, (230, 220, 210))
    rbox(ctx, 404, 334, 20, 8, 3, (60, 40, 40), "ink", 1.2)
    rbox(ctx, 386, 336, 20, 8, 3, (60, 40, 40), "ink", 1.2)
    # Body in a shawl.
    blob(ctx, [(342, 292), (344, 258), (352, 244), (382, 244), (392, 258), (396, 292)],
         vgrad(244, 292, shade(shawl, 1.1), shade(shawl, 0.85)))
    for i in range(4):
        line(ctx, 348 + i * 12, 292, 350 + i * 12, 300, shade(shawl, 0.8), 2)
    # Arm scattering seeds, bag in the other.
    limb(ctx, [(386, 256), (404, 270), (420, 262)], 11, shade(shawl, 1.05))
    hand(ctx, 424, 260, 6)
    for i in range(8):
        oval(ctx, 430 + (i * 13) % 30, 272 + (i * 17) % 70, 1.6, 1.2, (220, 190, 100), None)
    limb(ctx, [(348, 258), (346, 280), (362, 286)], 11, shade(shawl, 1.05))
    poly(ctx, [(356, 272), (378, 272), (380, 294), (354, 294)], (210, 180, 130), "ink", 1.5)
    hand(ctx, 364, 286, 6)
    # Head: grey bun, round glasses.
    oval(ctx, cx, cy - 22, 11, 9, (200, 200, 206), "ink", 1.5)
    head_shape(ctx, cx, cy, 18, 20)
    blob(ctx, [(cx - 19, cy), (cx - 18, cy - 16), (cx, cy - 22), (cx + 18, cy - 16), (cx + 19, cy), (cx + 10, cy - 10),
               (cx - 10, cy - 10)], (210, 210, 216), "ink", 1.5)
    eyes(ctx, cx + 0.5, cy - 4, 18, 4, 4.5, "open" if eyes_state == 0 else "closed", (0.6, 0.8))
    for dx in (-9, 9):
        oval(ctx, cx + dx + 0.5, cy - 4, 6.5, 6.5, None, (120, 90, 60), 1.5)
    cheeks(ctx, cx, cy + 6, 26, 5)
    nose(ctx, cx, cy + 4, 4, 3.5)
    mouth(ctx, cx, cy + 12, 0, 10, "happy")


def pigeon(ctx, x=345, y=378, s=1.0):
    """Hansi the pigeon pecking seeds; (x, y) is where its feet stand."""
    for i in range(7):
        oval(ctx, x - 30 + (i * 11) % 60, y + 4 + (i * 7) % 10, 1.6, 1.2, (220, 190, 100), None)
    line(ctx, x - 4 * s, y - 6 * s, x - 6 * s, y, (220, 110, 100), 2)
    line(ctx, x + 4 * s, y - 6 * s, x + 5 * s, y, (220, 110, 100), 2)
    blob(ctx, [(x - 26 * s, y - 24 * s), (x - 8 * s, y - 28 * s), (x + 14 * s, y - 24 * s), (x + 22 * s, y - 14 * s),
               (x + 10 * s, y - 4 * s), (x - 14 * s, y - 8 * s)], rgrad(x, y - 20 * s, 30 * s, (200, 204, 214),
                                                                       (140, 146, 160)))
    poly(ctx, [(x - 24 * s, y - 22 * s), (x - 36 * s, y - 30 * s), (x - 34 * s, y - 18 * s)], (120, 126, 140), "ink",
         1.5)
    oval(ctx, x + 22 * s, y - 20 * s, 8 * s, 9 * s, (120, 160, 150), "ink", 1.5)
    oval(ctx, x + 25 * s, y - 24 * s, 1.8, 1.8, INK, None)
    poly(ctx, [(x + 29 * s, y - 20 * s), (x + 36 * s, y - 16 * s), (x + 29 * s, y - 16 * s)], (240, 180, 80), "ink",
         1)
    line(ctx, x - 6 * s, y - 20 * s, x + 8 * s, y - 18 * s, (110, 116, 130), 1.5)


