"""Professor Kroxl: body frames (124 x 179), faces (80 x 54) and eye patches.

The runner puts a body frame at (p, 214), then restores the top 54 rows from
the clean background and lays the face over them: at (p, 214) facing left,
at (p + 14, 214) facing right. Facing right is therefore the left-facing
drawing mirrored about x = 47 of the frame (x -> 94 - x), and the faces are
mirrored within their 80 columns. Every picture is cut from one drawing of
the whole man, so neck and collar meet without a seam.

The eyes are opaque patches laid over the face every tick: 25 x 16 at face
(25, 7) facing left, (30, 7) facing right. They are cut from the same drawing,
and nothing that changes with the mood may touch that rectangle.
"""
import math

import cairo

from figures_draw import (argb, color, crop, fill_stroke, flatten_keyed, linear, mirror, oval, pixels,
                          poly, same_pixels, thick_line)

FRAME_W, FRAME_H = 124, 179
FACE_W, FACE_H = 80, 54
EYE_X, EYE_Y, EYE_W, EYE_H = 25, 7, 25, 16
AXIS = 94  # left-facing x maps to AXIS - x facing right

SKIN = (250, 214, 178)
SKIN_SHADOW = (226, 184, 148)
HAIR = (214, 216, 222)
HAIR_DARK = (150, 152, 162)
COAT = (251, 251, 248)
COAT_SHADE = (208, 216, 228)
SHIRT = (186, 214, 242)
TIE = (196, 52, 48)
TROUSERS = (86, 82, 100)
TROUSERS_FAR = (66, 62, 80)
SHOE = (92, 56, 36)
SHOE_LIGHT = (140, 94, 62)
GLASS = (236, 246, 252)

HEAD_CX, HEAD_CY, HEAD_RX = 43.0, 25.5, 24.0
HEAD_TOP, HEAD_BOTTOM = 1.6, 49.0

# Faces: index -> mood (left 0..5; facing right adds 6).
MOODS = ["happy", "bad", "talk1", "talk2", "talk3", "sick"]


# ---------------------------------------------------------------- the head

def head_path(ctx, cx=HEAD_CX, cy=HEAD_CY, rx=HEAD_RX, top=HEAD_TOP, bottom=HEAD_BOTTOM):
    """A broad bald dome (squarish on top, so the glasses sit in wide skin)
    over a rounder chin."""
    pts = []
    for i in range(120):
        t = 2 * math.pi * i / 120
        c, s = math.cos(t), math.sin(t)
        upper = s < 0
        n = 3.4 if upper else 2.3
        ry = (cy - top) if upper else (bottom - cy)
        x = cx + rx * math.copysign(abs(c) ** (2 / n), c)
        y = cy + ry * math.copysign(abs(s) ** (2 / n), s)
        pts.append((x, y))
    poly(ctx, pts)


def hair_tufts(ctx, puffs):
    """Grey cotton-wool tufts: filled together, then outlined."""
    for cx, cy, r in puffs:
        oval(ctx, cx, cy, r, r * 0.9)
    color(ctx, HAIR_DARK)
    ctx.set_line_width(3.2)
    ctx.stroke_preserve()
    color(ctx, HAIR)
    ctx.fill()
    # Inner strands give the wool some texture.
    ctx.set_line_width(0.9)
    color(ctx, HAIR_DARK)
    for cx, cy, r in puffs:
        ctx.arc(cx - r * 0.2, cy + r * 0.1, r * 0.5, math.pi * 0.9, math.pi * 1.6)
        ctx.stroke()


def glasses(ctx, closed):
    """Eyebrows, lenses and eyes: everything inside the eye patch."""
    brow = HAIR_DARK
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    for x0, y0, x1, y1 in ((27.0, 10.2, 35.0, 8.6), (39.5, 8.6, 47.5, 10.0)):
        ctx.move_to(x0, y0)
        ctx.line_to(x1, y1)
        color(ctx, brow)
        ctx.set_line_width(2.3)
        ctx.stroke()
    for lx in (31.5, 43.5):
        oval(ctx, lx, 15.5, 5.0, 5.0)
        color(ctx, SKIN if closed else GLASS)
        ctx.fill()
        if closed:
            ctx.move_to(lx - 3.6, 15.2)
            ctx.curve_to(lx - 1.5, 17.8, lx + 1.5, 17.8, lx + 3.6, 15.2)
            color(ctx, "ink")
            ctx.set_line_width(1.3)
            ctx.stroke()
        else:
            oval(ctx, lx - 1.4, 16.0, 1.9, 2.2)
            color(ctx, "ink")
            ctx.fill()
            oval(ctx, lx - 2.0, 15.2, 0.6, 0.6)
            color(ctx, "white")
            ctx.fill()
        # lens shine and rim
        ctx.move_to(lx + 1.5, 12.0)
        ctx.line_to(lx + 3.2, 13.6)
        color(ctx, "white")
        ctx.set_line_width(1.0)
        ctx.stroke()
        oval(ctx, lx, 15.5, 5.0, 5.0)
        color(ctx, (60, 48, 52))
        ctx.set_line_width(1.3)
        ctx.stroke()
    ctx.move_to(36.5, 15.0)
    ctx.curve_to(37.2, 13.9, 37.8, 13.9, 38.5, 15.0)
    color(ctx, (60, 48, 52))
    ctx.set_line_width(1.2)
    ctx.stroke()


