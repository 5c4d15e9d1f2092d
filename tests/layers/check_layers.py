#!/usr/bin/env python3
"""Checks the layers of the production folders.

The folders are layers, each building only on those before it:
util <- richtext <- ui <- shell <- chemistry <- app. A file may include (#include "...")
files of its own folder and of the folders before it, never of one after it. The portable
sources (those a folder's CMakeLists.txt gives to zorvi_core) and every header they reach
never include a Windows header.

Usage: check_layers.py SOURCE_DIR. Prints every breach and exits with 1 when there is one.
"""
import re
import sys
from pathlib import Path

LAYERS = ["util", "richtext", "ui", "shell", "chemistry", "app"]
WINDOWS_HEADERS = {"windows.h", "shellapi.h", "commdlg.h", "commctrl.h", "winver.h", "shlobj.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
PORTABLE_SOURCES = re.compile(r"target_sources\(\s*zorvi_core\s+PRIVATE([^)]*)\)", re.DOTALL)


def includes(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    return [(kind, name) for kind, name in INCLUDE.findall(text)]


def production_files(root):
    for layer in LAYERS:
        folder = root / layer
        if folder.is_dir():
            for path in sorted(folder.iterdir()):
                if path.suffix in (".h", ".cpp"):
                    yield layer, path


def portable_sources(root):
    sources = []
    for layer in LAYERS:
        lists = root / layer / "CMakeLists.txt"
        if not lists.exists():
            continue
        for block in PORTABLE_SOURCES.findall(lists.read_text(encoding="utf-8")):
            sources += [root / layer / name for name in block.split()]
    return sources


def breaches(root):
    found = []
    for layer, path in production_files(root):
        rank = LAYERS.index(layer)
        for kind, name in includes(path):
            if kind != '"':
                continue
            top = name.split("/", 1)[0]
            if top in LAYERS and LAYERS.index(top) > rank:
                found.append(f"{path.relative_to(root)}: includes {name}, of a later layer")
    # Portable code: the sources of zorvi_core and every project header they reach.
    seen = set()
    pending = [(path, path) for path in portable_sources(root)]
    while pending:
        path, origin = pending.pop()
        if path in seen or not path.exists():
            if not path.exists():
                found.append(f"{path.relative_to(root)}: listed as portable but missing")
            continue
        seen.add(path)
        for kind, name in includes(path):
            if kind == "<" and name.lower() in WINDOWS_HEADERS:
                via = "" if path == origin else f" (reached from {origin.relative_to(root)})"
                found.append(f"{path.relative_to(root)}: portable code includes <{name}>{via}")
            elif kind == '"' and name.split("/", 1)[0] in LAYERS:
                pending.append((root / name, origin))
    return found


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    root = Path(argv[1]).resolve()
    found = breaches(root)
    for line in found:
        print(line)
    if not found:
        print("layers: every include goes to the same or an earlier layer; portable code is portable")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
