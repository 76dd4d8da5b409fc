"""Drawing helpers for the upper floor's rooms: walls, floors, doors, signs and
furniture in the demo game's look (ink outlines, flat colours, soft
gradients). Colours are palette names of common.py or (r, g, b) tuples."""
import math

import cairo

from common import rgb


def mix(a, b, t):
    """A colour between a and b (t = 0 gives a, 1 gives b)."""
    a, b = rgb(a), rgb(b)
    return tuple(int(round(255 * (a[i] + (b[i] - a[i]) * t))) for i in range(3))


def shade(c, f):
    """Darker (f < 1) or lighter (f > 1) version of a colour."""
    if f <= 1:
        return mix(c, (0, 0, 0), 1 - f)
    return mix(c, (255, 255, 255), f - 1)


def vgrad(y0, y1, *colors):
    g = cairo.LinearGradient(0, y0, 0, y1)
    for i, c in enumerate(colors):
        g.add_color_stop_rgb(i / max(1, len(colors) - 1), *rgb(c))
    return g


def hgrad(x0, x1, *colors):
    g = cairo.LinearGradient(x0, 0, x1, 0)
    for i, c in enumerate(colors):
        g.add_color_stop_rgb(i / max(1, len(colors) - 1), *rgb(c))
    return g


def rgrad(cx, cy, r, inner, outer):
    g = cairo.RadialGradient(cx, cy, 0, cx, cy, r)
    g.add_color_stop_rgb(0, *rgb(inner))
    g.add_color_stop_rgb(1, *rgb(outer))
    return g


def paint(ctx, fill, outline="ink", width=2):
    """Fills the current path (colour or cairo pattern) and outlines it."""
    if fill is not None:
        if isinstance(fill, cairo.Pattern):
            ctx.set_source(fill)
        else:
            ctx.set_source_rgb(*rgb(fill))
        if outline:
            ctx.fill_preserve()
        else:
            ctx.fill()
    if outline:
        ctx.set_source_rgb(*rgb(outline))
        ctx.set_line_width(width)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()


def rrect_path(ctx, x, y, w, h, r=0):
    if r <= 0:
        ctx.rectangle(x, y, w, h)
        return
    r = min(r, w / 2, h / 2)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    ctx.close_path()


def box(ctx, x, y, w, h, fill, outline="ink", width=2, r=0):
    rrect_path(ctx, x, y, w, h, r)
    paint(ctx, fill, outline, width)


def poly(ctx, pts, fill, outline="ink", width=2, close=True):
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    if close:
        ctx.close_path()
    paint(ctx, fill, outline, width)


def oval(ctx, cx, cy, rx, ry, fill, outline="ink", width=2, angle=0.0):
    ctx.new_path()
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(angle)
    ctx.scale(rx, ry)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    paint(ctx, fill, outline, width)


def line(ctx, pts, color="ink", width=2):
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    paint(ctx, None, color, width)


def curve(ctx, p0, c1, c2, p1, color="ink", width=2):
    ctx.move_to(*p0)
    ctx.curve_to(*c1, *c2, *p1)
    paint(ctx, None, color, width)


def text(ctx, x, y, s, size=12, color="ink", bold=False, align="left", font="Comic Neue"):
    """Text with its baseline at y; align "left", "center" or "right" on x."""
    ctx.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(s)
    if align == "center":
        x -= ext.x_advance / 2
    elif align == "right":
        x -= ext.x_advance
    ctx.set_source_rgb(*rgb(color))
    ctx.move_to(x, y)
    ctx.show_text(s)
    ctx.new_path()
    return ext.x_advance


def outlined_text(ctx, x, y, s, size, color, halo="white", bold=True, align="center",
                  font="Comic Neue"):
    """Comic lettering: coloured text with a light halo, readable on anything."""
    ctx.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ext = ctx.text_extents(s)
    if align == "center":
        x -= ext.x_advance / 2
    ctx.new_path()
    ctx.move_to(x, y)
    ctx.text_path(s)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_source_rgb(*rgb(halo))
    ctx.set_line_width(max(2.0, size / 5))
    ctx.stroke_preserve()
    ctx.set_source_rgb(*rgb(color))
    ctx.fill()


def text_width(ctx, s, size=12, bold=False, font="Comic Neue"):
    ctx.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    return ctx.text_extents(s).x_advance


# --- room parts -----------------------------------------------------------

