#!/usr/bin/env python3
"""Seed corpora of the fuzz targets, made from a built data root.

    fuzz/seeds.py --game build/game --out build-fuzz/fuzz/seeds [--limit N]

Writes one folder per target (bmp_fuzz, savegame_fuzz ...) and its libFuzzer
dictionary (bmp_fuzz.dict ...). The seeds are
the demo game's own files, cut down where a reader only looks at the start
(sounds, videos), the saved games of fuzz/corpus/savegame (made at the
walkthrough's milestones) paired with thumbnails, and a few hand-made
variants. --limit keeps at most N seeds per target, spread over the whole
set, for the short runs of the test suite.
"""
import argparse
import re
import shutil
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCE = HERE.parent

THUMBNAIL_MARKER = b"\0KVT.BMP\0"  # savegame_fuzz: the save, then its thumbnail

# Sounds and videos longer than this are cut: the readers look at headers.
CUT_BYTES = 16384


def files(folder, pattern="*"):
    return sorted(p for p in Path(folder).rglob(pattern) if p.is_file())


def crlf(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def cut_wav(data):
    """A WAV cut short with its RIFF and data sizes fixed to match."""
    if len(data) <= CUT_BYTES or data[:4] != b"RIFF":
        return data
    out = bytearray(data[:CUT_BYTES])
    pos = 12
    while pos + 8 <= len(out):
        size = struct.unpack_from("<I", out, pos + 4)[0]
        if out[pos:pos + 4] == b"data":
            struct.pack_into("<I", out, pos + 4, len(out) - pos - 8)
            break
        pos += 8 + size + (size & 1)
    struct.pack_into("<I", out, 4, len(out) - 8)
    return bytes(out)


def bmp24(width, height, pixel):
    """A bottom-up 24-bit BMP, pixel(x, y) giving (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(rows), 0, 0, 54) + info + rows


def thumbnail_of(picture):
    """The game's thumbnail of a 640 x 400 24-bit room picture: every fourth pixel."""
    data = picture.read_bytes()
    offset, width, height, bits = (struct.unpack_from("<I", data, 10)[0], *struct.unpack_from("<iiHH", data, 18)[:2],
                                   struct.unpack_from("<H", data, 28)[0])
    if (width, height, bits) != (640, 400, 24):
        return None
    stride = (width * 3 + 3) & ~3

    def pixel(x, y):
        at = offset + (height - 1 - 4 * y) * stride + 4 * x * 3
        b, g, r = data[at:at + 3]
        return r, g, b

    return bmp24(160, 100, pixel)


def room_animations():
    """(room number, animation file) of the room table."""
    table = (SOURCE / "src/rooms/RoomTable.cpp").read_text(encoding="utf-8")
    return re.findall(r'\{\s*(-?\d+),\s*"[^"]*",\s*[^,]+,\s*"[^"]*",\s*"([^"]+\.ani)"', table)


def dialogue_rooms():
    """The rooms whose person the choice panel talks to."""
    panel = (SOURCE / "src/interaction/ChoicePanel.cpp").read_text(encoding="utf-8")
    return re.findall(r'\{(-?\d+), "[^"]+:"', panel)


def options_file(**changes):
    values = {"[indicator]": "Professor Kroxl", "[version]": "100", "[change resolution]": "true",
              "[speed]": "1", "[music]": "true", "[wav]": "true", "[text]": "true", "[speak]": "true",
              "[base]": "user", "[startnumber]": "-1", "[mixable]": "false", "[run cd]": "",
              "[run from cd]": "false", "[blood]": "true"}
    values.update(changes)
    lines = []
    for key, value in values.items():
        lines += [key, value, ""]
    return crlf(lines + ["The last time this file was edited was on 01.01.2000 at 00:00:00."])


def replays():
    """The replays of the black-box tests and of docs/replay.md."""
    blocks = []
    for script in files(SOURCE / "tests/blackbox", "*.sh"):
        blocks += re.findall(r"<<'?REPLAY'?\n(.*?)\nREPLAY\n", script.read_text(encoding="utf-8"), re.S)
    blocks += re.findall(r"```\n(.*?)```", (SOURCE / "docs/replay.md").read_text(encoding="utf-8"), re.S)
    return [block.encode("utf-8") for block in blocks]


def seeds(game):
    """Target name -> list of (seed name, bytes)."""
    s = {}
    s["bmp_fuzz"] = [(p.name, p.read_bytes()) for p in files(game / "graphic", "*.bmp") if p.stat().st_size <= 65536]
    corpora = SOURCE.parent / "shared/corpora"
    if corpora.is_dir():
        s["bmp_fuzz"] += [(p.name, p.read_bytes()) for p in files(corpora, "*.bmp") if p.stat().st_size <= 65536]

    texts = [p for p in files(game / "source") if p.suffix in (".smx", ".dia", ".ani", ".voi", ".sou")]
    s["textlist_fuzz"] = [(p.name, p.read_bytes()) for p in texts[::7]] + [("readme", (game / "readme.txt").read_bytes())]

    sounds = files(game / "sound/effects", "*.wav") + files(game / "sound/samples", "*.wav")[::50]
    s["wav_fuzz"] = [(p.name, cut_wav(p.read_bytes())) for p in sounds]

    music = files(game / "sound/music", "*.mid")
    s["midi_fuzz"] = [(p.name, p.read_bytes()) for p in music]
    s["midiseek_fuzz"] = [(f"{ms}-{p.name}", struct.pack("<q", ms) + p.read_bytes())
                          for p in music for ms in (0, 1500, 60000)]
    s["video_fuzz"] = [(p.name, p.read_bytes()[:CUT_BYTES]) for p in files(game / "movies") if p.suffix != ".bmp"]
    s["video_fuzz"].append(("black.avi-whole", (game / "movies/black.avi").read_bytes()))
    s["replay_fuzz"] = [(f"replay{i}", r) for i, r in enumerate(replays())]

    corridor = thumbnail_of(game / "graphic/gang/hintergrund.bmp")
    tiny = bmp24(8, 5, lambda x, y: (30 * x, 50 * y, 90))
    s["savegame_fuzz"] = []
    for i, save in enumerate(files(HERE / "corpus/savegame", "*.kvt")):
        thumbnail = [corridor, tiny, None][i % 3]
        data = save.read_bytes() + (THUMBNAIL_MARKER + thumbnail if thumbnail else b"")
        s["savegame_fuzz"].append((save.stem, data))

    s["options_fuzz"] = [("default", options_file()),
                         ("developer", options_file(**{"[base]": "developer", "[speed]": "100"})),
                         ("startroom", options_file(**{"[startnumber]": "7", "[music]": "false"})),
                         ("datadir", options_file(**{"[run from cd]": "true", "[run cd]": str(game)})),
                         ("damaged", options_file(**{"[indicator]": "x", "[speed]": "schnell",
                                                     "[startnumber]": "eins"}))]

    s["script_fuzz"] = [(p.name, p.read_bytes()) for p in files(game / "source/scripts")]
    s["anim_fuzz"] = [(f"{room}-{name}", f"{room}\r\n".encode() + (game / "source/anim" / name).read_bytes())
                      for room, name in room_animations() if (game / "source/anim" / name).is_file()]
    dialogues = (game / "source/dialogs/dialogs.sou").read_bytes()
    s["dialog_fuzz"] = [(f"room{room}", f"{room}\r\n".encode() + dialogues) for room in dialogue_rooms()]
    s["voice_fuzz"] = [(p.name, p.read_bytes()) for p in files(game / "source/voice", "*.voi")]
    return s


def quoted(source, pattern):
    """The texts a pattern finds in a source file of the game."""
    return re.findall(pattern, (SOURCE / source).read_text(encoding="utf-8"))


def dictionaries():
    """Target name -> words a mutation may insert: the names, keys and magic
    numbers its reader looks for, which random bytes would hardly hit."""
    numbers = ["0", "-1", "2147483647", "-2147483648", "4294967296", "99999999999"]
    paths = ["\\", "\\..\\", "*", "?", "\\sound\\music\\", "\\graphic\\", "\\source\\scripts\\"]
    midi = ["MThd", "MTrk", "RIFF", "RMID", "data", "\xff\x51\x03", "\xff\x2f\x00", "\xf0", "\xf7"]
    return {
        "bmp_fuzz": ["BM", "\x28\0\0\0", "\x7c\0\0\0", "\x01\0\x08\0"],
        "textlist_fuzz": ["\r\n", "\r", "\n", "\x81", "\x8d", "\xc3\xa4", "\xe2\x82\xac"],
        "wav_fuzz": ["RIFF", "WAVE", "fmt ", "data", "fact", "LIST", "\xfe\xff"],
        "midi_fuzz": midi,
        "midiseek_fuzz": midi,
        "video_fuzz": ["RIFF", "AVI ", "LIST", "hdrl", "movi", "idx1", "strh", "strf", "vids", "auds",
                       "\0\0\x01\xba", "\0\0\x01\xb3", "#EXTM3U", "ffconcat version 1.0", "file:"],
        "replay_fuzz": quoted("src/backend/headless/Replay.cpp", r'(?:command|name|args\[0\]) == "([^"]+)"') + numbers,
        "savegame_fuzz": quoted("src/persist/SaveGameFormat.cpp", r'"(\[[^"\]]*\])"') +
                         quoted("src/persist/SaveGame.h", r'"([^"]* list:|\[[^"]*\])"') + numbers + paths +
                         [THUMBNAIL_MARKER.decode("latin-1")],
        "options_fuzz": quoted("src/persist/Options.cpp", r'\{"(\[[^"]+\])"') + ["true", "false", "developer"] +
                        numbers,
        "script_fuzz": [w for w in quoted("src/script/DispatchTable.cpp", r'\{"([^"]+)", \w+\}') if w.strip()] +
                       numbers + paths,
        "anim_fuzz": numbers + [str(n) for n in range(1, 13)],
        "dialog_fuzz": quoted("src/interaction/ChoicePanel.cpp", r'"([^"]+:)"') + numbers,
        "voice_fuzz": [': "', "\\kroxl\\", ".wav", "Kroxl"] + paths,
    }


def dictionary_entry(word):
    """A word as libFuzzer's dictionary writes it: printable ASCII as it is,
    every other byte (and the quote and backslash) as \\xNN."""
    data = word.encode("latin-1") if all(ord(c) < 256 for c in word) else word.encode("utf-8")
    return '"' + "".join(chr(b) if 32 <= b < 127 and b not in b'"\\' else f"\\x{b:02x}" for b in data) + '"'


def spread(items, limit):
    if limit is None or len(items) <= limit:
        return items
    step = len(items) / limit
    return [items[int(i * step)] for i in range(limit)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True, type=Path, help="the data root (build/game)")
    parser.add_argument("--out", required=True, type=Path, help="folder for the corpora")
    parser.add_argument("--limit", type=int, help="at most this many seeds per target")
    args = parser.parse_args()
    for target, items in seeds(args.game.resolve()).items():
        folder = args.out / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in spread(items, args.limit):
            (folder / name).write_bytes(data)
    for target, words in dictionaries().items():
        (args.out / f"{target}.dict").write_text("".join(dictionary_entry(w) + "\n" for w in words))


if __name__ == "__main__":
    main()
