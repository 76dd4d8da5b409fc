"""Faces and limbs of the people of the ground floor and the grounds: eyes that
look, blink and laugh, mouths that talk in four frames and in several moods."""
import math

from common import rgb
from lower_draw import finish, oval, shade


def eye(ctx, x, y, rx, ry, state="open", look=(0, 0), skin="skin"):
    """One eye: 'open', 'half', 'closed', 'happy' (a laughing arc), 'squeeze'
    (pinched shut) or 'wide'; look shifts the pupil (-1..1 in x and y)."""
    if state == "closed":
        ctx.move_to(x - rx, y)
        ctx.curve_to(x - rx * 0.5, y + ry * 0.6, x + rx * 0.5, y + ry * 0.6, x + rx, y)
        finish(ctx, None, "ink", 2)
        return
    if state == "happy":
        ctx.move_to(x - rx, y + ry * 0.3)
        ctx.curve_to(x - rx * 0.5, y - ry * 0.7, x + rx * 0.5, y - ry * 0.7, x + rx, y + ry * 0.3)
        finish(ctx, None, "ink", 2.2)
        return
    if state == "squeeze":
        side = 1 if look[0] >= 0 else -1
        ctx.move_to(x - rx * side, y - ry * 0.6)
        ctx.line_to(x + rx * side, y)
        ctx.line_to(x - rx * side, y + ry * 0.6)
        finish(ctx, None, "ink", 2.2)
        return
    if state == "wide":
        rx, ry = rx * 1.15, ry * 1.15
    oval(ctx, x, y, rx, ry, "white", "ink", 1.6)
    px, py = x + look[0] * rx * 0.45, y + look[1] * ry * 0.42
    oval(ctx, px, py, rx * 0.5, ry * 0.55, (50, 40, 44), None)
    oval(ctx, px - rx * 0.15, py - ry * 0.2, rx * 0.16, rx * 0.16, "white", None)
    if state == "half":
        ctx.save()
        ctx.translate(x, y)
        ctx.scale(rx, ry)
        ctx.arc(0, 0, 1.02, math.pi, 2 * math.pi)
        ctx.close_path()
        ctx.restore()
        finish(ctx, shade(skin, 0.92), None)
        ctx.move_to(x - rx, y)
        ctx.line_to(x + rx, y)
        finish(ctx, None, "ink", 1.8)


def eyes(ctx, cx, cy, spacing, rx, ry, state="open", look=(0, 0), skin="skin"):
    """Two eyes; pinched ones point at each other (> <)."""
    eye(ctx, cx - spacing / 2, cy, rx, ry, state, (1, 0) if state == "squeeze" else look, skin)
    eye(ctx, cx + spacing / 2, cy, rx, ry, state, (-1, 0) if state == "squeeze" else look, skin)


def brow(ctx, x, y, w, tilt=0, width=3, color="ink"):
    """An eyebrow centred on (x, y); tilt > 0 raises its outer end."""
    ctx.move_to(x - w / 2, y + tilt)
    ctx.curve_to(x - w / 4, y - 3, x + w / 4, y - 3, x + w / 2, y - tilt)
    finish(ctx, None, color, width)


