"""Unit tests of datagen's music, effects and script checks, and a lint of the
hand-written scripts of data/ against the rules that keep the game from
hanging. Run with tools/datagen on the Python path."""
import os
import struct
import tempfile
import unittest

import audio
import audio_midi
import root
import root_checks
import voices
from audio_synth import silence, write_wav
from game_vocabulary import game_vocabulary, program

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCRIPTS = os.path.join(REPO, "data", "source", "scripts")


def lint(lines, existing=()):
    return root_checks.script_problems(lines, lambda p: p in existing, game_vocabulary())


class ScriptCheckTest(unittest.TestCase):
    def test_accepts_a_well_formed_exit(self):
        lines = ["walking to", "500", "play wav effect", "\\sound\\effects\\doorclose.wav",
                 "goto room", "1", "jump to", "440", "look left", "say", "Kroxl", "Da.", "wait for talk"]
        self.assertEqual(lint(lines, {"\\sound\\effects\\doorclose.wav"}), [])

    def test_finds_the_lines_that_hang_or_break_the_queue(self):
        cases = {
            "empty": (["look left", "", "look right"], "stops the queue"),
            "blank": (["look left", " "], "stops the queue"),
            "unknown": (["walking  to", "5"], "unknown command"),
            "number": (["jump to", "abc"], "needs a number"),
            "operand missing": (["say", "Kroxl"], "lacks its operand"),
            "no jump": (["goto room", "3", "look left"], "not followed by 'jump to'"),
            "lonely wait": (["look left", "wait for talk"], "not directly after a 'say'"),
            "dialog wait": (["open dialog", "say", "Franz", "Na?", "wait for talk"], "dialogue mode"),
            "missing file": (["play music", "\\sound\\music\\nix.mid"], "missing file"),
            "schirm number": (["change", "schirm", "x"], "needs a number"),
            "story command": (["change", "schirn", "4"], "no story command"),
        }
        for name, (lines, expected) in cases.items():
            with self.subTest(name):
                found = lint(lines)
                self.assertTrue(any(expected in why for why in found), found)

    def test_change_with_a_number_consumes_three_lines(self):
        self.assertEqual(lint(["change", "schirm", "4", "change", "schirm", "0", "look left"]), [])

    def test_goto_intro_room_needs_no_jump(self):
        self.assertEqual(lint(["activate", "goto room", "0"]), [])


class MediaCheckTest(unittest.TestCase):
    def test_zero_length_wave_is_refused_and_silence_of_100ms_accepted(self):
        with tempfile.TemporaryDirectory() as d:
            good, empty = os.path.join(d, "none.wav"), os.path.join(d, "empty.wav")
            write_wav(good, silence(0.1), raw=True)
            write_wav(empty, [], raw=True)
            self.assertIsNone(root.problem(good))
            self.assertEqual(root.problem(empty), "a WAV of zero length")

    def test_midi_header_must_match_its_tracks(self):
        header = b"MThd" + struct.pack(">IHHH", 6, 1, 2, 480)
        track = b"MTrk" + struct.pack(">I", 4) + b"\x00\xff\x2f\x00"
        self.assertIsNone(root_checks.midi_problem(header + track + track))
        self.assertIsNotNone(root_checks.midi_problem(header + track))


class MusicTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.files = {}
        for name, piece in audio.PIECES.items():
            path = os.path.join(cls.dir.name, name)
            audio_midi.Composer(piece, "kroxl-" + name).compose(path)
            with open(path, "rb") as f:
                cls.files[name] = f.read()

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def events(self, data):
        """(track, absolute tick, status, data bytes) of every channel event, and each track's end."""
        pos, out, ends = 14, [], []
        track = 0
        while pos < len(data):
            size = struct.unpack(">I", data[pos + 4:pos + 8])[0]
            body, pos = data[pos + 8:pos + 8 + size], pos + 8 + size
            i, tick, status = 0, 0, 0
            while i < len(body):
                delta = 0
                while True:
                    b = body[i]
                    i += 1
                    delta = (delta << 7) | (b & 0x7F)
                    if b < 0x80:
                        break
                tick += delta
                if body[i] == 0xFF:
                    kind, length = body[i + 1], body[i + 2]
                    if kind == 0x2F:
                        ends.append(tick)
                    i += 3 + length
                    continue
                status = body[i]
                n = 2 if status & 0xF0 in (0xC0, 0xD0) else 3
                out.append((track, tick, status, body[i + 1:i + n]))
                i += n
            track += 1
        return out, ends

    def test_every_piece_is_a_type_1_file_of_30_to_90_seconds(self):
        for name, seconds in audio.durations().items():
            with self.subTest(name):
                data = self.files[name]
                fmt, tracks, division = struct.unpack(">HHH", data[8:14])
                self.assertEqual((fmt, division), (1, audio_midi.PPQ))
                self.assertGreaterEqual(tracks, 4)
                self.assertTrue(30 <= seconds <= 90, seconds)

    def test_loops_cleanly_every_note_ends_by_the_last_bar(self):
        for name, piece in audio.PIECES.items():
            with self.subTest(name):
                events, ends = self.events(self.files[name])
                bar = piece.beats_per_bar * audio_midi.PPQ
                self.assertEqual(len(set(ends)), 1)
                self.assertEqual(ends[0] % bar, 0)
                sounding = {}
                for track, tick, status, body in events:
                    key = (track, status & 0x0F, body[0] if body else None)
                    if status & 0xF0 == 0x90 and body[1] > 0:
                        sounding[key] = sounding.get(key, 0) + 1
                    elif status & 0xF0 == 0x80:
                        sounding[key] -= 1
                    self.assertLessEqual(tick, ends[0])
                self.assertTrue(all(v == 0 for v in sounding.values()), "a note hangs over the loop")

    def test_melodies_stay_in_their_key(self):
        for name, piece in audio.PIECES.items():
            with self.subTest(name):
                events, _ = self.events(self.files[name])
                allowed = {(piece.root + s) % 12 for s in piece.scale}
                melody = [body[0] for track, _t, status, body in events
                          if track == 1 and status & 0xF0 == 0x90]
                self.assertGreater(len(melody), 20)
                self.assertTrue(all(k % 12 in allowed for k in melody))


