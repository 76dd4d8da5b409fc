"""The ground-floor corridors: Gang3 (lift, canteen, stairs, smokers' corner)
and Gang4 (main exit, library, workshop, second stairs)."""
from lower_draw import (arrow, box, ceiling_lamp, clip_poly, cloud, finish, glass_shine, hgrad, line, night_sky, oval,
                        plant, poly, rbox, shade, sign, sky, text, tiles, tree, vgrad)
from lower_room import Room, nightfall

WALL = (214, 226, 204)
WALL_LOW = (186, 204, 178)
CEILING = (236, 238, 228)
FLOOR_A = (206, 196, 178)
FLOOR_B = (186, 174, 156)
METAL = (176, 184, 192)


def garden_view(ctx, x, y, w, h, dark=False):
    """What one sees through the glass: sky, a lawn, a tree and a bush."""
    ctx.save()
    ctx.rectangle(x, y, w, h)
    ctx.clip()
    if dark:
        night_sky(ctx, x, y, w, h)
    else:
        sky(ctx, x, y, w, h)
        cloud(ctx, x + w * 0.2, y + 24, 0.8)
        cloud(ctx, x + w * 0.7, y + 40, 0.6)
    box(ctx, x, y + h * 0.62, w, h, vgrad(y + h * 0.62, y + h, (120, 190, 90), (80, 150, 60)), None)
    tree(ctx, x + w * 0.78, y + h * 0.75, 0.7)
    tree(ctx, x + w * 0.12, y + h * 0.7, 0.5, leaf=(100, 170, 70))
    ctx.restore()


