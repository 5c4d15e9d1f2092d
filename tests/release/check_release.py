#!/usr/bin/env python3
"""Checks the release package and the help document it carries.

Usage: check_release.py SOURCE_DIR [ZIP]   (default: the package of the version in CMakeLists.txt)

The package must hold, under one top folder, LEEME.txt and the folders 64bits/ and 32bits/,
each with a Zorvi.exe for its processor (stripped, under 2 MB) and, beside it, the
elements.dat of the build and the help document under the name that the program opens.
The help document must be the one built from the current docs/zorvi.md: every heading of
the source is in its text. LEEME.txt says that the program also runs alone.
Prints one line per failed check and "N passed, N failed" at the end.
"""

import re
import struct
import subprocess
import sys
import unicodedata
import zipfile
from pathlib import Path

failures = []
passed = 0


def check(condition, message):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(message)
        print("FAILED: " + message)


PROGRAM_SIZE_MAX = 2048 * 1024  # 2 MB: the quiz writer took the program past 1.5 MB


def help_file_name(source):
    # The name is the one the program's "&Info" opens from its current folder.
    text = (source / "app/start_up.cpp").read_text(encoding="utf-8")
    match = re.search(r'Descriptor\.helpFile\s*=\s*CutText\("([^"]+)"', text)
    if not match:
        sys.exit("no help file name in app/start_up.cpp")
    return match.group(1)


def pe_header(data):
    """(machine, subsystem, is PE32+, section names) of a Windows program, or None."""
    if data[:2] != b"MZ" or len(data) < 0x40:
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    machine, sections, _, symbols, symbol_count, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    names = []
    table = optional + optional_size
    strings = symbols + 18 * symbol_count  # where a name longer than 8 characters is kept
    for i in range(sections):
        name = data[table + 40 * i:table + 40 * i + 8].rstrip(b"\0").decode("latin-1")
        if name.startswith("/") and symbols:
            start = strings + int(name[1:])
            name = data[start:data.index(b"\0", start)].decode("latin-1")
        names.append(name)
    return machine, subsystem, magic == 0x20B, names


def check_program(name, data, machine, wide):
    header = pe_header(data)
    check(header is not None, name + " is not a Windows program")
    if header is None:
        return
    check(header[0] == machine, "%s is built for machine 0x%x, not 0x%x" % (name, header[0], machine))
    check(header[2] == wide, name + (" is not a 64-bit program" if wide else " is not a 32-bit program"))
    check(header[1] == 2, name + " is not a windowed (GUI) program")
    check(not any(s.startswith(".debug") for s in header[3]),
          name + " still carries debugging information: " + " ".join(header[3]))
    check(len(data) < PROGRAM_SIZE_MAX,
          "%s is %.2f MB, more than 2 MB" % (name, len(data) / (1024 * 1024)))


def check_notes(name, data):
    check(b"\r\n" in data and b"\n" not in data.replace(b"\r\n", b""),
          name + " does not end every line with CR LF")
    check("Química".encode("cp1252") in data, name + " is not Windows-1252 text")
    try:
        data.decode("cp1252")
        decodes = True
    except UnicodeDecodeError:
        decodes = False
    check(decodes, name + " holds bytes that are not Windows-1252")
    text = data.decode("cp1252", errors="replace")
    for word in ("Zorvi.exe", "64bits", "32bits", "elements.dat", "zorvi.pdf"):
        check(word in text, name + " does not mention " + word)
    check("funciona solo" in normalised(text), name + " does not say that the program also runs alone")


def normalised(text):
    # Ligatures and typographic quotes of the PDF compare as plain letters.
    text = unicodedata.normalize("NFKC", text)
    text = text.replace("\u201c", '"').replace("\u201d", '"')
    return re.sub(r"\s+", " ", text)


def check_help_source(source, pdf):
    headings = [re.sub(r"[*`]", "", line.lstrip("#").strip())
                for line in (source / "docs/zorvi.md").read_text(encoding="utf-8").splitlines()
                if line.startswith("#")]
    check(len(headings) > 5, "docs/zorvi.md has no headings")
    text = normalised(subprocess.run(["pdftotext", str(pdf), "-"], check=True,
                                     capture_output=True, text=True).stdout)
    for heading in headings:
        check(normalised(heading) in text,
              'docs/zorvi.pdf lacks the heading "%s": run scripts/help.sh' % heading)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    source = Path(sys.argv[1])
    if len(sys.argv) == 3:
        package = Path(sys.argv[2])
    else:
        version = re.search(r"^project\(Zorvi VERSION ([0-9.]+)",
                            (source / "CMakeLists.txt").read_text(encoding="utf-8"), re.M)
        if not version:
            sys.exit("no version in CMakeLists.txt")
        package = source / ("build/release/Zorvi-%s.zip" % version.group(1))
    help_name = help_file_name(source)
    top = package.name[:-len(".zip")]
    expected = {top + "/LEEME.txt"}
    for folder in ("64bits", "32bits"):
        expected |= {"%s/%s/%s" % (top, folder, f) for f in ("Zorvi.exe", "elements.dat", help_name)}

    with zipfile.ZipFile(package) as zip_file:
        check(zip_file.testzip() is None, package.name + " is damaged")
        files = {i.filename for i in zip_file.infolist() if not i.is_dir()}
        check(files == expected, "the package holds %s instead of %s"
              % (sorted(files), sorted(expected)))
        read = lambda path: zip_file.read(path) if path in files else b""

        elements = (source / "build/win64/elements.dat").read_bytes()
        help_pdf = (source / "docs/zorvi.pdf").read_bytes()
        for folder, machine, wide in (("64bits", 0x8664, True), ("32bits", 0x14C, False)):
            base = "%s/%s/" % (top, folder)
            check_program(base + "Zorvi.exe", read(base + "Zorvi.exe"), machine, wide)
            check(read(base + "elements.dat") == elements,
                  base + "elements.dat is not the default table of the build")
            check(len(elements) > 0 and len(elements) % 30 == 0, "the default table is not whole records")
            check(read(base + help_name) == help_pdf, base + help_name + " is not docs/zorvi.pdf")
        check(help_pdf.startswith(b"%PDF-"), "docs/zorvi.pdf is not a PDF")
        check_notes(top + "/LEEME.txt", read(top + "/LEEME.txt"))

    check_help_source(source, source / "docs/zorvi.pdf")
    print("%d passed, %d failed" % (passed, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
