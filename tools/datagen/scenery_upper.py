"""The pictures of the upper floor: the boss's office, Corinna's office, the
corridors 2, 3, 100 and 101, Kroxl's office, the archive, the lift panel and
the desk close-up, with their story variants, overlays and the animation
frames of Corinna, the cleaning woman and the archivist.

Every overlay and frame is cut from a whole picture of its room drawn in the
changed state or pose, so it lines up with the background under it. Before
a frame is written, the drawing is compared with the room it belongs to: a
pose that changed anything outside its frame's rectangle stops the build,
since that part would never reach the screen.
"""
import cairo

from common import canvas, crop, night, save
import upper_archive as archive
from upper_corridors import RAUCH, gang, gang100, gang101, gang2
from upper_offices import (big_boss_office, buero, desk_lamp_light, kroxl_office, liftpanel,
                           mikroskop_view, schreibtisch)

# Corinna's frames (left, top, width, height): face, mouth, hands at the
# typewriter, and the whole upper body for the pictures of the story.
C_FACE = (90, 174, 142, 44)
C_MOUTH = (90, 218, 142, 19)
C_HANDS = (90, 237, 142, 58)
C_FIGURE = (90, 174, 142, 121)
# The cleaning woman's eyes and mouth.
P_EYES = (477, 198, 50, 21)
P_MOUTH = (477, 219, 50, 21)
# Room 3: Otto's shoes far down the back corridor.
LEICHE = (287, 215, 64, 40)
# Room 101: the bare floor under Otto, and the rat poison's place.
LEER = (133, 302, 244, 99)
GIFT_WEG = (444, 259, 50, 62)
# Room 101: Otto standing on his round, and the corridor once he has gone on.
OTTO = (226, 186, 100, 210)


class FrameError(Exception):
    pass


def render(draw, **kw):
    surface, ctx = canvas(640, 400, "white")
    draw(ctx, **kw)
    surface.flush()
    return surface


def changed_box(a, b):
    """The smallest rectangle (x0, y0, x1, y1) holding every pixel in which
    two pictures differ, or None."""
    w, h, stride = a.get_width(), a.get_height(), a.get_stride()
    da, db = bytes(a.get_data()), bytes(b.get_data())
    rows = [y for y in range(h) if da[y * stride:(y + 1) * stride] != db[y * stride:(y + 1) * stride]]
    if not rows:
        return None
    x0, x1 = w, -1
    for y in rows:
        ra, rb = da[y * stride:y * stride + w * 4], db[y * stride:y * stride + w * 4]
        lo = next(i for i in range(len(ra)) if ra[i] != rb[i]) // 4
        hi = next(i for i in range(len(ra) - 1, -1, -1) if ra[i] != rb[i]) // 4
        x0, x1 = min(x0, lo), max(x1, hi)
    return (x0, rows[0], x1 + 1, rows[-1] + 1)


def require_inside(name, base, posed, rect):
    box = changed_box(base, posed)
    if box is None:
        return
    x, y, w, h = rect
    if box[0] < x or box[1] < y or box[2] > x + w or box[3] > y + h:
        raise FrameError(f"{name}: the pose changes {box}, outside its picture {rect}")


def require_same(name, a, b, rect):
    x, y, w, h = rect
    if changed_box(crop(a, x, y, w, h), crop(b, x, y, w, h)) is not None:
        raise FrameError(f"{name}: pictures differ inside {rect}")


class Writer:
    def __init__(self, gamedir):
        self.gamedir = gamedir
        self.written = []

    def whole(self, surface, path):
        self.written.append(path)
        if self.gamedir is not None:
            save(surface, self.gamedir, path)

    def cut(self, surface, rect, path, base=None):
        """Writes rect of surface; base, if given, is the picture the cut is
        laid on, which may differ from surface only inside rect."""
        if base is not None:
            require_inside(path, base, surface, rect)
        self.written.append(path)
        if self.gamedir is not None:
            save(crop(surface, *rect), self.gamedir, path)