def mouth(ctx, mood):
    """The mouth and everything else that tells the mood, all below y 24."""
    mx, my = 29.0, 40.0
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    color(ctx, "ink")
    ctx.set_line_width(1.8)
    if mood == "happy":
        ctx.move_to(mx - 7, my - 2.5)
        ctx.curve_to(mx - 4, my + 4, mx + 4, my + 4, mx + 7, my - 2.5)
        ctx.stroke()
    elif mood == "bad":
        ctx.move_to(mx - 6, my + 1.8)
        ctx.curve_to(mx - 3, my - 1.0, mx + 3, my - 1.0, mx + 6, my + 1.8)
        ctx.stroke()
    elif mood == "sick":
        ctx.move_to(mx - 6, my + 1)
        for i in range(4):
            ctx.curve_to(mx - 5 + 3 * i, my - 1.5, mx - 4 + 3 * i, my + 2.5, mx - 3 + 3 * i, my + 1)
        ctx.stroke()
        # a thermometer in the corner of the mouth
        thick_line(ctx, [(mx - 4, my + 1), (mx - 17, my + 6)], 2.6, "white", "ink", 0.9)
        oval(ctx, mx - 17.5, my + 6.2, 2.0, 2.0)
        fill_stroke(ctx, "red", "ink", 0.9)
    else:
        rx, ry = {"talk1": (3.6, 2.2), "talk2": (5.2, 3.8), "talk3": (3.0, 3.6)}[mood]
        oval(ctx, mx, my + 0.5, rx, ry)
        fill_stroke(ctx, (120, 32, 42), "ink", 1.6)
        if mood == "talk2":
            oval(ctx, mx + 0.5, my + 2.6, 2.8, 1.3)
            color(ctx, (226, 110, 120))
            ctx.fill()


def cheeks(ctx, mood):
    if mood == "sick":
        ctx.save()
        head_path(ctx)
        ctx.clip()
        ctx.rectangle(0, 25, 80, 30)
        ctx.set_source(linear(0, 25, 0, 36, [(0, (120, 190, 90), 0.0), (1, (120, 190, 90), 0.35)]))
        ctx.fill()
        ctx.restore()
        # a drop of sweat on the back of the head
        ctx.move_to(55, 8)
        ctx.curve_to(58.5, 13, 58.5, 16, 55, 16.2)
        ctx.curve_to(51.5, 16, 51.5, 13, 55, 8)
        fill_stroke(ctx, (150, 210, 250), (60, 110, 170), 1.0)
    else:
        oval(ctx, 38, 33, 4.5, 2.6)
        color(ctx, (244, 150, 140), 0.45 if mood == "happy" else 0.25)
        ctx.fill()


