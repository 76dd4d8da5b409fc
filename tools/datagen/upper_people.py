"""The people of the upper floor, drawn in every pose their animation frames
need. Each function draws one person at a fixed place of its room; the
frames are cut from whole room pictures drawn with different poses, so a
pose may only change what lies inside the frame that shows it."""
import math

from upper_draw import (box, curve, line, outlined_text, oval, paint, poly, rgrad, shade, sparkle,
                        text, vgrad)

SKIN = (250, 214, 178)
SKIN_DARK = (226, 180, 142)
LIPS = (200, 60, 80)
MOUTH_IN = (110, 30, 40)


def face(ctx, cx, cy, rx, ry, skin=SKIN):
    oval(ctx, cx, cy, rx, ry, rgrad(cx - rx * 0.3, cy - ry * 0.3, max(rx, ry) * 1.3,
                                    shade(skin, 1.04), shade(skin, 0.9)))


def eye(ctx, x, y, rx, ry, state="open", look=(0, 0), lashes=False, lid=None):
    """One eye: "open", "closed" (a lid line), "half" (upper lid down),
    "happy" (an upward arc)."""
    if state == "closed":
        curve(ctx, (x - rx, y), (x - rx / 2, y + ry * 0.6), (x + rx / 2, y + ry * 0.6),
              (x + rx, y), "ink", 2)
        if lashes:
            for dx in (-rx * 0.6, 0, rx * 0.6):
                line(ctx, [(x + dx, y + ry * 0.45), (x + dx * 1.2, y + ry * 0.9)], "ink", 1.2)
        return
    if state == "happy":
        curve(ctx, (x - rx, y + 2), (x - rx / 2, y - ry * 0.8), (x + rx / 2, y - ry * 0.8),
              (x + rx, y + 2), "ink", 2)
        return
    oval(ctx, x, y, rx, ry, "white", "ink", 1.5)
    px, py = x + look[0] * rx * 0.45, y + look[1] * ry * 0.4 + 0.5
    oval(ctx, px, py, rx * 0.55, ry * 0.6, (60, 90, 130) if lashes else "ink", None)
    oval(ctx, px, py, rx * 0.3, ry * 0.32, "ink", None)
    oval(ctx, px - rx * 0.18, py - ry * 0.25, 1.1, 1.1, "white", None)
    if state == "half" or lid:
        frac = lid or 0.55
        ctx.save()
        ctx.translate(x, y)
        ctx.scale(rx, ry)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        ctx.save()
        ctx.clip()
        ctx.rectangle(x - rx - 1, y - ry - 1, 2 * rx + 2, 2 * ry * frac + 1)
        paint(ctx, shade(SKIN, 0.92), None)
        ctx.restore()
        line(ctx, [(x - rx, y - ry + 2 * ry * frac), (x + rx, y - ry + 2 * ry * frac)], "ink", 1.8)
        oval(ctx, x, y, rx, ry, None, "ink", 1.5)
    if lashes:
        for i in range(3):
            a = math.pi * (1.15 + 0.25 * i)
            sx, sy = x + math.cos(a) * rx, y + math.sin(a) * ry
            line(ctx, [(sx, sy), (sx + math.cos(a) * 3.5, sy + math.sin(a) * 3.5)], "ink", 1.3)


def mouth_shape(ctx, cx, cy, frame, w=12, lips=None, smile=0.0):
    """Mouth frames 0..3: closed, small, wide open, round."""
    if frame == 0:
        ctx.move_to(cx - w / 2, cy)
        ctx.curve_to(cx - w / 4, cy + 2 + smile, cx + w / 4, cy + 2 + smile, cx + w / 2, cy)
        if lips:
            ctx.set_line_width(3)
            ctx.set_source_rgb(*[c / 255 for c in lips])
            ctx.stroke_preserve()
        paint(ctx, None, "ink", 1.6)
        return
    rx = {1: w * 0.42, 2: w * 0.48, 3: w * 0.3}[frame]
    ry = {1: 2.6, 2: 5.5, 3: 4.2}[frame]
    oval(ctx, cx, cy + ry * 0.5, rx, ry, MOUTH_IN, lips and _rgb255(lips) or "ink", 2 if lips else 1.5)
    if frame == 2:
        box(ctx, cx - rx * 0.55, cy - ry * 0.5 + 1.2, rx * 1.1, 2, "white", None)
        oval(ctx, cx, cy + ry * 1.05, rx * 0.5, ry * 0.35, (230, 110, 120), None)


