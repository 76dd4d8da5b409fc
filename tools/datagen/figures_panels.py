"""Pictures of the small screens built into the executable: the settings
screen's speed and language pictures, and the backgrounds of the save and
load screens."""
import math

import cairo

import figures_kroxl
from figures_draw import color, fill_stroke, linear, oval, rounded, text_at

BTN_FACE = (192, 192, 192)  # the settings screen's own face colour
SAVE_TEAL = (0, 80, 110)  # 7229440
LOAD_BLUE = (13, 72, 132)  # 8669197


def opaque(w, h, background):
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    ctx = cairo.Context(surface)
    color(ctx, background)
    ctx.paint()
    return surface, ctx


def speed_picture():
    """48 x 32: a speedometer for the game-speed slider."""
    surface, ctx = opaque(48, 32, BTN_FACE)
    cx, cy, r = 24, 27, 21
    ctx.move_to(cx - r, cy)
    ctx.arc(cx, cy, r, math.pi, 2 * math.pi)
    ctx.close_path()
    fill_stroke(ctx, (250, 248, 236), "ink", 1.6)
    for i, c in enumerate(((90, 190, 90), (240, 210, 60), (230, 70, 60))):
        ctx.arc(cx, cy, r - 4, math.pi + i * math.pi / 3, math.pi + (i + 1) * math.pi / 3)
        color(ctx, c)
        ctx.set_line_width(4)
        ctx.stroke()
    for i in range(7):
        a = math.pi + i * math.pi / 6
        ctx.move_to(cx + (r - 9) * math.cos(a), cy + (r - 9) * math.sin(a))
        ctx.line_to(cx + (r - 6.5) * math.cos(a), cy + (r - 6.5) * math.sin(a))
    color(ctx, "ink")
    ctx.set_line_width(1)
    ctx.stroke()
    a = math.pi * 1.72
    ctx.move_to(cx, cy)
    ctx.line_to(cx + (r - 5) * math.cos(a), cy + (r - 5) * math.sin(a))
    color(ctx, (200, 30, 30))
    ctx.set_line_width(2)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.stroke()
    oval(ctx, cx, cy, 2.8, 2.8)
    fill_stroke(ctx, (60, 60, 70), "ink", 1)
    return surface


FLAG_W, FLAG_H = 40, 28


def waved(ctx, draw):
    """A flag cloth with a soft wave of light across it."""
    draw(ctx)
    ctx.rectangle(1, 1, FLAG_W - 2, FLAG_H - 2)
    shade = linear(0, 0, FLAG_W, 0, [(0, "white", 0.25), (0.3, "white", 0.0), (0.55, "ink", 0.18),
                                     (0.8, "white", 0.15), (1, "ink", 0.1)])
    ctx.set_source(shade)
    ctx.fill()
    ctx.rectangle(0.5, 0.5, FLAG_W - 1, FLAG_H - 1)
    color(ctx, "ink")
    ctx.set_line_width(1)
    ctx.stroke()


def german(ctx):
    for i, c in enumerate(((20, 20, 20), (221, 0, 0), (255, 206, 0))):
        ctx.rectangle(0, i * FLAG_H / 3, FLAG_W, FLAG_H / 3 + 0.5)
        color(ctx, c)
        ctx.fill()


def union(ctx):
    blue, red = (1, 33, 105), (200, 16, 46)
    color(ctx, blue)
    ctx.paint()
    for width, c in ((7, "white"), (2.6, red)):
        ctx.move_to(0, 0)
        ctx.line_to(FLAG_W, FLAG_H)
        ctx.move_to(FLAG_W, 0)
        ctx.line_to(0, FLAG_H)
        color(ctx, c)
        ctx.set_line_width(width)
        ctx.stroke()
    for width, c in ((10, "white"), (6, red)):
        ctx.move_to(FLAG_W / 2, 0)
        ctx.line_to(FLAG_W / 2, FLAG_H)
        ctx.move_to(0, FLAG_H / 2)
        ctx.line_to(FLAG_W, FLAG_H / 2)
        color(ctx, c)
        ctx.set_line_width(width)
        ctx.stroke()


