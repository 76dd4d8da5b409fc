"""The game's icon for the desktop's menus: Professor Kroxl head and shoulders
on a blue tile, in the hicolor theme's sizes and as a scalable SVG.

    OUTDIR/hicolor/NxN/apps/NAME.png       N in SIZES
    OUTDIR/hicolor/scalable/apps/NAME.svg

The portrait is his own drawing (figures_kroxl). Below 64 pixels his outlines
would thin to a faint grey, so the small sizes crop closer, fill the whole tile
and draw his head, glasses and coat outlines again at least a pixel wide.
"""
import os
import shutil

import cairo

import figures_kroxl
from figures_draw import color, linear, oval, rounded

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
TILE = (120, 178, 226), (52, 96, 160)  # top and bottom of the tile's gradient
RIM = (30, 50, 90)
UNIT = 256.0  # the icon is drawn in a 256 x 256 space and scaled


def tile_box(small):
    """The tile's inset and side in the 256 space; small icons use all of it."""
    inset = 0 if small else 8
    return inset, UNIT - 2 * inset


def draw(ctx, size):
    small = size <= 32
    scale = size / UNIT
    ctx.scale(scale, scale)
    inset, side = tile_box(small)
    rounded(ctx, inset, inset, side, side, 40 if small else 44)
    ctx.set_source(linear(0, inset, 0, inset + side, [(0, TILE[0]), (1, TILE[1])]))
    ctx.fill_preserve()
    ctx.save()
    ctx.clip()
    # The part of his 124 x 179 frame that shows: x, y and width.
    x, y, w = (10, -2, 72) if small else (6, -4, 84)
    k = side / w
    ctx.translate(inset + (0 if small else 6), inset + 22)
    ctx.scale(k, k)
    ctx.translate(-x, -y)
    figures_kroxl.portrait(ctx, "stand", "happy")
    if size <= 48:
        bold_outlines(ctx, size, k * scale)
    ctx.restore()
    if not small:
        rounded(ctx, inset, inset, side, side, 44)
        color(ctx, RIM)
        ctx.set_line_width(6)
        ctx.stroke()


def bold_outlines(ctx, size, pixels_per_unit):
    """Head, lenses and coat outlined again, wide enough to survive the scale."""
    def width(px):
        return max(2.0, px / pixels_per_unit)
    color(ctx, "ink")
    figures_kroxl.head_path(ctx)
    ctx.set_line_width(width(1.1))
    ctx.stroke()
    for lens_x in (31.5, 43.5):
        oval(ctx, lens_x, 15.5, 5.0, 5.0)
        ctx.set_line_width(width(0.7 if size < 32 else 0.9))
        ctx.stroke()
    figures_kroxl.coat_path(ctx)
    ctx.set_line_width(width(1.1))
    ctx.stroke()


def png(size, path):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, size, size)
    draw(cairo.Context(surface), size)
    surface.write_to_png(path)


def svg(path):
    surface = cairo.SVGSurface(path, UNIT, UNIT)
    surface.set_document_unit(cairo.SVGUnit.PX)
    draw(cairo.Context(surface), int(UNIT))
    surface.finish()


def build(outdir, name):
    """Writes every size afresh, so a size no longer drawn does not linger."""
    theme = os.path.join(outdir, "hicolor")
    shutil.rmtree(theme, ignore_errors=True)
    for size in SIZES:
        folder = os.path.join(theme, f"{size}x{size}", "apps")
        os.makedirs(folder)
        png(size, os.path.join(folder, name + ".png"))
    folder = os.path.join(theme, "scalable", "apps")
    os.makedirs(folder)
    svg(os.path.join(folder, name + ".svg"))
