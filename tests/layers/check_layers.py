#!/usr/bin/env python3
"""Checks the layers of the production folders and the line between portable and Windows code.

The folders are layers, each building only on those before it:
util <- richtext <- ui <- shell <- chemistry <- app. Every C or C++ file in a layer, in any
subfolder, with any of the usual extensions, may include project files of its own layer and
of the layers before it (and resources/, the ids shared with the .rc file), never of a later
one, never anything under tests/ or benchmarks/ or outside the tree. An include
is resolved as the compiler would: "name" first beside the file, then from the top of the
tree; <name> from the top of the tree, where the build looks for project files too; "../x"
from the file's folder.

A file whose name ends in _win (before the extension) is Windows-only; every other file is
portable. Only _win files include Windows headers: those of WINDOWS_HEADERS and every header
named win*.h, the SDK's own naming (winuser.h, winbase.h, winsock2.h...). A portable file
never includes a _win file.

The CMakeLists.txt of the top and of the layers: a _win source is named only inside
if(WIN32) (or MINGW, MSVC), and zorvi_core never links zorvi_win. The portable sources are
those given to zorvi_core outside if(WIN32); in the Windows build zorvi_core also compiles
its platform half (util/files_win.cpp) and still links nothing of the Win32 side.

Usage: check_layers.py SOURCE_DIR. Prints every breach and exits with 1 when there is one.
"""
import os
import re
import sys
from pathlib import Path

LAYERS = ["util", "richtext", "ui", "shell", "chemistry", "app"]
SOURCE_SUFFIXES = {".h", ".hh", ".hpp", ".hxx", ".inl", ".ipp", ".c", ".cc", ".cpp", ".cxx"}
WINDOWS_HEADERS = {
    "windows.h", "shellapi.h", "shlwapi.h", "shlobj.h", "shobjidl.h", "shtypes.h", "commdlg.h", "commctrl.h",
    "cderr.h", "dlgs.h", "objbase.h", "objidl.h", "ole2.h", "oleauto.h", "olectl.h", "unknwn.h", "richedit.h",
    "uxtheme.h", "dwmapi.h", "mmsystem.h", "psapi.h", "tlhelp32.h", "dbghelp.h", "imagehlp.h", "tchar.h",
    "imm.h", "prsht.h", "setupapi.h", "gdiplus.h", "d2d1.h", "dwrite.h", "htmlhelp.h", "iphlpapi.h", "ws2tcpip.h",
}
WINDOWS_NAMING = re.compile(r"win\w*\.h", re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
WIN_SOURCE = re.compile(r"[\w./${}-]*_win(" + "|".join(re.escape(s) for s in SOURCE_SUFFIXES) + r")")
WINDOWS_CONDITIONS = {"WIN32", "MINGW", "MSVC"}
NOT_PRODUCTION = {"tests", "benchmarks"}


def is_win(path):
    return Path(path).stem.endswith("_win")


def is_windows_header(name):
    base = name.lower().rsplit("/", 1)[-1]
    return base in WINDOWS_HEADERS or WINDOWS_NAMING.fullmatch(base) is not None


def includes(path):
    text = path.read_text(encoding="utf-8", errors="replace")
    return INCLUDE.findall(text)


def production_files(root):
    for layer in LAYERS:
        folder = root / layer
        if folder.is_dir():
            for path in sorted(folder.rglob("*")):
                if path.suffix.lower() in SOURCE_SUFFIXES and path.is_file():
                    yield layer, path


def resolve(root, path, kind, name):
    """The project file an include names, or None for a header of the compiler or the system."""
    first = name.split("/", 1)[0]
    beside = path.parent / name
    if first in (".", "..") or (kind == '"' and beside.exists()):
        return Path(os.path.normpath(beside))
    if first in LAYERS or first in NOT_PRODUCTION or (root / name).exists():
        return Path(os.path.normpath(root / name))
    return None


def cmake_commands(text):
    """(name, arguments) of every command of a CMake file, parentheses balanced."""
    text = re.sub(r"#[^\n]*", "", text)
    start = re.compile(r"(\w+)\s*\(")
    pos = 0
    while (match := start.search(text, pos)) is not None:
        depth, end = 1, match.end()
        while end < len(text) and depth:
            depth += {"(": 1, ")": -1}.get(text[end], 0)
            end += 1
        yield match.group(1).lower(), text[match.end():end - 1].split()
        pos = end


def is_windows_condition(words):
    return bool(words) and words[0] in WINDOWS_CONDITIONS and (len(words) == 1 or words[1] == "AND")


def read_lists(root, lists):
    """Breaches of one CMakeLists.txt, and the portable sources it gives to zorvi_core."""
    found, portable = [], []
    name = lists.relative_to(root)
    # One entry per open if(): whether its current branch is Windows-only, whether the
    # enclosing code is, and whether a branch before was if(NOT WIN32) (so the next is Windows).
    levels = []
    for command, words in cmake_commands(lists.read_text(encoding="utf-8")):
        outer = levels[-1][0] if levels else False
        if command == "if":
            not_windows = words[:1] == ["NOT"] and is_windows_condition(words[1:])
            levels.append([outer or is_windows_condition(words), outer, not_windows])
            continue
        if command in ("elseif", "else") and levels:
            level = levels[-1]
            level[0] = level[1] or level[2] or (command == "elseif" and is_windows_condition(words))
            continue
        if command == "endif" and levels:
            levels.pop()
            continue
        if command == "target_link_libraries" and words[:1] == ["zorvi_core"] and "zorvi_win" in words:
            found.append(f"{name}: zorvi_core links zorvi_win; the portable core builds on nothing of the Win32 side")
        if outer:
            continue
        for word in words:
            if WIN_SOURCE.fullmatch(word):
                found.append(f"{name}: {word} is compiled outside if(WIN32)")
        if command == "target_sources" and words[:1] == ["zorvi_core"]:
            portable += [lists.parent / word for word in words[1:] if word not in ("PRIVATE", "PUBLIC", "INTERFACE")]
    return found, portable


def breaches(root):
    found = []
    for layer, path in production_files(root):
        rank = LAYERS.index(layer)
        shown = path.relative_to(root)
        for kind, name in includes(path):
            target = resolve(root, path, kind, name)
            if target is None:
                if kind == "<" and is_windows_header(name) and not is_win(path):
                    found.append(f"{shown}: portable file includes <{name}>; only _win files may")
                continue
            inside = target.is_relative_to(root)
            relative = target.relative_to(root).as_posix() if inside else str(target)
            named = name if name == relative else f"{name} ({relative})"
            top = relative.split("/", 1)[0]
            if not inside or top in NOT_PRODUCTION:
                found.append(f"{shown}: includes {named}, which is not production code")
            elif top in LAYERS and LAYERS.index(top) > rank:
                found.append(f"{shown}: includes {named}, of a later layer")
            if is_win(target) and not is_win(path):
                found.append(f"{shown}: portable file includes {named}, a Windows-only file")
    lists = [root / "CMakeLists.txt"] + [p for layer in LAYERS if (root / layer).is_dir()
                                         for p in sorted((root / layer).rglob("CMakeLists.txt"))]
    for path in lists:
        if path.exists():
            more, portable = read_lists(root, path)
            found += more
            found += [f"{p.relative_to(root)}: listed as portable but missing" for p in portable if not p.exists()]
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