def _rgb255(c):
    return tuple(c)


# --- Corinna, room 1 ------------------------------------------------------

def corinna(ctx, eyes="open", mouth=0, hands=0, full=False):
    """Corinna behind her desk at the typewriter. eyes: open, wink, up, down,
    happy; hands: 0, 1, 2 (typing), "rest" or "card"; full: a fuller figure."""
    blouse = (236, 120, 150)
    hair = (214, 150, 60)
    # office chair behind her
    box(ctx, 172, 214, 66, 80, vgrad(214, 294, (70, 70, 80), (40, 40, 50)), r=12)
    # hair behind the head
    poly(ctx, [(141, 190), (136, 240), (150, 258), (196, 258), (206, 236), (200, 188)],
         shade(hair, 0.85), width=1.8)
    # neck and torso
    box(ctx, 161, 226, 18, 22, shade(SKIN, 0.93), width=1.5)
    torso = [(134, 286), (138, 254), (150, 244), (168, 248), (190, 244), (204, 252), (210, 286)]
    poly(ctx, torso, vgrad(240, 290, shade(blouse, 1.08), shade(blouse, 0.92)))
    poly(ctx, [(160, 244), (170, 256), (180, 244)], "white", width=1.2)
    if full:
        # a fuller figure: a rounder blouse, fully buttoned, nothing more
        ctx.move_to(140, 256)
        ctx.curve_to(128, 266, 136, 282, 150, 282)
        ctx.line_to(194, 282)
        ctx.curve_to(210, 282, 214, 264, 202, 256)
        paint(ctx, vgrad(252, 284, shade(blouse, 1.1), shade(blouse, 0.9)), "ink", 1.6)
        curve(ctx, (146, 278), (158, 286), (186, 286), (198, 278), shade(blouse, 0.75), 1.6)
        curve(ctx, (172, 262), (171, 268), (171, 274), (172, 280), shade(blouse, 0.78), 1.2)
        oval(ctx, 156, 266, 7, 4, shade(blouse, 1.18), None)
        oval(ctx, 188, 266, 7, 4, shade(blouse, 1.18), None)
    else:
        curve(ctx, (150, 266), (160, 272), (182, 272), (194, 266), shade(blouse, 0.8), 1.5)
    # head
    face(ctx, 170, 204, 23, 27)
    # hair on top: a big curly bob
    ctx.move_to(144, 214)
    ctx.curve_to(130, 180, 146, 156, 172, 158)
    ctx.curve_to(200, 156, 212, 180, 198, 214)
    ctx.curve_to(196, 196, 190, 186, 180, 184)
    ctx.curve_to(170, 192, 156, 190, 152, 186)
    ctx.curve_to(148, 194, 146, 204, 144, 214)
    ctx.close_path()
    paint(ctx, vgrad(156, 214, shade(hair, 1.12), hair), "ink", 1.8)
    for x0 in (158, 172, 186):
        curve(ctx, (x0, 164), (x0 + 4, 170), (x0 - 2, 176), (x0 + 2, 182), shade(hair, 0.75), 1.2)
    oval(ctx, 146, 220, 2.5, 3.5, "yellow", "ink", 1)  # earring
    # brows, eyes, nose
    up = eyes == "up"
    by = 189 if not up else 186
    for bx in (160, 181):
        curve(ctx, (bx - 6, by + 1), (bx - 2, by - 2), (bx + 2, by - 2), (bx + 6, by), "ink", 1.8)
    if eyes == "wink":
        eye(ctx, 160, 201, 4.5, 5.5, "open", (0.3, 0.3), lashes=True)
        eye(ctx, 181, 201, 4.5, 5.5, "closed", lashes=True)
    elif eyes == "happy":
        eye(ctx, 160, 201, 4.5, 5.5, "happy")
        eye(ctx, 181, 201, 4.5, 5.5, "happy")
    else:
        look = {"open": (-0.6, 0.7), "up": (0.7, -0.8), "down": (-0.6, 1.0)}[eyes]
        lid = 0.5 if eyes == "down" else None
        for ex in (160, 181):
            eye(ctx, ex, 201, 4.5, 5.5, "open", look, lashes=True, lid=lid)
    curve(ctx, (167, 206), (164, 212), (166, 215), (170, 215), "ink", 1.5)
    oval(ctx, 153, 214, 4, 2.5, (246, 170, 160), None)
    oval(ctx, 187, 214, 4, 2.5, (246, 170, 160), None)
    mouth_shape(ctx, 170, 224, mouth, 13, lips=LIPS, smile=1.0)
    # the typewriter on the desk
    _typewriter(ctx)
    _corinna_arms(ctx, hands, blouse)


