"""The demo game's story scripts in data/ against the rules that keep the story
playable: every file the engine loads by a fixed name is there, scripts that a
story command loads begin with the two lines it drops, every "change" names a
sub-command the engine knows, conversations open only where a person stands,
items are handed over cleanly, and every hot spot answers both buttons.
Run with tools/datagen on the Python path (see tests/CMakeLists.txt)."""
import os
import re
import unittest

from game_vocabulary import game_vocabulary

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPTS = os.path.join(REPO, "data", "source", "scripts")

# The rooms, items, speakers, people and story commands come from the
# program's own tables (kroxl --vocabulary); what follows is the story's.

# Rooms the protagonist must not be seen in: close-ups, the mine and the video room.
CLOSE_UPS = {-11, 1111, -1020, -10000, -10001, -10002, 123456}
# Speakers who keep the colour of the line before, as the story wants.
UNCOLOURED_SPEAKERS = {"Gärtner"}

# Scripts the engine loads by a fixed name, with the room each one runs in
# (None: the script changes room itself before it opens a conversation, or opens none).
ENGINE_NAMED = {
    "htm.smx": None, "intro.smx": None, "comeback.smx": None, "feststellungs.smx": -1,
    "franz0.dia": 201, "franz1.dia": 201, "gameover.smx": None, "hubertexplo.smx": None,
    "kaffee.dia": 7, "archiv_busen0l.smx": 104, "archiv_busen1l.smx": 104,
    "archiv_busen2l.smx": 104, "archiv_busen0r.smx": 104, "archiv_busen1r.smx": 104,
    "archiv_busen2r.smx": 104, "buero5lsilicon.smx": 1, "geb.smx": 1111, "putzfrau.smx": 2,
    "putzfrau2.smx": 2, "gang23r2.smx": 3, "out24lreal.smx": None,
    "minigolfkeinschlauch.smx": 500, "minigolf2lreal.smx": None, "minigolf23lspezial.smx": None,
    "minigolf23lkeinball.smx": 501, "nodrink.smx": 3, "nodrink2.smx": 3, "getnight.smx": None,
    "nachtsperre.smx": None, "gang45l2.smx": None, "archiv2l2.smx": 104, "archiv2r2.smx": 104,
    "leiche0.smx": None, "gang33la.smx": 4, "lift.smx": None, "lift2.smx": 3,
    "gang1002la.smx": None, "leiche.smx": None, "hubert1.dia": None, "gang43r2.smx": 5,
    "hubert2.smx": None, "plan.smx": -1010, "bastelraum3l2.smx": 8, "toegl1.dia": None,
    "taube.dia": -10003, "buch.smx": None, "gang22l.smx": None, "gang44lzeichnung.smx": None,
    "bibliothek1lkaffee.smx": 6, "bastelraum2lplan.smx": 8,
    "minigolfkeinschlauchdialog.smx": 500, "schreib.dia": 6,
}
# Loaded by a story command, which drops their first two lines.
DROP_TWO = {"franz0.dia", "franz1.dia", "gameover.smx", "hubertexplo.smx", "kaffee.dia",
            "buero5lsilicon.smx", "geb.smx", "putzfrau.smx", "putzfrau2.smx", "gang23r2.smx",
            "out24lreal.smx", "minigolfkeinschlauch.smx", "minigolf2lreal.smx",
            "minigolf23lspezial.smx", "minigolf23lkeinball.smx", "nodrink.smx", "nodrink2.smx",
            "getnight.smx", "nachtsperre.smx"}
# Started from a reply of the choice panel, so they may run in dialogue mode:
# they open the conversation themselves before anyone speaks.
FROM_REPLIES = {"buero5lsilicon.smx", "gang44lzeichnung.smx", "bibliothek1lkaffee.smx",
                "bastelraum2lplan.smx", "minigolfkeinschlauchdialog.smx", "schreib.dia"}

