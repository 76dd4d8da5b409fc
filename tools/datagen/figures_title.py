"""Full-screen pictures: the title screen with its three lit columns and the
arrow, the splash, the loading screen with its progress flask, the book page,
and the black clear-screen pictures."""
import math
import random

import cairo

import figures_kroxl
from figures_draw import color, crop, fill_stroke, linear, oval, poly, radial, rounded, text_at

W, H = 640, 400
# Columns of the title screen: x < 258, 258..450, > 450.
COLUMNS = [(14, 246), (266, 442), (458, 626)]
COLUMN_TOP, COLUMN_BOTTOM = 138, 334
ARROW = (31, 149, 52, 38)  # where pfeil.bmp goes, and its size


def opaque(w, h):
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, w, h)
    return surface, cairo.Context(surface)


def night_sky(ctx, w, h, seed=7):
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(linear(0, 0, 0, h, [(0, (14, 18, 52)), (0.6, (48, 36, 96)), (1, (96, 54, 110))]))
    ctx.fill()
    rnd = random.Random(seed)
    for _ in range(90):
        x, y, r = rnd.uniform(0, w), rnd.uniform(0, h * 0.7), rnd.uniform(0.5, 1.5)
        oval(ctx, x, y, r, r)
        color(ctx, (255, 250, 220), rnd.uniform(0.4, 1.0))
        ctx.fill()
    ctx.set_source(radial(w - 70, 60, 60, [(0, (255, 250, 210), 0.35), (1, (255, 250, 210), 0.0)]))
    ctx.arc(w - 70, 60, 60, 0, 2 * math.pi)
    ctx.fill()
    oval(ctx, w - 70, 60, 24, 24)
    color(ctx, (255, 246, 200))
    ctx.fill()
    for mx, my, r in ((-8, -6, 4), (6, 5, 5), (-4, 10, 3)):
        oval(ctx, w - 70 + mx, 60 + my, r, r)
        color(ctx, (230, 220, 180))
        ctx.fill()


def research_centre(ctx, base_y, w, seed=3):
    """The research centre as a skyline of cartoon buildings with lit windows."""
    rnd = random.Random(seed)
    blocks = [(0, 70), (60, 110), (170, 80), (250, 150), (400, 95), (470, 125), (560, 80)]
    for i, (x, hgt) in enumerate(blocks):
        bw = (blocks[i + 1][0] if i + 1 < len(blocks) else w) - x + 6
        ctx.rectangle(x, base_y - hgt, bw, hgt + 200)
        fill_stroke(ctx, (28, 26, 54), (10, 10, 24), 2)
        for wy in range(int(base_y - hgt + 12), int(base_y - 6), 18):
            for wx in range(x + 10, x + bw - 14, 20):
                lit = rnd.random() < 0.45
                ctx.rectangle(wx, wy, 10, 10)
                color(ctx, (255, 220, 110) if lit else (50, 48, 84))
                ctx.fill()
    # the dome of the observatory and the chimney of the lab
    ctx.arc(325, base_y - 150, 38, math.pi, 2 * math.pi)
    fill_stroke(ctx, (50, 48, 90), (10, 10, 24), 2)
    ctx.rectangle(318, base_y - 194, 14, 20)
    color(ctx, (255, 220, 110))
    ctx.fill()


def title_lettering(ctx, cx, y, size):
    grad = linear(0, y - size, 0, y, [(0, (255, 244, 150)), (1, (246, 160, 40))])
    text_at(ctx, cx + 3, y + 4, "Professor Kroxl", size, (10, 8, 20), bold=True, align="center")
    text_at(ctx, cx, y, "Professor Kroxl", size, grad, bold=True, align="center", outline="ink",
            outline_width=5)


# ---------------------------------------------------------------- title screen

def splat(ctx, cx, cy, r, c=(200, 20, 30)):
    rnd = random.Random(int(cx * 7 + cy))
    pts = []
    for i in range(18):
        a = i * 2 * math.pi / 18
        rr = r * (1.0 if i % 2 == 0 else rnd.uniform(0.55, 0.8))
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    poly(ctx, pts)
    fill_stroke(ctx, c, (90, 0, 10), 1.5)
    for i in range(5):
        a = rnd.uniform(0, 2 * math.pi)
        d = r * rnd.uniform(1.2, 1.6)
        oval(ctx, cx + d * math.cos(a), cy + d * math.sin(a), r * 0.12, r * 0.12)
        color(ctx, c)
        ctx.fill()


