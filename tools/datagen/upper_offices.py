"""The upper floor's offices and close-ups: the boss's office, Corinna's office,
Kroxl's office, his desk with the archive test, the microscope view and the
lift panel. Each function draws a whole 640 x 400 picture."""
import math

from upper_draw import (arrow, back_wall, box, ceiling_lamp, curve, door, floor, line, oval,
                        plate, plant, poly, rgrad, shade, skirting, text, text_width,
                        vgrad, wallpaper_stripes, window)
from upper_people import bigboss, corinna
from upper_corridors import lift_door


def desk_front(ctx, x, y, w, h, color=(150, 100, 60), drawers=True):
    box(ctx, x - 6, y, w + 12, 11, vgrad(y, y + 11, shade(color, 1.2), color), r=2)
    box(ctx, x, y + 11, w, h - 11, vgrad(y + 11, y + h, color, shade(color, 0.78)))
    if drawers:
        for i in range(3):
            box(ctx, x + 8, y + 18 + i * (h - 26) / 3, w * 0.3, (h - 26) / 3 - 4, None,
                shade(color, 0.65), 1.5, r=2)
            oval(ctx, x + 8 + w * 0.15, y + 18 + i * (h - 26) / 3 + (h - 26) / 6 - 2, 4, 2,
                 "yellow", "ink", 0.8)


def wall_clock(ctx, cx, cy, r=18):
    oval(ctx, cx, cy, r, r, "white", "ink", 2.5)
    for i in range(12):
        a = i * math.pi / 6
        line(ctx, [(cx + math.cos(a) * r * 0.78, cy + math.sin(a) * r * 0.78),
                   (cx + math.cos(a) * r * 0.9, cy + math.sin(a) * r * 0.9)], "ink", 1.2)
    line(ctx, [(cx, cy), (cx + r * 0.5, cy - r * 0.2)], "ink", 2)
    line(ctx, [(cx, cy), (cx - r * 0.1, cy - r * 0.7)], "ink", 1.5)


# --- room -1 ----------------------------------------------------------------

def big_boss_office(ctx):
    horizon = 345
    back_wall(ctx, 0, 0, 640, horizon, (150, 60, 60), 0.7)
    for x in range(0, 640, 40):                     # wood panelling below
        box(ctx, x + 3, 250, 34, horizon - 256, vgrad(250, horizon, (130, 80, 50), (100, 60, 36)),
            (80, 50, 30), 1.2)
    line(ctx, [(0, 248), (640, 248)], "ink", 2)
    floor(ctx, horizon, 400, (150, 40, 50), lines=8)
    skirting(ctx, horizon, color=(90, 50, 30))
    window(ctx, 40, 40, 190, 120)
    ceiling_lamp(ctx, 250, 0, 120)
    # a portrait of the boss himself, and a dying company chart
    box(ctx, 256, 60, 64, 80, (200, 160, 60), width=2)
    box(ctx, 264, 68, 48, 64, vgrad(68, 132, (90, 110, 140), (60, 70, 100)), width=1)
    oval(ctx, 288, 94, 12, 14, (250, 214, 178), "ink", 1)
    poly(ctx, [(270, 132), (276, 112), (300, 112), (306, 132)], (60, 64, 84), None)
    box(ctx, 252, 170, 72, 60, "white", width=1.5)
    line(ctx, [(258, 180), (276, 190), (290, 186), (304, 208), (318, 222)], "red", 2.5)
    text(ctx, 288, 226, "Budget", 9, "ink", True, "center")
    lift_door(ctx, 352, 156, 96, 187, sign="Privatlift", color=(214, 186, 100), reader=False)
    box(ctx, 454, 240, 8, 16, (60, 60, 60), width=1, r=2)
    oval(ctx, 458, 248, 2.5, 2.5, "yellow", None)
    # the way out: a door and a doormat
    door(ctx, 494, 186, 98, 159)
    plate(ctx, 543, 206, "Ausgang", 10)
    box(ctx, 490, 350, 106, 16, (90, 110, 80), width=1.5, r=4)
    plant(ctx, 616, horizon + 8, 0.9)
    bigboss(ctx)
    desk_front(ctx, 40, 262, 210, 84, (120, 70, 40))
    # things on the desk: papers, coffee cups, the name plate
    for i, (x, y) in enumerate([(200, 252), (218, 254), (60, 250)]):
        box(ctx, x, y, 14, 12, "white", width=1.2, r=2)
        curve(ctx, (x + 14, y + 3), (x + 20, y + 3), (x + 20, y + 9), (x + 14, y + 9), "ink", 1.2)
    box(ctx, 120, 276, 66, 14, (200, 170, 80), width=1.2, r=2)
    text(ctx, 153, 287, "DER CHEF", 9, "ink", True, "center")


