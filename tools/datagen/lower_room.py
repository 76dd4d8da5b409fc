"""One room of the ground floor, the basement or the grounds: a drawing
function of the whole 640 x 400 scene, parametrised by what the story changes,
and the list of files cut from it.

Every overlay and every frame of a person is cut from a full drawing of the
room in that state, so its edges match the background around it exactly."""
import cairo

from common import canvas, crop, night, rgb

WIDTH, HEIGHT = 640, 400


class Room:
    def __init__(self, directory, number, draw, walk, hotspots, files):
        """files: (name, state, rect, base) tuples; name is a bare file name
        inside the room's directory or a full game path; rect None means the
        whole picture; base is the state the cut is laid over (for checks)."""
        self.directory = directory
        self.number = number
        self.draw = draw
        self.walk = walk
        self.hotspots = hotspots
        self.files = [Cut(self, *f) for f in files]


class Cut:
    def __init__(self, room, name, state=None, rect=None, base=None, keeps=()):
        """keeps: rectangles that must look as in base even in this state,
        because another picture is drawn there on every tick."""
        self.room = room
        self.state = state or {}
        self.rect = rect
        self.base = base or {}
        self.keeps = keeps
        if "\\" in name:
            self.path = name
        else:
            self.path = "\\graphic\\%s\\%s.bmp" % (room.directory, name)

    def render(self, cache=None):
        """The picture of this file; cache (a dict) shares whole drawings
        between cuts of the same room in the same state."""
        key = (self.room.directory, tuple(sorted(self.state.items())))
        if cache is not None and key in cache:
            whole = cache[key]
        else:
            whole = render(self.room.draw, self.state)
            if cache is not None:
                cache.clear()
                cache[key] = whole
        return whole if self.rect is None else crop(whole, *self.rect)


def render(draw, state):
    """The whole scene, always drawn unclipped: cairo's gradients come out a
    shade different under a clip, and a cut must match the background exactly."""
    surface, ctx = canvas(WIDTH, HEIGHT, "white")
    draw(ctx, **state)
    surface.flush()
    return surface


def nightfall(ctx, lights=()):
    """Darkens the finished scene; lights are (x, y, radius) glows drawn after."""
    ctx.save()
    night(ctx.get_target())
    for x, y, r in lights:
        g = cairo.RadialGradient(x, y, 0, x, y, r)
        c = rgb((255, 226, 140))
        g.add_color_stop_rgba(0, c[0], c[1], c[2], 0.55)
        g.add_color_stop_rgba(1, c[0], c[1], c[2], 0)
        ctx.set_source(g)
        ctx.arc(x, y, r, 0, 6.3)
        ctx.fill()
    ctx.restore()


def differences(a, b, skip=None, only=None):
    """Bounding box (x0, y0, x1, y1) of the pixels where two pictures differ
    outside the rectangle skip (and inside the rectangle only), or None."""
    a.flush()
    b.flush()
    da, db = bytes(a.get_data()), bytes(b.get_data())
    stride = a.get_stride()
    box = None
    for y in range(HEIGHT):
        row_a = da[y * stride:y * stride + WIDTH * 4]
        row_b = db[y * stride:y * stride + WIDTH * 4]
        if row_a == row_b:
            continue
        xs = []
        for x in range(WIDTH):
            if skip and skip[0] <= x < skip[0] + skip[2] and skip[1] <= y < skip[1] + skip[3]:
                continue
            if only and not (only[0] <= x < only[0] + only[2] and only[1] <= y < only[1] + only[3]):
                continue
            if row_a[x * 4:x * 4 + 3] != row_b[x * 4:x * 4 + 3]:
                xs.append(x)
        if xs:
            if box is None:
                box = [xs[0], y, xs[-1], y]
            else:
                box = [min(box[0], xs[0]), box[1], max(box[2], xs[-1]), y]
    return box
