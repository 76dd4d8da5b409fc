"""Tests of the pictures of the ground floor, the basement and the grounds:
every promised file is written and readable, overlays and frames lie on the
picture where the game draws them, fit the background around them, and the
frames that are drawn over each other on every tick agree. Run with
tools/datagen on the Python path."""
import struct
import tempfile
import unittest

import root
import scenery_lower as lower

# Where the game lays each overlay or frame (room builder and animation).
PLACED = {
    "\\graphic\\gastgarten\\mist.bmp": (486, 264), "\\graphic\\minigolf\\blood.bmp": (151, 132),
    "\\graphic\\minigolf\\schlauch.bmp": (86, 162), "\\graphic\\minigolf\\schlaucha.bmp": (86, 162),
    "\\graphic\\minigolf2\\golf8.bmp": (284, 281), "\\graphic\\minigolf\\blood_dark.bmp": (151, 132),
    "\\graphic\\minigolf2\\golf8_dark.bmp": (284, 281), "\\graphic\\printerroom\\zeichnung.bmp": (456, 185),
    "\\graphic\\printerroom\\key.bmp": (456, 185), "\\graphic\\toegl\\scheck0.bmp": (48, 175),
    "\\graphic\\toegl\\weg.bmp": (296, 57), "\\graphic\\toegl\\kaffee1a.bmp": (296, 290),
    "\\graphic\\toegl\\kaffee0.bmp": (296, 290), "\\graphic\\toegl2\\tisch0.bmp": (0, 226),
    "\\graphic\\toegl2\\scheck0.bmp": (221, 195), "\\graphic\\toegl2\\scheck0a.bmp": (221, 195),
    "\\graphic\\toegl2\\weg.bmp": (266, 178), "\\graphic\\toegl2\\kaffee1a.bmp": (266, 223),
    "\\graphic\\bibliothek\\buch1.bmp": (304, 185), "\\graphic\\bibliothek\\buch2.bmp": (304, 185),
    "\\graphic\\bastelraum\\tool.bmp": (361, 125), "\\graphic\\bastelraum\\lachen.bmp": (361, 125),
    "\\graphic\\bastelraum\\0.bmp": (361, 125), "\\graphic\\bastelraum\\talking0.bmp": (453, 193),
    "\\graphic\\bastelraum\\look in.bmp": (453, 170), "\\graphic\\zweistein\\red0.bmp": (109, 210),
    "\\graphic\\zweistein\\augennorm.bmp": (158, 186), "\\graphic\\zweistein\\reset.bmp": (101, 126),
    "\\graphic\\zweistein\\trink.bmp": (109, 126), "\\graphic\\zweistein\\trink1.bmp": (109, 107),
    "\\graphic\\zweistein\\trink2.bmp": (109, 107), "\\graphic\\toegl\\ciatalk0.bmp": (351, 128),
    "\\graphic\\printerroom\\franz1.bmp": (41, 141), "\\graphic\\printerroom\\red1.bmp": (41, 141),
    "\\graphic\\minigolf\\red0.bmp": (299, 151), "\\graphic\\minigolf\\eye0.bmp": (299, 132),
    "\\graphic\\out2\\gartnereye0.bmp": (251, 130), "\\graphic\\out2\\omaeye0.bmp": (340, 210),
    "\\graphic\\out1\\wasserfall1.bmp": (344, 262), "\\graphic\\out1\\fluss.bmp": (344, 381),
    "\\graphic\\printerroom\\maschine.bmp": (220, 10),
}