# --- room 1 -----------------------------------------------------------------

def pin_board(ctx):
    box(ctx, 586, 154, 45, 125, vgrad(154, 279, (200, 150, 90), (176, 126, 70)), (110, 70, 40), 3)
    notes = [(590, 160, 20, 22, (255, 250, 160)), (612, 164, 15, 18, (180, 230, 250)),
             (590, 188, 37, 40, "white"), (596, 236, 22, 20, (250, 190, 200)),
             (614, 240, 14, 30, (200, 250, 190))]
    for x, y, w, h, c in notes:
        box(ctx, x, y, w, h, c, width=1)
        oval(ctx, x + w / 2, y + 3, 2, 2, "red", None)
    text(ctx, 608, 202, "ARCHIV", 7, "red", True, "center")
    for i in range(4):
        line(ctx, [(593, 208 + i * 5), (624 - (i % 2) * 6, 208 + i * 5)], (90, 90, 90), 1)


def socket(ctx, cable=True):
    box(ctx, 393, 244, 17, 14, "white", width=1.5, r=3)
    oval(ctx, 401.5, 251, 5, 5, shade("white", 0.9), "ink", 1)
    if cable:
        box(ctx, 397, 247, 9, 9, (50, 50, 50), width=1, r=2)
        curve(ctx, (401, 256), (401, 300), (400, 320), (396, 334), (50, 50, 50), 2.5)
        curve(ctx, (396, 334), (390, 338), (382, 339), (376, 339), (50, 50, 50), 2.5)


