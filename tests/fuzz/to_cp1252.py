#!/usr/bin/env python3
"""Copies a UTF-8 source file as Windows-1252, for the fuzz build.

clang has no -fexec-charset other than UTF-8, but it copies the bytes of a string or
character literal that are not valid UTF-8 into the program unchanged. A source converted
to Windows-1252 therefore gives clang the same literal bytes that g++ makes with
-fexec-charset=CP1252, so the fuzzers run the program's real texts and lengths.
Characters outside Windows-1252 can only be in comments (g++ rejects them in literals);
they become "?".
"""
import os
import sys

source, target = sys.argv[1], sys.argv[2]
with open(source, encoding="utf-8", newline="") as f:
    text = f.read()
os.makedirs(os.path.dirname(target), exist_ok=True)
with open(target, "w", encoding="cp1252", errors="replace", newline="") as f:
    f.write(text)
