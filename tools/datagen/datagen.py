#!/usr/bin/python3
"""Builds the demo game's data: the pictures built into the executable and the
data root the game plays from.

    datagen.py resources OUTDIR         pictures the program carries inside itself
    datagen.py icons OUTDIR NAME        the desktop icon, OUTDIR/hicolor/*/apps/NAME.png and .svg
    datagen.py build DATADIR GAMEDIR    the whole data root, from data/ and drawings
    datagen.py --check GAMEDIR [--kroxl PROGRAM]
                                        lists every named file that is missing or unreadable,
                                        every script that would misbehave, every spoken line
                                        without a recording and every text too wide for its box
                                        (the program, by default beside GAMEDIR, lists its own
                                        lines and texts)
"""
import sys

import app_icon
import resources
import root


def main(argv):
    if len(argv) == 3 and argv[1] == "resources":
        resources.build(argv[2])
        return 0
    if len(argv) == 4 and argv[1] == "icons":
        app_icon.build(argv[2], argv[3])
        return 0
    if len(argv) == 4 and argv[1] == "build":
        root.build(argv[2], argv[3])
        return 0
    if len(argv) == 3 and argv[1] == "--check":
        return root.check(argv[2])
    if len(argv) == 5 and argv[1] == "--check" and argv[3] == "--kroxl":
        return root.check(argv[2], argv[4])
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