def mouth(ctx, cx, cy, frame, w=16, mood="neutral"):
    """Talking mouth frames 0..3 (closed, small, wide, round) in a mood:
    'neutral', 'grumpy', 'happy', 'grin', 'laugh', 'sour'."""
    lips = (150, 40, 50)
    inside = (110, 26, 36)
    if mood == "grin":
        h = (4, 7, 10, 8)[frame]
        ctx.move_to(cx - w * 0.75, cy - 2)
        ctx.curve_to(cx - w * 0.4, cy + h + 2, cx + w * 0.4, cy + h + 2, cx + w * 0.75, cy - 2)
        ctx.curve_to(cx + w * 0.3, cy + 1, cx - w * 0.3, cy + 1, cx - w * 0.75, cy - 2)
        finish(ctx, "white", "ink", 1.8)
        ctx.move_to(cx - w * 0.6, cy + h * 0.45)
        ctx.line_to(cx + w * 0.6, cy + h * 0.45)
        finish(ctx, None, (120, 110, 110), 1)
        return
    if frame == 0:
        if mood in ("grumpy", "sour"):
            ctx.move_to(cx - w / 2, cy + 3)
            ctx.curve_to(cx - w / 4, cy - 3, cx + w / 4, cy - 3, cx + w / 2, cy + 3)
        elif mood in ("happy", "laugh"):
            ctx.move_to(cx - w * 0.6, cy - 2)
            ctx.curve_to(cx - w / 4, cy + 6, cx + w / 4, cy + 6, cx + w * 0.6, cy - 2)
        else:
            ctx.move_to(cx - w / 2, cy)
            ctx.curve_to(cx - w / 4, cy + 3, cx + w / 4, cy + 3, cx + w / 2, cy)
        finish(ctx, None, "ink", 2.2)
        return
    if mood in ("happy", "laugh"):
        h = {1: 5, 2: 9, 3: 7}[frame] * (1.3 if mood == "laugh" else 1)
        ww = w * (0.55 if frame != 3 else 0.42) * (1.2 if mood == "laugh" else 1)
        ctx.move_to(cx - ww, cy - 2)
        ctx.line_to(cx + ww, cy - 2)
        ctx.curve_to(cx + ww, cy + h, cx - ww, cy + h, cx - ww, cy - 2)
        finish(ctx, inside, "ink", 1.8)
        oval(ctx, cx, cy + h * 0.45, ww * 0.5, h * 0.25, (220, 100, 110), None)
        return
    heights = {1: 3, 2: 6.5, 3: 5}
    widths = {1: w * 0.45, 2: w * 0.42, 3: w * 0.26}
    oval(ctx, cx, cy + 1, widths[frame], heights[frame], inside, "ink", 1.6)
    if frame == 2:
        oval(ctx, cx, cy + 1 + heights[2] * 0.5, widths[2] * 0.5, heights[2] * 0.3, (220, 100, 110), None)
    if mood in ("grumpy", "sour"):
        for side in (-1, 1):
            ctx.move_to(cx + side * widths[frame], cy + 1)
            ctx.line_to(cx + side * (widths[frame] + 3), cy + 4)
            finish(ctx, None, "ink", 1.5)
    _ = lips


def nose(ctx, x, y, rx=6, ry=5, skin="skin"):
    oval(ctx, x, y, rx, ry, shade(skin, 0.93), "ink", 1.6)
    oval(ctx, x - rx * 0.3, y - ry * 0.3, rx * 0.3, ry * 0.25, shade(skin, 1.25), None)


def cheeks(ctx, cx, cy, spacing, r=6, color=(240, 140, 130), alpha=0.55):
    for dx in (-spacing / 2, spacing / 2):
        ctx.save()
        ctx.translate(cx + dx, cy)
        ctx.scale(r, r * 0.7)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        c = rgb(color)
        ctx.set_source_rgba(c[0], c[1], c[2], alpha)
        ctx.fill()


def limb(ctx, pts, width, color, outline="ink"):
    """A sleeve, leg or arm: a thick stroke with an ink rim along the points."""
    for w, c in ((width + 4, outline), (width, color)):
        ctx.move_to(*pts[0])
        if len(pts) == 3:
            ctx.curve_to(*pts[1], *pts[1], *pts[2])
        else:
            for p in pts[1:]:
                ctx.line_to(*p)
        ctx.set_source_rgb(*rgb(c))
        ctx.set_line_width(w)
        ctx.set_line_cap(1)
        ctx.set_line_join(1)
        ctx.stroke()


def hand(ctx, x, y, r=7, skin="skin", angle=0):
    oval(ctx, x, y, r, r * 0.85, skin, "ink", 1.6, angle)


def sweat(ctx, x, y, s=1.0):
    ctx.move_to(x, y - 6 * s)
    ctx.curve_to(x + 4 * s, y, x + 4 * s, y + 4 * s, x, y + 4 * s)
    ctx.curve_to(x - 4 * s, y + 4 * s, x - 4 * s, y, x, y - 6 * s)
    finish(ctx, (170, 220, 250), "ink", 1.2)