def head_side(ctx, mood, closed):
    """The head seen three-quarters from the left: nose to the left, the
    tufts of grey hair at the back."""
    # neck, under the chin and behind the collar
    ctx.rectangle(36, 42, 15, 16)
    fill_stroke(ctx, SKIN_SHADOW, "ink", 1.6)
    hair_tufts(ctx, [(66, 14, 6.5), (71, 22, 6.5), (70, 31, 6.0), (64, 38, 5.5), (58, 6, 5.0),
                     (73, 13, 4.5)])
    head_path(ctx)
    ctx.set_source(linear(20, 0, 68, 0, [(0, SKIN), (0.6, SKIN), (1, SKIN_SHADOW)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.0)
    ctx.stroke()
    # shine on the bald dome
    ctx.move_to(46, 5)
    ctx.curve_to(52, 4, 56, 6, 58, 9)
    color(ctx, "white", 0.8)
    ctx.set_line_width(1.6)
    ctx.stroke()
    cheeks(ctx, mood)
    # tufts in front of the outline at the back, then the ear
    hair_tufts(ctx, [(64, 20, 5.0), (63, 32, 4.6)])
    oval(ctx, 59, 26, 4.2, 6.0)
    fill_stroke(ctx, SKIN, "ink", 1.6)
    ctx.arc(59.5, 26, 2.0, -1.2, 1.2)
    color(ctx, SKIN_SHADOW)
    ctx.set_line_width(1.2)
    ctx.stroke()
    # temple of the glasses towards the ear
    ctx.move_to(48.4, 14.2)
    ctx.line_to(57.5, 22.5)
    color(ctx, (60, 48, 52))
    ctx.set_line_width(1.3)
    ctx.stroke()
    # the nose: a round cartoon bulb pointing left
    oval(ctx, 19.5, 28.5, 6.8, 5.6)
    ctx.set_source(linear(12, 24, 26, 34, [(0, SKIN), (1, SKIN_SHADOW)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(1.8)
    ctx.stroke()
    oval(ctx, 17.5, 26.8, 1.6, 1.1)
    color(ctx, "white", 0.7)
    ctx.fill()
    mouth(ctx, mood)
    glasses(ctx, closed)


def head_back(ctx):
    """The head from behind: bald crown, a wreath of grey hair, both ears."""
    cx = AXIS / 2
    ctx.rectangle(cx - 8, 42, 16, 16)
    fill_stroke(ctx, SKIN_SHADOW, "ink", 1.6)
    for ex in (cx - 23, cx + 23):
        oval(ctx, ex, 27, 4.0, 6.0)
        fill_stroke(ctx, SKIN, "ink", 1.6)
    head_path(ctx, cx=cx, rx=22.5)
    ctx.set_source(linear(0, 0, 0, 48, [(0, SKIN), (1, SKIN_SHADOW)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.0)
    ctx.stroke()
    ctx.move_to(cx - 9, 6)
    ctx.curve_to(cx - 4, 3.5, cx + 4, 3.5, cx + 8, 6)
    color(ctx, "white", 0.8)
    ctx.set_line_width(1.6)
    ctx.stroke()
    # the back of the head under the bald crown is covered in grey wool
    ctx.save()
    head_path(ctx, cx=cx, rx=22.5)
    ctx.clip()
    ctx.move_to(cx - 30, 60)
    ctx.line_to(cx - 30, 20)
    for i in range(7):
        x0 = cx - 24 + i * 8
        ctx.curve_to(x0 + 1, 14 + (i % 2) * 2, x0 + 7, 14 + (i % 2) * 2, x0 + 8, 19 + (i % 2))
    ctx.line_to(cx + 30, 60)
    ctx.close_path()
    color(ctx, HAIR)
    ctx.fill_preserve()
    color(ctx, HAIR_DARK)
    ctx.set_line_width(1.6)
    ctx.stroke()
    color(ctx, HAIR_DARK)
    ctx.set_line_width(0.9)
    for i in range(6):
        x0 = cx - 17 + i * 7
        ctx.move_to(x0, 26 + (i % 2) * 3)
        ctx.curve_to(x0 + 2, 32, x0 - 1, 38, x0 + 1, 44)
        ctx.stroke()
    ctx.restore()
    head_path(ctx, cx=cx, rx=22.5)
    color(ctx, "ink")
    ctx.set_line_width(2.0)
    ctx.stroke()
    hair_tufts(ctx, [(cx - 24, 18, 5.5), (cx + 24, 18, 5.5), (cx - 25, 31, 5.0), (cx + 25, 31, 5.0)])


# ---------------------------------------------------------------- the body

# Walk poses: near/far ankle x and lift, near-arm swing (+ = backwards).
POSES = {
    "strideA": dict(near=(30, 0), far=(60, 0), swing=1.0),
    "pass1": dict(near=(45, 0), far=(41, 5), swing=0.0),
    "strideB": dict(near=(60, 0), far=(30, 0), swing=-1.0),
    "stand": dict(near=(48, 0), far=(39, 0), swing=0.0),
}
ANKLE_Y = 167.0
HIP_Y = 124.0


def leg(ctx, hip_x, ankle, trousers):
    ax, lift = ankle
    ay = ANKLE_Y - lift
    # the knee bends forwards (to the left) when the foot is behind the hip
    kx = (hip_x + ax) / 2 - (3 + lift) if ax >= hip_x - 4 else (hip_x + ax) / 2
    ky = (HIP_Y + ay) / 2
    thick_line(ctx, [(hip_x, HIP_Y), (kx, ky), (ax, ay - 2)], 10.5, trousers, "ink", 1.8)
    # shoe, toe to the left
    ctx.move_to(ax + 6, ay - 3)
    ctx.curve_to(ax + 7, ay + 4, ax + 6, ay + 10, ax + 2, ay + 10)
    ctx.line_to(ax - 9, ay + 10)
    ctx.curve_to(ax - 14, ay + 10, ax - 15, ay + 3, ax - 9, ay + 1)
    ctx.curve_to(ax - 5, ay, ax - 3, ay - 3, ax - 2, ay - 4)
    ctx.close_path()
    ctx.set_source(linear(0, ay - 4, 0, ay + 10, [(0, SHOE_LIGHT), (1, SHOE)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(1.8)
    ctx.stroke()
    ctx.move_to(ax - 12, ay + 8.5)
    ctx.line_to(ax + 5, ay + 8.5)
    color(ctx, (50, 34, 26))
    ctx.set_line_width(1.4)
    ctx.stroke()


def arm(ctx, shoulder, swing, sleeve, far=False):
    sx, sy = shoulder
    hx = sx + 11 * swing + (3 if not far else 0)
    hy = sy + 46 - 3 * abs(swing)
    ex = sx + 5 * swing + 2
    ey = sy + 24
    thick_line(ctx, [(sx, sy), (ex, ey), (hx, hy - 5)], 10.5, sleeve, "ink", 1.8)
    # cuff and hand
    oval(ctx, hx, hy, 4.6, 4.6)
    fill_stroke(ctx, SKIN_SHADOW if far else SKIN, "ink", 1.6)


def coat_path(ctx):
    poly(ctx, [(35, 51), (26, 56), (22, 64), (20, 100), (18, 131), (28, 134), (44, 135), (60, 134),
               (70, 131), (68, 100), (66, 64), (62, 56), (53, 51)])


def body_side(ctx, pose):
    p = POSES[pose]
    arm(ctx, (52, 62), -p["swing"], COAT_SHADE, far=True)
    leg(ctx, 43, p["far"], TROUSERS_FAR)
    leg(ctx, 45, p["near"], TROUSERS)
    coat_path(ctx)
    ctx.set_source(linear(18, 0, 70, 0, [(0, COAT), (0.55, COAT), (1, COAT_SHADE)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.0)
    ctx.stroke()
    # shirt and tie in the V of the coat
    poly(ctx, [(33, 52), (54, 52), (41, 82)])
    fill_stroke(ctx, SHIRT, "ink", 1.4)
    poly(ctx, [(39.5, 55), (44.5, 55), (43.5, 59), (44.5, 74), (41.5, 79), (39.5, 74), (40.5, 59)])
    fill_stroke(ctx, TIE, "ink", 1.2)
    # lapels and the front edge with its buttons
    color(ctx, "ink")
    ctx.set_line_width(1.4)
    for pts in ([(33, 52), (30, 60), (36, 64), (41, 82)], [(54, 52), (57, 60), (51, 64), (41, 82)]):
        poly(ctx, pts, close=False)
        ctx.stroke()
    ctx.move_to(41, 82)
    ctx.curve_to(40, 100, 39, 118, 38, 134)
    ctx.stroke()
    for by in (92, 106, 120):
        oval(ctx, 44, by, 1.7, 1.7)
        fill_stroke(ctx, (200, 204, 214), "ink", 1.0)
    # breast pocket with pens, the scatterbrain's arsenal
    for i, pen in enumerate(((60, 90, 200), "red", "green")):
        ctx.rectangle(54 + i * 2.6, 64 - (i % 2) * 2, 2.2, 8)
        fill_stroke(ctx, pen, "ink", 0.8)
    ctx.rectangle(52, 69, 10, 8)
    fill_stroke(ctx, COAT, "ink", 1.2)
    # side pocket
    ctx.move_to(22, 108)
    ctx.line_to(33, 108)
    color(ctx, (150, 156, 170))
    ctx.set_line_width(1.4)
    ctx.stroke()
    arm(ctx, (36, 62), p["swing"], COAT)


def body_back(ctx):
    cx = AXIS / 2
    for side in (-1, 1):
        leg(ctx, cx + 5 * side, (cx + 7 * side + 4, 0), TROUSERS)
    poly(ctx, [(cx - 9, 51), (cx - 19, 56), (cx - 24, 64), (cx - 26, 100), (cx - 28, 131),
               (cx, 135), (cx + 28, 131), (cx + 26, 100), (cx + 24, 64), (cx + 19, 56), (cx + 9, 51)])
    ctx.set_source(linear(cx - 28, 0, cx + 28, 0, [(0, COAT_SHADE), (0.35, COAT), (0.65, COAT),
                                                    (1, COAT_SHADE)]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.0)
    ctx.stroke()
    color(ctx, (150, 156, 170))
    ctx.set_line_width(1.4)
    ctx.move_to(cx, 60)
    ctx.line_to(cx, 133)
    ctx.stroke()
    ctx.rectangle(cx - 14, 98, 28, 5)
    fill_stroke(ctx, COAT, "ink", 1.3)
    for side in (-1, 1):
        oval(ctx, cx + 10 * side, 100.5, 1.5, 1.5)
        fill_stroke(ctx, (200, 204, 214), "ink", 0.8)
    # collar
    poly(ctx, [(cx - 11, 50), (cx + 11, 50), (cx + 13, 57), (cx - 13, 57)])
    fill_stroke(ctx, COAT, "ink", 1.5)
    for side in (-1, 1):
        shoulder = (cx + 20 * side, 62)
        sx, sy = shoulder
        thick_line(ctx, [(sx, sy), (sx + 4 * side, sy + 24), (sx + 5 * side, sy + 41)], 10.5,
                   COAT_SHADE, "ink", 1.8)
        oval(ctx, sx + 5 * side, sy + 46, 4.6, 4.6)
        fill_stroke(ctx, SKIN_SHADOW, "ink", 1.6)


# ---------------------------------------------------------------- pictures

def portrait(ctx, pose="stand", mood="happy"):
    """The whole man facing left, in frame coordinates of any context: the
    title pictures show him large."""
    body_side(ctx, pose)
    head_side(ctx, mood, False)


def draw_side(pose, mood="bad", closed=False):
    """The whole man facing left, as a keyed opaque 124 x 179 picture."""
    surface, ctx = argb(FRAME_W, FRAME_H)
    body_side(ctx, pose)
    head_side(ctx, mood, closed)
    return flatten_keyed(surface)


def draw_back():
    surface, ctx = argb(FRAME_W, FRAME_H)
    body_back(ctx)
    head_back(ctx)
    return flatten_keyed(surface)


def shifted_right(left_frame):
    """Facing right: the left-facing frame mirrored about x = 47."""
    flipped = mirror(left_frame)  # x -> 123 - x
    out = cairo.ImageSurface(cairo.FORMAT_RGB24, FRAME_W, FRAME_H)
    ctx = cairo.Context(out)
    ctx.set_source_rgb(1, 0, 1)
    ctx.paint()
    ctx.set_source_surface(flipped, AXIS - FRAME_W, 0)  # 123 - x - 30 = 93 - x
    ctx.paint()
    return out


def body_frames():
    """Frames 0..10: walking right 0..3 (3 standing), 4 unused, walking left
    5..8 (8 standing), 9 unused, 10 from behind."""
    left = [draw_side(pose) for pose in ("strideA", "pass1", "strideB", "stand")]
    right = [shifted_right(f) for f in left]
    return right + [right[3]] + left + [left[3]] + [draw_back()]


def face_from(whole):
    return crop(whole, 0, 0, FACE_W, FACE_H)


def faces():
    """Faces 0..11: left happy, bad/talk 0, talk 1..3, sick; then the same facing right."""
    left = [face_from(draw_side("stand", mood)) for mood in MOODS]
    return left + [mirror(f) for f in left]


def eye_patches():
    """(open, close) facing left and (open2, close2) facing right."""
    open_ = crop(draw_side("stand", "happy"), EYE_X, EYE_Y, EYE_W, EYE_H)
    closed = crop(draw_side("stand", "happy", closed=True), EYE_X, EYE_Y, EYE_W, EYE_H)
    return open_, closed, mirror(open_), mirror(closed)


def check(face_list, eyes):
    """The eye patches are drawn opaque: each must fit every face seamlessly."""
    open_, closed, open2, closed2 = eyes
    for i, face in enumerate(face_list):
        ex = EYE_X if i < 6 else FACE_W - EYE_X - EYE_W
        patch = open_ if i < 6 else open2
        if not same_pixels(face, ex, EYE_Y, patch, 0, 0, EYE_W, EYE_H):
            raise AssertionError(f"face {i}: the open eyes do not match the face")
        shut = closed if i < 6 else closed2
        border = [(x, y) for x in range(EYE_W) for y in range(EYE_H)
                  if x in (0, EYE_W - 1) or y in (0, EYE_H - 1)]
        fp, sp = face_pixels(face), face_pixels(shut)
        for x, y in border:
            if fp[EYE_Y + y][ex + x] != sp[y][x]:
                raise AssertionError(f"face {i}: the closed eyes' border differs at {x},{y}")


def face_pixels(surface):
    return pixels(surface)