def _typewriter(ctx):
    box(ctx, 108, 226, 42, 34, "paper", width=1.2)
    for y in range(234, 256, 5):
        line(ctx, [(113, y), (113 + (y * 7) % 24 + 8, y)], (120, 120, 140), 1)
    box(ctx, 94, 252, 72, 10, (60, 60, 66), width=1.5, r=4)
    oval(ctx, 94, 257, 4, 6, (90, 90, 96), "ink", 1.2)
    poly(ctx, [(98, 262), (162, 262), (168, 286), (92, 286)], vgrad(262, 286, (96, 116, 100), (60, 80, 66)))
    for row, y in enumerate((268, 274, 280)):
        for i in range(7 - (row % 2)):
            x = 102 + row * 2 + i * 8.5
            oval(ctx, x, y, 3, 2.2, (240, 236, 220), "ink", 0.8)


def _corinna_arms(ctx, hands, blouse):
    sleeve = shade(blouse, 0.95)
    if hands == "rest":
        _limb(ctx, [(144, 252), (134, 284)], sleeve)
        _limb(ctx, [(200, 254), (208, 284)], sleeve)
        oval(ctx, 134, 286, 7, 4, SKIN, "ink", 1.4)
        oval(ctx, 208, 286, 7, 4, SKIN, "ink", 1.4)
        return
    if hands == "card":
        _limb(ctx, [(144, 252), (134, 284)], sleeve)
        oval(ctx, 134, 286, 7, 4, SKIN, "ink", 1.4)
        _limb(ctx, [(200, 254), (216, 278), (210, 262)], sleeve)
        box(ctx, 194, 240, 26, 16, vgrad(240, 256, (90, 150, 230), (50, 100, 190)), width=1.4, r=2)
        box(ctx, 197, 243, 8, 5, "yellow", None)
        text(ctx, 208, 253, "LIFT", 5.5, "white", True, "center")
        oval(ctx, 208, 260, 6, 6, SKIN, "ink", 1.4)
        return
    # typing: hand positions on the keys
    right = (116, 270) if hands != 1 else (114, 258)
    left = (150, 273) if hands != 2 else (152, 260)
    for path in ([(144, 252), (130, 280), right], [(200, 254), (184, 284), left]):
        _limb(ctx, path, sleeve)
    for hx, hy in (right, left):
        oval(ctx, hx, hy, 7, 4.5, SKIN, "ink", 1.4)
        for f in (-4, 0, 4):
            line(ctx, [(hx + f, hy + 3), (hx + f - 1, hy + 6)], "ink", 1.2)


def _limb(ctx, pts, color, width=10):
    """An arm or leg as a rounded tube along pts."""
    line(ctx, pts, "ink", width + 3)
    line(ctx, pts, color, width)


# --- the cleaning woman, room 2 -------------------------------------------

