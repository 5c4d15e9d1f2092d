#!/usr/bin/env python3
"""The layer check finds what it must find: each breach planted in a scratch copy of a small tree."""
import shutil
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
import check_layers  # noqa: E402

# A small tree that keeps every rule: includes of earlier layers (also relative ones and one beside
# the file), Windows headers in _win files only, _win sources inside if(WIN32) only.
CLEAN = {
    "CMakeLists.txt": "add_library(zorvi_core STATIC)\nif(WIN32)\n    add_library(zorvi_win STATIC)\n"
                      "    target_link_libraries(zorvi_win PUBLIC zorvi_core user32)\n"
                      "    add_executable(Zorvi WIN32 app/main_win.cpp)\nendif()\n",
    "util/CMakeLists.txt": "target_sources(zorvi_core PRIVATE\n    a.cpp)\nif(NOT WIN32)\nelse()\n"
                           "    target_sources(zorvi_core PRIVATE files_win.cpp)\nendif()\n",
    "util/a.h": "#pragma once\n#include <string>\n",
    "util/a.cpp": '#include "a.h"\n#include <io.h>\n',
    "util/files_win.cpp": "#include <windows.h>\n",
    "ui/c.h": '#include "../util/a.h"\n#include "richtext/d.h"\n',
    "ui/window_win.h": "#include <Windows.h>\n#include <commctrl.h>\n",
    "shell/b_win.cpp": '#include "util/a.h"\n#include "ui/c.h"\n#include "ui/window_win.h"\n#include <winuser.h>\n',
    "shell/batch.h": "#pragma once\n",
    "shell/commands.h": '#include "resources/resource_ids.h"\n',
    "app/main_win.cpp": '#include "chemistry/f.h"\n#include <shell/batch.h>\n',
}

# (file, text added to it, the breach reported)
BREACHES = [
    ("shell/program.cpp", '#include "chemistry/topics.h"\n',
     "shell/program.cpp: includes chemistry/topics.h, of a later layer"),
    ("util/x.h", '#  include "app/start_up.h"\n', "util/x.h: includes app/start_up.h, of a later layer"),
    ("ui/x.cpp", "#include <shell/batch.h>\n", "ui/x.cpp: includes shell/batch.h, of a later layer"),
    ("ui/x.cpp", '#include "../shell/batch.h"\n',
     "ui/x.cpp: includes ../shell/batch.h (shell/batch.h), of a later layer"),
    ("shell/sub/x.cpp", '#include "chemistry/f.h"\n', "shell/sub/x.cpp: includes chemistry/f.h, of a later layer"),
    ("shell/x.hpp", '#include "app/e.h"\n', "shell/x.hpp: includes app/e.h, of a later layer"),
    ("shell/x.hh", '#include "app/e.h"\n', "shell/x.hh: includes app/e.h, of a later layer"),
    ("shell/x.cc", '#include "app/e.h"\n', "shell/x.cc: includes app/e.h, of a later layer"),
    ("shell/x.cxx", '#include "app/e.h"\n', "shell/x.cxx: includes app/e.h, of a later layer"),
    ("shell/x.inl", '#include "app/e.h"\n', "shell/x.inl: includes app/e.h, of a later layer"),
    ("util/a.h", "#include <Windows.h>\n", "util/a.h: portable file includes <Windows.h>; only _win files may"),
    ("ui/c.h", "#include <winuser.h>\n", "ui/c.h: portable file includes <winuser.h>; only _win files may"),
    ("util/a.cpp", "#include <shlwapi.h>\n", "util/a.cpp: portable file includes <shlwapi.h>; only _win files may"),
    ("ui/c.h", '#include "window_win.h"\n',
     "ui/c.h: portable file includes window_win.h (ui/window_win.h), a Windows-only file"),
    ("app/e.cpp", '#include "tests/support/scripted_interaction.h"\n',
     "app/e.cpp: includes tests/support/scripted_interaction.h, which is not production code"),
    ("util/CMakeLists.txt", "target_sources(zorvi_core PRIVATE files_win.cpp)\n",
     "util/CMakeLists.txt: files_win.cpp is compiled outside if(WIN32)"),
    ("CMakeLists.txt", "if(WIN32)\nendif()\nadd_executable(Zorvi WIN32 app/main_win.cpp)\n",
     "CMakeLists.txt: app/main_win.cpp is compiled outside if(WIN32)"),
    ("util/CMakeLists.txt", "target_sources(zorvi_core PRIVATE gone.cpp)\n",
     "util/gone.cpp: listed as portable but missing"),
    ("CMakeLists.txt", "if(WIN32)\n    target_link_libraries(zorvi_core PUBLIC zorvi_win)\nendif()\n",
     "CMakeLists.txt: zorvi_core links zorvi_win; the portable core builds on nothing of the Win32 side"),
]


def tree(test, plant=None):
    root = Path(tempfile.mkdtemp(prefix="layers-"))
    test.addCleanup(shutil.rmtree, root)
    for name, text in CLEAN.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")
    if plant:
        path = root / plant[0]
        path.parent.mkdir(parents=True, exist_ok=True)
        with path.open("a", encoding="utf-8") as out:
            out.write(plant[1])
    return root


class LayerCheck(unittest.TestCase):
    def test_the_clean_tree_passes(self):
        self.assertEqual(check_layers.breaches(tree(self)), [])

    def test_each_planted_breach_is_refused(self):
        for name, text, message in BREACHES:
            with self.subTest(name=name, text=text):
                self.assertEqual(check_layers.breaches(tree(self, (name, text))), [message])


if __name__ == "__main__":
    unittest.main()
