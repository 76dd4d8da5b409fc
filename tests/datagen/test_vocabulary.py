"""Reading the program's vocabulary listing (docs/vocabulary.md), and rules
the listed tables must obey together. Run with tools/datagen on the Python path."""
import unittest

import vocabulary
from game_vocabulary import game_vocabulary

LISTING = [
    "command\twalking to\tcheck\tnumber",
    "command\t\tcheck",
    "command\t \tcheck",
    "command\tchange\tcheck\tsub-command",
    "command\tbitmap\tcheck\tfile\tnumber\tnumber",
    "change\tschirm\tnumber",
    "change\tnight",
    "speaker\tKroxl\t16777215\tregular",
    "speaker\tHINWEIS\t\tbold",
    "person\tTägl\t7\tTägl:\tTögl:",
    "room\t123456\t",
    "room\t2\tGang\t1\t3",
    "item\tPlan",
    "sound\ta kind this reader does not know",
]


class VocabularyTest(unittest.TestCase):
    def test_a_listing_reads_with_empty_and_blank_fields_and_lists_at_the_end(self):
        words = vocabulary.Vocabulary(LISTING)
        self.assertEqual(words.commands[""], [])
        self.assertEqual(words.commands[" "], [])
        self.assertEqual(words.commands["bitmap"], ["file", "number", "number"])
        self.assertEqual(words.speakers["HINWEIS"], (None, "bold"))
        self.assertEqual(words.people["Tägl"], (7, ["Tägl:", "Tögl:"]))
        self.assertEqual(words.headers(), {"Tägl:", "Tögl:"})
        self.assertEqual(words.rooms[123456], ("", set()))
        self.assertEqual(words.room_prefixes(), {"Gang": (2, {1, 3})})
        self.assertEqual(words.items, ["Plan"])

    def test_a_story_command_with_a_number_takes_one_more_line(self):
        words = vocabulary.Vocabulary(LISTING)
        self.assertEqual(words.operand_kinds(["change", "schirm", "4"], 0), ["sub-command", "number"])
        self.assertEqual(words.operand_kinds(["change", "night"], 0), ["sub-command"])
        self.assertEqual(words.operand_kinds(["change"], 0), ["sub-command"])
        self.assertEqual(words.operand_kinds(["Gang1l.smx"], 0), [])

    def test_a_listing_without_commands_is_refused(self):
        with self.assertRaises(ValueError):
            vocabulary.Vocabulary(["item\tPlan"])


class ProgramVocabularyTest(unittest.TestCase):
    """The program's own listing: its tables agree with each other."""

    @classmethod
    def setUpClass(cls):
        cls.words = game_vocabulary()

    def test_keywords_are_unique_and_every_operand_kind_is_known(self):
        kinds = {"number", "text", "file", "sub-command"}
        for keyword, operands in self.words.commands.items():
            with self.subTest(keyword):
                self.assertLessEqual(set(operands), kinds)
                self.assertIn(self.words.endings[keyword], {"check", "finish", "next", "check/finish"})
        for keyword, operands in self.words.sub_commands.items():
            with self.subTest(keyword):
                self.assertIn(operands, [[], ["number"]])

    def test_every_person_is_a_speaker_met_in_a_room_of_the_table(self):
        for name, (room, headers) in self.words.people.items():
            with self.subTest(name):
                self.assertIn(name, self.words.speakers)
                self.assertIn(room, self.words.rooms)
                self.assertTrue(headers)


if __name__ == "__main__":
    unittest.main()
