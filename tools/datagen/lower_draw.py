"""Drawing helpers for the ground floor, the basement and the grounds: paths
with gradients, signs, plants, trees, sky and the like. Colours are palette
names of common.py or (r, g, b) tuples in 0..255."""
import math

import cairo

from common import rgb


def shade(c, f):
    """A colour made darker (f < 1) or lighter (f > 1)."""
    r, g, b = (v * 255 for v in rgb(c))
    if f <= 1:
        return (r * f, g * f, b * f)
    t = f - 1
    return (r + (255 - r) * t, g + (255 - g) * t, b + (255 - b) * t)




def set_paint(ctx, paint):
    if isinstance(paint, cairo.Pattern):
        ctx.set_source(paint)
    else:
        ctx.set_source_rgb(*rgb(paint))


def finish(ctx, fill, outline="ink", width=2):
    """Fills the current path and strokes its outline."""
    if fill is not None:
        set_paint(ctx, fill)
        if outline:
            ctx.fill_preserve()
        else:
            ctx.fill()
    if outline:
        set_paint(ctx, outline)
        ctx.set_line_width(width)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.stroke()
    ctx.new_path()


def vgrad(y0, y1, c0, c1, x=0):
    g = cairo.LinearGradient(x, y0, x, y1)
    g.add_color_stop_rgb(0, *rgb(c0))
    g.add_color_stop_rgb(1, *rgb(c1))
    return g


def hgrad(x0, x1, c0, c1, y=0):
    g = cairo.LinearGradient(x0, y, x1, y)
    g.add_color_stop_rgb(0, *rgb(c0))
    g.add_color_stop_rgb(1, *rgb(c1))
    return g


def rgrad(cx, cy, r, c0, c1):
    g = cairo.RadialGradient(cx, cy, 0, cx, cy, r)
    g.add_color_stop_rgb(0, *rgb(c0))
    g.add_color_stop_rgb(1, *rgb(c1))
    return g


def box(ctx, x, y, w, h, fill, outline="ink", width=2):
    ctx.rectangle(x, y, w, h)
    finish(ctx, fill, outline, width)


def rbox(ctx, x, y, w, h, r, fill, outline="ink", width=2):
    r = min(r, w / 2, h / 2)
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    ctx.close_path()
    finish(ctx, fill, outline, width)


def oval(ctx, cx, cy, rx, ry, fill, outline="ink", width=2, angle=0):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(angle)
    ctx.scale(max(rx, 0.01), max(ry, 0.01))
    ctx.new_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    finish(ctx, fill, outline, width)


def poly(ctx, pts, fill, outline="ink", width=2, close=True):
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    if close:
        ctx.close_path()
    finish(ctx, fill if close else None, outline, width)


def clip_poly(ctx, pts):
    """Restricts drawing to a polygon until the next ctx.restore()."""
    ctx.save()
    ctx.move_to(*pts[0])
    for p in pts[1:]:
        ctx.line_to(*p)
    ctx.close_path()
    ctx.clip()


def line(ctx, x0, y0, x1, y1, color="ink", width=2):
    ctx.move_to(x0, y0)
    ctx.line_to(x1, y1)
    finish(ctx, None, color, width)




def blob(ctx, pts, fill, outline="ink", width=2):
    """A closed smooth shape through the given points (Catmull-Rom)."""
    n = len(pts)
    ctx.move_to(*pts[0])
    for i in range(n):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        ctx.curve_to(*c1, *c2, *p2)
    ctx.close_path()
    finish(ctx, fill, outline, width)


def font(ctx, size, bold=False, face="Comic Neue", italic=False):
    ctx.select_font_face(face, cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)


def text(ctx, cx, cy, s, size=14, color="ink", bold=True, face="Comic Neue", angle=0, italic=False):
    """Text centred on (cx, cy)."""
    font(ctx, size, bold, face, italic)
    ext = ctx.text_extents(s)
    ctx.save()
    ctx.translate(cx, cy)
    ctx.rotate(angle)
    ctx.move_to(-ext.x_advance / 2, ext.height / 2 - (ext.height + ext.y_bearing))
    set_paint(ctx, color)
    ctx.show_text(s)
    ctx.new_path()
    ctx.restore()


def sign(ctx, x, y, w, h, s, size=14, bg="paper", fg="ink", bold=True, face="Comic Neue", r=4):
    rbox(ctx, x, y, w, h, r, bg)
    text(ctx, x + w / 2, y + h / 2, s, size, fg, bold, face)


