"""Unit tests of the check that every reply, answer and hover text fits its
box. Run with tools/datagen on the Python path."""
import os
import tempfile
import unittest

import text_fit

LISTING = [
    "box\thover\t/fonts/comic.otf\t9\t640",
    "box\titem\t/fonts/comic.otf\t9\t640",
    "box\treply\t/fonts/comic.otf\t11\t624",
    "box\tanswer\t/fonts/sans.ttf\t11\t618",
    "text\thover\tAufzug",
    "text\titem\tPlan",
    "text\titem\tWerkzeug eines Elektrikers",
    "text\treply\tNa, wie laufen die Geschäfte?",
    "text\tanswer\tWasser",
]


def five_per_character(font, height, text):
    return 5 * len(text)


class TextFitTest(unittest.TestCase):
    def test_a_listing_names_boxes_and_texts(self):
        boxes, texts = text_fit.parse_listing(LISTING)
        self.assertEqual(boxes["reply"], ("/fonts/comic.otf", 11, 624))
        self.assertEqual(texts[0], ("hover", "Aufzug"))
        self.assertEqual(len(texts), 5)

    def test_texts_that_fit_raise_nothing_and_one_too_wide_is_named(self):
        boxes, texts = text_fit.parse_listing(LISTING)
        self.assertEqual(text_fit.fit_problems(boxes, texts, five_per_character), [])
        long_reply = "x" * 125  # 625 pixels in a box of 624
        found = text_fit.fit_problems(boxes, texts + [("reply", long_reply)], five_per_character)
        self.assertEqual(len(found), 1)
        self.assertIn("625 pixels", found[0])
        self.assertIn("its box 624", found[0])

    def test_a_hover_text_must_fit_with_the_widest_item_in_hand(self):
        boxes, texts = text_fit.parse_listing(LISTING)
        # "Benütze Werkzeug eines Elektrikers mit " is 39 characters.
        hover = "h" * (128 - 39)
        self.assertEqual(text_fit.fit_problems(boxes, texts + [("hover", hover)], five_per_character), [])
        found = text_fit.fit_problems(boxes, texts + [("hover", hover + "h")], five_per_character)
        self.assertEqual(len(found), 1)
        self.assertIn("Benütze Werkzeug eines Elektrikers mit", found[0])

    def test_the_dialogue_source_gives_its_replies_without_headers_and_blanks(self):
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "source", "dialogs"))
            with open(os.path.join(root, text_fit.DIALOGUE_SOURCE), "wb") as f:
                f.write("Tögl:\r\nEine Tasse Kaffee, bitte!\r\n \r\n\r\nMotty:\r\nHallo!\r\n".encode("cp1252"))
            self.assertEqual(text_fit.source_replies(root, {"Tägl:", "Tögl:", "Motty:"}),
                             [("reply", "Eine Tasse Kaffee, bitte!"), ("reply", "Hallo!")])

    def test_the_measure_is_the_game_fonts_own(self):
        sans = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
        if not os.path.exists(sans):
            self.skipTest("no Liberation Sans")
        measure = text_fit.Measure()
        self.assertGreater(measure.width(sans, 16, "Wasser"), measure.width(sans, 11, "Wasser"))
        self.assertGreater(measure.width(sans, 11, "Wasserstoff"), measure.width(sans, 11, "Wasser"))

    def test_a_missing_game_program_is_a_problem(self):
        found = text_fit.problems("/nowhere", "/nowhere/kroxl")
        self.assertEqual(len(found), 1)
        self.assertIn("no game program", found[0][1])


if __name__ == "__main__":
    unittest.main()
