"""Shared by every drawing module of datagen: where files go, the palette of
the demo game's look, and a few drawing primitives so that all rooms and
people look like one world.

Every path is given as the game names it ("\\graphic\\gang\\eye1.bmp") and
written in lower case: the engine finds files regardless of letter case, and
one spelling per directory keeps the data root tidy.
"""
import math
import os

import cairo

from bmp import write_bmp


def out_path(gamedir, game_path):
    rel = game_path.replace("\\", "/").lstrip("/").lower()
    path = os.path.join(gamedir, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def canvas(w, h, background=None):
    """A new opaque picture of w x h and a cairo context on it."""
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    if background is not None:
        ctx.set_source_rgb(*rgb(background))
        ctx.paint()
    return surface, ctx


def save(surface, gamedir, game_path):
    write_bmp(surface, out_path(gamedir, game_path))
    return game_path


def crop(surface, x, y, w, h):
    """A w x h piece of a picture: overlays and people's frames are cut from
    the same drawing as the room behind them, so their edges match exactly."""
    piece = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(piece)
    ctx.set_source_surface(surface, -x, -y)
    ctx.paint()
    return piece


def rgb(c):
    """Accepts (r, g, b) in 0..255 or a palette name."""
    if isinstance(c, str):
        c = PALETTE[c]
    return (c[0] / 255.0, c[1] / 255.0, c[2] / 255.0)


# A friendly cartoon palette: warm offices, cool corridors, green outside.
PALETTE = {
    "ink": (40, 32, 36),
    "wall": (236, 222, 188),
    "wall_shadow": (206, 188, 150),
    "corridor": (196, 210, 222),
    "corridor_shadow": (160, 176, 192),
    "floor": (164, 120, 82),
    "floor_dark": (128, 92, 62),
    "tiles": (188, 196, 200),
    "door": (150, 96, 58),
    "door_frame": (100, 64, 40),
    "metal": (170, 176, 184),
    "glass": (170, 214, 236),
    "skin": (250, 214, 178),
    "skin_shadow": (224, 178, 140),
    "hair_brown": (110, 70, 40),
    "hair_blond": (236, 200, 96),
    "hair_grey": (190, 190, 196),
    "white": (255, 255, 255),
    "black": (0, 0, 0),
    "sky": (150, 200, 240),
    "grass": (96, 176, 72),
    "night_tint": (20, 24, 60),
    "paper": (250, 246, 226),
    "wood": (176, 130, 80),
    "red": (214, 60, 52),
    "blue": (60, 100, 200),
    "green": (70, 150, 80),
    "yellow": (246, 210, 60),
}


def rect(ctx, x, y, w, h, fill, outline="ink", width=2):
    ctx.rectangle(x, y, w, h)
    ctx.set_source_rgb(*rgb(fill))
    if outline:
        ctx.fill_preserve()
        ctx.set_source_rgb(*rgb(outline))
        ctx.set_line_width(width)
        ctx.stroke()
    else:
        ctx.fill()


def ellipse(ctx, cx, cy, rx, ry, fill, outline="ink", width=2):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(rx, ry)
    ctx.arc(0, 0, 1, 0, 2 * math.pi)
    ctx.restore()
    ctx.set_source_rgb(*rgb(fill))
    if outline:
        ctx.fill_preserve()
        ctx.set_source_rgb(*rgb(outline))
        ctx.set_line_width(width)
        ctx.stroke()
    else:
        ctx.fill()


def label(ctx, x, y, text, size=12, color="ink", bold=False, font="Comic Neue"):
    ctx.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_size(size)
    ctx.set_source_rgb(*rgb(color))
    ctx.move_to(x, y)
    ctx.show_text(text)


def room_shell(ctx, wall="wall", floor="floor", horizon=300, w=640, h=400):
    """Back wall down to the horizon, floor below, a skirting line between."""
    grad = cairo.LinearGradient(0, 0, 0, horizon)
    grad.add_color_stop_rgb(0, *rgb(wall))
    grad.add_color_stop_rgb(1, *rgb(wall + "_shadow" if wall + "_shadow" in PALETTE else wall))
    ctx.rectangle(0, 0, w, horizon)
    ctx.set_source(grad)
    ctx.fill()
    ctx.rectangle(0, horizon, w, h - horizon)
    ctx.set_source_rgb(*rgb(floor))
    ctx.fill()
    ctx.set_source_rgb(*rgb("ink"))
    ctx.set_line_width(3)
    ctx.move_to(0, horizon)
    ctx.line_to(w, horizon)
    ctx.stroke()


def door(ctx, x, y, w, h, color="door", open_=False):
    rect(ctx, x - 6, y - 6, w + 12, h + 6, "door_frame")
    if open_:
        rect(ctx, x, y, w, h, (30, 26, 30))
    else:
        rect(ctx, x, y, w, h, color)
        ellipse(ctx, x + w - 14, y + h * 0.55, 5, 5, "yellow")


def night(surface, strength=0.62):
    """Darkens a finished picture into its night variant."""
    ctx = cairo.Context(surface)
    ctx.set_source_rgba(*rgb("night_tint"), strength)
    ctx.paint()
    return surface


def eyes(ctx, cx, cy, spacing=14, size=5, closed=False, look=0):
    """Two cartoon eyes; closed draws lids, look shifts the pupils (-1, 0, 1)."""
    for dx in (-spacing / 2, spacing / 2):
        if closed:
            ctx.set_source_rgb(*rgb("ink"))
            ctx.set_line_width(2)
            ctx.move_to(cx + dx - size, cy)
            ctx.line_to(cx + dx + size, cy)
            ctx.stroke()
        else:
            ellipse(ctx, cx + dx, cy, size, size * 1.2, "white", width=1.5)
            ellipse(ctx, cx + dx + look * size * 0.5, cy + 1, size * 0.45, size * 0.55, "ink", outline=None)


def mouth(ctx, cx, cy, frame, width=14):
    """Mouth frames 0..3 of a speaking person: closed, small, wide, round."""
    ctx.set_source_rgb(*rgb("ink"))
    ctx.set_line_width(2)
    if frame == 0:
        ctx.move_to(cx - width / 2, cy)
        ctx.curve_to(cx - width / 4, cy + 3, cx + width / 4, cy + 3, cx + width / 2, cy)
        ctx.stroke()
    else:
        heights = {1: 3, 2: 7, 3: 5}
        widths = {1: width * 0.5, 2: width * 0.45, 3: width * 0.3}
        ellipse(ctx, cx, cy + 1, widths[frame], heights[frame], (120, 30, 40), width=1.5)