# The people who sit or stand where the protagonist walks: the span of x their
# drawing covers at his height (datagen). He is drawn from x to x + 94 at his
# place x; his figure covers about x + 8 to x + 84.
PEOPLE_SPANS = {-1: ("Big Boss", 59, 205), 1: ("Corinna", 88, 233), 2: ("Putzfrau", 466, 562),
                6: ("Zweistein", 75, 240), 8: ("Hubert", 424, 625), 104: ("Archivar", 345, 475),
                201: ("Franz", 60, 175)}
FIGURE = (8, 84)

HOT_SPOT_NAME = re.compile(r"^([A-Za-z]+?\d*?)([1-6])([lr])(.*)\.smx$")


def hot_spot_of(name, rooms):
    """(prefix, slot, button, item) of a hot-spot or item script name, or None;
    rooms maps each script prefix to (room number, slots)."""
    best = None
    for prefix in rooms:
        rest = name[len(prefix):]
        if name.lower().startswith(prefix.lower()) and len(rest) > 5 and rest[0] in "123456" \
                and rest[1] in "lr" and name.lower().endswith(".smx"):
            if best is None or len(prefix) > len(best[0]):
                best = (prefix, int(rest[0]), rest[1], rest[2:-4])
    return best


def commands(lines, words):
    """(index, keyword, operands) of every command of a script."""
    i = 0
    while i < len(lines):
        count = len(words.operand_kinds(lines, i))
        yield i, lines[i], lines[i + 1:i + 1 + count]
        i += 1 + count


def read(name):
    with open(os.path.join(SCRIPTS, name), encoding="utf-8") as f:
        return f.read().rstrip("\n").split("\n")


class StoryScriptsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.words = game_vocabulary()
        cls.rooms = cls.words.room_prefixes()
        cls.names = sorted(os.listdir(SCRIPTS))
        cls.by_lower = {n.lower(): n for n in cls.names}
        cls.scripts = {n: read(n) for n in cls.names}

    def test_no_two_files_differ_only_in_case(self):
        self.assertEqual(len(self.by_lower), len(self.names))

    def test_every_script_the_engine_names_is_there(self):
        missing = [n for n in ENGINE_NAMED if n not in self.by_lower]
        self.assertEqual(missing, [])

    def test_scripts_loaded_by_story_commands_begin_with_two_drop_lines(self):
        for lower in DROP_TWO:
            with self.subTest(lower):
                self.assertEqual(self.scripts[self.by_lower[lower]][:2], ["hugo", "hugo"])

    def test_hot_spot_and_item_scripts_name_a_real_hot_spot_and_item(self):
        for name in self.names:
            if name.lower() in ENGINE_NAMED or not name.lower().endswith(".smx"):
                continue
            with self.subTest(name):
                spot = hot_spot_of(name, self.rooms)
                self.assertIsNotNone(spot, "neither a hot-spot script nor one the engine names")
                prefix, slot, _button, item = spot
                self.assertIn(slot, self.rooms[prefix][1])
                if item:
                    self.assertIn(item, set(self.words.items) | {"_"})

    def test_every_hot_spot_answers_both_buttons(self):
        for prefix, (_room, slots) in self.rooms.items():
            for slot in slots:
                for button in "lr":
                    with self.subTest(f"{prefix}{slot}{button}"):
                        self.assertIn(f"{prefix}{slot}{button}.smx".lower(), self.by_lower)

    def test_every_change_names_a_known_sub_command(self):
        for name, lines in self.scripts.items():
            for i, word, operands in commands(lines, self.words):
                if word == "change":
                    with self.subTest(name, line=i + 1):
                        self.assertIn(operands[0], self.words.sub_commands)

    def test_speakers_have_their_colours(self):
        for name, lines in self.scripts.items():
            for i, word, operands in commands(lines, self.words):
                if word == "say":
                    with self.subTest(name, line=i + 1):
                        self.assertIn(operands[0], set(self.words.speakers) | UNCOLOURED_SPEAKERS)

    def test_every_taken_item_is_followed_by_a_repaint_of_the_bar(self):
        for name, lines in self.scripts.items():
            for i, word, operands in commands(lines, self.words):
                if word in ("inventar sub", "inventar add"):
                    with self.subTest(name, line=i + 1):
                        self.assertIn(operands[0], self.words.items)
                if word == "inventar sub":
                    with self.subTest(name, line=i + 1):
                        self.assertEqual(lines[i + 2:i + 4], ["change", "clearinventarcanvas"])

    def test_room_changes_go_to_real_rooms_and_keep_close_ups_clear_of_the_protagonist(self):
        known = set(self.words.rooms)
        for name, lines in self.scripts.items():
            for i, word, operands in commands(lines, self.words):
                if word != "goto room" or operands[0] == "0":
                    continue
                with self.subTest(name, line=i + 1):
                    room = int(operands[0])
                    self.assertIn(room, known)
                    self.assertEqual(lines[i + 2], "jump to")
                    if room == 7:
                        self.assertEqual(lines[i + 3], "-1000")
                    elif room in CLOSE_UPS:
                        self.assertLessEqual(int(lines[i + 3]), -250)

    def test_a_video_is_followed_by_a_room_and_its_music(self):
        for name, lines in self.scripts.items():
            words = [word for _i, word, _ops in commands(lines, self.words)]
            for k, word in enumerate(words):
                if word != "play video":
                    continue
                later = words[k + 1:]
                with self.subTest(name, video=k):
                    if "inkey" in later and "goto room" not in later:
                        continue  # the last picture of the ending stays
                    self.assertIn("goto room", later)
                    self.assertIn("play music", later)

    def test_conversations_open_only_where_a_person_stands(self):
        for name, lines in self.scripts.items():
            spot = hot_spot_of(name, self.rooms)
            room = self.rooms[spot[0]][0] if spot and name.lower() not in ENGINE_NAMED \
                else ENGINE_NAMED.get(name.lower())
            for i, word, operands in commands(lines, self.words):
                if word == "goto room":
                    room = int(operands[0])
                elif word == "open dialog":
                    with self.subTest(name, line=i + 1):
                        self.assertIn(room, self.words.person_rooms())

    def test_scripts_started_from_replies_open_the_conversation_before_anyone_speaks(self):
        for lower in FROM_REPLIES:
            with self.subTest(lower):
                words = [word for _i, word, _ops in commands(self.scripts[self.by_lower[lower]], self.words)]
                self.assertIn("open dialog", words)
                self.assertLess(words.index("open dialog"), words.index("say"))

    def test_the_protagonist_stands_beside_the_person_he_talks_to(self):
        """Where a conversation opens or the room's person speaks, Kroxl's
        figure must not stand in front of that person's."""
        for name, lines in self.scripts.items():
            spot = hot_spot_of(name, self.rooms)
            room = self.rooms[spot[0]][0] if spot and name.lower() not in ENGINE_NAMED \
                else ENGINE_NAMED.get(name.lower())
            place = None
            for i, word, operands in commands(lines, self.words):
                if word == "goto room":
                    room, place = int(operands[0]), None
                elif word in ("walking to", "jump to"):
                    place = int(operands[0])
                person = PEOPLE_SPANS.get(room)
                talks = word == "open dialog" or (word == "say" and person and operands[0] == person[0])
                if talks and person and place is not None:
                    with self.subTest(name, line=i + 1):
                        self.assertTrue(place + FIGURE[1] <= person[1] or place + FIGURE[0] >= person[2],
                                        f"Kroxl at {place} stands in front of {person[0]}")

    def test_items_are_gained_once(self):
        """Each item enters the inventory in one script only (a script that
        may run twice re-issues its item with the sub-and-add idiom)."""
        gained = {}
        for name, lines in self.scripts.items():
            taken = set()
            for _i, word, operands in commands(lines, self.words):
                if word == "inventar sub":
                    taken.add(operands[0])
                elif word == "inventar add" and operands[0] not in taken:
                    gained.setdefault(operands[0], []).append(name)
        for item, where in gained.items():
            with self.subTest(item):
                self.assertEqual(len(where), 1, where)


if __name__ == "__main__":
    unittest.main()
