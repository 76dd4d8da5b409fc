"""Whether every reply, answer and hover text fits its box on screen, measured
in the font the game draws it in: the same font files, through SDL_ttf, the
library the game measures and draws with.

The texts of the game's own tables (hover texts, item names, the dialogue
trees' replies, the desk test's answers) and the boxes with their fonts come
from `kroxl --list-texts`; the first replies of every person come from the
data root's dialogue source, whose headers `kroxl --vocabulary` names.
"""
import ctypes
import ctypes.util
import os
import subprocess
import tempfile

import vocabulary

DIALOGUE_SOURCE = os.path.join("source", "dialogs", "dialogs.sou")


class Measure:
    """Text widths in pixels, as the game's text layer measures them."""

    def __init__(self):
        name = ctypes.util.find_library("SDL2_ttf") or "libSDL2_ttf-2.0.so.0"
        self.ttf = ctypes.CDLL(name)
        self.ttf.TTF_OpenFont.restype = ctypes.c_void_p
        self.ttf.TTF_OpenFont.argtypes = [ctypes.c_char_p, ctypes.c_int]
        self.ttf.TTF_SizeUTF8.argtypes = [ctypes.c_void_p, ctypes.c_char_p,
                                          ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        if self.ttf.TTF_Init() != 0:
            raise OSError("SDL_ttf does not start")
        self.fonts = {}

    def width(self, font_file, height, text):
        key = (font_file, height)
        if key not in self.fonts:
            font = self.ttf.TTF_OpenFont(font_file.encode(), height)
            if not font:
                raise OSError(f"cannot open the font {font_file}")
            self.fonts[key] = font
        w, h = ctypes.c_int(), ctypes.c_int()
        self.ttf.TTF_SizeUTF8(self.fonts[key], text.encode(), ctypes.byref(w), ctypes.byref(h))
        return w.value


def parse_listing(lines):
    """The boxes {kind: (font file, height, width)} and texts [(kind, text)] of
    a `kroxl --list-texts` listing."""
    boxes, texts = {}, []
    for line in lines:
        fields = line.rstrip("\n").split("\t")
        if fields[0] == "box" and len(fields) == 5:
            boxes[fields[1]] = (fields[2], int(fields[3]), int(fields[4]))
        elif fields[0] == "text" and len(fields) == 3:
            texts.append((fields[1], fields[2]))
    return boxes, texts


def source_replies(gamedir, headers):
    """The replies of the dialogue source: every line but the blocks' headers
    and the empty ones."""
    path = os.path.join(gamedir, DIALOGUE_SOURCE)
    if not os.path.exists(path):
        return []
    with open(path, encoding="cp1252") as f:
        lines = [line.rstrip("\r\n") for line in f]
    return [("reply", line) for line in lines if line.strip() and line not in headers]


def fit_problems(boxes, texts, width_of):
    """What does not fit: one text per line. width_of(font file, height, text)."""
    problems = []

    def check(kind, text, shown):
        if kind not in boxes:
            problems.append(f'{kind} "{text}": the game lists no box for it')
            return
        font, height, room = boxes[kind]
        wide = width_of(font, height, shown)
        if wide > room:
            problems.append(f'{kind} "{shown}" is {wide} pixels wide in {os.path.basename(font)} '
                            f'at {height} pixels, its box {room}')

    for kind, text in texts:
        check(kind, text, text)
    # With an item in hand the hover line names both: the widest item counts.
    items = [text for kind, text in texts if kind == "item"]
    if items and "hover" in boxes:
        font, height, _ = boxes["hover"]
        widest = max(items, key=lambda item: width_of(font, height, item))
        for kind, text in texts:
            if kind == "hover":
                check("hover", text, f"Benütze {widest} mit {text}")
    return problems


def game_listing(kroxl):
    with tempfile.TemporaryDirectory() as empty:
        result = subprocess.run([kroxl, "--list-texts"], cwd=empty, capture_output=True, text=True,
                                timeout=60)
    if result.returncode != 0:
        raise OSError(f"{kroxl} --list-texts failed: {result.stderr.strip()}")
    return result.stdout.splitlines()


def problems(gamedir, kroxl):
    """(where, why) of every text that does not fit its box."""
    if not kroxl or not os.access(kroxl, os.X_OK):
        return [("texts", f"no game program at {kroxl} to list its texts (datagen --check GAMEDIR "
                          f"--kroxl PROGRAM)")]
    try:
        boxes, texts = parse_listing(game_listing(os.path.abspath(kroxl)))
        headers = vocabulary.load(kroxl).headers()
        measure = Measure()
        found = fit_problems(boxes, texts + source_replies(gamedir, headers), measure.width)
    except (OSError, subprocess.SubprocessError) as e:
        return [("texts", str(e))]
    return [("texts", why) for why in found]