def teddy(ctx, cx, cy, s):
    brown, light = (190, 130, 70), (236, 196, 140)
    for ex in (-1, 1):
        oval(ctx, cx + ex * 13 * s, cy - 14 * s, 6 * s, 6 * s)
        fill_stroke(ctx, brown, "ink", 1.5)
    oval(ctx, cx, cy + 22 * s, 16 * s, 18 * s)
    fill_stroke(ctx, brown, "ink", 1.5)
    oval(ctx, cx, cy + 24 * s, 9 * s, 11 * s)
    color(ctx, light)
    ctx.fill()
    oval(ctx, cx, cy, 16 * s, 14 * s)
    fill_stroke(ctx, brown, "ink", 1.5)
    oval(ctx, cx, cy + 5 * s, 7 * s, 5 * s)
    fill_stroke(ctx, light, "ink", 1.0)
    oval(ctx, cx, cy + 2.5 * s, 2.2 * s, 1.6 * s)
    color(ctx, "ink")
    ctx.fill()
    for ex in (-1, 1):
        oval(ctx, cx + ex * 6 * s, cy - 3 * s, 1.8 * s, 2.2 * s)
        ctx.fill()
    poly(ctx, [(cx - 7 * s, cy + 12 * s), (cx, cy + 15 * s), (cx + 7 * s, cy + 12 * s),
               (cx + 7 * s, cy + 18 * s), (cx, cy + 15 * s), (cx - 7 * s, cy + 18 * s)])
    fill_stroke(ctx, (90, 150, 230), "ink", 1.0)


def floppy(ctx, cx, cy, s):
    rounded(ctx, cx - 26 * s, cy - 26 * s, 52 * s, 52 * s, 4 * s)
    fill_stroke(ctx, (60, 90, 200), "ink", 2)
    ctx.rectangle(cx - 15 * s, cy - 26 * s, 30 * s, 17 * s)
    fill_stroke(ctx, (210, 214, 222), "ink", 1.6)
    ctx.rectangle(cx + 4 * s, cy - 23 * s, 6 * s, 11 * s)
    color(ctx, (60, 90, 200))
    ctx.fill()
    ctx.rectangle(cx - 18 * s, cy + 2 * s, 36 * s, 22 * s)
    fill_stroke(ctx, "white", "ink", 1.6)
    text_at(ctx, cx, cy + 17 * s, "Kroxl", 11 * s, (200, 40, 40), bold=True, align="center")


def column_box(ctx, x0, x1, lit):
    rounded(ctx, x0, COLUMN_TOP, x1 - x0, COLUMN_BOTTOM - COLUMN_TOP, 16)
    if lit:
        ctx.set_source(linear(0, COLUMN_TOP, 0, COLUMN_BOTTOM,
                              [(0, (255, 236, 160), 0.95), (1, (250, 180, 70), 0.95)]))
    else:
        ctx.set_source(linear(0, COLUMN_TOP, 0, COLUMN_BOTTOM,
                              [(0, (40, 40, 90), 0.82), (1, (20, 20, 50), 0.88)]))
    ctx.fill_preserve()
    color(ctx, "white" if lit else (120, 120, 190))
    ctx.set_line_width(3 if lit else 1.5)
    ctx.stroke()


def title_screen(lit=0, arrow=False):
    surface, ctx = opaque(W, H)
    night_sky(ctx, W, H)
    research_centre(ctx, 372, W)
    ctx.rectangle(0, 372, W, 28)
    color(ctx, (30, 60, 40))
    ctx.fill()
    title_lettering(ctx, W / 2, 78, 58)
    text_at(ctx, W / 2, 112, "Ein Abenteuer im Forschungszentrum", 18, (220, 220, 255), align="center",
            italic=True)
    for n, (x0, x1) in enumerate(COLUMNS, start=1):
        column_box(ctx, x0, x1, lit == n)
    ink = lambda n, on_dark: "ink" if lit == n else on_dark
    # 1: the game itself
    x0, x1 = COLUMNS[0]
    for i, word in enumerate(("Uncensored", "Bloody", "Version")):
        text_at(ctx, 160, 178 + 34 * i, word, 27, ink(1, (255, 90, 80)) if word == "Bloody" else
                ink(1, "white"), bold=True, align="center")
    splat(ctx, 62, 270, 22)
    splat(ctx, 214, 286, 12)
    text_at(ctx, 150, 318, "Spiel starten", 17, ink(1, (200, 200, 240)), align="center")
    # 2: the kid version
    x0, x1 = COLUMNS[1]
    teddy(ctx, (x0 + x1) / 2, 188, 1.4)
    text_at(ctx, (x0 + x1) / 2, 290, "Kid-Version", 26, ink(2, "white"), bold=True, align="center")
    text_at(ctx, (x0 + x1) / 2, 318, "für die Kleinen", 15, ink(2, (200, 200, 240)), align="center")
    # 3: load a game
    x0, x1 = COLUMNS[2]
    floppy(ctx, (x0 + x1) / 2, 200, 1.1)
    text_at(ctx, (x0 + x1) / 2, 272, "Spielstand", 25, ink(3, "white"), bold=True, align="center")
    text_at(ctx, (x0 + x1) / 2, 300, "laden", 25, ink(3, "white"), bold=True, align="center")
    if arrow:
        draw_arrow(ctx, *ARROW)
    return surface


