"""Unit tests of the one loudness of voices and effects: the gated measure,
the normalisation with its peak limit, and the check of a data root."""
import array
import math
import os
import random
import tempfile
import unittest
import wave

import loudness

RATE = 22050


def write(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(array.array("h", samples).tobytes())


def sine(amplitude, seconds, freq=440.0):
    return [round(amplitude * 32767 * math.sin(2 * math.pi * freq * i / RATE)) for i in range(int(seconds * RATE))]


def sine_db(amplitude):
    return 20 * math.log10(amplitude / math.sqrt(2))


class LoudnessTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def wav(self, name, samples):
        path = os.path.join(self.dir.name, name)
        write(path, samples)
        return path

    def test_pauses_and_silence_do_not_count(self):
        steady = sine(0.1, 1.0)
        halting = sine(0.1, 0.5) + [0] * RATE + sine(0.001, 0.5) + sine(0.1, 0.5)
        self.assertAlmostEqual(loudness.loudness_db(steady, RATE), sine_db(0.1), delta=0.1)
        self.assertAlmostEqual(loudness.loudness_db(halting, RATE), sine_db(0.1), delta=0.1)
        self.assertEqual(loudness.loudness_db([0] * RATE, RATE), -math.inf)

    def test_quiet_and_loud_files_end_at_the_target(self):
        quiet = self.wav("quiet.wav", sine(0.02, 1.0))
        loud = self.wav("loud.wav", sine(0.9, 1.0, 220))
        self.assertEqual(len(loudness.problems([quiet, loud])), 2)
        loudness.normalize_wavs([quiet, loud])
        for path in (quiet, loud):
            self.assertAlmostEqual(loudness.wav_loudness_db(path), loudness.TARGET_DB, delta=0.1)
        self.assertEqual(loudness.problems([quiet, loud]), [])

    def test_a_sharp_click_stops_at_the_peak_limit_and_passes(self):
        rng = random.Random(1)
        click = [round(rng.uniform(-0.05, 0.05) * 32767) for _ in range(RATE)]
        click[RATE // 2] = 32000
        path = self.wav("click.wav", click)
        loudness.normalize_wav(path)
        samples, _params = loudness.read_samples(path)
        self.assertAlmostEqual(loudness.peak_db(samples), loudness.PEAK_DB, delta=0.05)
        self.assertLess(loudness.loudness_db(samples, RATE), loudness.TARGET_DB - 2)
        self.assertEqual(loudness.problems([path]), [])

    def test_silence_stays_as_it_is(self):
        path = self.wav("none.wav", [0] * 2205)
        with open(path, "rb") as f:
            before = f.read()
        self.assertEqual(loudness.normalize_wav(path), 0.0)
        with open(path, "rb") as f:
            self.assertEqual(f.read(), before)


if __name__ == "__main__":
    unittest.main()