def putzfrau(ctx, eyes="open", mouth=0):
    """A sturdy cleaning woman facing left, headscarf and apron."""
    dress = (80, 120, 190)
    apron = (236, 236, 226)
    # legs and shoes
    box(ctx, 488, 360, 16, 30, shade(SKIN, 0.95), width=1.5)
    box(ctx, 520, 360, 16, 30, shade(SKIN, 0.95), width=1.5)
    oval(ctx, 492, 391, 15, 6, (60, 50, 50), "ink", 1.5)
    oval(ctx, 526, 391, 15, 6, (60, 50, 50), "ink", 1.5)
    # body
    body = [(474, 366), (480, 262), (494, 244), (524, 242), (548, 256), (560, 300), (562, 366)]
    poly(ctx, body, vgrad(240, 366, shade(dress, 1.1), shade(dress, 0.85)))
    poly(ctx, [(486, 364), (492, 286), (532, 284), (546, 364)], apron, width=1.5)
    box(ctx, 500, 316, 26, 18, None, (170, 170, 170), 1.2, r=3)
    for x in range(480, 562, 14):
        oval(ctx, x + 4, 362, 3, 2, "white", None)
    # arms to the vacuum cleaner's wand
    poly(ctx, [(488, 252), (466, 296), (476, 304), (500, 266)], shade(dress, 0.95), width=1.6)
    poly(ctx, [(540, 254), (510, 300), (520, 308), (552, 270)], shade(dress, 0.95), width=1.6)
    oval(ctx, 468, 302, 7, 6, SKIN, "ink", 1.5)
    oval(ctx, 512, 306, 7, 6, SKIN, "ink", 1.5)
    # neck and head
    box(ctx, 498, 232, 18, 14, shade(SKIN, 0.92), width=1.5)
    face(ctx, 506, 214, 22, 25)
    # headscarf with a knot on the right
    ctx.move_to(482, 206)
    ctx.curve_to(480, 176, 532, 168, 530, 204)
    ctx.curve_to(522, 196, 498, 194, 482, 206)
    ctx.close_path()
    paint(ctx, vgrad(172, 206, (230, 80, 80), (190, 50, 60)), "ink", 1.8)
    for x, y in [(494, 186), (508, 182), (520, 190), (500, 196)]:
        oval(ctx, x, y, 2.2, 2.2, "white", None)
    poly(ctx, [(528, 202), (544, 196), (540, 210)], (200, 60, 66), width=1.5)
    poly(ctx, [(528, 206), (540, 218), (530, 220)], (200, 60, 66), width=1.5)
    oval(ctx, 527, 218, 4, 6, shade(SKIN, 0.95), "ink", 1.4)  # ear
    # brows, eyes, nose, mouth
    for bx in (495, 513):
        line(ctx, [(bx - 6, 201), (bx + 5, 200)], "ink", 2.2)
    state = {"open": "open", "half": "half", "closed": "closed"}[eyes]
    for ex in (495, 513):
        eye(ctx, ex, 208, 4.2, 4.8, state, (-0.6, 0.2))
    curve(ctx, (492, 210), (484, 220), (488, 224), (496, 222), "ink", 1.6)
    oval(ctx, 489, 224, 3.2, 2, (240, 160, 150), None)
    oval(ctx, 515, 222, 4, 2.5, (240, 160, 150), None)
    mouth_shape(ctx, 500, 231, mouth, 13)
    # a wart for character
    oval(ctx, 521, 228, 1.6, 1.6, shade(SKIN, 0.7), None)


def vacuum(ctx):
    """The ancient vacuum cleaner with its glowing exhaust and cable."""
    # cable from the canister along the floor to Corinna's door
    curve(ctx, (306, 372), (270, 384), (240, 360), (205, 338), (60, 60, 60), 2.5)
    # canister
    box(ctx, 304, 330, 112, 56, vgrad(330, 386, (200, 80, 60), (140, 50, 40)), r=24)
    box(ctx, 320, 320, 60, 14, (160, 60, 50), width=1.5, r=5)
    oval(ctx, 330, 388, 9, 9, (60, 60, 60), "ink", 1.5)
    oval(ctx, 392, 388, 9, 9, (60, 60, 60), "ink", 1.5)
    text(ctx, 360, 364, "SAUGMAX", 11, "yellow", True, "center")
    text(ctx, 360, 376, "1958", 9, (250, 220, 180), True, "center")
    # glowing exhaust at the back
    oval(ctx, 300, 350, 14, 14, rgrad(300, 350, 14, (255, 230, 120), (240, 90, 40)), None)
    box(ctx, 296, 342, 10, 16, (90, 90, 90), width=1.5, r=2)
    oval(ctx, 297, 350, 3.5, 5, (255, 200, 80), "ink", 1)
    # hose up to the wand, wand down to the nozzle
    curve(ctx, (414, 348), (450, 340), (440, 300), (468, 300), (70, 70, 76), 7)
    curve(ctx, (414, 348), (450, 340), (440, 300), (468, 300), (110, 110, 120), 4)
    line(ctx, [(470, 300), (448, 384)], (150, 156, 166), 5)
    line(ctx, [(470, 300), (448, 384)], "ink", 1)
    poly(ctx, [(426, 382), (462, 382), (466, 392), (422, 392)], (80, 80, 86), width=1.5)


