"""The recorded speech: every line listed in the two voice databases of
data/source/voice/ is spoken by espeak-ng (German) into the file the record
names below \\sound\\samples\\deutsch\\. Each speaker has a voice of his own.

A record is three lines: the caption key `Speaker: "Text"` exactly as the
game shows it, an English translation, and the sound file's name beginning
with a backslash. Package 1 (voice.voi) holds the lines of the scripts,
package 2 (voice2.voi) the program's own lines and the dialogue replies; the
databases reach the data root with the rest of data/, this module only reads
them. `datagen --check` fails on a spoken line that has no record.

Rendering is the slow part of the data build, so every recording is kept in
a cache inside the data root under the hash of its text and voice; a build
renders only what is new (through espeak-ng's library, in a few processes)
and links the rest into place.
"""
import ctypes
import ctypes.util
import hashlib
import multiprocessing
import os
import shutil
import wave

import loudness
from common import out_path

SAMPLES = "\\sound\\samples\\deutsch"
DATABASES = ["voice.voi", "voice2.voi"]
VOICE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "source", "voice")
CACHE = os.path.join(".cache", "voices")
# Raised whenever the way a recording is made changes, so that old ones are redone.
RENDER_VERSION = 3

# Speaker: (espeak-ng voice variant, pitch 0-99, words per minute); no two alike.
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
    "Archivar": ("grandpa", 30, 130),
    "Zweistein": ("michel", 66, 140),
    "Motty": ("max", 58, 180),
    "CIA-Agent": ("Mr", 36, 160),
    "Taubenfütternde": ("grandma", 80, 150),
    "Gärtner": ("boris", 30, 150),
}
DEFAULT_VOICE = ("m1", 50, 160)
PARALLEL = max(2, os.cpu_count() or 2)


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


def records(voice_dir=VOICE_DIR):
    out = []
    for name in DATABASES:
        out += read_database(os.path.join(voice_dir, name))
    return out


def voice_of(speaker):
    return SPEAKERS.get(speaker, DEFAULT_VOICE)


def cache_name(key):
    """The cache file of a line: the same text in the same voice is the same recording."""
    speaker, text = split_key(key)
    variant, pitch, speed = voice_of(speaker)
    ident = f"{RENDER_VERSION}|{variant}|{pitch}|{speed}|{text}"
    return hashlib.sha1(ident.encode("utf-8")).hexdigest() + ".wav"


class Espeak:
    """espeak-ng's library, loaded once per process: starting the espeak-ng
    program for every line would cost more than speaking it."""
    SYNCHRONOUS, RATE, PITCH, POS_CHARACTER, CHARS_UTF8 = 2, 1, 3, 1, 1
    CALLBACK = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(ctypes.c_short), ctypes.c_int, ctypes.c_void_p)

    def __init__(self):
        self.lib = ctypes.CDLL(ctypes.util.find_library("espeak-ng") or "libespeak-ng.so.1")
        self.lib.espeak_Synth.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_uint, ctypes.c_int,
                                          ctypes.c_uint, ctypes.c_uint, ctypes.c_void_p, ctypes.c_void_p]
        self.rate = self.lib.espeak_Initialize(self.SYNCHRONOUS, 500, None, 0)
        if self.rate <= 0:
            raise RuntimeError("espeak-ng cannot be initialised")
        self.chunks = []
        self.callback = self.CALLBACK(self._collect)  # kept alive as long as the library may call it
        self.lib.espeak_SetSynthCallback(self.callback)

    def _collect(self, samples, count, _events):
        if count > 0:
            self.chunks.append(ctypes.string_at(samples, count * 2))
        return 0

    def speak(self, key):
        """The line's samples: 16-bit little-endian mono PCM at self.rate."""
        speaker, text = split_key(key)
        variant, pitch, speed = voice_of(speaker)
        if self.lib.espeak_SetVoiceByName(("de+" + variant).encode()) != 0:
            raise RuntimeError(f"espeak-ng has no voice de+{variant}")
        self.lib.espeak_SetParameter(self.RATE, speed, 0)
        self.lib.espeak_SetParameter(self.PITCH, pitch, 0)
        self.chunks = []
        data = text.encode("utf-8")
        if self.lib.espeak_Synth(data, len(data) + 1, 0, self.POS_CHARACTER, 0, self.CHARS_UTF8, None, None) != 0:
            raise RuntimeError(f"espeak-ng cannot speak {key!r}")
        self.lib.espeak_Synchronize()
        return b"".join(self.chunks)


def normalize_after_write(path):
    """Brings a freshly written recording to the one loudness of voices and
    effects, before it is cached."""
    loudness.normalize_wav(path)


_espeak = None


def render_one(job):
    """Speaks one line into its cache file; the file appears only once complete."""
    global _espeak
    if _espeak is None:
        _espeak = Espeak()
    key, final = job
    samples = _espeak.speak(key)
    if not samples:
        raise RuntimeError(f"espeak-ng said nothing for {key!r}")
    tmp = final + ".part"
    with wave.open(tmp, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(_espeak.rate)
        w.writeframes(samples)
    normalize_after_write(tmp)
    os.replace(tmp, final)


def render(jobs):
    """Renders the (key, cache file) jobs, a few processes at a time."""
    if len(jobs) < 2 * PARALLEL:
        for job in jobs:
            render_one(job)
        return
    with multiprocessing.Pool(PARALLEL) as pool:
        pool.map(render_one, jobs, chunksize=8)


def place(cached, target):
    """Puts a cached recording at its place in the data root (a hard link where
    the file system allows one)."""
    if os.path.exists(target):
        if os.path.samefile(cached, target):
            return
        os.remove(target)
    try:
        os.link(cached, target)
    except OSError:
        shutil.copyfile(cached, target)


def prune(directory, keep):
    """Removes the files below directory that keep does not name."""
    if not os.path.isdir(directory):
        return
    for base, _dirs, files in os.walk(directory):
        for name in files:
            path = os.path.join(base, name)
            if os.path.normpath(path) not in keep:
                os.remove(path)


def build(gamedir, voice_dir=VOICE_DIR):
    cache = os.path.join(gamedir, CACHE)
    os.makedirs(cache, exist_ok=True)
    placed = {}  # place in the data root -> cached recording
    to_render = {}  # cached recording not made yet -> its key
    for key, _en, sound in records(voice_dir):
        cached = os.path.normpath(os.path.join(cache, cache_name(key)))
        placed[os.path.normpath(out_path(gamedir, SAMPLES + sound))] = cached
        if not os.path.exists(cached):
            to_render[cached] = key
    render([(key, cached) for cached, key in to_render.items()])
    for target, cached in placed.items():
        place(cached, target)
    # Recordings of lines that are gone leave the cache and the data root.
    prune(cache, set(placed.values()))
    prune(os.path.dirname(out_path(gamedir, SAMPLES + "\\x")), set(placed))


def expected_files():
    return [SAMPLES + sound for _key, _en, sound in records()]
