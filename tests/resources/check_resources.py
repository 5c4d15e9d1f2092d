#!/usr/bin/env python3
"""Checks the resources that a built Zorvi.exe carries, read from the file itself.

Usage: check_resources.py PROGRAM VERSION ELEMENTS_DAT HELP_PDF

The manifest (type 24, id 1): the user's own rights, Windows 7 to 11, Common Controls 6
and DPI awareness. The version information: Spanish, Windows-1252, the names and the
version of the project. The icons at every size Explorer asks for. The default table of
elements and the help document, byte for byte as the build has them.
Prints one line per failed check and "N passed, N failed" at the end.
"""

import re
import struct
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST, RT_MENU, RT_DIALOG = 3, 10, 14, 16, 24, 4, 5

failures = []
passed = 0


def check(condition, message):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(message)
        print("FAILED: " + message)


def read_resources(data):
    """{type: {name: bytes}} of a Windows program (first language of each); ids are ints,
    names upper-case strings. None when the file has no resources."""
    if data[:2] != b"MZ":
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    sections, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    rsrc_rva, rsrc_size = struct.unpack_from("<II", data, directories + 8 * 2)
    if rsrc_rva == 0:
        return None
    table = optional + optional_size
    spans = []
    for i in range(sections):
        _, virtual_size, virtual_address, raw_size, raw_pointer = struct.unpack_from("<8sIIII", data, table + 40 * i)
        spans.append((virtual_address, max(virtual_size, raw_size), raw_pointer))

    def offset_of(rva):
        for address, size, pointer in spans:
            if address <= rva < address + size:
                return pointer + rva - address
        raise ValueError("RVA 0x%x outside every section" % rva)

    base = offset_of(rsrc_rva)

    def name_of(field):
        if field & 0x80000000:
            at = base + (field & 0x7FFFFFFF)
            length = struct.unpack_from("<H", data, at)[0]
            return data[at + 2:at + 2 + 2 * length].decode("utf-16-le").upper()
        return field

    def entries(directory):
        named, ids = struct.unpack_from("<HH", data, base + directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            yield name_of(name), target

    resources = {}
    for kind, kind_dir in entries(0):
        for name, name_dir in entries(kind_dir & 0x7FFFFFFF):
            for _, leaf in entries(name_dir & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                at = offset_of(rva)
                resources.setdefault(kind, {}).setdefault(name, data[at:at + size])
    return resources


def resource_ids(header):
    """The numbers that resources/resource_ids.h gives its names."""
    return {name: int(value) for name, value in
            re.findall(r"^#define\s+(\w+)\s+(\d+)\s*$", header.read_text(encoding="utf-8"), re.M)}


def version_blocks(data, at=0):
    """One VS_VERSIONINFO node: (key, value bytes, children), and the offset after it."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[value_at:value_at + value_size]
    children = []
    child = (value_at + value_size + 3) & ~3
    while child < end:
        node, child = version_blocks(data, child)
        children.append(node)
        child = (child + 3) & ~3
    return (key, value, children), end


def check_manifest(resources):
    manifest = resources.get(RT_MANIFEST, {}).get(1)
    check(manifest is not None, "no manifest (type 24, id 1)")
    if manifest is None:
        return
    try:
        root = ElementTree.fromstring(manifest)
    except ElementTree.ParseError as error:
        check(False, "the manifest is not XML: %s" % error)
        return
    def found(tag):
        return [e for e in root.iter() if e.tag.endswith("}" + tag)]
    levels = [e.get("level") for e in found("requestedExecutionLevel")]
    check(levels == ["asInvoker"], "execution level %s, not asInvoker" % levels)
    systems = {e.get("Id").lower() for e in found("supportedOS")}
    wanted = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "7", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "8",
              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "8.1", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "10/11"}
    for guid, name in wanted.items():
        check(guid in systems, "the manifest does not declare Windows " + name)
    controls = [e for e in found("assemblyIdentity") if e.get("name") == "Microsoft.Windows.Common-Controls"]
    check(len(controls) == 1 and controls[0].get("version") == "6.0.0.0"
          and controls[0].get("publicKeyToken") == "6595b64144ccf1df",
          "the manifest does not ask for Common Controls 6.0.0.0")
    aware = [e.text.strip().lower() for e in found("dpiAware")]
    check(aware == ["true"], "dpiAware is %s, not true" % aware)
    awareness = [(e.tag, e.text.strip()) for e in found("dpiAwareness")]
    check(awareness == [("{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness", "system")],
          "dpiAwareness is %s, not system in the Windows 10 namespace" % awareness)


def check_version(resources, version):
    info = resources.get(RT_VERSION, {}).get(1)
    check(info is not None, "no version information (VERSIONINFO)")
    if info is None:
        return
    (key, fixed, children), _ = version_blocks(info)
    check(key == "VS_VERSION_INFO", "the version information starts with %r" % key)
    numbers = [int(n) for n in version.split(".")] + [0] * (4 - len(version.split(".")))
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIIIII", fixed)
    check(signature == 0xFEEF04BD, "the fixed version information has no signature")
    for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        got = [ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF]
        check(got == numbers, "the %s version is %s, not %s" % (what, got, numbers))
    blocks = {child[0]: child for child in children}
    strings = {}
    for table in blocks.get("StringFileInfo", ("", b"", []))[2]:
        strings[table[0]] = {k: v.decode("utf-16-le").rstrip("\0") for k, v, _ in table[2]}
    check(list(strings) == ["0C0A04E4"], "the string tables are %s, not 0C0A04E4" % list(strings))
    values = strings.get("0C0A04E4", {})
    expected = {"ProductName": "Zorvi", "FileDescription": "Ejercicios de Química",
                "ProductVersion": version, "FileVersion": version, "OriginalFilename": "Zorvi.exe"}
    for name, value in expected.items():
        check(values.get(name) == value, "%s is %r, not %r" % (name, values.get(name), value))
    check(values.get("LegalCopyright", "").startswith("©"), "no copyright line: %r" % values.get("LegalCopyright"))
    translations = [v for child in blocks.get("VarFileInfo", ("", b"", []))[2] if child[0] == "Translation"
                    for v in [child[1]]]
    check(translations == [struct.pack("<HH", 0x0C0A, 1252)], "the translation is not Spanish, code page 1252")


def check_icon(resources, name, sizes):
    group = resources.get(RT_GROUP_ICON, {}).get(name)
    check(group is not None, "no icon " + name)
    if group is None:
        return
    count = struct.unpack_from("<H", group, 4)[0]
    found = set()
    for i in range(count):
        width, height, _, _, _, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        width, height = width or 256, height or 256
        found.add(width)
        image = resources.get(RT_ICON, {}).get(icon_id, b"")
        check(len(image) == size and width == height and bits == 32,
              "%s: the %d-pixel image is not a whole 32-bit square image" % (name, width))
        if image.startswith(b"\x89PNG"):
            check(struct.unpack_from(">II", image, 16) == (width, height), "%s: the PNG image is not %d pixels" % (name, width))
        elif image:
            check(struct.unpack_from("<ii", image, 4) == (width, 2 * height), "%s: the bitmap is not %d pixels" % (name, width))
    check(found == set(sizes), "%s holds the sizes %s, not %s" % (name, sorted(found), sorted(sizes)))


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    program, version, elements, help_pdf = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3]), Path(sys.argv[4])
    ids = resource_ids(Path(__file__).resolve().parents[2] / "resources/resource_ids.h")
    resources = read_resources(program.read_bytes())
    check(resources is not None, "%s carries no resources" % program)
    resources = resources or {}
    check_manifest(resources)
    check_version(resources, version)
    check_icon(resources, "ICPRG", (16, 24, 32, 48, 256))
    check_icon(resources, "IC0", (16, 24, 32, 48))
    check("MENU" in resources.get(RT_MENU, {}), "no menu MENU")
    check({"ELEMENTS", "EDELEMENTS"} <= set(resources.get(RT_DIALOG, {})), "no dialogs ELEMENTS and EDELEMENTS")
    data = resources.get(RT_RCDATA, {})
    check(data.get(ids["IDR_DEFAULT_ELEMENTS"]) == elements.read_bytes(),
          "IDR_DEFAULT_ELEMENTS is not the build's elements.dat")
    check(data.get(ids["IDR_HELP_DOCUMENT"]) == help_pdf.read_bytes(), "IDR_HELP_DOCUMENT is not docs/zorvi.pdf")
    print("%s: %d passed, %d failed" % (program.name, passed, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
