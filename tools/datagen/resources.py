"""The pictures built into the executable: the numbered cursors, the
protagonist's body frames and faces, the item icons, the settings screen's
pictures and the backgrounds of the save, load and title screens. Magenta
(255, 0, 255) marks transparent pixels of cursors, frames and faces.

Names (the keys app::resource() looks up):
    cursor/EMPTY.bmp, OBJECT, TARGET, INVENTAR, INVENTAR2   32 x 32
    animate/0.bmp .. animate/10.bmp                        124 x 179
    face/0.bmp .. face/11.bmp                               80 x 54
    icons/0.bmp .. icons/20.bmp                             32 x 32
    settings/speed.bmp, settings/deutsch.bmp, settings/english.bmp
    screens/save.bmp, screens/load.bmp, screens/splash.bmp
"""
import math
import os

import figures_icons
import figures_kroxl
import figures_panels
import figures_title
from bmp import new_surface, write_bmp
from figures_draw import argb, color, flatten_keyed, oval, poly, rounded

MAGENTA = (1.0, 0.0, 1.0)


def cursor_empty(ctx):
    # Nearly invisible: a few scattered dots.
    ctx.set_source_rgb(0.9, 0.9, 0.9)
    for x, y in [(0, 0), (5, 2), (2, 6), (7, 7)]:
        ctx.rectangle(x, y, 1, 1)
    ctx.fill()


def arrow(ctx, fill):
    poly(ctx, [(1, 1), (1, 19), (5.5, 14.5), (9, 21.5), (12, 20), (8.8, 13.2), (14.5, 13.2)])
    color(ctx, fill)
    ctx.fill_preserve()
    color(ctx, (0, 0, 0))
    ctx.set_line_width(1.3)
    ctx.stroke()


def sparkle(ctx, cx, cy, r, fill):
    pts = []
    for i in range(8):
        rr = r if i % 2 == 0 else r * 0.4
        a = i * math.pi / 4
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    poly(ctx, pts)
    color(ctx, fill)
    ctx.fill_preserve()
    color(ctx, (0, 0, 0))
    ctx.set_line_width(1)
    ctx.stroke()


def crosshair(ctx):
    for width, c in ((4.2, (0, 0, 0)), (2, (255, 255, 255))):
        ctx.new_path()
        ctx.arc(16, 16, 7.5, 0, 2 * math.pi)
        for x1, y1, x2, y2 in [(16, 2, 16, 10), (16, 22, 16, 30), (2, 16, 10, 16), (22, 16, 30, 16)]:
            ctx.move_to(x1, y1)
            ctx.line_to(x2, y2)
        color(ctx, c)
        ctx.set_line_width(width)
        ctx.stroke()
    oval(ctx, 16, 16, 1.3, 1.3)
    color(ctx, (255, 255, 255))
    ctx.fill()


def item_box(ctx, x, y, w, h):
    rounded(ctx, x, y, w, h, 2)
    color(ctx, (70, 140, 240))
    ctx.fill_preserve()
    color(ctx, (0, 0, 0))
    ctx.set_line_width(1.2)
    ctx.stroke()
    ctx.move_to(x + w / 2, y)
    ctx.line_to(x + w / 2, y + h)
    color(ctx, (250, 220, 90))
    ctx.set_line_width(1.6)
    ctx.stroke()


def cursor_object(ctx):
    # Over a hot spot: a bright arrow with a sparkle, "something to do here".
    arrow(ctx, (255, 240, 90))
    sparkle(ctx, 21, 7, 5.5, (255, 160, 30))


def cursor_target(ctx):
    crosshair(ctx)


def cursor_inventar(ctx):
    # An item in hand over a hot spot.
    arrow(ctx, (120, 240, 120))
    item_box(ctx, 16.5, 16.5, 12, 10)


def cursor_inventar2(ctx):
    # An item in hand over free floor.
    crosshair(ctx)
    item_box(ctx, 19.5, 19.5, 11, 9)


