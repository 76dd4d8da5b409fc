"""The recorded speech: every line listed in the two voice databases of
data/source/voice/ is spoken by espeak-ng (German) into the file the record
names below \\sound\\samples\\deutsch\\. Each speaker gets a voice of his own.

A record is three lines: the caption key `Speaker: "Text"` exactly as the
game shows it, an English translation, and the sound file's name beginning
with a backslash. The databases themselves reach the data root with the rest
of data/; this module only reads them.
"""
import os
import subprocess

import loudness
from common import out_path

SAMPLES = "\\sound\\samples\\deutsch"
DATABASES = ["voice.voi", "voice2.voi"]
VOICE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "source", "voice")

# Speaker: (espeak-ng voice variant, pitch 0-99, words per minute)
SPEAKERS = {
    "Kroxl": ("m1", 42, 165),
    "Big Boss": ("m3", 22, 150),
    "HINWEIS": ("m2", 55, 150),
    "Corinna": ("f2", 70, 170),
    "Putzfrau": ("f3", 58, 185),
    "Hubert": ("m4", 50, 175),
    "Tägl": ("m6", 34, 160),
    "Franz": ("m7", 45, 170),
    "Leiche": ("m5", 28, 125),
    "Archivar": ("m2", 20, 130),
    "Zweistein": ("m1", 68, 140),
    "Motty": ("m7", 58, 180),
    "CIA-Agent": ("m3", 36, 160),
    "Taubenfütternde": ("f4", 82, 150),
    "Gärtner": ("m6", 30, 150),
}
DEFAULT_VOICE = ("m1", 50, 160)
PARALLEL = 4


class VoiceError(ValueError):
    pass


def split_key(key):
    """`Speaker: "Text"` -> (speaker, text)."""
    speaker, sep, rest = key.partition(': "')
    if not sep or not rest.endswith('"') or not speaker:
        raise VoiceError(f'not a caption key: {key!r}')
    return speaker, rest[:-1]


def read_database(path):
    """The records of one database as (key, english, file) triples."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) % 3:
        raise VoiceError(f"{path}: {len(lines)} lines, not a whole number of three-line records")
    records = []
    for i in range(0, len(lines), 3):
        key, english, sound = lines[i:i + 3]
        split_key(key)
        if not sound.startswith("\\") or not sound.lower().endswith(".wav"):
            raise VoiceError(f"{path}:{i + 3}: the sound file must begin with a backslash and end in .wav")
        records.append((key, english, sound))
    return records


def records():
    out = []
    for name in DATABASES:
        out += read_database(os.path.join(VOICE_DIR, name))
    return out


def speak_command(key, target):
    speaker, text = split_key(key)
    variant, pitch, speed = SPEAKERS.get(speaker, DEFAULT_VOICE)
    return ["espeak-ng", "-v", "de+" + variant, "-p", str(pitch), "-s", str(speed), "-w", target, text]


def build(gamedir):
    jobs = [speak_command(key, out_path(gamedir, SAMPLES + sound)) for key, _en, sound in records()]
    running = []
    for job in jobs:
        running.append(subprocess.Popen(job))
        if len(running) >= PARALLEL:
            wait_for(running.pop(0))
    for proc in running:
        wait_for(proc)
    loudness.normalize_wavs(out_path(gamedir, path) for path in expected_files())


def wait_for(proc):
    if proc.wait() != 0:
        raise RuntimeError("espeak-ng failed: " + " ".join(proc.args))


def expected_files():
    return [SAMPLES + sound for _key, _en, sound in records()]