# --- the archivist, room 104 ----------------------------------------------

def archivar_body(ctx):
    """Armchair and the archivist's body below the head (same in every pose)."""
    green = (70, 120, 90)
    box(ctx, 392, 200, 86, 136, vgrad(200, 336, shade(green, 1.1), shade(green, 0.8)), r=20)
    box(ctx, 384, 300, 100, 44, shade(green, 0.9), r=10)
    box(ctx, 386, 262, 18, 60, shade(green, 1.05), r=8)
    box(ctx, 462, 262, 18, 60, shade(green, 1.05), r=8)
    box(ctx, 394, 342, 8, 22, (90, 60, 40), width=1.5)
    box(ctx, 468, 342, 8, 22, (90, 60, 40), width=1.5)
    cardigan = (150, 110, 70)
    poly(ctx, [(402, 332), (404, 282), (416, 270), (440, 270), (454, 282), (458, 332)],
         vgrad(270, 332, shade(cardigan, 1.1), shade(cardigan, 0.9)))
    line(ctx, [(430, 274), (430, 330)], shade(cardigan, 0.7), 1.5)
    for y in (290, 304, 318):
        oval(ctx, 434, y, 2, 2, "yellow", "ink", 0.8)
    # legs forward to the left, shoes on the floor
    poly(ctx, [(402, 316), (376, 322), (372, 342), (410, 338)], (80, 80, 100), width=1.6)
    poly(ctx, [(372, 330), (366, 368), (382, 370), (388, 334)], (80, 80, 100), width=1.6)
    poly(ctx, [(398, 330), (394, 366), (408, 368), (414, 334)], (70, 70, 92), width=1.6)
    oval(ctx, 370, 372, 12, 5, (60, 40, 30), "ink", 1.5)
    oval(ctx, 398, 372, 12, 5, (60, 40, 30), "ink", 1.5)
    # hands folded on the belly
    oval(ctx, 420, 312, 8, 6, SKIN, "ink", 1.4)
    oval(ctx, 436, 314, 8, 6, SKIN, "ink", 1.4)


