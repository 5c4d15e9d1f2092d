#!/bin/sh
# The released 64-bit program on its own: Zorvi.exe is taken from the release package and
# copied, alone, into a new folder whose path holds blanks and accents (the driver makes
# it); started there under Wine it must write the 118-element table, take "H2SO4" and export.
# Usage: run_alone.sh PACKAGE_ZIP DRIVE_ZORVI_EXE ELEMENTS_DAT OUTPUT_FOLDER
set -eu
here=$(cd "$(dirname "$0")" && pwd)
package=$1 driver=$2 elements=$3 out=$4

# Wine sees the Linux root as drive Z:.
windows_path() { printf 'Z:%s' "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" | tr / '\\'; }

rm -rf "$out"
mkdir -p "$out/unzipped" "$out/work"
unzip -q "$package" -d "$out/unzipped"
set -- "$out"/unzipped/*/64bits/Zorvi.exe
[ -f "$1" ] || { echo "run_alone: no 64bits/Zorvi.exe in $package" >&2; exit 1; }
status=0
timeout -k 10 120 "$here/../wine-run.sh" "$driver" --alone "$(windows_path "$1")" "$(windows_path "$elements")" \
    "$(windows_path "$out/work")" </dev/null || status=$?
if [ "$status" -ne 0 ]; then
    echo "run_alone: the driver failed (status $status)" >&2
    exit 1
fi
# What the program left, seen from Linux: the folder it was copied to, and in it the
# table, the document and itself.
find "$out/work" -mindepth 1 | sed "s|^$out/work/||" | LC_ALL=C sort
[ "$(find "$out/work" -name elements.dat -size 3540c | wc -l)" -eq 1 ] || {
    echo "run_alone: no 118-element elements.dat beside the program" >&2
    exit 1
}
