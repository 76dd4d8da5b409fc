"""tools/check-includes on small made-up trees: it passes a tree that keeps
the order and names file, line and both layers of every include that does not."""
import contextlib
import io
import os
import runpy
import shutil
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, '..', '..', 'tools', 'check-includes')
# The check is a script without a .py ending: run it as a module would be,
# without its command-line part.
check_includes = types.SimpleNamespace(**runpy.run_path(SCRIPT))

LAYERS = '# Architecture\n\n```layers\nbase    # the bottom\nleft right\ntop\n```\n'


def run_quietly(repo):
    with contextlib.redirect_stdout(io.StringIO()), contextlib.redirect_stderr(io.StringIO()):
        return check_includes.main(['check-includes', repo])


class CheckIncludesTest(unittest.TestCase):
    def tree(self, files, architecture=LAYERS):
        repo = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, repo)
        os.makedirs(os.path.join(repo, 'docs'))
        with open(os.path.join(repo, 'docs', 'ARCHITECTURE.md'), 'w') as f:
            f.write(architecture)
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(repo, 'src', path)), exist_ok=True)
            with open(os.path.join(repo, 'src', path), 'w') as f:
                f.write(text)
        return repo

    def test_includes_down_the_order_and_in_the_own_folder_pass(self):
        repo = self.tree({'base/A.h': '#pragma once\n',
                          'left/B.cpp': '#include "left/B.h"\n#include "base/A.h"\n#include <vector>\n',
                          'top/sub/C.cpp': '#include "left/B.h"\n  #  include "right/D.h"\n'})
        self.assertEqual(check_includes.check(repo), [])
        self.assertEqual(run_quietly(repo), 0)

    def test_an_include_upward_or_sideways_names_file_line_and_both_layers(self):
        repo = self.tree({'base/A.cpp': '// the base\n#include "top/C.h"\n',
                          'left/B.cpp': '#include "base/A.h"\n#include "right/D.h"\n'})
        self.assertEqual(check_includes.check(repo), [
            'src/base/A.cpp:2: base includes top/C.h from top, which is above it; base may include no other layer',
            'src/left/B.cpp:2: left includes right/D.h from right, which is a sibling; left may include only base'])
        self.assertEqual(run_quietly(repo), 1)

    def test_every_folder_and_every_include_must_name_a_layer(self):
        repo = self.tree({'extra/E.cpp': '', 'top/C.cpp': '#include "C.h"\n#include "../base/A.h"\n'})
        problems = check_includes.check(repo)
        self.assertEqual(len(problems), 3)
        self.assertIn('src/extra: folder is in no layer', problems[0])
        self.assertIn('src/top/C.cpp:1: top includes "C.h", which names no layer folder', problems[1])
        self.assertIn('src/top/C.cpp:2:', problems[2])

    def test_a_missing_or_doubled_layer_list_is_an_error_not_a_pass(self):
        for architecture in ['# Architecture\n', '```layers\nbase\nbase\n```\n', '```layers\nbase\n']:
            repo = self.tree({'base/A.h': ''}, architecture)
            self.assertEqual(run_quietly(repo), 2, architecture)


if __name__ == '__main__':
    unittest.main()
