#!/usr/bin/env python3
"""Writes elements.dat from the reviewed table resources/elements.txt.

Usage: make_elements.py elements.txt elements.dat

Each element becomes one 30-byte little-endian record, as the program reads it:
z (uint16), symbol length and 2 characters, a reserved byte, the mass (IEEE double),
name length and 14 characters, a reserved byte. Texts are Windows-1252; the bytes past
a text's length are blanks and the reserved bytes zero, as in a record the element
editor creates. The table is checked first, so a typing slip stops the build instead
of reaching a teacher's table.
"""

import math
import os
import struct
import sys

SYMBOL_MAX = 2
NAME_MAX = 14
ROOM = 200


def fail(path, number, message):
    sys.exit(f"{path}:{number}: {message}")


def read_table(path):
    elements = []
    seen_z, seen_symbols = set(), set()
    with open(path, encoding="utf-8") as text:
        for number, line in enumerate(text, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split(None, 3)
            if len(fields) != 4:
                fail(path, number, "expected: Z symbol mass name")
            z_text, symbol, mass_text, name = fields
            if not z_text.isdigit() or not 1 <= int(z_text) <= 65535:
                fail(path, number, f"atomic number {z_text!r} is not a whole number from 1 to 65535")
            z = int(z_text)
            if not (1 <= len(symbol) <= SYMBOL_MAX and symbol.isascii() and symbol.isalpha()
                    and symbol[0].isupper() and symbol[1:] == symbol[1:].lower()):
                fail(path, number, f"symbol {symbol!r} is not a capital letter and at most one small one")
            try:
                mass = float(mass_text)
            except ValueError:
                fail(path, number, f"mass {mass_text!r} is not a number")
            if not (math.isfinite(mass) and mass > 0):
                fail(path, number, f"mass {mass_text!r} is not a positive number")
            try:
                name_bytes = name.encode("cp1252")
            except UnicodeEncodeError:
                fail(path, number, f"name {name!r} has a character that Windows-1252 lacks")
            if len(name_bytes) > NAME_MAX:
                fail(path, number, f"name {name!r} is longer than {NAME_MAX} characters")
            if z in seen_z or symbol in seen_symbols:
                fail(path, number, f"element {z} {symbol} appears twice")
            seen_z.add(z)
            seen_symbols.add(symbol)
            elements.append((z, symbol.encode("ascii"), mass, name_bytes))
    if len(elements) > ROOM:
        sys.exit(f"{path}: {len(elements)} elements, more than the {ROOM} the table holds")
    return elements


def record(z, symbol, mass, name):
    return (struct.pack("<HB", z, len(symbol)) + symbol.ljust(SYMBOL_MAX, b" ") + b"\0"
            + struct.pack("<dB", mass, len(name)) + name.ljust(NAME_MAX, b" ") + b"\0")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    source, target = sys.argv[1], sys.argv[2]
    data = b"".join(record(*element) for element in read_table(source))
    assert len(data) % 30 == 0
    temporary = target + ".tmp~"
    with open(temporary, "wb") as out:
        out.write(data)
    os.replace(temporary, target)


if __name__ == "__main__":
    main()
