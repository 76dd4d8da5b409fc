"""The in-game menu (the whole panel over a colour key, and the lit crops the
hover draws at (218, 197)), the task note, its tick and the error sign."""
import math

import cairo

from figures_draw import (argb, color, crop, fill_stroke, flatten_keyed, font, linear, oval, poly,
                          rounded, text_at, thick_line)

MENU_KEY = (255, 0, 255)
PANEL = (206, 148, 248, 224)  # x, y, w, h of the panel in the 640 x 400 menu picture
CROP = (218, 197, 226, 160)  # where 0.bmp and the lit pictures go
TEAL = (0, 80, 110)  # the colour of the game's small screens
TEAL_LIGHT = (40, 130, 160)

# Entry boxes (inclusive pixel ranges, as the menu hit-tests them) and their pictures.
ENTRIES = [
    ("save", (238, 287, 198, 251), "Sichern"),
    ("load", (298, 367, 198, 251), "Laden"),
    ("help", (375, 422, 198, 251), "Hilfe"),
    ("sequenz", (238, 287, 263, 344), "Filme"),
    ("tool", (298, 367, 263, 344), "Optionen"),
    ("exit", (375, 422, 263, 344), "Ende"),
]


# ------------------------------------------------------------ entry symbols

def sym_save(ctx, cx, cy, s):
    rounded(ctx, cx - 12 * s, cy - 12 * s, 24 * s, 24 * s, 2 * s)
    fill_stroke(ctx, (60, 90, 200), "ink", 1.5)
    ctx.rectangle(cx - 7 * s, cy - 12 * s, 14 * s, 8 * s)
    fill_stroke(ctx, (210, 214, 222), "ink", 1.2)
    ctx.rectangle(cx + 2 * s, cy - 10.5 * s, 3 * s, 5 * s)
    color(ctx, (60, 90, 200))
    ctx.fill()
    ctx.rectangle(cx - 8 * s, cy + 1 * s, 16 * s, 10 * s)
    fill_stroke(ctx, "white", "ink", 1.2)
    for dy in (4, 7):
        ctx.move_to(cx - 5 * s, cy + dy * s)
        ctx.line_to(cx + 5 * s, cy + dy * s)
    color(ctx, (150, 160, 190))
    ctx.set_line_width(1)
    ctx.stroke()


def sym_load(ctx, cx, cy, s):
    poly(ctx, [(cx - 13 * s, cy - 8 * s), (cx - 5 * s, cy - 8 * s), (cx - 3 * s, cy - 11 * s),
               (cx + 5 * s, cy - 11 * s), (cx + 5 * s, cy - 8 * s), (cx + 12 * s, cy - 8 * s),
               (cx + 12 * s, cy + 10 * s), (cx - 13 * s, cy + 10 * s)])
    fill_stroke(ctx, (200, 130, 50), "ink", 1.5)
    poly(ctx, [(cx - 15 * s, cy - 3 * s), (cx + 14 * s, cy - 3 * s), (cx + 12 * s, cy + 10 * s),
               (cx - 13 * s, cy + 10 * s)])
    fill_stroke(ctx, (246, 184, 90), "ink", 1.5)
    # arrow out of the folder
    poly(ctx, [(cx + 8 * s, cy - 20 * s), (cx + 15 * s, cy - 13 * s), (cx + 11 * s, cy - 13 * s),
               (cx + 11 * s, cy - 5 * s), (cx + 5 * s, cy - 5 * s), (cx + 5 * s, cy - 13 * s),
               (cx + 1 * s, cy - 13 * s)])
    fill_stroke(ctx, (90, 200, 90), "ink", 1.3)


