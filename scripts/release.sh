#!/bin/sh
# Makes the release package build/release/Zorvi-<version>.zip: the 64-bit and the 32-bit
# Zorvi.exe, each in a folder of its own with elements.dat and zorvi.pdf beside it (the
# program reads both from its current folder, and the about box and "&Info" use the
# program's own name; each program also carries both, for when it is copied alone), and
# LEEME.txt, in Windows-1252 with CRLF line ends, on top.
# Usage: scripts/release.sh
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_packages cmake make python3 zip g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686

version=$(sed -n 's/^project(Zorvi VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }
[ -f docs/zorvi.pdf ] || { echo "docs/zorvi.pdf is missing: run scripts/help.sh" >&2; exit 1; }

# Only what ships is built: the program and its default table. The presets are those of
# scripts/build.sh, so both scripts share their build folders.
echo "== building win64 and win32"
for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target Zorvi elements_dat -j "$ZORVI_JOBS"
done

name=Zorvi-$version
stage=build/release/$name
rm -rf "$stage" "build/release/$name.zip"
mkdir -p "$stage/64bits" "$stage/32bits"

place() {  # build folder, package folder, strip tool
    cp "build/$1/Zorvi.exe" "$stage/$2/Zorvi.exe"
    # The debugging information and the symbols are for developers: the teacher gets a
    # program a tenth the size.
    "$3" --strip-all "$stage/$2/Zorvi.exe"
    cp "build/$1/elements.dat" docs/zorvi.pdf "$stage/$2/"
}
place win64 64bits x86_64-w64-mingw32-strip
place win32 32bits i686-w64-mingw32-strip

# The notes are kept as UTF-8 text; Notepad of every Windows version reads Windows-1252 and CRLF.
iconv -f UTF-8 -t CP1252 docs/LEEME.txt | sed 's/$/\r/' >"$stage/LEEME.txt"

(cd build/release && zip -q -r -X "$name.zip" "$name")
echo "Release package: build/release/$name.zip"
