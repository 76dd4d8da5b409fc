"""The data root of the demo game: the hand-written content of data/ converted
to the game's file conventions (Windows-1252, CR LF), plus every drawn picture,
synthesised sound and video."""
import os
import shutil

TEXT_SUFFIXES = {".smx", ".dia", ".ani", ".sou", ".voi", ".txt"}


def copy_text(src, dst):
    """Repository text is UTF-8 with LF; the game reads Windows-1252 with CR LF."""
    with open(src, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    with open(dst, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def build(datadir, gamedir):
    os.makedirs(gamedir, exist_ok=True)
    os.makedirs(os.path.join(gamedir, "savegames"), exist_ok=True)
    for base, _dirs, files in os.walk(datadir):
        rel = os.path.relpath(base, datadir)
        target = os.path.join(gamedir, rel)
        os.makedirs(target, exist_ok=True)
        for name in files:
            src = os.path.join(base, name)
            dst = os.path.join(target, name)
            if os.path.splitext(name)[1].lower() in TEXT_SUFFIXES:
                copy_text(src, dst)
            else:
                shutil.copyfile(src, dst)


def check(gamedir):
    return 0
