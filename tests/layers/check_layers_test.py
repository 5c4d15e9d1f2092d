#!/usr/bin/env python3
"""The layer check finds what it must find: run on small trees with planted breaches."""
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
import check_layers  # noqa: E402


def tree(files):
    root = Path(tempfile.mkdtemp(prefix="layers-"))
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")
    return root


class LayerCheck(unittest.TestCase):
    def test_includes_of_earlier_layers_pass(self):
        root = tree({
            "util/a.h": "#pragma once\n",
            "shell/b.cpp": '#include "util/a.h"\n#include "ui/c.h"\n#include <windows.h>\n',
            "ui/c.h": '#include "richtext/d.h"\n',
            "app/e.cpp": '#include "chemistry/f.h"\n#include "shell/b.h"\n',
        })
        self.assertEqual(check_layers.breaches(root), [])

    def test_an_include_of_a_later_layer_is_a_breach(self):
        root = tree({
            "shell/program.cpp": '#include "chemistry/topics.h"\n',
            "ui/about_box_win.cpp": '#include "shell/shell_utils.h"\n',
            "util/x.h": '#  include "app/start_up.h"\n',
        })
        self.assertEqual(sorted(check_layers.breaches(root)), [
            "shell/program.cpp: includes chemistry/topics.h, of a later layer",
            "ui/about_box_win.cpp: includes shell/shell_utils.h, of a later layer",
            "util/x.h: includes app/start_up.h, of a later layer",
        ])

    def test_portable_code_that_reaches_windows_h_is_a_breach(self):
        root = tree({
            "util/CMakeLists.txt": "target_sources(zorvi_core PRIVATE\n    a.cpp)\n",
            "util/a.cpp": '#include "util/a.h"\n',
            "util/a.h": "#include <Windows.h>\n",
            "ui/CMakeLists.txt": "target_sources(zorvi_core PRIVATE b.cpp)\nif(WIN32)\n"
                                 "target_sources(zorvi_win PRIVATE w.cpp)\nendif()\n",
            "ui/b.cpp": "#include <string>\n",
            "ui/w.cpp": "#include <windows.h>\n",
        })
        self.assertEqual(check_layers.breaches(root), [
            "util/a.h: portable code includes <Windows.h> (reached from util/a.cpp)",
        ])

    def test_a_portable_source_that_is_missing_is_reported(self):
        root = tree({"util/CMakeLists.txt": "target_sources(zorvi_core PRIVATE gone.cpp)\n"})
        self.assertEqual(check_layers.breaches(root), ["util/gone.cpp: listed as portable but missing"])


if __name__ == "__main__":
    unittest.main()