def boss_and_corinna(out):
    out.whole(render(big_boss_office), "\\graphic\\bigboss\\hintergrund.bmp")
    base = render(buero)
    out.whole(base, "\\graphic\\buero\\hintergrund.bmp")
    d = "\\graphic\\corinna\\"
    out.cut(base, C_FACE, d + "0.bmp", base)
    out.cut(base, C_FACE, d + "normal.bmp", base)
    for name, eyes in (("zwinker", "wink"), ("look up", "up"), ("look down", "down")):
        out.cut(render(buero, eyes=eyes), C_FACE, d + name + ".bmp", base)
    for i in range(3):
        out.cut(render(buero, hands=i), C_HANDS, d + f"writing{i}.bmp", base)
    for i in range(4):
        out.cut(render(buero, mouth=i), C_MOUTH, d + f"talking{i}.bmp", base)
    # With her silicone Corinna stops typing; her mouth frames still fall
    # on these pictures, so the mouth's band must stay as it was.
    full = render(buero, full=True, hands="rest")
    card = render(buero, full=True, hands="card", eyes="happy")
    for path, pose in (("titten.bmp", full), ("reset.bmp", full), ("karte.bmp", card)):
        require_same(d + path, base, pose, C_MOUTH)
        out.cut(pose, C_FIGURE, d + path, base)


def corridors(out):
    d = "\\graphic\\gang\\"
    base = render(gang)
    out.whole(base, d + "hintergrund.bmp")
    out.whole(render(gang, cleaner=False, scorched=True), d + "hintergrund2.bmp")
    for i, eyes in ((1, "open"), (2, "half"), (3, "closed")):
        out.cut(render(gang, eyes=eyes), P_EYES, d + f"eye{i}.bmp", base)
    for i in range(4):
        out.cut(render(gang, mouth=i), P_MOUTH, d + f"sprech{i}.bmp", base)
    out.cut(render(gang, smoke_cloud=True), RAUCH, d + "rauch.bmp", base)

    d = "\\graphic\\gang2\\"
    base = render(gang2, body=False)
    wrecked = render(gang2, exploded=True, body=False)
    out.whole(base, d + "hintergrund.bmp")
    out.whole(wrecked, d + "hintergrund2.bmp")
    require_same(d + "leiche.bmp", base, wrecked, LEICHE)
    out.cut(render(gang2, body=True), LEICHE, d + "leiche.bmp", base)

    out.whole(render(gang100), "\\graphic\\gang100\\hintergrund.bmp")

    d = "\\graphic\\gang101\\"
    out.whole(render(gang101), d + "hintergrund.bmp")
    wrecked = render(gang101, exploded=True, body=False)
    out.whole(wrecked, d + "hintergrund2.bmp")
    out.cut(render(gang101, exploded=True, poison=False, body=False), GIFT_WEG, d + "0.bmp", wrecked)
    bare = render(gang101, body=False)
    require_same(d + "leer.bmp", bare, wrecked, LEER)
    out.cut(bare, LEER, d + "leer.bmp", render(gang101))
    out.cut(render(gang101, body=False, otto_standing=True), OTTO, d + "nachtwaechter.bmp", bare)
    out.cut(bare, OTTO, d + "nachtwaechter0.bmp", bare)


def kroxl_rooms(out):
    out.whole(render(kroxl_office), "\\graphic\\kroxl\\hintergrund.bmp")
    dark = night(render(kroxl_office, night_time=True))
    desk_lamp_light(cairo.Context(dark))
    out.whole(dark, "\\graphic\\kroxl\\night.bmp")
    out.whole(render(schreibtisch), "\\graphic\\schreibtisch\\hintergrund.bmp")
    out.whole(render(mikroskop_view), "\\graphic\\schreibtisch\\mikroskop.bmp")
    out.whole(render(liftpanel), "\\graphic\\liftpanel\\hintergrund.bmp")