def buero(ctx, **pose):
    horizon = 337
    back_wall(ctx, 0, 0, 640, horizon, (244, 214, 120))
    wallpaper_stripes(ctx, 0, 0, 640, horizon - 40, (226, 150, 70))
    box(ctx, 0, horizon - 40, 640, 40, vgrad(horizon - 40, horizon, (200, 170, 110), (170, 140, 90)),
        None)
    line(ctx, [(0, horizon - 40), (640, horizon - 40)], "ink", 1.5)
    floor(ctx, horizon, 400, (170, 120, 80))
    skirting(ctx, horizon)
    ceiling_lamp(ctx, 330, 0, 100)
    window(ctx, 14, 50, 64, 120)
    # a filing cabinet and a plant on the left
    box(ctx, 10, 236, 70, 101, vgrad(236, 337, (150, 160, 170), (120, 130, 140)))
    for i in range(3):
        box(ctx, 16, 242 + i * 32, 58, 27, None, (90, 96, 110), 1.2, r=2)
        box(ctx, 38, 250 + i * 32, 14, 4, (60, 60, 60), None)
    plant(ctx, 45, 236, 0.6)
    wall_clock(ctx, 210, 80)
    # the two doors, the socket and the pin board
    door(ctx, 262, 150, 117, 187)
    plate(ctx, 320, 172, "Gang", 11)
    door(ctx, 430, 150, 101, 187, color=(130, 40, 40), panels=False)
    for yy in range(176, 320, 24):
        for xx in range(446, 520, 22):
            oval(ctx, xx + (yy // 24 % 2) * 11, yy, 1.8, 1.8, (230, 190, 110), None)
    plate(ctx, 480, 168, "DIREKTOR", 10, fill=(220, 190, 90))
    socket(ctx)
    pin_board(ctx)
    # Corinna's desk and Corinna herself
    corinna(ctx, **pose)
    desk_front(ctx, 84, 283, 158, 62, (200, 150, 110))
    box(ctx, 224, 262, 14, 21, (80, 140, 200), width=1.2, r=2)
    for i, c in enumerate([(240, 80, 80), (250, 220, 80), (240, 130, 200)]):
        oval(ctx, 226 + i * 5, 256 - (i % 2) * 5, 4, 4, c, "ink", 0.8)
    plate(ctx, 180, 300, "Corinna", 10, fill=(250, 240, 220))


# --- room 103 ---------------------------------------------------------------

def photo(ctx):
    """Kroxl with the Nobel prize: an obvious photo montage."""
    box(ctx, 66, 130, 69, 85, (200, 160, 60), width=2.5)
    box(ctx, 73, 137, 55, 71, vgrad(137, 208, (180, 210, 240), (230, 220, 200)), width=1)
    poly(ctx, [(80, 208), (86, 178), (114, 178), (120, 208)], "white", width=1)
    oval(ctx, 100, 164, 11, 13, (250, 214, 178), "ink", 1)
    poly(ctx, [(88, 158), (92, 146), (108, 146), (112, 158), (100, 152)], (240, 240, 240), "ink", 1)
    oval(ctx, 95, 164, 3, 3, None, "ink", 1)
    oval(ctx, 105, 164, 3, 3, None, "ink", 1)
    line(ctx, [(94, 172), (106, 172)], "ink", 1.2)
    line(ctx, [(96, 178), (100, 190), (104, 178)], "red", 1.5)
    oval(ctx, 100, 194, 6, 6, "yellow", "ink", 1)
    line(ctx, [(73, 172), (128, 170)], (120, 120, 120), 0.8)   # the seam of the montage
    text(ctx, 100, 204, "NOBELPREIS", 5.5, "ink", True, "center")


def kroxl_office(ctx, night_time=False):
    horizon = 337
    back_wall(ctx, 0, 0, 640, horizon, (214, 226, 200))
    floor(ctx, horizon, 400, (150, 116, 84))
    skirting(ctx, horizon)
    window(ctx, 400, 54, 140, 112, night_sky=night_time)
    ceiling_lamp(ctx, 230, 0, 90)
    photo(ctx)
    # a diploma and a shelf of thick books
    box(ctx, 66, 236, 64, 48, "paper", width=1.5)
    text(ctx, 98, 256, "Diplom", 10, "ink", True, "center")
    line(ctx, [(76, 266), (120, 266)], (150, 150, 150), 1)
    line(ctx, [(76, 272), (112, 272)], (150, 150, 150), 1)
    box(ctx, 584, 80, 56, 257, (120, 84, 52))
    for s in range(4):
        y = 90 + s * 62
        box(ctx, 588, y + 52, 52, 6, (100, 70, 40), width=1)
        for b in range(5):
            box(ctx, 590 + b * 10, y + 10 + (b % 2) * 6, 9, 42 - (b % 2) * 6,
                [(180, 60, 60), (60, 100, 170), (80, 140, 80), (200, 170, 80)][(b + s) % 4], width=1)
    door(ctx, 182, 150, 109, 187)
    plate(ctx, 236, 172, "Gang", 11)
    # the desk with the microscope, the test and a lamp
    box(ctx, 322, 262, 40, 70, (40, 40, 50), r=10)          # chair back behind the desk
    desk_front(ctx, 300, 282, 268, 100, (170, 120, 70))
    box(ctx, 292, 382, 12, 16, (110, 70, 40), width=1.2)
    box(ctx, 560, 382, 12, 16, (110, 70, 40), width=1.2)
    _microscope(ctx, 330, 200, 0.35)
    poly(ctx, [(420, 274), (484, 270), (490, 284), (414, 288)], "paper", width=1.2)
    text(ctx, 452, 282, "TEST", 8, "red", True, "center")
    box(ctx, 500, 264, 40, 18, (230, 200, 120), width=1.2)        # Corinna's basket
    line(ctx, [(540, 206), (530, 250), (528, 282)], (60, 60, 60), 3)
    poly(ctx, [(526, 196), (556, 206), (548, 222), (520, 212)], (60, 140, 90), width=1.5)
    box(ctx, 516, 278, 24, 6, (60, 60, 60), width=1)


def desk_lamp_light(ctx):
    """The desk lamp's light, laid over the darkened night picture."""
    ctx.move_to(536, 214)
    ctx.line_to(470, 286)
    ctx.line_to(584, 286)
    ctx.close_path()
    ctx.set_source_rgba(1.0, 0.94, 0.6, 0.4)
    ctx.fill()
    oval(ctx, 534, 216, 8, 5, (255, 250, 200), None)


def _microscope(ctx, x, y, s):
    """A lab microscope; (x, y) is the top-left of its bounding box at scale s."""
    ctx.save()
    ctx.translate(x, y)
    ctx.scale(s, s)
    box(ctx, 30, 200, 170, 36, vgrad(200, 236, (70, 70, 80), (40, 40, 50)), r=10)
    poly(ctx, [(140, 200), (170, 60), (196, 64), (176, 200)], (60, 64, 74), width=3)
    box(ctx, 60, 150, 110, 14, (110, 116, 126), width=3, r=4)
    ctx.save()
    ctx.translate(108, 90)
    ctx.rotate(-0.45)
    box(ctx, -16, -90, 32, 150, vgrad(-90, 60, (220, 224, 230), (160, 166, 176)), width=3, r=6)
    box(ctx, -20, -104, 40, 20, (60, 64, 74), width=3, r=4)
    box(ctx, -12, 60, 24, 26, (90, 96, 106), width=3, r=3)
    ctx.restore()
    oval(ctx, 176, 120, 16, 16, (120, 126, 136), "ink", 3)
    oval(ctx, 110, 190, 26, 6, (200, 230, 250), "ink", 2)
    ctx.restore()


# --- room 1111 --------------------------------------------------------------

QUESTIONS = [
    # (question, x, baseline y, max width) placed above or beside each choice box
    ("1. Was entsteht, wenn Wasserstoff verbrennt?", 252, 152, 246),
    ("2. Wie lautet das Ohmsche Gesetz?", 252, 208, 250),
    ("3. Vergleichen Sie die Muster A und B unter dem Mikroskop!", 252, 312, 380),
    ("4. Was fiel Newton auf den Kopf?", 448, 242, 188),
]
BOXES = [(264, 160, 169, 17), (300, 216, 130, 17), (285, 320, 139, 17), (511, 250, 125, 17)]


def fit_text(ctx, x, y, s, size, max_w, **kw):
    while size > 7 and text_width(ctx, s, size, kw.get("bold", False)) > max_w:
        size -= 0.5
    text(ctx, x, y, s, size, **kw)


def schreibtisch(ctx):
    # the desk top, seen from above
    box(ctx, 0, 0, 640, 400, vgrad(0, 400, (176, 124, 76), (150, 100, 58)), None)
    ctx.set_source_rgb(0.55, 0.36, 0.2)
    ctx.set_line_width(1)
    for i in range(18):
        y = 12 + i * 23
        ctx.move_to(0, y)
        ctx.curve_to(200, y + 6 * math.sin(i), 420, y - 5 * math.cos(i), 640, y + 3)
    ctx.stroke()
    _microscope(ctx, 4, 44, 1.05)
    text(ctx, 120, 330, "Mikroskop", 13, (250, 240, 220), True, "center")
    # the quiz sheet
    poly(ctx, [(238, 98), (640, 96), (640, 400), (240, 400)], (250, 248, 236), width=2)
    for y in range(130, 400, 18):
        line(ctx, [(244, y), (636, y)], (210, 220, 240), 0.8)
    line(ctx, [(258, 98), (258, 400)], (240, 160, 160), 1)
    text(ctx, 266, 124, "Archiv-Eignungstest", 18, "ink", True)
    for q, x, y, w in QUESTIONS:
        fit_text(ctx, x, y, q, 12.5, w, color="ink", bold=True)
    for x, y, w, h in BOXES:
        box(ctx, x - 2, y - 2, w + 4, h + 4, (255, 255, 255), (150, 150, 170), 1)
    text(ctx, 252, 366, "Name: Prof. Kroxl", 13, (40, 60, 140), False)
    curve(ctx, (380, 366), (400, 350), (420, 376), (450, 356), (40, 60, 140), 1.5)
    text(ctx, 452, 392, "Zum Korrigieren ins Körbchen!", 10, "red", True)
    # Corinna's correction basket in the corner
    poly(ctx, [(506, 4), (640, 4), (640, 150), (512, 150)], vgrad(4, 150, (230, 196, 120), (196, 160, 90)),
         width=2.5)
    for x in range(520, 640, 14):
        line(ctx, [(x, 8), (x + 2, 146)], (170, 130, 70), 1.5)
    for y in range(20, 150, 14):
        line(ctx, [(508, y), (640, y)], (170, 130, 70), 1.2)
    box(ctx, 526, 40, 100, 44, "white", width=1.5, r=3)
    text(ctx, 576, 58, "Korrektur", 12, "ink", True, "center")
    text(ctx, 576, 76, "Corinna", 11, "red", True, "center")
    # the way back
    box(ctx, 8, 340, 84, 44, (250, 240, 200), width=2, r=8)
    arrow(ctx, 18, 362, -1, 12)
    text(ctx, 66, 368, "zurück", 12, "ink", True, "center")


def cells(ctx, cx, cy, r):
    """The pattern under the microscope: the same for A and B."""
    ctx.save()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)
    ctx.clip()
    box(ctx, cx - r, cy - r, 2 * r, 2 * r, rgrad(cx, cy, r, (230, 250, 220), (150, 200, 150)), None)
    for i in range(19):
        a = i * 2.4
        d = r * 0.16 * math.sqrt(i + 0.6) * 1.5
        px, py = cx + math.cos(a) * d, cy + math.sin(a) * d
        oval(ctx, px, py, 15 + (i % 3) * 3, 12 + (i % 2) * 4, (190, 230, 170), (80, 140, 80), 1.5,
             angle=a)
        oval(ctx, px + 2, py, 4, 4, (120, 80, 160), None)
    ctx.restore()
    oval(ctx, cx, cy, r, r, None, (30, 30, 30), 4)


def mikroskop_view(ctx):
    box(ctx, 0, 0, 640, 400, (10, 10, 14), None)
    for cx, name in ((170, "Muster A"), (470, "Muster B")):
        cells(ctx, cx, 190, 130)
        text(ctx, cx, 360, name, 22, (240, 240, 220), True, "center")


# --- room -11 ---------------------------------------------------------------

def liftpanel(ctx):
    box(ctx, 0, 0, 640, 400, vgrad(0, 400, (200, 206, 214), (150, 156, 166)), None)
    ctx.set_source_rgba(1, 1, 1, 0.25)
    ctx.set_line_width(1)
    for y in range(0, 400, 3):
        ctx.move_to(0, y + 0.5)
        ctx.line_to(640, y + 0.5)
    ctx.stroke()
    for x, y in [(20, 20), (620, 20), (20, 380), (620, 380)]:
        oval(ctx, x, y, 6, 6, (170, 176, 186), "ink", 1.5)
        line(ctx, [(x - 4, y), (x + 4, y)], "ink", 1.2)
    # display
    box(ctx, 140, 40, 360, 80, (20, 30, 24), width=3, r=8)
    text(ctx, 320, 74, "1. Stock", 24, (120, 250, 140), True, "center")
    text(ctx, 320, 104, "Bitte Liftkarte einführen", 16, (120, 250, 140), False, "center")
    # the card slot
    box(ctx, 60, 160, 150, 180, (90, 96, 106), width=3, r=10)
    text(ctx, 135, 196, "Liftkarte", 16, (250, 250, 250), True, "center")
    box(ctx, 80, 226, 110, 10, (20, 20, 20), width=2, r=3)
    poly(ctx, [(125, 250), (145, 250), (135, 238)], (250, 200, 60), width=1.5)
    oval(ctx, 135, 286, 9, 9, (80, 230, 100), "ink", 1.5)
    # the buttons
    for i, (label_, sub, lit) in enumerate([("1", "1. Stock", False), ("E", "Erdgeschoss", True)]):
        cy = 190 + i * 100
        glow = rgrad(330, cy, 42, (255, 250, 180), (250, 200, 60)) if lit else \
            rgrad(330, cy, 42, (240, 240, 240), (170, 170, 176))
        oval(ctx, 330, cy, 38, 38, glow, "ink", 3)
        text(ctx, 330, cy + 13, label_, 36, "ink", True, "center")
        text(ctx, 384, cy + 8, sub, 20, "ink", True)
    arrow(ctx, 590, 290, -1, 20, fill=(250, 200, 60))