def archivar_head(ctx, awake=True, eyes="open", mouth=0, snore=4, wumm=False):
    """The archivist's head. Awake: eyes open, blink or droop. Asleep: head
    leaning back, eyes shut; snore 1..6 is one breath of a snore, from mouth
    shut (1) to wide open with big Zs (6)."""
    box(ctx, 418, 262, 20, 16, shade(SKIN, 0.92), width=1.4)
    ctx.save()
    if not awake:
        ctx.translate(428, 276)
        ctx.rotate(0.08 + 0.025 * snore)
        ctx.translate(-428, -276)
    face(ctx, 426, 240, 27, 30)
    # grey fringe and ears, bald top
    for sx in (-1, 1):
        oval(ctx, 426 + sx * 27, 246, 5, 8, shade(SKIN, 0.95), "ink", 1.4)
        ctx.move_to(426 + sx * 28, 226)
        ctx.curve_to(426 + sx * 36, 234, 426 + sx * 33, 250, 426 + sx * 26, 256)
        ctx.curve_to(426 + sx * 24, 244, 426 + sx * 22, 234, 426 + sx * 28, 226)
        paint(ctx, "hair_grey", "ink", 1.3)
    oval(ctx, 416, 218, 7, 3, shade(SKIN, 1.1), None)
    # brows
    for bx in (414, 438):
        line(ctx, [(bx - 7, 230), (bx + 6, 229)], (120, 120, 126), 3)
    # eyes behind round glasses
    if awake:
        state = {"open": "open", "blink": "closed", "droop": "half"}[eyes]
        for ex in (414, 438):
            eye(ctx, ex, 242, 4.5, 4.5, state, (-0.6, 0.3), lid=0.62 if eyes == "droop" else None)
    else:
        for ex in (414, 438):
            eye(ctx, ex, 243, 4.5, 4.5, "closed")
    for ex in (414, 438):
        oval(ctx, ex, 242, 9, 8.5, None, (60, 50, 40), 2)
    line(ctx, [(423, 242), (429, 242)], (60, 50, 40), 2)
    # nose, moustache, mouth
    oval(ctx, 424, 252, 5, 4.5, shade(SKIN, 0.92), "ink", 1.4)
    if awake:
        mouth_shape(ctx, 425, 264, mouth, 12)
    else:
        mouth_shape(ctx, 425, 264, {1: 0, 2: 0, 3: 1, 4: 3, 5: 2, 6: 2}[snore], 12)
    ctx.move_to(412, 260)
    ctx.curve_to(418, 255, 432, 255, 438, 260)
    ctx.curve_to(430, 262, 420, 262, 412, 260)
    paint(ctx, "hair_grey", "ink", 1.2)
    ctx.restore()
    if not awake and not wumm:
        for i in range((snore + 1) // 2):
            outlined_text(ctx, 396 - i * 14, 226 - i * 16, "Z", 10 + i * 3 + snore, (50, 70, 160))
    if wumm:
        sparkle(ctx, 376, 202, 25, "yellow")
        outlined_text(ctx, 378, 208, "WUMM!", 15, "red")


# --- the Big Boss, room -1 ------------------------------------------------

def bigboss(ctx):
    suit = (60, 64, 84)
    # chair back
    box(ctx, 92, 150, 100, 130, vgrad(150, 280, (120, 30, 40), (80, 20, 30)), r=18)
    # body
    poly(ctx, [(80, 280), (90, 236), (112, 222), (168, 222), (190, 236), (200, 280)],
         vgrad(222, 280, shade(suit, 1.15), suit))
    poly(ctx, [(128, 222), (140, 256), (152, 222)], "white", width=1.4)
    poly(ctx, [(137, 228), (143, 228), (146, 258), (140, 266), (134, 258)], "red", width=1.2)
    # head: bald, tired, big
    face(ctx, 140, 196, 33, 35)
    for sx in (-1, 1):
        oval(ctx, 140 + sx * 33, 200, 6, 10, shade(SKIN, 0.95), "ink", 1.5)
        ctx.move_to(140 + sx * 33, 180)
        ctx.curve_to(140 + sx * 42, 188, 140 + sx * 40, 206, 140 + sx * 31, 210)
        ctx.curve_to(140 + sx * 30, 196, 140 + sx * 28, 188, 140 + sx * 33, 180)
        paint(ctx, (90, 80, 76), "ink", 1.3)
    oval(ctx, 130, 172, 9, 4, shade(SKIN, 1.1), None)
    # sleepless eyes with dark rings
    for ex in (128, 152):
        oval(ctx, ex, 197, 10, 8, (190, 150, 160), None)
        eye(ctx, ex, 193, 6, 5.5, "open", (0.1, 0.3), lid=0.45)
        line(ctx, [(ex - 9, 181), (ex + 8, 184 if ex < 140 else 180)], "ink", 3)
    oval(ctx, 140, 205, 7, 6, shade(SKIN, 0.9), "ink", 1.5)
    curve(ctx, (126, 220), (134, 214), (146, 214), (154, 220), "ink", 2)
    for x in range(124, 158, 5):
        oval(ctx, x, 226 - abs(x - 140) * 0.1, 0.9, 0.9, (110, 100, 100), None)
    # hands on the desk
    oval(ctx, 100, 264, 12, 8, SKIN, "ink", 1.5)
    oval(ctx, 182, 264, 12, 8, SKIN, "ink", 1.5)


# --- Otto, the night watchman who lies in the rear corridor ---------------

def watchman(ctx):
    """Lying on his back in room 101, head to the left, bottle beside him."""
    ctx.save()
    ctx.translate(0, -6)
    uni = (70, 90, 120)
    # legs and shoes to the right
    poly(ctx, [(280, 352), (350, 348), (352, 366), (280, 372)], shade(uni, 0.9), width=1.6)
    poly(ctx, [(282, 370), (350, 368), (352, 384), (282, 388)], uni, width=1.6)
    for y in (350, 370):
        oval(ctx, 356, y + 8, 6, 12, (40, 34, 30), "ink", 1.5)
    # body
    box(ctx, 186, 344, 104, 44, vgrad(344, 388, shade(uni, 1.15), uni), r=16)
    line(ctx, [(200, 366), (284, 366)], (230, 200, 90), 3)
    box(ctx, 232, 350, 16, 10, "yellow", width=1, r=2)
    # arm stretched to the bottle
    poly(ctx, [(206, 386), (196, 394), (226, 396), (232, 388)], uni, width=1.5)
    oval(ctx, 190, 394, 7, 5, SKIN, "ink", 1.4)
    poly(ctx, [(146, 382), (166, 378), (172, 384), (172, 390), (166, 396), (146, 394)],
         (90, 150, 90), width=1.5)
    box(ctx, 136, 384, 11, 8, (90, 150, 90), width=1.2)
    # head and cap
    face(ctx, 168, 362, 20, 18)
    poly(ctx, [(150, 342), (186, 340), (190, 352), (146, 354)], shade(uni, 0.8), width=1.5)
    box(ctx, 140, 352, 52, 5, (30, 30, 40), width=1.2, r=2)
    for ex in (162, 176):
        eye(ctx, ex, 362, 3.5, 3.5, "closed")
    oval(ctx, 170, 370, 4, 3, (240, 140, 130), "ink", 1.2)
    oval(ctx, 182, 356, 4, 3, (240, 150, 150), None)
    ctx.restore()


def watchman_standing(ctx):
    """Otto awake in room 101, on his round: standing, facing left towards the
    archive door, his bottle in the hand that hangs down."""
    uni = (70, 90, 120)
    # legs and shoes
    box(ctx, 250, 318, 16, 68, shade(uni, 0.9), width=1.6)
    box(ctx, 272, 318, 16, 68, uni, width=1.6)
    oval(ctx, 252, 389, 14, 6, (40, 34, 30), "ink", 1.5)
    oval(ctx, 276, 389, 14, 6, (40, 34, 30), "ink", 1.5)
    # body with belt and badge
    box(ctx, 240, 238, 58, 88, vgrad(238, 326, shade(uni, 1.15), uni), r=14)
    line(ctx, [(242, 300), (296, 300)], (230, 200, 90), 3)
    box(ctx, 250, 250, 14, 10, "yellow", width=1, r=2)
    # the arm with the bottle, the other hand on his belly
    _limb(ctx, [(292, 250), (304, 286), (306, 312)], uni, 12)
    oval(ctx, 306, 316, 7, 6, SKIN, "ink", 1.4)
    poly(ctx, [(300, 318), (312, 318), (314, 346), (298, 346)], (90, 150, 90), width=1.5)
    box(ctx, 303, 308, 6, 10, (90, 150, 90), width=1.2)
    _limb(ctx, [(246, 252), (240, 280), (262, 290)], uni, 12)
    oval(ctx, 264, 290, 7, 6, SKIN, "ink", 1.4)
    # head and cap; a sleepy, friendly face turned to the left
    box(ctx, 262, 226, 14, 14, shade(SKIN, 0.92), width=1.5)
    face(ctx, 266, 212, 19, 18)
    poly(ctx, [(246, 200), (286, 196), (290, 206), (244, 208)], shade(uni, 0.8), width=1.5)
    box(ctx, 236, 204, 36, 5, (30, 30, 40), width=1.2, r=2)
    for ex in (258, 272):
        eye(ctx, ex, 212, 3.5, 3.5, "half", (-0.6, 0))
    oval(ctx, 252, 219, 4, 3, (240, 140, 130), "ink", 1.2)
    curve(ctx, (256, 226), (261, 229), (266, 229), (271, 226), "ink", 1.6)
    oval(ctx, 278, 218, 4, 3, (240, 150, 150), None)