CURSORS = {
    "EMPTY": (cursor_empty, (4, 4)),
    "OBJECT": (cursor_object, (1, 1)),
    "TARGET": (cursor_target, (16, 16)),
    "INVENTAR": (cursor_inventar, (1, 1)),
    "INVENTAR2": (cursor_inventar2, (16, 16)),
}


def draw_cursor(draw):
    if draw is cursor_empty:
        surface, ctx = new_surface(32, 32)
        ctx.set_source_rgb(*MAGENTA)
        ctx.paint()
        draw(ctx)
        return surface
    # Soft shapes, then flattened: a cursor's edge darkens instead of
    # blending into magenta.
    surface, ctx = argb(32, 32)
    draw(ctx)
    return flatten_keyed(surface, matte=(0, 0, 0))


def hotspot(name):
    return CURSORS[name][1]


def pictures():
    """Every built-in picture by resource name, in a stable order."""
    out = {}
    for name, (draw, _hotspot) in CURSORS.items():
        out[f"cursor/{name}.bmp"] = draw_cursor(draw)
    for i, frame in enumerate(figures_kroxl.body_frames()):
        out[f"animate/{i}.bmp"] = frame
    face_list = figures_kroxl.faces()
    figures_kroxl.check(face_list, figures_kroxl.eye_patches())
    for i, face in enumerate(face_list):
        out[f"face/{i}.bmp"] = face
    for i, icon in enumerate(figures_icons.icons()):
        out[f"icons/{i}.bmp"] = icon
    out["settings/speed.bmp"] = figures_panels.speed_picture()
    out["settings/deutsch.bmp"] = figures_panels.flag(figures_panels.german)
    out["settings/english.bmp"] = figures_panels.flag(figures_panels.union)
    out["screens/save.bmp"] = figures_panels.save_background()
    out["screens/load.bmp"] = figures_panels.load_background()
    out["screens/splash.bmp"] = figures_title.splash()
    return out


def write_index(outdir, names):
    """An assembler file that embeds the pictures, and a table to find them."""
    with open(os.path.join(outdir, "resources.S"), "w") as f:
        f.write('  .section .rodata\n')
        for i, name in enumerate(names):
            path = os.path.abspath(os.path.join(outdir, name))
            f.write(f'  .global kroxl_res_{i}\n  .global kroxl_res_{i}_end\n  .balign 16\n')
            f.write(f'kroxl_res_{i}:\n  .incbin "{path}"\nkroxl_res_{i}_end:\n')
        f.write('  .section .note.GNU-stack,"",@progbits\n')
    with open(os.path.join(outdir, "resources_index.cpp"), "w") as f:
        f.write('// Generated by tools/datagen: the pictures built into the executable.\n')
        f.write('#include "core/Resources.h"\n\n#include <cstring>\n\n')
        f.write('extern "C" {\n')
        for i in range(len(names)):
            f.write(f'extern const char kroxl_res_{i}[];\nextern const char kroxl_res_{i}_end[];\n')
        f.write('}\n\nnamespace app {\nnamespace {\n')
        f.write('struct Entry {\n  const char* name;\n  const char* begin;\n  const char* end;\n};\n')
        f.write('const Entry kEntries[] = {\n')
        for i, name in enumerate(names):
            f.write(f'    {{"{name}", kroxl_res_{i}, kroxl_res_{i}_end}},\n')
        f.write('};\n}  // namespace\n\n')
        f.write('std::string_view resource(std::string_view name) {\n')
        f.write('  for (const Entry& e : kEntries)\n')
        f.write('    if (name == e.name) return {e.begin, static_cast<size_t>(e.end - e.begin)};\n')
        f.write('  return {};\n}\n\n}  // namespace app\n')


def build(outdir):
    names = []
    for name, surface in pictures().items():
        path = os.path.join(outdir, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_bmp(surface, path)
        names.append(name)
    write_index(outdir, names)