def sym_help(ctx, cx, cy, s):
    oval(ctx, cx, cy, 12 * s, 12 * s)
    ctx.set_source(linear(0, cy - 12 * s, 0, cy + 12 * s, [(0, (120, 200, 250)), (1, (40, 110, 200))]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(1.5)
    ctx.stroke()
    text_at(ctx, cx, cy + 7.5 * s, "?", 21 * s, "white", bold=True, align="center", outline="ink",
            outline_width=2)


def sym_sequenz(ctx, cx, cy, s):
    # a clapperboard
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(s, s)
    ctx.rectangle(-14, -4, 28, 19)
    fill_stroke(ctx, (50, 50, 60), "ink", 1.5)
    ctx.save()
    ctx.translate(-14, -4)
    ctx.rotate(-0.35)
    ctx.rectangle(0, -7, 28, 7)
    fill_stroke(ctx, "white", "ink", 1.3)
    color(ctx, (50, 50, 60))
    for i in range(4):
        poly(ctx, [(2 + i * 7, -7), (6 + i * 7, -7), (3 + i * 7, 0), (-1 + i * 7, 0)])
        ctx.fill()
    ctx.restore()
    for i in range(3):
        ctx.move_to(-10, 2 + i * 4.5)
        ctx.line_to(10, 2 + i * 4.5)
    color(ctx, (200, 200, 210))
    ctx.set_line_width(1)
    ctx.stroke()
    ctx.restore()


def sym_tool(ctx, cx, cy, s):
    # a cog with a wrench across it
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(s, s)
    pts = []
    for i in range(32):
        a = i * 2 * math.pi / 32
        r = 13 if (i // 2) % 2 == 0 else 10
        pts.append((r * math.cos(a), r * math.sin(a)))
    poly(ctx, pts)
    fill_stroke(ctx, (190, 196, 206), "ink", 1.4)
    oval(ctx, 0, 0, 4.5, 4.5)
    fill_stroke(ctx, TEAL, "ink", 1.2)
    ctx.rotate(-0.8)
    thick_line(ctx, [(-16, 0), (10, 0)], 5, (240, 200, 70), "ink", 1.3)
    ctx.arc(13, 0, 5, 0.9, 2 * math.pi - 0.9)
    color(ctx, "ink")
    ctx.set_line_width(6.5)
    ctx.stroke_preserve()
    color(ctx, (240, 200, 70))
    ctx.set_line_width(4)
    ctx.stroke()
    ctx.restore()


def sym_exit(ctx, cx, cy, s):
    ctx.save()
    ctx.translate(cx, cy)
    ctx.scale(s, s)
    ctx.rectangle(-12, -15, 18, 30)
    fill_stroke(ctx, (90, 60, 40), "ink", 1.5)
    poly(ctx, [(-12, -15), (0, -11), (0, 19), (-12, 15)])
    fill_stroke(ctx, (170, 110, 60), "ink", 1.4)
    oval(ctx, -3, 3, 1.3, 1.3)
    color(ctx, (250, 220, 90))
    ctx.fill()
    poly(ctx, [(4, -4), (11, -4), (11, -9), (18, 0), (11, 9), (11, 4), (4, 4)])
    fill_stroke(ctx, (230, 70, 60), "ink", 1.3)
    ctx.restore()


SYMBOLS = {"save": sym_save, "load": sym_load, "help": sym_help, "sequenz": sym_sequenz,
           "tool": sym_tool, "exit": sym_exit}


# ------------------------------------------------------------ the panel

def menu_panel(ctx, lit=None):
    x, y, w, h = PANEL
    # soft shadow and body
    rounded(ctx, x + 4, y + 5, w, h, 14)
    color(ctx, (16, 22, 32))
    ctx.fill()
    rounded(ctx, x, y, w, h, 14)
    ctx.set_source(linear(0, y, 0, y + h, [(0, TEAL_LIGHT), (0.25, TEAL), (1, (0, 50, 76))]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.5)
    ctx.stroke()
    rounded(ctx, x + 4, y + 4, w - 8, h - 8, 11)
    color(ctx, (150, 210, 230), 0.8)
    ctx.set_line_width(1.2)
    ctx.stroke()
    text_at(ctx, x + w / 2, y + 33, "Pause", 24, "white", bold=True, align="center", outline="ink",
            outline_width=3)
    ctx.move_to(x + 40, y + 41)
    ctx.line_to(x + w - 40, y + 41)
    color(ctx, (150, 210, 230))
    ctx.set_line_width(1.2)
    ctx.stroke()
    for name, (x0, x1, y0, y1), caption in ENTRIES:
        bw, bh = x1 - x0 + 1, y1 - y0 + 1
        on = name == lit
        rounded(ctx, x0 + 1, y0 + 1, bw - 2, bh - 2, 6)
        if on:
            ctx.set_source(linear(0, y0, 0, y1, [(0, (255, 246, 180)), (1, (250, 196, 70))]))
        else:
            ctx.set_source(linear(0, y0, 0, y1, [(0, (20, 100, 130)), (1, (0, 62, 90))]))
        ctx.fill_preserve()
        color(ctx, "white" if on else (110, 170, 196))
        ctx.set_line_width(1.6 if on else 1.0)
        ctx.stroke()
        cx = x0 + bw / 2
        scale = 0.9 if bh < 60 else 1.15
        cy = y0 + (19 if bh < 60 else 32)
        SYMBOLS[name](ctx, cx, cy, scale)
        size = 10.5 if bh < 60 else 12
        font(ctx, size, True)
        while ctx.text_extents(caption).x_advance > bw - 4:
            size -= 0.5
            font(ctx, size, True)
        text_at(ctx, cx, y1 - (5 if bh < 60 else 9), caption, size,
                "ink" if on else "white", bold=True, align="center")


def menu_picture(lit=None):
    """The whole 640 x 400 menu: the panel over the colour key."""
    surface, ctx = argb(640, 400)
    menu_panel(ctx, lit)
    flat = flatten_keyed(surface, key=MENU_KEY, threshold=160)
    return flat


def menu_pictures():
    """{"menu": full picture, "0": nothing lit, "save": save lit, ...}."""
    pictures = {"menu": menu_picture()}
    pictures["0"] = crop(pictures["menu"], *CROP)
    for name, _box, _caption in ENTRIES:
        pictures[name] = crop(menu_picture(name), *CROP)
    return pictures


# ------------------------------------------------------------ note and tick

NOTE_W, NOTE_H = 289, 377


def note_picture():
    """The paper of the task note; black around it is transparent. The game
    writes the tasks at x 21 from y 70 in steps of 20, the ticks at x 226."""
    surface, ctx = argb(NOTE_W, NOTE_H)
    paper = [(5, 8), (283, 4), (285, 368), (7, 372)]
    poly(ctx, paper)
    ctx.set_source(linear(0, 0, 0, NOTE_H, [(0, (254, 250, 230)), (1, (240, 230, 196))]))
    ctx.fill_preserve()
    color(ctx, (120, 100, 70))
    ctx.set_line_width(2)
    ctx.stroke()
    # ruled lines under every text row, and the margin
    color(ctx, (150, 190, 230))
    ctx.set_line_width(1)
    for row in range(15):
        y = 70 + 20 * row + 17.5
        ctx.move_to(10, y)
        ctx.line_to(280, y)
    ctx.stroke()
    ctx.move_to(16.5, 60)
    ctx.line_to(17.5, 366)
    color(ctx, (230, 120, 120))
    ctx.stroke()
    text_at(ctx, 144, 42, "Auftragszettel", 25, (30, 40, 110), bold=True, align="center")
    ctx.move_to(40, 50)
    ctx.curve_to(100, 47, 190, 53, 248, 49)
    color(ctx, (200, 60, 50))
    ctx.set_line_width(2)
    ctx.stroke()
    # a paper clip at the top and a coffee ring, the professor's signature
    ctx.save()
    ctx.translate(236, 2)
    ctx.rotate(0.2)
    rounded(ctx, 0, 0, 11, 30, 5.5)
    rounded(ctx, 2.5, 3, 6, 20, 3)
    color(ctx, (90, 96, 110))
    ctx.set_line_width(2.6)
    ctx.stroke()
    ctx.restore()
    oval(ctx, 240, 338, 22, 20)
    color(ctx, (170, 120, 70), 0.35)
    ctx.set_line_width(3)
    ctx.stroke()
    text_at(ctx, 200, 362, "Prof. K.", 13, (60, 60, 140), italic=True)
    return flatten_keyed(surface, key=(0, 0, 0), matte=(120, 100, 70))


def tick_picture():
    """A green tick; white around it is transparent."""
    surface, ctx = argb(22, 18)
    ctx.move_to(3, 9)
    ctx.line_to(8.5, 14.5)
    ctx.line_to(19.5, 3)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    color(ctx, (20, 90, 30))
    ctx.set_line_width(4.6)
    ctx.stroke_preserve()
    color(ctx, (60, 190, 70))
    ctx.set_line_width(2.6)
    ctx.stroke()
    return flatten_keyed(surface, key=(255, 255, 255), matte=(20, 90, 30))


def error_sign():
    """A small warning plate, drawn opaque at (5, 350) when an error is listed."""
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, 36, 36)
    ctx = cairo.Context(surface)
    color(ctx, (40, 32, 36))
    ctx.paint()
    rounded(ctx, 1.5, 1.5, 33, 33, 4)
    ctx.set_source(linear(0, 0, 0, 36, [(0, (255, 226, 80)), (1, (236, 170, 30))]))
    ctx.fill()
    poly(ctx, [(18, 5), (31, 29), (5, 29)])
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    fill_stroke(ctx, "white", (210, 40, 40), 3)
    text_at(ctx, 18, 27, "!", 17, "ink", bold=True, face="Liberation Sans", align="center")
    return surface