class VoiceDatabaseTest(unittest.TestCase):
    def test_caption_keys_split_into_speaker_and_text(self):
        self.assertEqual(voices.split_key('Big Boss: "Kroxl! Gut, dass Sie da sind."'),
                         ("Big Boss", "Kroxl! Gut, dass Sie da sind."))
        with self.assertRaises(voices.VoiceError):
            voices.split_key("Kroxl: ohne Anführungszeichen")

    def test_every_record_is_voiced_by_a_known_speaker(self):
        for key, english, sound in voices.records():
            speaker, _text = voices.split_key(key)
            self.assertIn(speaker, voices.SPEAKERS)
            self.assertTrue(english)
            self.assertTrue(sound.startswith("\\"))

    def test_every_speaker_has_a_voice_of_his_own(self):
        self.assertEqual(len(set(voices.SPEAKERS.values())), len(voices.SPEAKERS))

    def test_a_broken_record_is_refused(self):
        with tempfile.NamedTemporaryFile("w", suffix=".voi", delete=False, encoding="utf-8") as f:
            f.write('Kroxl: "Hallo"\nHello\n')
        try:
            with self.assertRaises(voices.VoiceError):
                voices.read_database(f.name)
        finally:
            os.unlink(f.name)


class VoiceBuildTest(unittest.TestCase):
    """Recordings are made once per text and voice and follow the databases."""

    def write_databases(self, voice_dir, records):
        for name, recs in zip(voices.DATABASES, (records, [])):
            with open(os.path.join(voice_dir, name), "w", encoding="utf-8") as f:
                f.write("".join(f"{key}\n{en}\n{sound}\n" for key, en, sound in recs))

    def test_only_new_lines_are_rendered_and_lines_gone_leave(self):
        with tempfile.TemporaryDirectory() as d:
            voice_dir, game = os.path.join(d, "voice"), os.path.join(d, "game")
            os.makedirs(voice_dir)
            same = ('Kroxl: "Nett."', "Nice.", "\\kroxl\\nett.wav")
            self.write_databases(voice_dir, [same, ('Franz: "Servus."', "Hello.", "\\franz\\servus.wav")])
            voices.build(game, voice_dir)
            nett = os.path.join(game, "sound", "samples", "deutsch", "kroxl", "nett.wav")
            servus = os.path.join(game, "sound", "samples", "deutsch", "franz", "servus.wav")
            before = os.stat(nett)
            with open(nett, "rb") as f:
                self.assertIsNone(root_checks.wav_problem(f.read()))
            self.write_databases(voice_dir, [same, ('Franz: "Pfiat di."', "Bye.", "\\franz\\pfiat.wav")])
            voices.build(game, voice_dir)
            after = os.stat(nett)
            self.assertEqual((before.st_ino, before.st_mtime_ns), (after.st_ino, after.st_mtime_ns))
            self.assertFalse(os.path.exists(servus))
            self.assertEqual(len(os.listdir(os.path.join(game, voices.CACHE))), 2)


