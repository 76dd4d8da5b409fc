"""Pictures of the ground floor, the basement and the grounds: backgrounds with
their night and story variants, the overlays the room builder lays over them,
the people's animation frames and the scene pictures the scripts show.

    scenery_lower.py preview OUTDIR   PNG copies with hot spots, walk band and cuts outlined
    scenery_lower.py verify           checks that every cut covers all it changes
"""
import os
import sys

import cairo

from common import save
import lower_rooms_canteen
import lower_rooms_corridor
import lower_rooms_grounds
import lower_rooms_minigolf
import lower_rooms_work
from lower_room import differences, render

ROOM_MODULES = [lower_rooms_corridor, lower_rooms_canteen, lower_rooms_work, lower_rooms_grounds,
                lower_rooms_minigolf]


def rooms():
    return [room for module in ROOM_MODULES for room in module.ROOMS]


def cuts():
    return [cut for room in rooms() for cut in room.files]


def build(gamedir):
    """Writes every picture; returns the game paths written."""
    cache = {}
    return [save(cut.render(cache), gamedir, cut.path) for cut in cuts()]


def expected_files():
    return [cut.path for cut in cuts()]


def preview(outdir):
    """One PNG per room: the background with hot spots (red), the walk band
    (green) and every cut (blue) outlined; plus every cut laid over it."""
    os.makedirs(outdir, exist_ok=True)
    for room in rooms():
        full = [c for c in room.files if c.rect is None]
        for cut in full:
            name = cut.path.replace("\\", "_").strip("_")
            cut.render().write_to_png(os.path.join(outdir, name + ".png"))
        surface = render(room.draw, {})
        ctx = cairo.Context(surface)
        ctx.set_line_width(1)
        lo, hi = room.walk
        ctx.set_source_rgba(0, 0.8, 0, 0.8)
        ctx.rectangle(lo - 40, 214, hi - lo + 204, 179)
        ctx.stroke()
        for x, y, w, h, hover in room.hotspots:
            ctx.set_source_rgba(1, 0, 0, 0.9)
            ctx.rectangle(x + 0.5, y + 0.5, w, h)
            ctx.stroke()
            ctx.move_to(max(x, 0) + 3, max(y, 0) + 12)
            ctx.set_font_size(11)
            ctx.show_text(hover)
        for cut in room.files:
            if cut.rect:
                ctx.set_source_rgba(0, 0, 1, 0.7)
                ctx.rectangle(cut.rect[0] + 0.5, cut.rect[1] + 0.5, cut.rect[2], cut.rect[3])
                ctx.stroke()
        surface.write_to_png(os.path.join(outdir, "debug_%s.png" % room.directory))
        for cut in room.files:
            if cut.rect:
                base = render(room.draw, cut.base)
                ctx = cairo.Context(base)
                ctx.set_source_surface(cut.render(), cut.rect[0], cut.rect[1])
                ctx.paint()
                name = os.path.basename(cut.path.replace("\\", "/"))[:-4].replace(" ", "_")
                base.write_to_png(os.path.join(outdir, "cut_%s_%s.png" % (room.directory, name)))


def problems():
    """A cut must hold everything its state changes against its base, and
    leave alone what is redrawn over it on every tick."""
    found = []
    for room in rooms():
        for cut in room.files:
            if cut.rect is None:
                continue
            changed = render(room.draw, cut.state)
            base = render(room.draw, cut.base)
            box = differences(changed, base, cut.rect)
            if box:
                found.append("%s: changes outside its cut %s at %s" % (cut.path, cut.rect, box))
            for keep in cut.keeps:
                box = differences(changed, base, only=keep)
                if box:
                    found.append("%s: changes %s inside %s, which is redrawn on every tick" % (cut.path, box, keep))
    return found


def verify():
    found = problems()
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "preview":
        preview(sys.argv[2])
    elif len(sys.argv) == 2 and sys.argv[1] == "verify":
        sys.exit(verify())
    else:
        sys.stderr.write(__doc__)
        sys.exit(2)