def flag(draw):
    surface, ctx = opaque(FLAG_W, FLAG_H, BTN_FACE)
    waved(ctx, draw)
    return surface


def panel_background(ctx, w, h, base, visible_w, visible_h):
    ctx.rectangle(0, 0, w, h)
    light = tuple(min(255, v + 40) for v in base)
    dark = tuple(max(0, v - 30) for v in base)
    ctx.set_source(linear(0, 0, 0, visible_h, [(0, light), (0.35, base), (1, dark)]))
    ctx.fill()
    # faint graph paper: the professor's favourite stationery
    color(ctx, "white", 0.06)
    ctx.set_line_width(1)
    for x in range(0, w, 12):
        ctx.move_to(x + 0.5, 0)
        ctx.line_to(x + 0.5, h)
    for y in range(0, h, 12):
        ctx.move_to(0, y + 0.5)
        ctx.line_to(w, y + 0.5)
    ctx.stroke()
    ctx.rectangle(1, 1, visible_w - 2, visible_h - 2)
    color(ctx, (150, 210, 230), 0.8)
    ctx.set_line_width(1)
    ctx.stroke()
    ctx.rectangle(0.5, 0.5, visible_w - 1, visible_h - 1)
    color(ctx, "ink")
    ctx.stroke()


def slot(ctx, x, y, w, h):
    """A sunken frame around a control that the screen lays over it."""
    rounded(ctx, x, y, w, h, 4)
    color(ctx, (0, 0, 0), 0.35)
    ctx.fill_preserve()
    color(ctx, (150, 210, 230), 0.9)
    ctx.set_line_width(1)
    ctx.stroke()


def save_background():
    """345 x 257; the save screen shows its top-left 217 x 148."""
    surface, ctx = opaque(345, 257, SAVE_TEAL)
    panel_background(ctx, 345, 257, SAVE_TEAL, 217, 148)
    slot(ctx, 21.5, 12.5, 168, 25)  # the name field at (25, 16)
    slot(ctx, 17.5, 38.5, 181, 92)  # the list at (20, 40)
    # a small floppy disk in the right margin
    rounded(ctx, 199.5, 14.5, 13, 13, 1.5)
    fill_stroke(ctx, (60, 90, 200), "ink", 1)
    ctx.rectangle(202.5, 14.5, 7, 4)
    fill_stroke(ctx, (210, 214, 222), "ink", 0.8)
    ctx.rectangle(201.5, 21.5, 9, 6)
    fill_stroke(ctx, "white", "ink", 0.8)
    return surface


def load_background():
    """473 x 297 (the screen shows 465 x 291); the thumbnail of the chosen
    game is drawn at (279, 54), 160 x 100."""
    surface, ctx = opaque(473, 297, LOAD_BLUE)
    panel_background(ctx, 473, 297, LOAD_BLUE, 465, 291)
    text_at(ctx, 24, 34, "Spielstand laden", 20, "white", bold=True, outline="ink", outline_width=3)
    text_at(ctx, 279, 46, "Vorschau", 12, (200, 226, 250), bold=True)
    slot(ctx, 21.5, 52.5, 217, 220)  # the list at (24, 55)
    # the thumbnail's frame, and what shows until a game is chosen
    ctx.rectangle(275.5, 50.5, 167, 107)
    fill_stroke(ctx, (20, 24, 40), (220, 230, 250), 1.5)
    ctx.rectangle(277.5, 52.5, 163, 103)
    color(ctx, "ink")
    ctx.set_line_width(1)
    ctx.stroke()
    text_at(ctx, 359, 100, "Keine Vorschau", 12, (150, 160, 190), align="center")
    text_at(ctx, 359, 116, "verfügbar", 12, (150, 160, 190), align="center")
    text_at(ctx, 279, 180, "Wähle links einen", 12, (200, 226, 250))
    text_at(ctx, 279, 196, "Spielstand aus.", 12, (200, 226, 250))
    # the professor peeking in beside the buttons
    ctx.save()
    ctx.rectangle(392, 196, 70, 92)
    ctx.clip()
    ctx.translate(452, 212)
    ctx.scale(-0.95, 0.95)
    figures_kroxl.portrait(ctx, "stand", "happy")
    ctx.restore()
    return surface