def arrow(ctx, cx, cy, direction, size=14, fill="white", outline="ink"):
    """A fat arrow pointing 'left', 'right', 'up' or 'down'."""
    angle = {"right": 0, "down": math.pi / 2, "left": math.pi, "up": -math.pi / 2}[direction]
    s = size
    pts = [(-s, -s * 0.35), (0, -s * 0.35), (0, -s * 0.8), (s, 0), (0, s * 0.8), (0, s * 0.35), (-s, s * 0.35)]
    c, si = math.cos(angle), math.sin(angle)
    poly(ctx, [(cx + px * c - py * si, cy + px * si + py * c) for px, py in pts], fill, outline, 2)


def sky(ctx, x, y, w, h, top=(120, 180, 236), bottom=(206, 232, 250)):
    box(ctx, x, y, w, h, vgrad(y, y + h, top, bottom), None)


def night_sky(ctx, x, y, w, h, moon=True):
    box(ctx, x, y, w, h, vgrad(y, y + h, (14, 20, 56), (50, 60, 110)), None)
    for i in range(int(w * h / 900) + 3):
        sx = x + (i * 97.3) % w
        sy = y + (i * 53.7) % (h * 0.7)
        oval(ctx, sx, sy, 1.2, 1.2, (255, 250, 220), None)
    if moon:
        oval(ctx, x + w * 0.75, y + h * 0.18, 14, 14, (255, 250, 210), None)
        oval(ctx, x + w * 0.75 + 6, y + h * 0.18 - 3, 12, 12, (30, 38, 80), None)


def cloud(ctx, x, y, s=1.0, color=(255, 255, 255)):
    for dx, dy, r in ((0, 0, 16), (18, -8, 20), (38, 0, 15), (18, 6, 15)):
        oval(ctx, x + dx * s, y + dy * s, r * s, r * s * 0.8, color, None)


def hills(ctx, pts, base, color, outline="ink"):
    ctx.move_to(pts[0][0], base)
    for p in pts:
        ctx.line_to(*p)
    ctx.line_to(pts[-1][0], base)
    ctx.close_path()
    finish(ctx, color, outline, 2)


def crown(ctx, circles, fill, outline="ink", width=2):
    """The outlined union of several circles: tree tops, bushes, clouds."""
    for x, y, r in circles:
        ctx.new_sub_path()
        ctx.arc(x, y, r + width / 2, 0, 2 * math.pi)
    finish(ctx, outline, None)
    for x, y, r in circles:
        ctx.new_sub_path()
        ctx.arc(x, y, r - width / 2, 0, 2 * math.pi)
    finish(ctx, fill, None)


def tree(ctx, x, base, s=1.0, leaf=(84, 160, 64), trunk=(120, 80, 48)):
    """A round cartoon tree standing on (x, base)."""
    poly(ctx, [(x - 8 * s, base), (x - 5 * s, base - 70 * s), (x + 5 * s, base - 70 * s), (x + 8 * s, base)],
         hgrad(x - 8 * s, x + 8 * s, trunk, shade(trunk, 0.7)))
    parts = [(-26, -88, 26), (0, -112, 30), (26, -90, 26), (-10, -76, 24), (16, -70, 22), (-30, -110, 18),
             (24, -118, 20)]
    crown(ctx, [(x + dx * s, base + dy * s, r * s) for dx, dy, r in parts],
          rgrad(x - 14 * s, base - 116 * s, 64 * s, shade(leaf, 1.25), shade(leaf, 0.8)))
    for dx, dy in ((-18, -100), (12, -120), (20, -84), (-24, -78)):
        ctx.move_to(x + (dx - 5) * s, base + dy * s)
        ctx.curve_to(x + (dx - 2) * s, base + (dy + 4) * s, x + (dx + 2) * s, base + (dy + 4) * s,
                     x + (dx + 5) * s, base + dy * s)
        finish(ctx, None, shade(leaf, 0.7), 1.5)


def pine(ctx, x, base, s=1.0, leaf=(50, 120, 70)):
    box(ctx, x - 4 * s, base - 18 * s, 8 * s, 18 * s, (110, 74, 44))
    for i, (w, top) in enumerate(((34, 70), (28, 95), (20, 118))):
        poly(ctx, [(x - w * s, base - (top - 50) * s), (x, base - top * s - 20 * s),
                   (x + w * s, base - (top - 50) * s)],
             shade(leaf, 1 + 0.08 * i))


def bush(ctx, x, y, s=1.0, color=(80, 150, 64), flowers=None):
    blob(ctx, [(x - 30 * s, y), (x - 34 * s, y - 18 * s), (x - 14 * s, y - 34 * s), (x + 14 * s, y - 32 * s),
               (x + 34 * s, y - 16 * s), (x + 30 * s, y)],
         rgrad(x - 8 * s, y - 24 * s, 40 * s, shade(color, 1.2), shade(color, 0.85)))
    if flowers:
        for dx, dy in ((-18, -14), (-4, -26), (12, -18), (22, -8), (-24, -6), (4, -10)):
            oval(ctx, x + dx * s, y + dy * s, 3.5 * s, 3.5 * s, flowers, "ink", 1)