def draw_arrow(ctx, x, y, w, h):
    """A fat red arrow pointing at the chosen column's text."""
    my = y + h / 2
    poly(ctx, [(x + 2, my - 7), (x + w - 20, my - 7), (x + w - 20, y + 2), (x + w - 2, my),
               (x + w - 20, y + h - 2), (x + w - 20, my + 7), (x + 2, my + 7)])
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_source(linear(0, y, 0, y + h, [(0, (255, 110, 90)), (1, (190, 20, 20))]))
    ctx.fill_preserve()
    color(ctx, "ink")
    ctx.set_line_width(2.5)
    ctx.stroke()


def title_pictures():
    """{"main", "1", "2", "3": 640 x 400; "pfeil": the arrow over lit column 1}."""
    pictures = {"main": title_screen()}
    for n in (1, 2, 3):
        pictures[str(n)] = title_screen(lit=n)
    pictures["pfeil"] = crop(title_screen(lit=1, arrow=True), ARROW[0], ARROW[1], ARROW[2], ARROW[3])
    return pictures


# ---------------------------------------------------------------- splash

def splash():
    """640 x 480: the title with the professor, shown before the choice."""
    surface, ctx = opaque(640, 480)
    night_sky(ctx, 640, 480, seed=11)
    research_centre(ctx, 450, 640, seed=5)
    ctx.rectangle(0, 450, 640, 30)
    color(ctx, (30, 60, 40))
    ctx.fill()
    oval(ctx, 200, 300, 150, 150)
    ctx.set_source(radial(200, 300, 150, [(0, (255, 240, 180), 0.55), (1, (255, 240, 180), 0.0)]))
    ctx.fill()
    ctx.save()
    ctx.translate(120, 110)
    ctx.scale(1.9, 1.9)
    figures_kroxl.portrait(ctx, "stand", "happy")
    ctx.restore()
    title_lettering(ctx, 430, 140, 54)
    for i, line in enumerate(("Das Forschungszentrum", "ist pleite.", "Nur einer kann es retten...")):
        text_at(ctx, 430, 200 + 30 * i, line, 21, (230, 230, 255), align="center", italic=i == 2)
    rounded(ctx, 330, 330, 200, 44, 12)
    fill_stroke(ctx, (250, 196, 70), "ink", 2.5)
    text_at(ctx, 430, 359, "Klicken zum Starten", 19, "ink", bold=True, align="center")
    return surface


# ---------------------------------------------------------------- loading

FLASK = (301, 288, 38, 38)
LOADING_STEPS = 7


def flask(ctx, fill_level):
    x, y, w, h = FLASK
    cx = x + w / 2
    path = [(cx - 5, y + 3), (cx + 5, y + 3), (cx + 5, y + 14), (x + w - 3, y + h - 4),
            (x + 3, y + h - 4), (cx - 5, y + 14)]
    if fill_level > 0:
        ctx.save()
        poly(ctx, path)
        ctx.clip()
        top = y + h - 4 - (h - 8) * fill_level
        ctx.rectangle(x, top, w, h)
        ctx.set_source(linear(0, top, 0, y + h, [(0, (140, 250, 120)), (1, (40, 170, 70))]))
        ctx.fill()
        for i in range(int(fill_level * 6)):
            oval(ctx, cx - 8 + (i * 7) % 16, y + h - 9 - i * 3.5, 1.5, 1.5)
            color(ctx, "white", 0.8)
            ctx.fill()
        ctx.restore()
    poly(ctx, path)
    color(ctx, "white")
    ctx.set_line_width(2)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.stroke()
    ctx.move_to(cx - 7, y + 3)
    ctx.line_to(cx + 7, y + 3)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    ctx.set_line_width(2.5)
    ctx.stroke()


def loading_screen(level=0.0):
    surface, ctx = opaque(W, H)
    ctx.rectangle(0, 0, W, H)
    ctx.set_source(radial(320, 250, 380, [(0, (0, 90, 120)), (1, (0, 24, 40))]))
    ctx.fill()
    title_lettering(ctx, 320, 150, 44)
    text_at(ctx, 320, 240, "Spielstand wird geladen ...", 24, "white", align="center")
    rounded(ctx, FLASK[0] - 6, FLASK[1] - 6, FLASK[2] + 12, FLASK[3] + 12, 8)
    color(ctx, (0, 40, 60))
    ctx.fill()
    flask(ctx, level)
    return surface