def draw_gang3(ctx, night=False):
    # Ceiling, back wall and floor.
    box(ctx, 0, 0, 640, 44, vgrad(0, 44, shade(CEILING, 0.85), CEILING), None)
    box(ctx, 0, 44, 640, 256, vgrad(44, 300, WALL, WALL_LOW), None)
    line(ctx, 0, 44, 640, 44, "ink", 2)
    box(ctx, 0, 300, 640, 100, FLOOR_A, None)
    tiles(ctx, 300, 400, 330, FLOOR_A, FLOOR_B, rows=5, cols=14)
    box(ctx, 0, 292, 640, 8, (120, 110, 96), "ink", 1.5)
    for x in (110, 330, 540):
        box(ctx, x - 40, 36, 80, 8, (250, 250, 236), "ink", 1.5)

    # "<< nach hinten": the corridor goes on to the left.
    poly(ctx, [(0, 0), (26, 44), (26, 300), (0, 340)], hgrad(0, 26, (120, 130, 116), (168, 182, 160)))
    poly(ctx, [(0, 340), (26, 300), (26, 400), (0, 400)], shade(FLOOR_B, 0.8))
    line(ctx, 26, 44, 26, 300, "ink", 2)
    rbox(ctx, 2, 90, 24, 20, 3, (40, 110, 190), "ink", 1.5)
    arrow(ctx, 14, 100, "left", 8, "white")

    # Stairs down to the laboratories.
    x0, x1, top, bottom = 40, 176, 150, 300
    box(ctx, x0 - 6, top - 6, x1 - x0 + 12, bottom - top + 6, (150, 160, 150), "ink", 2)
    box(ctx, x0, top, x1 - x0, bottom - top, vgrad(top, bottom, (150, 150, 140), (40, 40, 44)), None)
    for i in range(7):
        y = 190 + i * 16
        shade_f = 1 - i * 0.11
        poly(ctx, [(x0, y), (x1, y), (x1, y + 12), (x0, y + 12)], shade((200, 190, 170), shade_f), "ink", 1.2)
        box(ctx, x0, y + 12, x1 - x0, 4, shade((140, 130, 118), shade_f), None)
    box(ctx, x0, top, x1 - x0, 40, (200, 206, 196), None)
    line(ctx, x0, top + 40, x1, top + 40, "ink", 1.5)
    # Handrail going down.
    line(ctx, x0 + 8, 226, x1 - 6, 300, (120, 80, 50), 5)
    for px in range(x0 + 14, x1, 26):
        py = 226 + (px - x0 - 8) * (74 / (x1 - x0 - 14))
        line(ctx, px, py, px, 316, METAL, 3)
    line(ctx, x0 + 8, 226, x1 - 6, 300, "ink", 1)
    sign(ctx, 50, 132, 116, 24, "Laboratorien", 13, (40, 110, 190), "white")
    arrow(ctx, 108, 172, "down", 10, (250, 220, 80))
    ctx.rectangle(x0, top, x1 - x0, bottom - top)
    finish(ctx, None, "ink", 2)

    # Smokers' corner: a glass wall with a door into the garden.
    gx, gy, gw, gh = 200, 112, 270, 188
    garden_view(ctx, gx, gy, gw, gh, night)
    for x in (gx + 90, gx + 180):
        line(ctx, x, gy, x, gy + gh, (230, 230, 224), 7)
        line(ctx, x - 3.5, gy, x - 3.5, gy + gh, "ink", 1)
        line(ctx, x + 3.5, gy, x + 3.5, gy + gh, "ink", 1)
    line(ctx, gx, gy + 70, gx + 90, gy + 70, (230, 230, 224), 5)
    line(ctx, gx + 180, gy + 70, gx + gw, gy + 70, (230, 230, 224), 5)
    glass_shine(ctx, gx, gy, gw, gh)
    box(ctx, gx, gy, gw, gh, None, (230, 230, 224), 7)
    box(ctx, gx - 4, gy - 4, gw + 8, gh + 4, None, "ink", 1.5)
    # The door handle of the middle pane.
    box(ctx, gx + 168, gy + 96, 6, 34, METAL, "ink", 1.5)
    sign(ctx, 262, 96, 148, 26, "Raucherzone", 17, (250, 236, 196), (150, 60, 40))
    # A standing ashtray and a bench.
    box(ctx, 434, 250, 8, 44, METAL, "ink", 1.5)
    oval(ctx, 438, 250, 16, 6, shade(METAL, 0.8), "ink", 1.5)
    oval(ctx, 438, 294, 14, 4, shade(METAL, 0.7), "ink", 1.5)
    line(ctx, 432, 246, 448, 240, (250, 250, 250), 3)
    oval(ctx, 449, 239, 2, 2, (240, 90, 40), None)
    box(ctx, 224, 262, 150, 12, (190, 130, 70), "ink", 1.5)
    for x in (232, 356):
        box(ctx, x, 274, 8, 20, (90, 90, 90), "ink", 1.2)

    # The passage to Tägl's canteen, going back into the wall.
    ox0, ox1, oy0, oy1 = 478, 576, 110, 300
    fx0, fx1, fy0, fy1 = 494, 560, 168, 262
    box(ctx, ox0 - 6, oy0 - 6, ox1 - ox0 + 12, oy1 - oy0 + 6, (170, 180, 166), "ink", 2)
    poly(ctx, [(ox0, oy0), (ox1, oy0), (fx1, fy0), (fx0, fy0)], (200, 200, 190))
    poly(ctx, [(ox0, oy0), (fx0, fy0), (fx0, fy1), (ox0, oy1)], (176, 190, 168))
    poly(ctx, [(ox1, oy0), (fx1, fy0), (fx1, fy1), (ox1, oy1)], (160, 174, 152))
    poly(ctx, [(ox0, oy1), (fx0, fy1), (fx1, fy1), (ox1, oy1)], (190, 176, 150))
    box(ctx, fx0, fy0, fx1 - fx0, fy1 - fy0, (236, 214, 170))
    # Swinging doors with round windows.
    for dx in (0, 1):
        x = 501 + dx * 26
        box(ctx, x, 200, 26, 62, (196, 100, 60), "ink", 1.5)
        oval(ctx, x + 13, 220, 7, 7, (250, 230, 160), "ink", 1.2)
    sign(ctx, 486, 176, 78, 20, "Tägls Kantine", 11, (190, 50, 40), (255, 240, 210))
    ceiling_lamp(ctx, 527, 128, 8)

    # The lift on the right edge.
    box(ctx, 588, 120, 60, 180, (150, 156, 164), "ink", 2)
    box(ctx, 596, 136, 50, 164, hgrad(596, 646, (200, 206, 214), (150, 158, 168)), "ink", 1.5)
    line(ctx, 622, 136, 622, 300, "ink", 1.5)
    rbox(ctx, 596, 126, 40, 8, 2, (40, 40, 40), "ink", 1)
    text(ctx, 616, 130, "EG", 8, (250, 120, 60))
    rbox(ctx, 590, 206, 4, 22, 1, (90, 90, 90), None)
    # The floor in front of the lift is marked as its waiting area: all of
    # it belongs to the lift.
    ctx.save()
    ctx.rectangle(589, 302, 51, 98)
    ctx.clip()
    box(ctx, 589, 302, 51, 98, (250, 200, 40), None)
    for k in range(-4, 8):
        poly(ctx, [(589, 310 + k * 18), (640, 280 + k * 18), (640, 289 + k * 18), (589, 319 + k * 18)],
             (40, 40, 44), None)
    ctx.restore()
    box(ctx, 589, 302, 51, 98, None, "ink", 1.5)
    plant(ctx, 186, 300, 0.7)

    if night:
        nightfall(ctx, [(527, 150, 40), (14, 100, 24), (108, 144, 40)])