class SpokenLineCheckTest(unittest.TestCase):
    def test_finds_the_spoken_lines_of_a_script_and_of_the_replies(self):
        lines = ["change", "schirm", "4", "say", "Kroxl", "Da.", "wait for talk", "say", "Franz", " ",
                 "walking to", "5", "say", "Franz", "say"]
        self.assertEqual(root_checks.spoken_keys(lines, game_vocabulary()),
                         [(4, 'Kroxl: "Da."'), (13, 'Franz: "say"')])
        self.assertEqual(root_checks.reply_keys(["Tägl:", "Na?", "", " ", "Motty:"]), [(2, 'Kroxl: "Na?"')])

    def test_a_line_twice_in_the_databases_is_reported(self):
        record = ['Kroxl: "Nett."', "Nice.", "\\kroxl\\nett.wav"]
        found = root_checks.voice_problems(record + record, lambda _p: True)
        self.assertTrue(any("has a record already" in why for why in found), found)

    def test_every_spoken_line_needs_a_recording(self):
        with tempfile.TemporaryDirectory() as game:
            def put(path, lines):
                full = os.path.join(game, *path.split("/"))
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, "wb") as f:
                    f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
            put("source/scripts/a.smx", ["say", "Kroxl", "Nett.", "wait for talk", "say", "Kroxl", "Neu.",
                                         "wait for talk"])
            put("source/dialogs/dialogs.sou", ["Motty:", "Nett.", "Eine Frage?", ""])
            put("source/voice/voice.voi", ['Kroxl: "Nett."', "Nice.", "\\nett.wav"])
            put("source/voice/voice2.voi", [])
            samples = os.path.join(game, "sound", "samples", "deutsch")
            os.makedirs(samples)
            write_wav(os.path.join(samples, "nett.wav"), silence(0.1), raw=True)
            # A program that speaks two lines and has the real one's vocabulary.
            fake = os.path.join(game, "kroxl")
            with open(fake, "w") as f:
                f.write(f'#!/bin/sh\n[ "$1" = --vocabulary ] && exec "{os.path.abspath(program())}" "$1"\n'
                        'echo \'Kroxl: "Nett."\'\necho \'Franz: "Bis dann."\'\n')
            os.chmod(fake, 0o755)
            found = [why for _path, why in root.text_problems(game, fake) if "without a recording" in why]
            self.assertEqual(sorted(found), sorted([
                'line 5: spoken line without a recording: Kroxl: "Neu."',
                'line 3: spoken line without a recording: Kroxl: "Eine Frage?"',
                'spoken line without a recording: Franz: "Bis dann."']))


    def test_without_the_game_program_the_scripts_are_not_passed(self):
        found = root.text_problems("/nowhere", "/nowhere/kroxl")
        self.assertEqual(len(found), 1)
        self.assertIn("no game program", found[0][1])


class DataLintTest(unittest.TestCase):
    """The scripts in data/ as the game will read them, against the rules of our story."""

    def read(self, name):
        with open(os.path.join(SCRIPTS, name), encoding="utf-8") as f:
            text = f.read()
        self.assertTrue(text.endswith("\n") and not text.endswith("\n\n"), name + ": trailing blank line")
        return text[:-1].split("\n")

    def test_every_script_follows_the_command_rules(self):
        for name in sorted(os.listdir(SCRIPTS)):
            with self.subTest(name):
                self.assertEqual(lint(self.read(name), _AnyFile()), [])

    def test_scripts_loaded_by_story_commands_start_with_two_drop_lines(self):
        for name in ["putzfrau.smx", "putzfrau2.smx", "nachtsperre.smx", "gang23r2.smx",
                     "out24lreal.smx", "Minigolf2lReal.smx", "hubertexplo.smx"]:
            with self.subTest(name):
                self.assertEqual(self.read(name)[:2], ["hugo", "hugo"])

    def test_every_say_outside_a_dialogue_waits_for_its_line(self):
        for name in sorted(os.listdir(SCRIPTS)):
            lines = self.read(name)
            in_dialog = False
            i = 0
            while i < len(lines):
                if lines[i] == "open dialog":
                    in_dialog = True
                if lines[i] == "say":
                    if not in_dialog:
                        with self.subTest(name, line=i + 1):
                            self.assertEqual(lines[i + 3:i + 4], ["wait for talk"])
                    i += 3
                    continue
                i += 1 + len(game_vocabulary().operand_kinds(lines, i))

    def test_dialogue_source_keeps_franz_above_zweistein_and_fills_four_places(self):
        with open(os.path.join(REPO, "data", "source", "dialogs", "dialogs.sou"), encoding="utf-8") as f:
            lines = f.read().split("\n")[:-1]
        self.assertEqual(len(lines), 49)
        self.assertLess(lines.index("Franz:"), lines.index("Zweistein:"))
        words = game_vocabulary()
        self.assertEqual(root_checks.dialog_source_problems(lines, words), [])
        # Tägl's block may have either spelling, but it must be there.
        other_spelling = ["Tögl:" if line == "Tägl:" else line for line in lines]
        self.assertEqual(root_checks.dialog_source_problems(other_spelling, words), [])
        without = [line for line in lines if line != "Tägl:"]
        self.assertEqual(root_checks.dialog_source_problems(without, words), ["no block 'Tägl:'"])
        self.assertEqual(lines[-2:], ["", ""])


class _AnyFile:
    """Every file exists: the data root is not built in this test."""

    def __contains__(self, _path):
        return True


if __name__ == "__main__":
    unittest.main()
