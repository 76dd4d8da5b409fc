"""Tests of the protagonist, menu, note, title and loading pictures: the
promises the game's drawing code relies on (sizes, key colours, patches that
must fit seamlessly over the pictures they are laid on). Run with
tools/datagen on the Python path."""
import os
import struct
import tempfile
import unittest

import cairo

import figures
import figures_kroxl as kroxl
import figures_menu as menu
import figures_title as title
import resources
import root
from figures_draw import crop, pixels

MAGENTA = (255, 0, 255)


def size(surface):
    return surface.get_width(), surface.get_height()


def differing(a, b):
    """(x, y) of every pixel where two equally sized pictures differ."""
    pa, pb = pixels(a), pixels(b)
    return [(x, y) for y in range(len(pa)) for x in range(len(pa[0])) if pa[y][x] != pb[y][x]]


class ProtagonistTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.frames = kroxl.body_frames()
        cls.faces = kroxl.faces()
        cls.eyes = kroxl.eye_patches()

    def test_sizes(self):
        self.assertEqual(len(self.frames), 11)
        self.assertEqual(len(self.faces), 12)
        for f in self.frames:
            self.assertEqual(size(f), (124, 179))
        for f in self.faces:
            self.assertEqual(size(f), (80, 54))
        for e in self.eyes:
            self.assertEqual(size(e), (25, 16))

    def test_facing_right_mirrors_facing_left_about_the_face_offset(self):
        # Faces go to x = p facing left and p + 14 facing right, so the body
        # must mirror about x = 47 of the frame.
        for right, left in ((0, 5), (1, 6), (2, 7), (3, 8)):
            pr, pl = pixels(self.frames[right]), pixels(self.frames[left])
            for y in range(179):
                self.assertEqual(pr[y][:94], pl[y][93::-1], f"frame {right} row {y}")
                self.assertTrue(all(p == MAGENTA for p in pl[y][94:]), f"frame {left} row {y}")
        for i in range(6):
            self.assertEqual(differing(self.faces[i + 6], kroxl.mirror(self.faces[i])), [])

    def test_walk_frames_differ_and_the_unused_ones_repeat_standing(self):
        walk = [pixels(self.frames[i]) for i in range(4)]
        for i in range(4):
            for j in range(i + 1, 4):
                self.assertNotEqual(walk[i], walk[j])
        self.assertEqual(differing(self.frames[4], self.frames[3]), [])
        self.assertEqual(differing(self.frames[9], self.frames[8]), [])

    def test_sprites_are_keyed_and_eyes_are_opaque(self):
        for f in self.frames + self.faces:
            p = pixels(f)
            self.assertEqual(p[0][0], MAGENTA)
            self.assertTrue(any(px != MAGENTA for row in p for px in row))
        for e in self.eyes:
            self.assertNotIn(MAGENTA, [px for row in pixels(e) for px in row])

    def test_eye_patches_fit_every_face(self):
        kroxl.check(self.faces, self.eyes)  # raises on any seam
        self.assertNotEqual(differing(self.eyes[0], self.eyes[1]), [])

    def test_a_face_that_changes_the_eye_area_is_refused(self):
        broken = list(self.faces)
        broken[3] = crop(self.faces[3], 0, 0, 80, 54)
        ctx = cairo.Context(broken[3])
        ctx.rectangle(30, 10, 2, 2)
        ctx.set_source_rgb(0, 1, 0)
        ctx.fill()
        with self.assertRaises(AssertionError):
            kroxl.check(broken, self.eyes)


class MenuTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pictures = menu.menu_pictures()

    def test_panel_covers_every_entry_over_the_key(self):
        whole = pixels(self.pictures["menu"])
        self.assertEqual(size(self.pictures["menu"]), (640, 400))
        key = whole[1][1]
        self.assertEqual(key, menu.MENU_KEY)
        for _name, (x0, x1, y0, y1), _caption in menu.ENTRIES:
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    self.assertNotEqual(whole[y][x], key, (x, y))

    def test_lit_pictures_light_only_their_own_entry(self):
        x, y, w, h = menu.CROP
        self.assertEqual(differing(self.pictures["0"], crop(self.pictures["menu"], *menu.CROP)), [])
        for name, (x0, x1, y0, y1), _caption in menu.ENTRIES:
            lit = self.pictures[name]
            self.assertEqual(size(lit), (w, h))
            changed = differing(lit, self.pictures["0"])
            self.assertTrue(changed, name)
            for px, py in changed:
                self.assertTrue(x0 <= px + x <= x1 and y0 <= py + y <= y1, (name, px + x, py + y))


