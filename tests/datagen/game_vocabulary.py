"""The vocabulary of the program the tests are given: tests/CMakeLists.txt
names it in KROXL_PROGRAM. A test that needs it is skipped without one."""
import os
import unittest

import vocabulary

PROGRAM_VARIABLE = "KROXL_PROGRAM"


def program():
    path = os.environ.get(PROGRAM_VARIABLE)
    if not path:
        raise unittest.SkipTest(f"no game program to list its vocabulary (set {PROGRAM_VARIABLE})")
    return path


def game_vocabulary():
    return vocabulary.load(program())
