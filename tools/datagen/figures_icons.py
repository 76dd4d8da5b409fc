"""The 21 item icons of the inventory bar, 32 x 32, opaque on the bar's black,
numbered as the game's item table (4 is the empty slot)."""
import math

import cairo

from figures_draw import color, fill_stroke, font, linear, oval, poly, radial, rounded, thick_line

SIZE = 32
OUTLINE = (24, 18, 22)


def new_icon():
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, SIZE, SIZE)
    ctx = cairo.Context(surface)
    ctx.set_source_rgb(0, 0, 0)
    ctx.paint()
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    return surface, ctx


def fs(ctx, fill, width=1.4, outline=OUTLINE):
    fill_stroke(ctx, fill, outline, width)


def tiny_text(ctx, x, y, text, size, c, bold=True, face="Liberation Sans"):
    font(ctx, size, bold, face)
    color(ctx, c)
    ctx.move_to(x, y)
    ctx.show_text(text)


def lines(ctx, x0, x1, ys, c, width=1.0):
    color(ctx, c)
    ctx.set_line_width(width)
    for y in ys:
        ctx.move_to(x0, y)
        ctx.line_to(x1, y)
    ctx.stroke()


def folder(ctx):  # 0 Auftragsmappe
    poly(ctx, [(3, 9), (12, 9), (14, 6), (22, 6), (22, 9), (29, 9), (29, 27), (3, 27)])
    fs(ctx, (196, 120, 52))
    ctx.save()
    ctx.translate(8, 4)
    ctx.rotate(0.12)
    ctx.rectangle(0, 0, 17, 16)
    fs(ctx, "paper", 1.0)
    lines(ctx, 3, 14, (4, 7, 10, 13), (80, 110, 200), 0.9)
    ctx.restore()
    poly(ctx, [(2, 13), (30, 13), (28, 28), (4, 28)])
    ctx.set_source(linear(0, 13, 0, 28, [(0, (236, 170, 80)), (1, (196, 124, 52))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    ctx.rectangle(11, 18, 10, 5)
    fs(ctx, "white", 0.9)
    lines(ctx, 12.5, 19.5, (20.5,), "red", 1.0)


def plan(ctx):  # 1 Plan: a blueprint
    ctx.save()
    ctx.translate(16, 16)
    ctx.rotate(-0.1)
    ctx.rectangle(-13, -10, 26, 20)
    fs(ctx, (40, 90, 180))
    color(ctx, (170, 210, 255))
    ctx.set_line_width(0.8)
    for gx in range(-10, 13, 4):
        ctx.move_to(gx, -8)
        ctx.line_to(gx, 8)
    ctx.stroke()
    ctx.set_line_width(1.3)
    color(ctx, "white")
    ctx.rectangle(-9, -4, 14, 4)
    ctx.move_to(5, -2)
    ctx.line_to(10, -2)
    ctx.move_to(-7, 0)
    ctx.line_to(-7, 5)
    ctx.move_to(-9, 5)
    ctx.line_to(-3, 5)
    ctx.stroke()
    ctx.restore()
    oval(ctx, 27, 6, 2.5, 5)
    fs(ctx, (70, 120, 210), 1.0)


def toolbox(ctx):  # 2 Werkzeug eines Bastlers
    ctx.move_to(11, 12)
    ctx.line_to(11, 7)
    ctx.line_to(21, 7)
    ctx.line_to(21, 12)
    color(ctx, (150, 150, 160))
    ctx.set_line_width(3.2)
    ctx.stroke()
    thick_line(ctx, [(22, 9), (27, 3)], 2.2, (190, 196, 204), OUTLINE, 0.8)
    oval(ctx, 27.5, 3.0, 2.6, 2.6)
    fs(ctx, (190, 196, 204), 0.9)
    rounded(ctx, 3, 12, 26, 16, 2.5)
    ctx.set_source(linear(0, 12, 0, 28, [(0, (230, 70, 60)), (1, (170, 36, 32))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    lines(ctx, 4, 28, (17,), (120, 24, 24), 1.2)
    ctx.rectangle(13, 15, 6, 4)
    fs(ctx, (240, 200, 70), 0.9)


def lift_card(ctx):  # 3 Liftkarte
    ctx.save()
    ctx.translate(16, 16)
    ctx.rotate(-0.18)
    rounded(ctx, -13, -9, 26, 18, 2.5)
    ctx.set_source(linear(-13, -9, 13, 9, [(0, (90, 200, 230)), (1, (40, 120, 190))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.3)
    ctx.stroke()
    ctx.rectangle(-13, 2, 26, 3.5)
    color(ctx, (30, 30, 36))
    ctx.fill()
    rounded(ctx, -10, -6, 6, 5, 1)
    fs(ctx, (240, 204, 90), 0.8)
    tiny_text(ctx, -2, -1.5, "LIFT", 6.5, "white")
    ctx.restore()


def empty_slot(ctx):  # 4: the bar shows this wherever it holds nothing
    rounded(ctx, 2.5, 2.5, 27, 27, 4)
    color(ctx, (44, 44, 54))
    ctx.set_line_width(1.0)
    ctx.stroke()
    rounded(ctx, 3.5, 3.5, 25, 25, 3.5)
    color(ctx, (12, 12, 16))
    ctx.fill()


def book(ctx, cover, band, mark):  # 5 Buch, 16 Gelddruckmaschinen
    poly(ctx, [(7, 6), (26, 4), (27, 27), (8, 29)])
    fs(ctx, "paper", 1.2)
    poly(ctx, [(5, 5), (24, 3), (25, 26), (6, 28)])
    ctx.set_source(linear(5, 0, 25, 0, [(0, cover), (1, tuple(max(0, v - 50) for v in cover))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    ctx.move_to(8.5, 4.8)
    ctx.line_to(9.5, 27.6)
    color(ctx, (0, 0, 0), 0.35)
    ctx.set_line_width(1.5)
    ctx.stroke()
    poly(ctx, [(10, 9), (22, 8), (22.3, 14), (10.3, 15)])
    fs(ctx, band, 0.8)
    mark(ctx)


def physics_mark(ctx):
    # an atom on the cover
    ctx.save()
    ctx.translate(16.5, 21)
    color(ctx, (250, 230, 140))
    ctx.set_line_width(0.9)
    for a in (0, math.pi / 3, -math.pi / 3):
        ctx.save()
        ctx.rotate(a)
        ctx.scale(5, 2)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        ctx.stroke()
    oval(ctx, 0, 0, 1.2, 1.2)
    ctx.fill()
    ctx.restore()
    lines(ctx, 12, 20, (11, 12.8), (40, 40, 80), 0.9)


def money_mark(ctx):
    tiny_text(ctx, 12.5, 25.5, "€", 11, (250, 220, 90))
    lines(ctx, 12, 20, (11, 12.8), (40, 60, 30), 0.9)


def coffee(ctx):  # 6 Kaffee
    color(ctx, (210, 210, 220))
    ctx.set_line_width(1.2)
    for x in (12, 17):
        ctx.move_to(x, 9)
        ctx.curve_to(x - 3, 6, x + 3, 4, x, 1)
        ctx.stroke()
    oval(ctx, 16, 27, 12, 3)
    fs(ctx, (220, 220, 230), 1.2)
    ctx.arc(23, 18, 4.5, -math.pi / 2, math.pi / 2)
    color(ctx, OUTLINE)
    ctx.set_line_width(4)
    ctx.stroke_preserve()
    color(ctx, "white")
    ctx.set_line_width(2)
    ctx.stroke()
    ctx.move_to(6, 11)
    ctx.line_to(8, 25)
    ctx.curve_to(10, 27, 20, 27, 22, 25)
    ctx.line_to(24, 11)
    ctx.close_path()
    ctx.set_source(linear(6, 0, 24, 0, [(0, "white"), (1, (200, 200, 214))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    oval(ctx, 15, 11, 9, 2.2)
    fs(ctx, (96, 56, 30), 1.0)
    ctx.rectangle(10, 17, 10, 2)
    color(ctx, "red")
    ctx.fill()


def cheque(ctx):  # 7 Bestechungsscheck
    ctx.save()
    ctx.translate(16, 16)
    ctx.rotate(-0.15)
    ctx.rectangle(-14, -8, 28, 16)
    ctx.set_source(linear(0, -8, 0, 8, [(0, (236, 246, 220)), (1, (196, 222, 180))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.2)
    ctx.stroke()
    tiny_text(ctx, -12, -1, "5500 €", 7, (20, 80, 40))
    lines(ctx, -12, 6, (3,), (100, 120, 100), 0.8)
    ctx.move_to(-1, 6)
    ctx.curve_to(2, 1, 4, 8, 7, 3)
    ctx.curve_to(9, 1, 10, 6, 12, 4)
    color(ctx, (30, 40, 160))
    ctx.set_line_width(0.9)
    ctx.stroke()
    ctx.restore()


def drawing(ctx):  # 8 Zeichnung: the design of a new banknote
    ctx.rectangle(3, 4, 26, 24)
    fs(ctx, "paper", 1.2)
    rounded(ctx, 6, 9, 20, 13, 1.5)
    fs(ctx, (150, 210, 150), 0.9)
    oval(ctx, 12, 15.5, 3.5, 4)
    fs(ctx, (250, 236, 200), 0.8)
    tiny_text(ctx, 17, 18.5, "100", 5.5, (20, 90, 40))
    color(ctx, (60, 60, 200))
    ctx.set_line_width(0.7)
    ctx.move_to(6, 25.5)
    ctx.curve_to(10, 23.5, 14, 27, 20, 25)
    ctx.stroke()


def rat_poison(ctx):  # 9 Rattengift
    ctx.rectangle(12, 2, 8, 5)
    fs(ctx, (200, 40, 40), 1.2)
    ctx.move_to(12, 7)
    ctx.line_to(20, 7)
    ctx.line_to(24, 12)
    ctx.line_to(24, 28)
    ctx.line_to(8, 28)
    ctx.line_to(8, 12)
    ctx.close_path()
    ctx.set_source(linear(8, 0, 24, 0, [(0, (150, 220, 90)), (1, (70, 150, 50))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.4)
    ctx.stroke()
    ctx.rectangle(9.5, 14, 13, 11)
    fs(ctx, "paper", 0.8)
    # skull
    oval(ctx, 16, 18, 3.6, 3.2)
    color(ctx, OUTLINE)
    ctx.fill()
    ctx.rectangle(14.2, 20, 3.6, 2.4)
    ctx.fill()
    for ex in (14.7, 17.3):
        oval(ctx, ex, 18, 0.9, 0.9)
        color(ctx, "paper")
        ctx.fill()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.1)
    ctx.move_to(11.5, 23)
    ctx.line_to(20.5, 24.5)
    ctx.move_to(11.5, 24.5)
    ctx.line_to(20.5, 23)
    ctx.stroke()


def archive_key(ctx):  # 10 Archivschlüssel, with its tag
    ctx.save()
    ctx.translate(7, 9)
    ctx.rotate(0.45)
    oval(ctx, 0, 0, 5.5, 5.5)
    fs(ctx, (240, 200, 80), 1.3)
    oval(ctx, -0.5, 0, 2.0, 2.0)
    color(ctx, (0, 0, 0))
    ctx.fill()
    poly(ctx, [(5, -1.8), (21, -1.8), (21, 1.8), (19, 1.8), (19, 5.5), (16, 5.5), (16, 1.8),
               (13.5, 1.8), (13.5, 4.5), (11, 4.5), (11, 1.8), (5, 1.8)])
    fs(ctx, (240, 200, 80), 1.1)
    ctx.restore()
    ctx.move_to(3, 12)
    ctx.curve_to(1, 18, 2, 21, 5, 22)
    color(ctx, (200, 200, 200))
    ctx.set_line_width(0.8)
    ctx.stroke()
    poly(ctx, [(3, 19), (27, 19), (30.5, 24), (27, 29), (3, 29)])
    fs(ctx, "paper", 1.0)
    oval(ctx, 5.5, 24, 1.0, 1.0)
    color(ctx, (0, 0, 0))
    ctx.fill()
    tiny_text(ctx, 8, 27.2, "Archiv", 7.4, (180, 30, 30), face="Liberation Sans Narrow")


def electric_tools(ctx):  # 11 Werkzeug eines Elektrikers
    # screwdriver
    thick_line(ctx, [(5, 27), (12, 20)], 4.5, (250, 210, 40), OUTLINE, 1.0)
    thick_line(ctx, [(13, 19), (21, 11)], 1.4, (200, 206, 214), OUTLINE, 0.6)
    # pliers
    thick_line(ctx, [(26, 28), (18, 16)], 3.6, (250, 210, 40), OUTLINE, 1.0)
    thick_line(ctx, [(17, 29), (21, 16)], 3.6, (250, 210, 40), OUTLINE, 1.0)
    poly(ctx, [(17, 17), (22, 15), (27, 4), (24, 4), (19, 12)])
    fs(ctx, (180, 186, 196), 1.0)
    oval(ctx, 19.5, 15.5, 1.4, 1.4)
    fs(ctx, (120, 120, 130), 0.6)
    # lightning
    poly(ctx, [(6, 2), (11, 2), (8.5, 7), (12, 7), (5, 15), (7, 9), (4, 9)])
    fs(ctx, (255, 240, 80), 0.8)


def handkerchief(ctx):  # 12 Taschentuch, with a little deer on it
    poly(ctx, [(4, 6), (27, 4), (29, 26), (6, 28)])
    fs(ctx, "white", 1.2)
    color(ctx, (120, 160, 230))
    ctx.set_line_width(1.2)
    for t in (0.15, 0.85):
        ctx.move_to(4 + 23 * t, 6 - 2 * t)
        ctx.line_to(6 + 23 * t, 28 - 2 * t)
        ctx.move_to(4 + 2 * t, 6 + 22 * t)
        ctx.line_to(27 + 2 * t, 4 + 22 * t)
    ctx.stroke()
    # deer
    brown = (170, 110, 60)
    oval(ctx, 15, 18, 5, 3)
    color(ctx, brown)
    ctx.fill()
    oval(ctx, 20.5, 13.5, 2.2, 1.8)
    ctx.fill()
    color(ctx, brown)
    ctx.set_line_width(1.1)
    for x0, x1 in ((11.5, 11), (13.5, 13.5), (17, 17), (18.5, 19)):
        ctx.move_to(x0, 20)
        ctx.line_to(x1, 24)
    ctx.move_to(19, 15.5)
    ctx.line_to(18.5, 17)
    ctx.move_to(20, 12)
    ctx.line_to(19, 9)
    ctx.line_to(17.5, 8)
    ctx.move_to(19.2, 10.2)
    ctx.line_to(20.5, 8.5)
    ctx.move_to(21.5, 12)
    ctx.line_to(23, 9)
    ctx.stroke()


def silicone(ctx):  # 13 Silicon: a cartridge with its nozzle
    ctx.save()
    ctx.translate(16, 16)
    ctx.rotate(-0.78)
    poly(ctx, [(8, -2), (15, -0.7), (15, 0.7), (8, 2)])
    fs(ctx, (240, 240, 240), 1.0)
    rounded(ctx, -13, -5, 21, 10, 2)
    ctx.set_source(linear(0, -5, 0, 5, [(0, "white"), (0.5, (220, 226, 236)), (1, (170, 176, 190))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.3)
    ctx.stroke()
    ctx.rectangle(-8, -5, 9, 10)
    fs(ctx, (60, 140, 210), 0.9)
    tiny_text(ctx, -7.5, 2, "SIL", 5, "white")
    ctx.restore()


def knife(ctx):  # 14 Wurfmesser
    ctx.save()
    ctx.translate(15, 17)
    ctx.rotate(-0.78)
    poly(ctx, [(-1, -4.5), (10, -3.5), (17, 0), (10, 3.5), (-1, 4.5)])
    ctx.set_source(linear(0, -4.5, 0, 4.5, [(0, "white"), (0.5, (210, 216, 226)), (1, (130, 136, 150))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.1)
    ctx.stroke()
    ctx.move_to(0, 0)
    ctx.line_to(15, 0)
    color(ctx, (150, 156, 170))
    ctx.set_line_width(0.8)
    ctx.stroke()
    rounded(ctx, -13, -2.6, 12, 5.2, 1.5)
    fs(ctx, (60, 50, 50), 1.0)
    color(ctx, (220, 70, 60))
    ctx.set_line_width(1.2)
    for x in (-11.5, -8, -4.5):
        ctx.move_to(x, -2.6)
        ctx.line_to(x + 2, 2.6)
    ctx.stroke()
    oval(ctx, -14.5, 0, 2.4, 2.4)
    fs(ctx, (190, 196, 206), 0.9)
    ctx.restore()


def drink_can(ctx):  # 15 Getränk
    rounded(ctx, 9, 4, 14, 25, 3)
    ctx.set_source(linear(9, 0, 23, 0, [(0, (150, 20, 30)), (0.35, (240, 70, 70)), (1, (150, 20, 30))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.3)
    ctx.stroke()
    oval(ctx, 16, 5.5, 6.3, 1.8)
    fs(ctx, (210, 214, 222), 0.9)
    ctx.move_to(9.5, 19)
    ctx.curve_to(13, 15, 18, 22, 22.5, 17)
    color(ctx, "white")
    ctx.set_line_width(1.6)
    ctx.stroke()
    oval(ctx, 12, 12, 0.9, 3)
    color(ctx, "white", 0.6)
    ctx.fill()
    color(ctx, (130, 200, 250))
    for x, y in ((6, 10), (26, 14), (5, 22)):
        oval(ctx, x, y, 0.9, 1.3)
        ctx.fill()


def club(ctx):  # 17 Schläger
    thick_line(ctx, [(23, 3), (10, 24)], 2.0, (200, 206, 216), OUTLINE, 0.9)
    thick_line(ctx, [(23, 3), (20.5, 7)], 3.2, (40, 40, 48), OUTLINE, 0.8)
    poly(ctx, [(6, 23), (14, 23.5), (15, 27), (5, 27.5)])
    ctx.set_source(linear(0, 23, 0, 28, [(0, (230, 234, 240)), (1, (140, 146, 160))]))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.2)
    ctx.stroke()


def hose(ctx):  # 18 Schlauch
    green = (60, 170, 70)
    for r in (11, 8, 5):
        oval(ctx, 15, 17, r, r * 0.78)
        color(ctx, OUTLINE)
        ctx.set_line_width(4.2)
        ctx.stroke_preserve()
        color(ctx, green)
        ctx.set_line_width(2.6)
        ctx.stroke()
    thick_line(ctx, [(26, 17), (29, 9), (28, 5)], 2.6, green, OUTLINE, 0.8)
    ctx.rectangle(25.5, 2, 5, 4)
    fs(ctx, (240, 200, 70), 0.9)


def golf_ball(ctx, special=False):  # 19 Golfball, 20 Spezialgolfball (golden, sparkling)
    if special:
        for i in range(12):
            a = i * math.pi / 6
            ctx.move_to(16 + 10 * math.cos(a), 16 + 10 * math.sin(a))
            ctx.line_to(16 + (15 if i % 2 else 13) * math.cos(a), 16 + (15 if i % 2 else 13) * math.sin(a))
        color(ctx, (255, 220, 90))
        ctx.set_line_width(1.3)
        ctx.stroke()
    oval(ctx, 16, 16, 9, 9)
    stops = ([(0, (255, 250, 200)), (0.6, (250, 200, 60)), (1, (200, 130, 20))] if special else
             [(0, "white"), (0.7, (228, 232, 238)), (1, (170, 176, 190))])
    ctx.set_source(radial(13, 13, 12, stops))
    ctx.fill_preserve()
    color(ctx, OUTLINE)
    ctx.set_line_width(1.3)
    ctx.stroke()
    color(ctx, (200, 140, 30) if special else (176, 182, 196))
    for dx, dy in ((-3, -3), (1, -4), (4, -1), (-4, 1), (0, 0), (3, 3), (-1, 4), (-4, 4.5), (5, 4)):
        oval(ctx, 16 + dx, 16 + dy, 0.8, 0.8)
        ctx.fill()
    if special:
        for sx, sy, r in ((4, 4, 3.5), (28, 5, 2.5), (27, 27, 3.5), (4, 27, 2.5)):
            star(ctx, sx, sy, r)
        oval(ctx, 12.5, 12.5, 2.2, 1.6)
        color(ctx, "white")
        ctx.fill()


def star(ctx, cx, cy, r):
    pts = []
    for i in range(8):
        a = i * math.pi / 4
        rr = r if i % 2 == 0 else r * 0.35
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    poly(ctx, pts)
    color(ctx, (255, 250, 200))
    ctx.fill()


ICONS = [
    folder, plan, toolbox, lift_card, empty_slot,
    lambda ctx: book(ctx, (60, 110, 200), (240, 236, 210), physics_mark),
    coffee, cheque, drawing, rat_poison, archive_key, electric_tools, handkerchief, silicone, knife,
    drink_can,
    lambda ctx: book(ctx, (40, 140, 70), (250, 226, 120), money_mark),
    club, hose, golf_ball, lambda ctx: golf_ball(ctx, special=True),
]


def icons():
    out = []
    for draw in ICONS:
        surface, ctx = new_icon()
        draw(ctx)
        out.append(surface)
    return out
