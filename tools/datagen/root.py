"""The data root of the demo game: the hand-written content of data/ converted
to the game's file conventions (Windows-1252, CR LF), plus every picture,
sound, piece of music and video the drawing modules make.

Each drawing module offers build(gamedir), which writes its files, and
expected_files(), the game paths it promises; --check tests those promises
on a finished data root.
"""
import importlib
import os
import shutil
import struct
import subprocess
import sys

import loudness
import root_checks
import text_fit
import vocabulary

# The modules that make the data root's files, in the order they run.
MODULES = ["scenery_upper", "scenery_lower", "figures", "audio", "video", "voices"]
TEXT_SUFFIXES = {".smx", ".dia", ".ani", ".sou", ".voi", ".txt"}


def loaded_modules():
    found = []
    for name in MODULES:
        try:
            found.append(importlib.import_module(name))
        except ModuleNotFoundError as e:
            if e.name != name:
                raise
    return found


def copy_text(src, dst):
    """Repository text is UTF-8 with LF; the game reads Windows-1252 with CR LF."""
    with open(src, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    with open(dst, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def copy_data(datadir, gamedir):
    for base, _dirs, files in os.walk(datadir):
        rel = os.path.relpath(base, datadir)
        target = os.path.normpath(os.path.join(gamedir, rel.lower()))
        os.makedirs(target, exist_ok=True)
        for name in files:
            if name.startswith("."):
                continue
            src = os.path.join(base, name)
            dst = os.path.join(target, name)
            if os.path.splitext(name)[1].lower() in TEXT_SUFFIXES:
                copy_text(src, dst)
            else:
                shutil.copyfile(src, dst)


def build(datadir, gamedir):
    os.makedirs(os.path.join(gamedir, "savegames"), exist_ok=True)
    for module in loaded_modules():
        module.build(gamedir)
    # Hand-written content last, so it can replace anything generated.
    copy_data(datadir, gamedir)


def real_path(gamedir, game_path):
    """The file a game path names, matching each part regardless of case."""
    path = gamedir
    for part in game_path.replace("\\", "/").strip("/").split("/"):
        exact = os.path.join(path, part)
        if os.path.exists(exact):
            path = exact
            continue
        match = None
        if os.path.isdir(path):
            for name in os.listdir(path):
                if name.lower() == part.lower():
                    match = name
                    break
        path = os.path.join(path, match or part)
    return path


def problem(path):
    """What is wrong with one file, or None."""
    if not os.path.isfile(path):
        return "missing"
    with open(path, "rb") as f:
        data = f.read()
    if not data:
        return "empty"
    ext = os.path.splitext(path)[1].lower()
    if ext == ".bmp":
        if data[:2] != b"BM" or len(data) < 54:
            return "not a BMP"
        _size, _r1, _r2, offset = struct.unpack("<IHHI", data[2:14])
        width, height = struct.unpack("<ii", data[18:26])
        if offset >= len(data) or width <= 0 or height == 0:
            return "not a readable BMP"
    else:
        return root_checks.media_problem(path, data)
    return None


def program_lines(program):
    """The lines the program itself can speak, from its own listing."""
    out = subprocess.run([program, "--spoken-lines"], capture_output=True, check=True)
    return [line for line in out.stdout.decode("utf-8").split("\n") if line]


def text_problems(gamedir, program):
    """Problems of the command scripts, the dialogue source and the voice
    databases, as (game path, problem) pairs, against the program's
    vocabulary. Every line that scripts, the dialogue source or the program
    can speak needs a recording."""
    if not program or not os.access(program, os.X_OK):
        return [("scripts", f"no game program at {program} to list its vocabulary (datagen --check GAMEDIR "
                            f"--kroxl PROGRAM)")]
    try:
        words = vocabulary.load(program)
    except OSError as e:
        return [("scripts", str(e))]
    out = []

    def exists(game_path):
        return problem(real_path(gamedir, game_path)) is None

    def lines_of(game_path):
        with open(real_path(gamedir, game_path), "rb") as f:
            return root_checks.script_lines(f.read())

    databases = ["\\source\\voice\\voice.voi", "\\source\\voice\\voice2.voi"]
    recorded = set()
    for game_path in databases:
        if problem(real_path(gamedir, game_path)) is None:
            try:
                recorded |= root_checks.recorded_keys(lines_of(game_path), exists)
            except (ValueError, UnicodeError):
                pass  # reported below

    def unvoiced(spoken):
        return [f"line {n}: spoken line without a recording: {key}" for n, key in spoken if key not in recorded]

    scripts = real_path(gamedir, "\\source\\scripts")
    names = sorted(os.listdir(scripts)) if os.path.isdir(scripts) else []
    for name in names:
        if os.path.splitext(name)[1].lower() not in (".smx", ".dia"):
            continue
        game_path = "\\source\\scripts\\" + name
        try:
            lines = lines_of(game_path)
            found = root_checks.script_problems(lines, exists, words) + unvoiced(root_checks.spoken_keys(lines, words))
        except (ValueError, UnicodeError) as e:
            found = [str(e)]
        out += [(game_path, why) for why in found]
    checks = [("\\source\\dialogs\\dialogs.sou",
               lambda lines: root_checks.dialog_source_problems(lines, words) + unvoiced(root_checks.reply_keys(lines)))]
    checks += [(path, lambda lines: root_checks.voice_problems(lines, exists)) for path in databases]
    for game_path, check_lines in checks:
        if problem(real_path(gamedir, game_path)):
            continue  # reported as missing by the module that promises it
        try:
            found = check_lines(lines_of(game_path))
        except (ValueError, UnicodeError) as e:
            found = [str(e)]
        out += [(game_path, why) for why in found]
    out += [(os.path.basename(program), f"spoken line without a recording: {key}")
            for key in program_lines(program) if key not in recorded]
    return out


def loudness_problems(gamedir):
    """Voices and effects off the one loudness, as (game path, problem) pairs."""
    wavs = {}
    for module in loaded_modules():
        for game_path in module.expected_files():
            path = real_path(gamedir, game_path)
            if game_path.lower().endswith(".wav") and not problem(path):
                wavs[path] = game_path
    return [(wavs[path], why) for path, why in loudness.problems(wavs)]


def check(gamedir, kroxl=None):
    """Prints every problem of a finished data root; the game program (by
    default beside the data root, as the build lays them out) lists the texts
    of its own tables, whose widths are checked with the data's."""
    kroxl = kroxl or os.path.join(os.path.dirname(os.path.abspath(gamedir)), "kroxl")
    bad = 0
    for module in loaded_modules():
        for game_path in module.expected_files():
            why = problem(real_path(gamedir, game_path))
            if why:
                print(f"{game_path}: {why}")
                bad += 1
    for game_path, why in text_problems(gamedir, kroxl) + loudness_problems(gamedir) + text_fit.problems(gamedir, kroxl):
        print(f"{game_path}: {why}")
        bad += 1
    if bad:
        print(f"{bad} problem(s): files missing or unreadable, scripts that would misbehave, "
              "spoken lines without a recording, or texts too wide for their boxes",
              file=sys.stderr)
        return 1
    return 0