class NoteTest(unittest.TestCase):
    def test_note_is_keyed_black_outside_and_never_inside(self):
        note = menu.note_picture()
        self.assertEqual(size(note), (289, 377))
        p = pixels(note)
        self.assertEqual(p[0][0], (0, 0, 0))
        for y in range(60, 360):
            for x in range(20, 270):
                self.assertNotEqual(p[y][x], (0, 0, 0), (x, y))

    def test_tick_is_keyed_white(self):
        p = pixels(menu.tick_picture())
        self.assertEqual(p[0][0], (255, 255, 255))
        self.assertTrue(any(g > r + 60 for row in p for r, g, b in row))


class TitleAndLoadingTest(unittest.TestCase):
    def test_each_lit_title_changes_only_its_column(self):
        pics = title.title_pictures()
        columns = {"1": (0, 257), "2": (258, 450), "3": (451, 639)}
        for name, (x0, x1) in columns.items():
            changed = differing(pics[name], pics["main"])
            self.assertTrue(changed)
            self.assertTrue(all(x0 <= x <= x1 for x, _y in changed), name)
        ax, ay, aw, ah = title.ARROW
        arrow = pixels(pics["pfeil"])
        under = pixels(crop(pics["1"], ax, ay, aw, ah))
        self.assertEqual(arrow[0][0], under[0][0])  # the arrow's corners blend into lit column 1
        self.assertNotEqual(arrow, under)

    def test_progress_pictures_fit_the_loading_screen(self):
        pics = title.loading_pictures()
        x, y, w, h = title.FLASK
        screen = pixels(crop(pics["loading"], x, y, w, h))
        previous = None
        for step in range(1, 8):
            p = pixels(pics[f"loading{step:02d}"])
            self.assertEqual((len(p[0]), len(p)), (38, 38))
            self.assertEqual(p[0], screen[0])
            self.assertEqual(p[-1], screen[-1])
            self.assertNotEqual(p, previous)
            previous = p


def bmp_size(path):
    with open(path, "rb") as f:
        data = f.read(26)
    assert data[:2] == b"BM"
    return struct.unpack("<ii", data[18:26])


class BuildTest(unittest.TestCase):
    def test_resources_embed_every_picture_with_its_size(self):
        with tempfile.TemporaryDirectory() as out:
            resources.build(out)
            with open(os.path.join(out, "resources_index.cpp")) as f:
                index = f.read()
            expected = {f"cursor/{n}.bmp": (32, 32) for n in ("EMPTY", "OBJECT", "TARGET", "INVENTAR",
                                                              "INVENTAR2")}
            expected.update({f"animate/{i}.bmp": (124, 179) for i in range(11)})
            expected.update({f"face/{i}.bmp": (80, 54) for i in range(12)})
            expected.update({f"icons/{i}.bmp": (32, 32) for i in range(21)})
            expected.update({"screens/save.bmp": (345, 257), "screens/load.bmp": (473, 297),
                             "screens/splash.bmp": (640, 480), "settings/speed.bmp": (48, 32),
                             "settings/deutsch.bmp": (40, 28), "settings/english.bmp": (40, 28)})
            for name, dims in expected.items():
                self.assertIn(f'"{name}"', index)
                self.assertEqual(bmp_size(os.path.join(out, name)), dims, name)

    def test_data_root_holds_every_promised_file(self):
        with tempfile.TemporaryDirectory() as out:
            figures.build(out)
            for game_path in figures.expected_files():
                self.assertIsNone(root.problem(root.real_path(out, game_path)), game_path)
            self.assertEqual(bmp_size(root.real_path(out, "\\graphic\\zettel.bmp")), (289, 377))
            self.assertEqual(bmp_size(root.real_path(out, "\\movies\\cls.bmp")), (640, 400))


if __name__ == "__main__":
    unittest.main()