def back_wall(ctx, x0, y0, x1, y1, color, dark=0.86):
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    paint(ctx, vgrad(y0, y1, shade(color, 1.04), shade(color, dark)), None)


def wallpaper_stripes(ctx, x0, y0, x1, y1, color, step=22, width=9):
    """Vertical stripes over a wall (a loud pattern for Corinna's office)."""
    ctx.save()
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    ctx.clip()
    ctx.set_source_rgb(*rgb(color))
    for x in range(int(x0), int(x1) + step, step):
        ctx.rectangle(x, y0, width, y1 - y0)
    ctx.fill()
    for x in range(int(x0) + step // 2, int(x1) + step, step):
        for y in range(int(y0) + 10, int(y1), 26):
            ctx.arc(x + width / 2 - 11 + 11, y, 3, 0, 2 * math.pi)
            ctx.fill()
    ctx.restore()


def floor(ctx, y0, y1, color, vp_x=320, lines=14, kind="boards", x0=0, x1=640):
    """Floor from y0 down to y1 with perspective seams running to vp_x."""
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    paint(ctx, vgrad(y0, y1, shade(color, 0.82), shade(color, 1.06)), None)
    ctx.save()
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    ctx.clip()
    ctx.set_source_rgb(*rgb(shade(color, 0.72)))
    ctx.set_line_width(1.2)
    vp_y = y0 - 260
    for i in range(-lines, lines + 1):
        bx = vp_x + i * 90
        # line from the vanishing point through (bx, y1)
        tx = vp_x + (bx - vp_x) * (y0 - vp_y) / (y1 - vp_y)
        ctx.move_to(tx, y0)
        ctx.line_to(bx, y1)
    ctx.stroke()
    if kind == "tiles":
        y = y0
        step = 8
        while y < y1:
            ctx.move_to(x0, y)
            ctx.line_to(x1, y)
            y += step
            step *= 1.35
        ctx.stroke()
    ctx.restore()


def skirting(ctx, y, x0=0, x1=640, color="door_frame", h=8):
    ctx.rectangle(x0, y - h, x1 - x0, h)
    paint(ctx, color, None)
    line(ctx, [(x0, y), (x1, y)], "ink", 2.5)
    line(ctx, [(x0, y - h), (x1, y - h)], shade(color, 0.7), 1)


def door(ctx, x, y, w, h, color="door", frame="door_frame", handle_left=False,
         glass=False, panels=True):
    """A closed door standing on y + h, with frame, panels and a handle."""
    box(ctx, x, y, w, h + 1, frame)
    dx, dy = 8, 8
    leaf = vgrad(y, y + h, shade(color, 1.1), shade(color, 0.9))
    box(ctx, x + dx, y + dy, w - 2 * dx, h - dy + 1, leaf)
    inner_w = w - 2 * dx
    if glass:
        box(ctx, x + dx + 12, y + dy + 12, inner_w - 24, (h - dy) * 0.35,
            vgrad(y, y + h * 0.4, shade("glass", 1.1), "glass"), width=1.5, r=3)
    elif panels:
        box(ctx, x + dx + 12, y + dy + 12, inner_w - 24, (h - dy) * 0.36, None,
            shade(color, 0.7), 1.5, r=3)
    if panels:
        box(ctx, x + dx + 12, y + dy + (h - dy) * 0.55, inner_w - 24, (h - dy) * 0.36,
            None, shade(color, 0.7), 1.5, r=3)
    hx = x + dx + 10 if handle_left else x + w - dx - 16
    hy = y + dy + (h - dy) * 0.5
    box(ctx, hx - 2, hy - 10, 8, 24, "metal", width=1.2, r=3)
    box(ctx, hx - 2 if handle_left else hx - 10, hy - 2, 16, 6, "yellow", width=1.2, r=3)


def plate(ctx, cx, y, s, size=12, fill="paper", color="ink", pad=6, bold=True, h=None):
    """A name plate or sign centred on cx, top at y."""
    w = text_width(ctx, s, size, bold) + 2 * pad
    h = h or size + 8
    box(ctx, cx - w / 2, y, w, h, fill, width=1.5, r=3)
    text(ctx, cx, y + h / 2 + size * 0.36, s, size, color, bold, "center")
    return w


def arrow(ctx, x, y, direction, size=18, fill="yellow"):
    """A fat arrow pointing left (-1) or right (1), its tip at x."""
    d = direction
    pts = [(x, y), (x - d * size, y - size * 0.7), (x - d * size, y - size * 0.3),
           (x - d * size * 2, y - size * 0.3), (x - d * size * 2, y + size * 0.3),
           (x - d * size, y + size * 0.3), (x - d * size, y + size * 0.7)]
    poly(ctx, pts, fill, width=1.8)


def plant(ctx, x, y, s=1.0):
    """A potted plant standing on (x, y)."""
    for i, (a, l) in enumerate([(-1.1, 60), (-0.6, 78), (-0.15, 88), (0.3, 80),
                                (0.8, 70), (1.2, 52), (-0.35, 66), (0.55, 60)]):
        tip = (x + math.sin(a) * l * s, y - 40 * s - math.cos(a) * l * s)
        ctx.move_to(x, y - 38 * s)
        ctx.curve_to(x + math.sin(a) * l * s * 0.2 - 8 * s, tip[1] + 30 * s,
                     tip[0] - 10 * s, tip[1] + 8 * s, tip[0], tip[1])
        ctx.curve_to(tip[0] + 10 * s, tip[1] + 14 * s, x + 10 * s, y - 50 * s, x, y - 38 * s)
        paint(ctx, shade("green", 0.9 + 0.08 * (i % 3)), width=1.5)
    poly(ctx, [(x - 20 * s, y - 42 * s), (x + 20 * s, y - 42 * s), (x + 15 * s, y),
               (x - 15 * s, y)], vgrad(y - 42 * s, y, (200, 110, 70), (160, 80, 50)))


def window(ctx, x, y, w, h, night_sky=False):
    box(ctx, x - 6, y - 6, w + 12, h + 12, "white", width=2)
    if night_sky:
        sky = vgrad(y, y + h, (16, 20, 60), (50, 50, 110))
    else:
        sky = vgrad(y, y + h, (120, 180, 236), (200, 230, 250))
    box(ctx, x, y, w, h, sky, width=1.5)
    ctx.save()
    ctx.rectangle(x, y, w, h)
    ctx.clip()
    if night_sky:
        oval(ctx, x + w * 0.72, y + h * 0.3, 12, 12, (250, 244, 200), None)
        oval(ctx, x + w * 0.72 + 6, y + h * 0.3 - 4, 10, 10, (30, 34, 80), None)
        ctx.set_source_rgb(1, 1, 0.85)
        for i in range(9):
            ctx.arc(x + (i * 37) % w, y + (i * 23) % (h * 0.7) + 6, 1.2, 0, 2 * math.pi)
            ctx.fill()
    else:
        for cx, cy, r in [(0.25, 0.3, 14), (0.36, 0.26, 18), (0.47, 0.32, 12)]:
            oval(ctx, x + w * cx, y + h * cy, r * 1.4, r, (255, 255, 255), None)
        # distant trees and the research centre's other wing
        poly(ctx, [(x, y + h), (x, y + h * 0.72), (x + w * 0.3, y + h * 0.68),
                   (x + w * 0.55, y + h * 0.76), (x + w, y + h * 0.7), (x + w, y + h)],
             (110, 170, 90), None)
    ctx.restore()
    line(ctx, [(x + w / 2, y), (x + w / 2, y + h)], "white", 5)
    line(ctx, [(x, y + h * 0.45), (x + w, y + h * 0.45)], "white", 5)
    box(ctx, x - 10, y + h + 4, w + 20, 7, shade("white", 0.92), width=1.5)


def ceiling_lamp(ctx, cx, y, w=70):
    box(ctx, cx - w / 2, y, w, 8, (250, 250, 236), width=1.5, r=3)
    ctx.rectangle(cx - w / 2 + 4, y + 8, w - 8, 4)
    paint(ctx, (255, 250, 210), None)


def corridor_exit(ctx, side, y_top, y_floor, depth=42, wall=(200, 214, 226), floor_c=(176, 186, 190),
                  label=None):
    """A passage at the picture's left (-1) or right (1) edge: an alcove whose
    walls, ceiling and floor run away to a lit far end, with an arrow."""
    outer = 0 if side < 0 else 640
    edge = outer - side * depth
    fx = edge + side * depth * 0.6
    fy0 = y_top + (y_floor - y_top) * 0.2
    fy1 = y_floor - (y_floor - y_top) * 0.1
    poly(ctx, [(edge, y_top), (outer, y_top), (outer, fy0), (fx, fy0)], shade(wall, 1.1), None)
    poly(ctx, [(edge, y_top), (fx, fy0), (fx, fy1), (edge, y_floor)],
         vgrad(y_top, y_floor, shade(wall, 0.78), shade(wall, 0.62)), None)
    poly(ctx, [(edge, y_floor), (fx, fy1), (outer, fy1), (outer, y_floor)],
         vgrad(fy1, y_floor, shade(floor_c, 0.7), shade(floor_c, 0.9)), None)
    ctx.rectangle(min(fx, outer), fy0, abs(outer - fx), fy1 - fy0)
    paint(ctx, vgrad(fy0, fy1, (255, 252, 230), shade(wall, 1.05)), None)
    for a, b in [((edge, y_top), (fx, fy0)), ((edge, y_floor), (fx, fy1)), ((fx, fy0), (fx, fy1))]:
        line(ctx, [a, b], "ink", 1.5)
    # the guide stripe goes round the corner
    line(ctx, [(edge, y_floor - 66), (fx, fy1 - 50)], (110, 150, 190), 4)
    line(ctx, [(edge, y_top), (edge, y_floor)], "ink", 3)
    line(ctx, [(edge, y_floor), (edge + side * 6, 400)], "ink", 1)
    arrow(ctx, edge + side * (depth - 6), y_floor - 100, side, size=12)
    if label:
        ctx.save()
        ctx.translate((edge + fx) / 2 + 4, y_floor - 124)
        ctx.rotate(-math.pi / 2)
        text(ctx, 0, 0, label, 11, "ink", True, "left")
        ctx.restore()


def crate(ctx, x, y, w, h, label="SILICON", tilt=0.0):
    ctx.save()
    ctx.translate(x + w / 2, y + h / 2)
    ctx.rotate(tilt)
    ctx.translate(-w / 2, -h / 2)
    box(ctx, 0, 0, w, h, vgrad(0, h, (206, 160, 96), (170, 124, 70)))
    for i in range(1, 3):
        line(ctx, [(2, h * i / 3), (w - 2, h * i / 3)], (130, 90, 50), 1.2)
    line(ctx, [(4, 4), (w - 4, h - 4)], (150, 104, 60), 3)
    box(ctx, w * 0.14, h * 0.34, w * 0.72, h * 0.32, (240, 230, 200), width=1.2)
    if label:
        size = min(13, h * 0.25)
        text(ctx, w / 2, h * 0.5 + size * 0.36, label, size, "red", True, "center")
    ctx.restore()


def sparkle(ctx, cx, cy, r, color="yellow"):
    pts = []
    for i in range(16):
        a = i * math.pi / 8
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    poly(ctx, pts, color, width=1.5)


def smoke(ctx, puffs, color=(90, 90, 96)):
    """Soft smoke: each (cx, cy, r) becomes a cluster of overlapping puffs."""
    c = rgb(color)
    for n, (cx, cy, r) in enumerate(puffs):
        for k in range(5):
            a = n * 1.7 + k * 2.3
            px = cx + math.cos(a) * r * 0.45
            py = cy + math.sin(a) * r * 0.35
            pr = r * (0.55 + 0.1 * (k % 3))
            g = cairo.RadialGradient(px, py, 0, px, py, pr)
            lift = 0.12 * (k % 2)
            g.add_color_stop_rgba(0, min(1, c[0] + lift), min(1, c[1] + lift), min(1, c[2] + lift), 0.5)
            g.add_color_stop_rgba(0.5, *c, 0.4)
            g.add_color_stop_rgba(1, *c, 0.0)
            ctx.new_path()
            ctx.arc(px, py, pr, 0, 2 * math.pi)
            ctx.set_source(g)
            ctx.fill()


def soot(ctx, cx, cy, rx, ry):
    g = cairo.RadialGradient(cx, cy, 0, cx, cy, 1)
    g.add_color_stop_rgba(0, 0.12, 0.1, 0.1, 0.85)
    g.add_color_stop_rgba(0.7, 0.2, 0.18, 0.16, 0.5)
    g.add_color_stop_rgba(1, 0.2, 0.18, 0.16, 0.0)
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(rx, ry)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.set_source(g)
    ctx.fill()
    ctx.restore()