def loading_pictures():
    """{"loading": 640 x 400, "loading01".."loading07": the flask filling up}."""
    pictures = {"loading": loading_screen()}
    for step in range(1, LOADING_STEPS + 1):
        full = loading_screen(step / LOADING_STEPS)
        pictures[f"loading{step:02d}"] = crop(full, *FLASK)
    return pictures


# ---------------------------------------------------------------- book page

def book_page():
    """400 x 205: the open book "Physik und Mathematik", drawn at (120, 5)."""
    surface, ctx = opaque(400, 205)
    ctx.set_source_rgb(0.16, 0.2, 0.42)
    ctx.paint()
    for x0, x1 in ((6, 200), (200, 394)):
        ctx.rectangle(x0, 6, x1 - x0, 193)
        ctx.set_source(linear(x0, 0, x1, 0, [(0, (250, 244, 222)), (1, (232, 222, 192))] if x0 < 200
                              else [(0, (232, 222, 192)), (1, (250, 244, 222))]))
        ctx.fill()
    ctx.move_to(200, 6)
    ctx.line_to(200, 199)
    color(ctx, (150, 130, 100))
    ctx.set_line_width(2)
    ctx.stroke()
    text_at(ctx, 103, 24, "Physik und Mathematik", 12, (120, 60, 40), bold=True, align="center")
    text_at(ctx, 18, 48, "Kapitel 1", 14, (30, 40, 110), bold=True)
    text_at(ctx, 18, 64, "Wasser entsteht beim Verbrennen", 11, "ink")
    text_at(ctx, 18, 78, "von Wasserstoff:", 11, "ink")
    text_at(ctx, 36, 100, "2 H₂ + O₂ → 2 H₂O", 14, (20, 90, 150), bold=True, face="DejaVu Sans")
    text_at(ctx, 18, 128, "Kapitel 2", 14, (30, 40, 110), bold=True)
    text_at(ctx, 18, 144, "Das Ohmsche Gesetz:", 11, "ink")
    text_at(ctx, 60, 172, "U = R · I", 20, (180, 40, 40), bold=True)
    # a little circuit
    ctx.rectangle(150, 150, 36, 30)
    color(ctx, "ink")
    ctx.set_line_width(1.3)
    ctx.stroke()
    ctx.rectangle(160, 146, 16, 8)
    fill_stroke(ctx, (240, 220, 150), "ink", 1.2)
    oval(ctx, 150, 165, 5, 5)
    fill_stroke(ctx, "white", "ink", 1.2)
    text_at(ctx, 212, 48, "Kapitel 3", 14, (30, 40, 110), bold=True)
    text_at(ctx, 212, 64, "Newton und der Apfel", 11, "ink")
    # Newton under the apple tree
    ctx.rectangle(330, 120, 12, 62)
    fill_stroke(ctx, (140, 96, 60), "ink", 1.3)
    for cx, cy, r in ((336, 100, 30), (312, 112, 20), (360, 114, 20)):
        oval(ctx, cx, cy, r, r * 0.8)
        fill_stroke(ctx, (90, 170, 80), (40, 90, 40), 1.3)
    for ax, ay in ((322, 104), (350, 96), (362, 118)):
        oval(ctx, ax, ay, 3.2, 3.2)
        fill_stroke(ctx, "red", "ink", 0.8)
    oval(ctx, 288, 150, 9, 10)
    fill_stroke(ctx, (250, 214, 178), "ink", 1.3)
    for dx in (-10, -6, 6, 10):
        oval(ctx, 288 + dx, 148, 4, 5)
        color(ctx, (240, 240, 240))
        ctx.fill()
    poly(ctx, [(276, 160), (300, 160), (304, 184), (272, 184)])
    fill_stroke(ctx, (90, 60, 120), "ink", 1.3)
    oval(ctx, 292, 134, 4, 4)
    fill_stroke(ctx, "red", "ink", 1.0)
    ctx.move_to(292, 118)
    ctx.line_to(292, 126)
    ctx.move_to(286, 116)
    ctx.line_to(288, 124)
    color(ctx, (120, 120, 120))
    ctx.set_line_width(1)
    ctx.stroke()
    text_at(ctx, 212, 196, "Spannend!", 10, (120, 100, 80), italic=True)
    text_at(ctx, 103, 196, "- 42 -", 9, (120, 100, 80), align="center")
    return surface


def black_screen():
    surface, ctx = opaque(W, H)
    ctx.set_source_rgb(0, 0, 0)
    ctx.paint()
    return surface