def load_bmp(path):
    """A 24-bit bottom-up BMP as pixel rows, top row first, 3 bytes a pixel."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack("<I", data[10:14])[0]
    w, h = struct.unpack("<ii", data[18:26])
    row = (w * 3 + 3) & ~3
    return [data[offset + (h - 1 - y) * row:offset + (h - 1 - y) * row + w * 3] for y in range(h)]


def size(rows):
    return len(rows[0]) // 3, len(rows)


def region(rows, x, y, w, h):
    return [r[x * 3:(x + w) * 3] for r in rows[y:y + h]]


def brightness(rows):
    return sum(sum(r) for r in rows) / (len(rows) * len(rows[0]))


class LowerFloorFilesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.written = lower.build(cls.tmp.name)
        cls.cache = {}

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def pic(self, game_path):
        if game_path not in self.cache:
            self.cache[game_path] = load_bmp(root.real_path(self.tmp.name, game_path))
        return self.cache[game_path]

    def test_writes_exactly_the_promised_readable_files(self):
        self.assertEqual(sorted(self.written), sorted(lower.expected_files()))
        self.assertEqual(len(set(self.written)), len(self.written))
        for game_path in self.written:
            self.assertIsNone(root.problem(root.real_path(self.tmp.name, game_path)), game_path)

    def test_every_variant_the_room_table_names_is_there(self):
        names = {p.lower() for p in lower.expected_files()}
        for room in ("gang3", "gang4", "bibliothek", "toegl2", "gastgarten", "out", "out1", "out2", "out3",
                     "minigolf", "minigolf2", "minigolf3", "mine"):
            self.assertIn("\\graphic\\%s\\night.bmp" % room, names)
        for room in ("bastelraum", "out2"):
            self.assertIn("\\graphic\\%s\\hintergrund2.bmp" % room, names)

    def test_backgrounds_are_640_by_400_and_cuts_stay_on_them(self):
        for game_path in self.written:
            w, h = size(self.pic(game_path))
            if game_path.endswith(("hintergrund.bmp", "hintergrund2.bmp", "night.bmp")):
                self.assertEqual((w, h), (640, 400), game_path)
            elif game_path in PLACED:
                x, y = PLACED[game_path]
                self.assertLessEqual(x + w, 640, game_path)
                self.assertLessEqual(y + h, 400, game_path)
        self.assertEqual(size(self.pic("\\graphic\\printerroom\\maschine.bmp")), (400, 200))

    def test_cuts_are_placed_where_the_game_draws_them(self):
        by_path = {cut.path: cut for cut in lower.cuts()}
        for game_path, place in PLACED.items():
            self.assertEqual(tuple(by_path[game_path].rect[:2]), place, game_path)

    def test_cuts_fit_the_background_and_hold_all_they_change(self):
        self.assertEqual(lower.problems(), [])

    def test_frames_of_one_place_have_one_size(self):
        groups = [
            ["\\graphic\\zweistein\\red%d.bmp" % i for i in range(4)],
            ["\\graphic\\zweistein\\%s.bmp" % n for n in ("augennorm", "zwinker", "read1", "read2", "read3")],
            ["\\graphic\\bastelraum\\%s%d.bmp" % (n, i) for n in ("red", "happyred", "2happyred") for i in range(4)]
            + ["\\graphic\\bastelraum\\talking0.bmp"],
            ["\\graphic\\bastelraum\\%s.bmp" % n for n in ("look in", "zwinker1", "zwinker2", "look")],
            ["\\graphic\\printerroom\\franz%d.bmp" % i for i in range(1, 7)]
            + ["\\graphic\\printerroom\\red%d.bmp" % i for i in range(1, 5)],
            ["\\graphic\\toegl\\ciatalk%d.bmp" % i for i in range(4)],
            ["\\graphic\\out1\\wasserfall%d.bmp" % i for i in range(1, 5)],
            ["\\graphic\\minigolf\\eye%d.bmp" % i for i in range(3)],
        ]
        for group in groups:
            self.assertEqual(len({size(self.pic(p)) for p in group}), 1, group)

    def test_zweistein_sips_without_his_mouth_cutting_into_the_cup(self):
        # His mouth (red0) is drawn on every tick, also over the drinking
        # poses while the table shows codes that draw nothing else.
        mouth = self.pic("\\graphic\\zweistein\\red0.bmp")
        w, h = size(mouth)
        for name, (x, y) in (("trink", (109, 126)), ("trink1", (109, 107)), ("reset", (101, 126))):
            pose = self.pic("\\graphic\\zweistein\\%s.bmp" % name)
            self.assertEqual(region(pose, 109 - x, 210 - y, w, h), mouth, name)

    def test_hubert_keeps_his_eyes_in_every_mood(self):
        # The eye frames are laid over the laughing face as well, and his
        # talking mouths replace all of the laugh.
        eyes = self.pic("\\graphic\\bastelraum\\look in.bmp")
        w, h = size(eyes)
        for name in ("lachen", "0"):
            face = self.pic("\\graphic\\bastelraum\\%s.bmp" % name)
            self.assertEqual(region(face, 453 - 361, 170 - 125, w, h), eyes, name)
        laugh, rest = self.pic("\\graphic\\bastelraum\\lachen.bmp"), self.pic("\\graphic\\bastelraum\\0.bmp")
        mw, mh = size(self.pic("\\graphic\\bastelraum\\happyred0.bmp"))
        mx, my = 453 - 361, 193 - 125
        for y, (a, b) in enumerate(zip(laugh, rest)):
            if my <= y < my + mh:
                a, b = a[:mx * 3] + a[(mx + mw) * 3:], b[:mx * 3] + b[(mx + mw) * 3:]
            self.assertEqual(a, b, "row %d of lachen.bmp" % y)

    def test_story_states_show_the_change(self):
        def differ(a, b, where=None):
            pa = self.pic(a)
            pb = self.pic(b) if where is None else region(self.pic(b), *where)
            return pa != pb
        g = "\\graphic\\"

        def at(path, x, y):
            """The part of a background an overlay of path covers at (x, y)."""
            return (x, y) + size(self.pic(g + path))

        pairs = [
            (g + "bibliothek\\buch1.bmp", g + "bibliothek\\buch2.bmp", None),
            (g + "toegl\\scheck0.bmp", g + "toegl\\hintergrund.bmp", at("toegl\\scheck0.bmp", 48, 175)),
            (g + "toegl\\weg.bmp", g + "toegl\\hintergrund.bmp", at("toegl\\weg.bmp", 296, 57)),
            (g + "toegl\\kaffee1a.bmp", g + "toegl\\kaffee0.bmp", None),
            (g + "toegl2\\tisch0.bmp", g + "toegl2\\hintergrund.bmp", at("toegl2\\tisch0.bmp", 0, 226)),
            (g + "toegl2\\weg.bmp", g + "toegl2\\hintergrund.bmp", at("toegl2\\weg.bmp", 266, 178)),
            (g + "gastgarten\\mist.bmp", g + "gastgarten\\hintergrund.bmp", at("gastgarten\\mist.bmp", 486, 264)),
            (g + "printerroom\\key.bmp", g + "printerroom\\zeichnung.bmp", None),
            (g + "minigolf\\schlauch.bmp", g + "minigolf\\schlaucha.bmp", None),
            (g + "bastelraum\\hintergrund.bmp", g + "bastelraum\\hintergrund2.bmp", None),
            (g + "out2\\hintergrund.bmp", g + "out2\\hintergrund2.bmp", None),
            (g + "bastelraum\\lachen.bmp", g + "bastelraum\\0.bmp", None),
            (g + "zweistein\\read1.bmp", g + "zweistein\\read3.bmp", None),
            (g + "zweistein\\augennorm.bmp", g + "zweistein\\zwinker.bmp", None),
            (g + "out2\\gartnereye0.bmp", g + "out2\\gartnereye1.bmp", None),
            (g + "out2\\omaeye0.bmp", g + "out2\\omaeye1.bmp", None),
            (g + "minigolf\\eye0.bmp", g + "minigolf\\eye2.bmp", None),
            (g + "out1\\wasserfall1.bmp", g + "out1\\wasserfall2.bmp", None),
            (g + "printerroom\\franz1.bmp", g + "printerroom\\franz2.bmp", None),
            (g + "toegl\\ciatalk0.bmp", g + "toegl\\ciatalk2.bmp", None),
        ]
        for a, b, where in pairs:
            self.assertTrue(differ(a, b, where), (a, b))

    def test_resting_frames_match_the_background(self):
        g = "\\graphic\\"
        for frame, bg, (x, y) in (
                (g + "toegl2\\scheck0.bmp", g + "toegl2\\hintergrund.bmp", (221, 195)),
                (g + "toegl2\\scheck0a.bmp", g + "toegl2\\hintergrund.bmp", (221, 195)),
                (g + "bastelraum\\0.bmp", g + "bastelraum\\hintergrund.bmp", (361, 125)),
                (g + "printerroom\\key.bmp", g + "printerroom\\hintergrund.bmp", (456, 185)),
                (g + "printerroom\\franz1.bmp", g + "printerroom\\hintergrund.bmp", (41, 141)),
                (g + "out1\\fluss.bmp", g + "out1\\hintergrund.bmp", (344, 381)),
                (g + "bibliothek\\buch2.bmp", g + "bibliothek\\hintergrund.bmp", (304, 185))):
            pic = self.pic(frame)
            self.assertEqual(region(self.pic(bg), x, y, *size(pic)), pic, frame)

    def test_things_taken_or_gone_are_not_drawn(self):
        # Pictures that stay on screen after a thing has left its place must
        # not show it: the plan behind Tägl's counter and on the table at
        # night, the special ball that flew off, the gardener's rake.
        def shows(path, colour, x, y, w, h):
            bgr = bytes(reversed(colour))
            return any(row[i:i + 3] == bgr for row in region(self.pic(path), x, y, w, h)
                       for i in range(0, len(row), 3))
        plan, ball, rake = (120, 160, 220), (255, 255, 255), (150, 100, 50)
        g = "\\graphic\\"
        self.assertTrue(shows(g + "gastgarten\\mist.bmp", plan, 0, 0, 62, 26))  # the colour is the plan's
        self.assertFalse(shows(g + "toegl\\hintergrund.bmp", plan, 472, 264, 41, 25))
        self.assertFalse(shows(g + "toegl2\\night.bmp", plan, 0, 317, 88, 60))
        for blood in ("blood.bmp", "blood_dark.bmp"):
            self.assertFalse(shows(g + "minigolf\\" + blood, ball, 310 - 151, 258 - 132, 20, 20), blood)
        for garden in ("hintergrund2.bmp", "night.bmp"):
            self.assertFalse(shows(g + "out2\\" + garden, rake, 280, 100, 60, 180), garden)

    def test_no_bare_floor_in_front_of_the_ground_floor_lift(self):
        # The lift's hot spot reaches down to the bottom of the picture.
        rows = self.pic("\\graphic\\gang3\\hintergrund.bmp")
        for y in (320, 398):
            floor = {rows[y][i:i + 3] for i in range(400 * 3, 580 * 3, 3)}
            lift = {rows[y][i:i + 3] for i in range(592 * 3, 638 * 3, 3)}
            self.assertFalse(floor & lift, y)

    def test_canteen_close_up_lets_the_agent_be_drawn(self):
        # The agent is drawn only while the pixel at (10, 10) is not black.
        self.assertNotEqual(self.pic("\\graphic\\toegl\\hintergrund.bmp")[10][30:33], b"\x00\x00\x00")

    def test_nights_are_darker_than_days(self):
        for room in ("gang3", "gang4", "bibliothek", "toegl2", "gastgarten", "out", "out1", "out3", "minigolf",
                     "minigolf2", "minigolf3", "mine"):
            day = brightness(self.pic("\\graphic\\%s\\hintergrund.bmp" % room))
            night = brightness(self.pic("\\graphic\\%s\\night.bmp" % room))
            self.assertLess(night, day * 0.7, room)
        self.assertLess(brightness(self.pic("\\graphic\\out2\\night.bmp")),
                        brightness(self.pic("\\graphic\\out2\\hintergrund2.bmp")) * 0.7)


if __name__ == "__main__":
    unittest.main()