def archive_room(out):
    d = "\\graphic\\archiv\\"
    a = archive
    # The background shows him asleep with the book on the floor: rebuilt
    # while he sleeps, the room is right at once; awake, red0 and buch0 cover it.
    base = render(a.archiv)
    out.whole(base, d + "hintergrund.bmp")
    awake = render(a.archiv, state="awake")
    for i in range(4):
        out.cut(render(a.archiv, state="awake", mouth=i), a.HEAD, d + f"red{i}.bmp", base)
    for i, eyes in ((1, "blink"), (2, "droop")):
        out.cut(render(a.archiv, state="awake", eyes=eyes), a.EYES, d + f"zwinker{i}.bmp", awake)
    for i in range(1, 7):
        out.cut(render(a.archiv, snore=i), a.HEAD, d + f"{i}.bmp", base)
    out.cut(render(a.archiv, book=False), a.BOOK_PATCH, d + "buch0.bmp", base)
    out.cut(render(a.archiv, snore=6, wumm=True), a.WUMM, d + "wumm.bmp", base)
    out.cut(render(a.archiv, rope_cut=True), a.SEIL, d + "seildurch.bmp", base)
    # The falling crate knocks the book to Kroxl, who takes it (Archiv6lWurfmesser.smx):
    # from then on the floor under it is bare.
    fallen = render(a.archiv, state="awake", fallen=True, silicone=False, book=False)
    out.cut(fallen, a.KISTE, d + "kiste.bmp", base)
    out.cut(render(a.archiv, state="awake", fallen=True, book=False), a.SILICON, d + "silicon.bmp", fallen)


STEPS = (boss_and_corinna, corridors, kroxl_rooms, archive_room)


def build(gamedir):
    out = Writer(gamedir)
    for step in STEPS:
        step(out)
    return out.written


EXPECTED = [
    "\\graphic\\bigboss\\hintergrund.bmp",
    "\\graphic\\buero\\hintergrund.bmp",
    *[f"\\graphic\\corinna\\{n}.bmp" for n in
      ("0", "normal", "zwinker", "look up", "look down", "writing0", "writing1", "writing2",
       "talking0", "talking1", "talking2", "talking3", "titten", "reset", "karte")],
    "\\graphic\\gang\\hintergrund.bmp", "\\graphic\\gang\\hintergrund2.bmp",
    *[f"\\graphic\\gang\\eye{i}.bmp" for i in (1, 2, 3)],
    *[f"\\graphic\\gang\\sprech{i}.bmp" for i in range(4)],
    "\\graphic\\gang\\rauch.bmp",
    "\\graphic\\gang2\\hintergrund.bmp", "\\graphic\\gang2\\hintergrund2.bmp",
    "\\graphic\\gang2\\leiche.bmp",
    "\\graphic\\gang100\\hintergrund.bmp",
    "\\graphic\\gang101\\hintergrund.bmp", "\\graphic\\gang101\\hintergrund2.bmp",
    "\\graphic\\gang101\\0.bmp", "\\graphic\\gang101\\leer.bmp",
    "\\graphic\\gang101\\nachtwaechter.bmp", "\\graphic\\gang101\\nachtwaechter0.bmp",
    "\\graphic\\kroxl\\hintergrund.bmp", "\\graphic\\kroxl\\night.bmp",
    "\\graphic\\schreibtisch\\hintergrund.bmp", "\\graphic\\schreibtisch\\mikroskop.bmp",
    "\\graphic\\liftpanel\\hintergrund.bmp",
    "\\graphic\\archiv\\hintergrund.bmp",
    *[f"\\graphic\\archiv\\red{i}.bmp" for i in range(4)],
    "\\graphic\\archiv\\zwinker1.bmp", "\\graphic\\archiv\\zwinker2.bmp",
    *[f"\\graphic\\archiv\\{i}.bmp" for i in range(1, 7)],
    "\\graphic\\archiv\\buch0.bmp", "\\graphic\\archiv\\wumm.bmp",
    "\\graphic\\archiv\\seildurch.bmp", "\\graphic\\archiv\\kiste.bmp",
    "\\graphic\\archiv\\silicon.bmp",
]


def expected_files():
    return list(EXPECTED)