def draw_gang4(ctx, night=False):
    vx, vy = 330, 215
    bx0, bx1, by0, by1 = 190, 470, 150, 290

    def left_y(x, y_far):
        return vy + (y_far - vy) * (vx - x) / (vx - bx0)

    def right_y(x, y_far):
        return vy + (y_far - vy) * (x - vx) / (bx1 - vx)

    # Ceiling, walls, floor of a corridor seen in perspective.
    poly(ctx, [(0, 0), (640, 0), (bx1, by0), (bx0, by0)], vgrad(0, by0, shade(CEILING, 0.85), CEILING), None)
    poly(ctx, [(0, 0), (bx0, by0), (bx0, by1), (0, left_y(0, by1))], hgrad(0, bx0, shade(WALL, 0.9), WALL_LOW), None)
    poly(ctx, [(640, 0), (bx1, by0), (bx1, by1), (640, right_y(640, by1))],
         hgrad(bx1, 640, WALL_LOW, shade(WALL, 0.85)), None)
    box(ctx, bx0, by0, bx1 - bx0, by1 - by0, vgrad(by0, by1, WALL, WALL_LOW), None)
    clip_poly(ctx, [(0, left_y(0, by1)), (bx0, by1), (bx1, by1), (640, right_y(640, by1)), (640, 400), (0, 400)])
    box(ctx, 0, by1, 640, 110, FLOOR_A, None)
    tiles(ctx, by1, 400, vx, FLOOR_A, FLOOR_B, rows=7, cols=12)
    ctx.restore()
    for p, q in (((0, 0), (bx0, by0)), ((640, 0), (bx1, by0)), ((0, left_y(0, by1)), (bx0, by1)),
                 ((640, right_y(640, by1)), (bx1, by1))):
        line(ctx, p[0], p[1], q[0], q[1], "ink", 2)
    box(ctx, bx0, by0, bx1 - bx0, by1 - by0, None, "ink", 2)
    box(ctx, bx0, by1 - 6, bx1 - bx0, 6, (120, 110, 96), "ink", 1.2)
    # Ceiling lights along the corridor.
    for t in (0.25, 0.55, 0.8):
        y = by0 * t
        w = 140 - 80 * t
        box(ctx, vx - w / 2, y - 6 + 4, w, 8 - 4 * t, (250, 250, 236), "ink", 1.2)

    # Main exit: a glass door on the near left wall.
    def lwall(x, h):
        """y on the left wall at x for a height h above the floor (h = 0 is the floor)."""
        return left_y(x, by1 - (by1 - by0) * h / 1.0)

    x0, x1 = 6, 64
    poly(ctx, [(x0 - 4, lwall(x0 - 4, 0.93)), (x1 + 4, lwall(x1 + 4, 0.93)), (x1 + 4, lwall(x1 + 4, 0)),
               (x0 - 4, lwall(x0 - 4, 0))], (150, 160, 150))
    door_pts = [(x0, lwall(x0, 0.9)), (x1, lwall(x1, 0.9)), (x1, lwall(x1, 0)), (x0, lwall(x0, 0))]
    clip_poly(ctx, door_pts)
    garden_view(ctx, 0, 40, 80, 360, night)
    glass_shine(ctx, 0, 40, 80, 360)
    ctx.restore()
    poly(ctx, door_pts, None, (230, 230, 224), 5)
    poly(ctx, door_pts, None, "ink", 1.5)
    xm = (x0 + x1) / 2
    line(ctx, xm, lwall(xm, 0.9), xm, lwall(xm, 0), (230, 230, 224), 4)
    line(ctx, x0 + 40, lwall(x0 + 40, 0.48), x0 + 40, lwall(x0 + 40, 0.36), METAL, 4)
    rbox(ctx, 4, 28, 62, 22, 3, (40, 150, 80), "ink", 1.5)
    text(ctx, 35, 39, "Ausgang", 12, "white")
    arrow(ctx, 35, 62, "left", 9, (40, 150, 80), "ink")

    # Library door on the left wall.
    d0, d1 = 112, 160
    dp = [(d0, lwall(d0, 0.72)), (d1, lwall(d1, 0.72)), (d1, lwall(d1, 0)), (d0, lwall(d0, 0))]
    poly(ctx, [(d0 - 5, lwall(d0 - 5, 0.76)), (d1 + 4, lwall(d1 + 4, 0.76)), (d1 + 4, lwall(d1 + 4, 0)),
               (d0 - 5, lwall(d0 - 5, 0))], (110, 70, 44))
    poly(ctx, dp, hgrad(d0, d1, (172, 112, 64), (140, 90, 52)))
    for k in (0.2, 0.45):
        pp = [(d0 + 8, lwall(d0 + 8, 0.66 - k)), (d1 - 7, lwall(d1 - 7, 0.66 - k)),
              (d1 - 7, lwall(d1 - 7, 0.5 - k)), (d0 + 8, lwall(d0 + 8, 0.5 - k))]
        poly(ctx, pp, None, shade((140, 90, 52), 0.7), 1.5)
    oval(ctx, d1 - 9, lwall(d1 - 9, 0.34), 3, 4, (240, 200, 80), "ink", 1)
    sp = [(d0 - 2, lwall(d0 - 2, 0.98)), (d1 + 2, lwall(d1 + 2, 0.98)), (d1 + 2, lwall(d1 + 2, 0.8)),
          (d0 - 2, lwall(d0 - 2, 0.8))]
    poly(ctx, sp, (40, 80, 150), "ink", 1.5)
    text(ctx, (d0 + d1) / 2, (sp[0][1] + sp[3][1] + sp[1][1] + sp[2][1]) / 4, "Bibliothek", 9, "white",
         angle=-0.2)

    # Workshop door on the back wall.
    box(ctx, 196, 192, 68, 98, (96, 100, 106), "ink", 2)
    box(ctx, 202, 198, 56, 92, hgrad(202, 258, (150, 156, 150), (118, 124, 120)), "ink", 1.5)
    box(ctx, 210, 206, 40, 18, (250, 210, 60), "ink", 1)
    for i in range(5):
        line(ctx, 212 + i * 8, 222, 220 + i * 8, 208, "ink", 2)
    box(ctx, 244, 246, 8, 4, METAL, "ink", 1)
    sign(ctx, 194, 176, 72, 14, "Produktionsstätte", 8.5, (250, 246, 226), (40, 40, 40))
    # A notice board and a bench on the back wall.
    box(ctx, 300, 190, 70, 50, (200, 160, 110), "ink", 1.5)
    for i, c in enumerate(((250, 250, 240), (250, 220, 120), (170, 210, 250))):
        box(ctx, 306 + i * 21, 196 + (i % 2) * 8, 16, 20, c, "ink", 1)
    plant(ctx, 420, 290, 0.7)
    sign(ctx, 280, 160, 100, 18, "Erdgeschoss", 11, (40, 80, 150), "white")

    # Stairs down on the near right wall.
    def rwall(x, h):
        return right_y(x, by1 - (by1 - by0) * h)

    s0, s1 = 566, 636
    op = [(s0, rwall(s0, 0.95)), (s1, rwall(s1, 0.95)), (s1, rwall(s1, 0)), (s0, rwall(s0, 0))]
    poly(ctx, [(s0 - 5, rwall(s0 - 5, 1.0)), (s1 + 5, rwall(s1 + 5, 1.0)), (s1 + 5, rwall(s1 + 5, 0)),
               (s0 - 5, rwall(s0 - 5, 0))], (150, 160, 150))
    clip_poly(ctx, op)
    box(ctx, s0, 0, s1 - s0, 400, vgrad(120, 380, (160, 160, 150), (30, 30, 36)), None)
    for i in range(9):
        y = rwall(s0, 0.45) + i * 16
        poly(ctx, [(s0, y), (s1, y + 10), (s1, y + 22), (s0, y + 12)], shade((196, 186, 166), 1 - i * 0.09), "ink", 1)
    ctx.restore()
    poly(ctx, op, None, "ink", 2)
    line(ctx, s0 + 4, rwall(s0 + 4, 0.5), s1 - 2, rwall(s1 - 2, 0.05), (120, 80, 50), 5)
    rbox(ctx, 566, 96, 44, 40, 3, (40, 110, 190), "ink", 1.5)
    text(ctx, 588, 106, "Labor", 10, "white")
    arrow(ctx, 588, 124, "down", 8, (250, 220, 80))

    # "nach vorne >>": the corridor goes on to the front.
    rbox(ctx, 612, 20, 26, 22, 3, (40, 110, 190), "ink", 1.5)
    arrow(ctx, 625, 31, "right", 8, "white")

    if night:
        nightfall(ctx, [(35, 39, 40), (588, 110, 30)])


ROOMS = [
    Room("gang3", 4, draw_gang3, (0, 640), [
        (-2, 0, 30, 400, "<< nach hinten"),
        (589, 126, 100, 274, "Aufzug"),
        (484, 181, 79, 75, "Tägl Kantine"),
        (30, 127, 153, 194, "Stiegabgang zu den Laboratorien"),
        (194, 97, 284, 174, "Raucherzone"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
    Room("gang4", 5, draw_gang4, (100, 640), [
        (-2, 0, 73, 400, "<< Hauptausgang"),
        (610, 0, 200, 400, "nach vorne >>"),
        (195, 178, 71, 115, "Produktionsstätte"),
        (112, 170, 48, 153, "Bibliothek"),
        (561, 89, 77, 201, "Stiegenabgang zu den Laboratorien"),
    ], [
        ("hintergrund", {}),
        ("night", {"night": True}),
    ]),
]
