"""Drawing helpers for the protagonist, the icons and the game's own screens:
sprites drawn with soft edges and then flattened onto a key colour, pixel
mirroring, and a few shape and text shortcuts on top of common.py."""
import math

import cairo

from common import PALETTE, rgb

MAGENTA = (255, 0, 255)
INK = PALETTE["ink"]


def argb(w, h):
    """A transparent picture to draw a sprite on, and a context on it."""
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, w, h)
    return surface, cairo.Context(surface)


def rgb24_from(data, w, h):
    """An opaque cairo picture made of w * h * 4 bytes (B, G, R, unused)."""
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_RGB24, w)
    assert stride == w * 4
    return cairo.ImageSurface.create_for_data(bytearray(data), cairo.FORMAT_RGB24, w, h, stride)


def flatten_keyed(surface, key=MAGENTA, matte=INK, threshold=128):
    """An opaque copy of a transparent sprite: pixels that are mostly covered
    are blended over the outline colour (so soft edges darken instead of
    fringing), the rest become the key colour the game treats as transparent."""
    surface.flush()
    w, h = surface.get_width(), surface.get_height()
    stride = surface.get_stride()
    src = bytes(surface.get_data())
    out = bytearray(w * h * 4)
    kb, kg, kr = key[2], key[1], key[0]
    mb, mg, mr = matte[2], matte[1], matte[0]
    for y in range(h):
        row = y * stride
        o = y * w * 4
        for x in range(w):
            i = row + x * 4
            a = src[i + 3]
            if a >= threshold:
                rest = 255 - a
                b = src[i] + (mb * rest + 127) // 255
                g = src[i + 1] + (mg * rest + 127) // 255
                r = src[i + 2] + (mr * rest + 127) // 255
                if (r, g, b) == key:
                    r -= 1  # never let a drawn pixel read as transparent
                out[o:o + 3] = bytes((min(b, 255), min(g, 255), min(r, 255)))
            else:
                out[o:o + 3] = bytes((kb, kg, kr))
            o += 4
    return rgb24_from(out, w, h)


def pixels(surface):
    """The picture's pixels as rows of (r, g, b) tuples, for checks."""
    surface.flush()
    w, h = surface.get_width(), surface.get_height()
    stride = surface.get_stride()
    data = bytes(surface.get_data())
    return [[(data[y * stride + x * 4 + 2], data[y * stride + x * 4 + 1], data[y * stride + x * 4])
             for x in range(w)] for y in range(h)]


def mirror(surface):
    """The picture flipped left to right, pixel for pixel."""
    surface.flush()
    w, h = surface.get_width(), surface.get_height()
    stride = surface.get_stride()
    src = bytes(surface.get_data())
    out = bytearray(w * h * 4)
    for y in range(h):
        for x in range(w):
            i = y * stride + x * 4
            o = (y * w + (w - 1 - x)) * 4
            out[o:o + 4] = src[i:i + 4]
    return rgb24_from(out, w, h)


def crop(surface, x, y, w, h, fmt=cairo.FORMAT_RGB24):
    piece = cairo.ImageSurface(fmt, w, h)
    ctx = cairo.Context(piece)
    ctx.set_source_surface(surface, -x, -y)
    ctx.set_operator(cairo.OPERATOR_SOURCE)
    ctx.paint()
    return piece


def same_pixels(a, ax, ay, b, bx, by, w, h):
    pa, pb = pixels(a), pixels(b)
    return all(pa[ay + j][ax + i] == pb[by + j][bx + i] for j in range(h) for i in range(w))


def color(ctx, c, alpha=None):
    r, g, b = rgb(c)
    if alpha is None:
        ctx.set_source_rgb(r, g, b)
    else:
        ctx.set_source_rgba(r, g, b, alpha)


def fill_stroke(ctx, fill, outline="ink", width=2.0):
    """Fills the current path and outlines it (either may be None)."""
    if fill is not None:
        if isinstance(fill, cairo.Pattern):
            ctx.set_source(fill)
        else:
            color(ctx, fill)
        if outline:
            ctx.fill_preserve()
        else:
            ctx.fill()
    if outline:
        color(ctx, outline)
        ctx.set_line_width(width)
        ctx.stroke()


def rounded(ctx, x, y, w, h, r):
    ctx.new_sub_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def oval(ctx, cx, cy, rx, ry):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(rx, ry)
    ctx.new_sub_path()
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()


def poly(ctx, points, close=True):
    ctx.move_to(*points[0])
    for p in points[1:]:
        ctx.line_to(*p)
    if close:
        ctx.close_path()


def linear(x0, y0, x1, y1, stops):
    """A linear gradient; stops are (offset, colour) or (offset, colour, alpha)."""
    grad = cairo.LinearGradient(x0, y0, x1, y1)
    for stop in stops:
        r, g, b = rgb(stop[1])
        if len(stop) > 2:
            grad.add_color_stop_rgba(stop[0], r, g, b, stop[2])
        else:
            grad.add_color_stop_rgb(stop[0], r, g, b)
    return grad


def radial(cx, cy, r, stops):
    grad = cairo.RadialGradient(cx, cy, 0, cx, cy, r)
    for stop in stops:
        cr, cg, cb = rgb(stop[1])
        if len(stop) > 2:
            grad.add_color_stop_rgba(stop[0], cr, cg, cb, stop[2])
        else:
            grad.add_color_stop_rgb(stop[0], cr, cg, cb)
    return grad


def thick_line(ctx, points, width, fill, outline="ink", outline_width=2.0):
    """A rounded stroke with an outline: a sleeve, a trouser leg, a hose."""
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    for w, c in ((width + 2 * outline_width, outline), (width, fill)):
        if c is None:
            continue
        poly(ctx, points, close=False)
        color(ctx, c)
        ctx.set_line_width(w)
        ctx.stroke()


def font(ctx, size, bold=False, face="Comic Neue", italic=False):
    ctx.select_font_face(face, cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)


def text_width(ctx, text):
    return ctx.text_extents(text).x_advance


def text_at(ctx, x, y, text, size, c="ink", bold=False, face="Comic Neue", align="left",
            outline=None, outline_width=3.0, italic=False):
    """Writes text with its baseline at y; align is left, center or right of x.
    An outline colour draws a soft border around the letters first."""
    font(ctx, size, bold, face, italic)
    w = text_width(ctx, text)
    if align == "center":
        x -= w / 2
    elif align == "right":
        x -= w
    ctx.move_to(x, y)
    ctx.text_path(text)
    if outline:
        color(ctx, outline)
        ctx.set_line_width(outline_width)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        ctx.stroke_preserve()
    if isinstance(c, cairo.Pattern):
        ctx.set_source(c)
    else:
        color(ctx, c)
    ctx.fill()
    return w


def to_png(surface, path):
    """A preview copy for looking at a picture while drawing it."""
    surface.write_to_png(path)