def plant(ctx, x, base, s=1.0):
    """A potted plant standing on (x, base)."""
    for ang in (-1.0, -0.6, -0.2, 0.2, 0.6, 1.0):
        ctx.save()
        ctx.translate(x, base - 34 * s)
        ctx.rotate(ang * 0.9)
        oval(ctx, 0, -26 * s, 8 * s, 26 * s, (70, 150, 70) if ang < 0 else (60, 136, 64), "ink", 1.5)
        ctx.restore()
    poly(ctx, [(x - 18 * s, base - 36 * s), (x + 18 * s, base - 36 * s), (x + 13 * s, base), (x - 13 * s, base)],
         vgrad(base - 36 * s, base, (206, 110, 70), (160, 80, 50)))


def ceiling_lamp(ctx, x, y, cord=20, on=True):
    line(ctx, x, y - cord, x, y, "ink", 2)
    ctx.move_to(x - 26, y + 16)
    ctx.curve_to(x - 24, y - 4, x + 24, y - 4, x + 26, y + 16)
    ctx.close_path()
    finish(ctx, vgrad(y, y + 16, (240, 236, 220), (200, 196, 180)))
    oval(ctx, x, y + 17, 10, 4, (255, 246, 180) if on else (150, 150, 140), "ink", 1.5)


def light_glow(ctx, cx, cy, r, color=(255, 230, 150), alpha=0.55):
    g = cairo.RadialGradient(cx, cy, 0, cx, cy, r)
    c = rgb(color)
    g.add_color_stop_rgba(0, c[0], c[1], c[2], alpha)
    g.add_color_stop_rgba(1, c[0], c[1], c[2], 0)
    ctx.set_source(g)
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.fill()




def tiles(ctx, y0, y1, vx, color_a, color_b, rows=6, cols=16, w=640, vy=None):
    """A chequered floor in one-point perspective from y0 (far) to y1 (near),
    converging on (vx, vy); cols tiles span the width at the near edge."""
    if vy is None:
        vy = y0 - (y1 - y0) * 0.9
    near = 1.0 / (y1 - vy)
    far = 1.0 / (y0 - vy)
    ys = [vy + 1.0 / (far + (near - far) * r / rows) for r in range(rows + 1)]
    size = w / cols

    def x_at(y, i):
        return vx + (i * size - vx) * (y - vy) / (y1 - vy)

    for r in range(rows):
        for i in range(-3 * cols, 4 * cols):
            pts = [(x_at(ys[r], i), ys[r]), (x_at(ys[r], i + 1), ys[r]), (x_at(ys[r + 1], i + 1), ys[r + 1]),
                   (x_at(ys[r + 1], i), ys[r + 1])]
            if max(p[0] for p in pts) < -5 or min(p[0] for p in pts) > w + 5:
                continue
            poly(ctx, pts, color_a if (r + i) % 2 else color_b, shade(color_b, 0.85), 0.8)


def floor_boards(ctx, y0, y1, vx, color, n=22, w=640):
    """Floor boards running toward the back, converging on x vx."""
    box(ctx, 0, y0, w, y1 - y0, vgrad(y0, y1, shade(color, 0.85), shade(color, 1.05)), None)
    for i in range(-n, 2 * n):
        xb = i * w / n
        xt = vx + (xb - vx) * 0.55
        line(ctx, xt, y0, xb, y1, shade(color, 0.7), 1)


def window_frame(ctx, x, y, w, h, inside, frame=(240, 240, 236), bars=(2, 2)):
    box(ctx, x, y, w, h, inside, "ink", 2)
    cols, rows = bars
    for i in range(1, cols):
        line(ctx, x + w * i / cols, y, x + w * i / cols, y + h, frame, 5)
    for i in range(1, rows):
        line(ctx, x, y + h * i / rows, x + w, y + h * i / rows, frame, 5)
    ctx.rectangle(x, y, w, h)
    finish(ctx, None, frame, 6)
    ctx.rectangle(x - 3, y - 3, w + 6, h + 6)
    finish(ctx, None, "ink", 1.5)


def glass_shine(ctx, x, y, w, h):
    ctx.save()
    ctx.rectangle(x, y, w, h)
    ctx.clip()
    ctx.set_source_rgba(1, 1, 1, 0.35)
    for off in (0.15, 0.3):
        ctx.move_to(x + w * off, y + h)
        ctx.line_to(x + w * off + h * 0.5, y)
        ctx.line_to(x + w * off + h * 0.5 + 12, y)
        ctx.line_to(x + w * off + 12, y + h)
        ctx.fill()
    ctx.restore()
