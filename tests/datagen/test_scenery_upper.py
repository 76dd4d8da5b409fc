"""Tests of the upper floor's pictures: every promised file is written, the
frames that are laid over each other fit together, and the pose check stops
a drawing that changes more than its frame shows. Run with tools/datagen on
the Python path."""
import struct
import tempfile
import unittest

import cairo

import root
import scenery_upper as upper


def load_bmp(path):
    """A 24-bit bottom-up BMP as a list of pixel rows, top row first, each
    row the bytes of its pixels (3 per pixel)."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack("<I", data[10:14])[0]
    w, h = struct.unpack("<ii", data[18:26])
    row = (w * 3 + 3) & ~3
    return [data[offset + (h - 1 - y) * row:offset + (h - 1 - y) * row + w * 3] for y in range(h)]


def region(rows, x, y, w, h):
    return [r[x * 3:(x + w) * 3] for r in rows[y:y + h]]


def column(rows, x):
    return [r[x * 3:x * 3 + 3] for r in rows]


def size(rows):
    return len(rows[0]) // 3, len(rows)


class UpperFloorFilesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.written = upper.build(cls.tmp.name)
        cls.cache = {}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def pic(self, game_path):
        if game_path not in self.cache:
            self.cache[game_path] = load_bmp(root.real_path(self.tmp.name, game_path))
        return self.cache[game_path]

    def test_writes_exactly_the_promised_files(self):
        self.assertEqual(sorted(self.written), sorted(upper.expected_files()))
        for game_path in upper.expected_files():
            self.assertIsNone(root.problem(root.real_path(self.tmp.name, game_path)), game_path)

    def test_full_screen_pictures_are_640_by_400(self):
        for game_path in upper.expected_files():
            if "hintergrund" in game_path or game_path.endswith(("night.bmp", "mikroskop.bmp")):
                self.assertEqual(size(self.pic(game_path)), (640, 400), game_path)

    def test_overlays_and_frames_stay_on_the_picture(self):
        placed = {
            "\\graphic\\gang101\\0.bmp": (444, 259), "\\graphic\\archiv\\seildurch.bmp": (368, 67),
            "\\graphic\\archiv\\kiste.bmp": (166, 34), "\\graphic\\archiv\\silicon.bmp": (336, 235),
            "\\graphic\\archiv\\red0.bmp": (336, 176), "\\graphic\\archiv\\buch0.bmp": (290, 299),
            "\\graphic\\archiv\\wumm.bmp": (290, 176), "\\graphic\\archiv\\zwinker1.bmp": (336, 235),
            "\\graphic\\corinna\\titten.bmp": (90, 174), "\\graphic\\corinna\\writing0.bmp": (90, 237),
            "\\graphic\\gang2\\leiche.bmp": (287, 215), "\\graphic\\gang\\sprech0.bmp": (477, 219),
            "\\graphic\\gang\\eye1.bmp": (477, 198), "\\graphic\\gang\\rauch.bmp": (350, 40),
        }
        for game_path, (x, y) in placed.items():
            w, h = size(self.pic(game_path))
            self.assertLessEqual(x + w, 640, game_path)
            self.assertLessEqual(y + h, 400, game_path)
        # the smoke must stay above the cleaning woman's eyes, which keep being drawn
        self.assertLessEqual(40 + size(self.pic("\\graphic\\gang\\rauch.bmp"))[1], 198)
        self.assertLessEqual(size(self.pic("\\graphic\\gang\\rauch.bmp"))[0], 250)
        # the floor patch has the size of the body's hot spot, whose last row
        # lies below the picture
        self.assertEqual(size(self.pic("\\graphic\\gang101\\leer.bmp")), (244, 99))

    def test_frames_of_one_place_have_one_size(self):
        groups = [
            ["0", "normal", "zwinker", "look up", "look down", "titten", "reset", "karte"],
            ["writing0", "writing1", "writing2"],
            ["talking0", "talking1", "talking2", "talking3"],
        ]
        for group in groups:
            sizes = {size(self.pic(f"\\graphic\\corinna\\{n}.bmp"))[0] for n in group}
            self.assertEqual(len(sizes), 1, group)
        head = ["red0", "red1", "red2", "red3", "1", "2", "3", "4", "5", "6"]
        self.assertEqual(len({size(self.pic(f"\\graphic\\archiv\\{n}.bmp")) for n in head}), 1)
        cleaner = [f"sprech{i}" for i in range(4)] + ["eye1", "eye2", "eye3"]
        self.assertEqual(len({size(self.pic(f"\\graphic\\gang\\{n}.bmp"))[0] for n in cleaner}), 1)

    def test_mouth_frames_fit_corinna_after_the_silicone(self):
        # titten.bmp, karte.bmp and reset.bmp lie at (90, 174); her mouth
        # frames keep being drawn at (90, 218) over them.
        mouth = self.pic("\\graphic\\corinna\\talking0.bmp")
        w, h = size(mouth)
        for name in ("titten", "karte", "reset"):
            pose = self.pic(f"\\graphic\\corinna\\{name}.bmp")
            self.assertEqual(region(pose, 0, 44, w, h), mouth, name)

    def test_poses_really_change(self):
        def differ(a, b):
            return self.pic(a) != self.pic(b)
        c, a, g = "\\graphic\\corinna\\", "\\graphic\\archiv\\", "\\graphic\\gang\\"
        for one, other in [(c + "normal.bmp", c + "zwinker.bmp"), (c + "look up.bmp", c + "look down.bmp"),
                           (c + "writing0.bmp", c + "writing1.bmp"), (c + "writing1.bmp", c + "writing2.bmp"),
                           (c + "talking0.bmp", c + "talking2.bmp"), (c + "titten.bmp", c + "normal.bmp"),
                           (a + "red0.bmp", a + "red2.bmp"), (a + "1.bmp", a + "6.bmp"),
                           (a + "zwinker1.bmp", a + "zwinker2.bmp"), (g + "eye1.bmp", g + "eye3.bmp"),
                           (g + "sprech0.bmp", g + "sprech1.bmp"),
                           ("\\graphic\\gang\\hintergrund.bmp", "\\graphic\\gang\\hintergrund2.bmp")]:
            self.assertTrue(differ(one, other), (one, other))

    def test_the_bare_floor_fits_both_rear_corridor_pictures(self):
        leer = self.pic("\\graphic\\gang101\\leer.bmp")[:98]   # the rows on the picture
        wrecked = region(self.pic("\\graphic\\gang101\\hintergrund2.bmp"), 133, 302, 244, 99)
        self.assertEqual(wrecked, leer)
        day = region(self.pic("\\graphic\\gang101\\hintergrund.bmp"), 133, 302, 244, 99)
        self.assertNotEqual(day, leer)          # the body lies there by day
        self.assertEqual(day[0], leer[0])       # and the patch covers him seamlessly
        self.assertEqual(day[-1], leer[-1])
        self.assertEqual(column(day, 0), column(leer, 0))
        self.assertEqual(column(day, 243), column(leer, 243))

    def test_the_crate_leaves_no_book_on_the_floor(self):
        # The falling crate hands Kroxl the book; kiste.bmp must cover it.
        kiste = self.pic("\\graphic\\archiv\\kiste.bmp")
        bare = region(self.pic("\\graphic\\archiv\\buch0.bmp"), 312 - 290, 344 - 299, 60, 34)
        self.assertEqual(region(kiste, 312 - 166, 344 - 34, 60, 34), bare)

    def test_no_bare_floor_inside_the_archive_door(self):
        # A click there leaves the archive: it must look like the door's, not like floor.
        rows = self.pic("\\graphic\\archiv\\hintergrund.bmp")
        for y in (395, 398):
            floor = {rows[y][i:i + 3] for i in range(300 * 3, 440 * 3, 3)}
            door = {rows[y][i:i + 3] for i in range(450 * 3, 594 * 3, 3)}
            self.assertFalse(floor & door, y)

    def test_otto_comes_and_goes_on_the_bare_corridor(self):
        otto, gone = self.pic("\\graphic\\gang101\\nachtwaechter.bmp"), self.pic("\\graphic\\gang101\\nachtwaechter0.bmp")
        self.assertEqual(size(otto), size(gone))
        self.assertNotEqual(otto, gone)
        w, h = size(gone)
        for bg in ("hintergrund.bmp", "hintergrund2.bmp"):
            rows = region(self.pic("\\graphic\\gang101\\" + bg), 226, 186, w, 302 - 186)
            self.assertEqual(gone[:302 - 186], rows, bg)   # above the body, both corridors look alike
        leer = self.pic("\\graphic\\gang101\\leer.bmp")
        self.assertEqual(region(gone, 0, 302 - 186, w, h), region(leer, 226 - 133, 0, w, h - (302 - 186)))

    def test_overlays_match_the_background_at_their_edges(self):
        # the outermost rows and columns of an overlay show the room as it is
        cases = [("\\graphic\\archiv\\buch0.bmp", "\\graphic\\archiv\\hintergrund.bmp", 290, 299),
                 ("\\graphic\\archiv\\red0.bmp", "\\graphic\\archiv\\hintergrund.bmp", 336, 176),
                 ("\\graphic\\gang2\\leiche.bmp", "\\graphic\\gang2\\hintergrund.bmp", 287, 215),
                 ("\\graphic\\gang101\\0.bmp", "\\graphic\\gang101\\hintergrund2.bmp", 444, 259),
                 ("\\graphic\\archiv\\kiste.bmp", "\\graphic\\archiv\\hintergrund.bmp", 166, 34)]
        for over, bg, x, y in cases:
            o = self.pic(over)
            w, h = size(o)
            b = region(self.pic(bg), x, y, w, h)
            self.assertEqual(o[0], b[0], over)
            self.assertEqual(o[-1], b[-1], over)
            self.assertEqual(column(o, 0), column(b, 0), over)
            self.assertEqual(column(o, w - 1), column(b, w - 1), over)


class PoseCheckTest(unittest.TestCase):
    def surface(self, dot=None):
        s = cairo.ImageSurface(cairo.FORMAT_RGB24, 40, 30)
        ctx = cairo.Context(s)
        ctx.set_source_rgb(1, 1, 1)
        ctx.paint()
        if dot:
            ctx.set_source_rgb(0, 0, 0)
            ctx.rectangle(dot[0], dot[1], 1, 1)
            ctx.fill()
        s.flush()
        return s

    def test_changed_box_is_tight(self):
        self.assertIsNone(upper.changed_box(self.surface(), self.surface()))
        self.assertEqual(upper.changed_box(self.surface(), self.surface((7, 5))), (7, 5, 8, 6))

    def test_a_pose_leaking_out_of_its_frame_stops_the_build(self):
        base = self.surface()
        upper.require_inside("inside", base, self.surface((10, 10)), (10, 10, 1, 1))
        with self.assertRaises(upper.FrameError):
            upper.require_inside("outside", base, self.surface((12, 10)), (10, 10, 2, 5))
        with self.assertRaises(upper.FrameError):
            upper.require_same("same", base, self.surface((3, 3)), (0, 0, 5, 5))


if __name__ == "__main__":
    unittest.main()
