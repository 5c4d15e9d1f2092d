#!/bin/sh
# The end-to-end test: the driver runs the real Zorvi.exe under Wine in an empty folder,
# twice, then pandoc and LibreOffice read back the two documents it exported, the versions
# of the sheet and their key, and the Moodle quiz is checked against version B.
# With --bachillerato, the sheet is one of the three topics of 2º Bachillerato.
# Usage: run_e2e.sh [--bachillerato] DRIVE_ZORVI_EXE ZORVI_EXE ELEMENTS_DAT OUTPUT_FOLDER
set -eu
here=$(cd "$(dirname "$0")" && pwd)
scenario=
if [ "$1" = --bachillerato ]; then
    scenario=$1
    shift
fi
driver=$1 zorvi=$2 elements=$3 out=$4

# Wine sees the Linux root as drive Z:.
windows_path() { printf 'Z:%s' "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" | tr / '\\'; }

rm -rf "$out"
mkdir -p "$out/work" "$out/readers"
# A hung window must not hang the suite: the driver gives up on any step after 20 s, and
# this ends it (and, through its job object, the program) in any case.
status=0
timeout -k 10 240 "$here/../wine-run.sh" "$driver" $scenario "$(windows_path "$zorvi")" "$(windows_path "$elements")" \
    "$(windows_path "$out/work")" "$(windows_path "$out/report.txt")" </dev/null || status=$?
if [ "$status" -ne 0 ]; then
    echo "run_e2e: the driver failed (status $status)" >&2
    exit 1
fi
# The program only read the table of elements; the folder holds nothing else but the documents
# and the batch files beside them, the options it remembers and the default list of
# reactions, written at the first visit to the stoichiometry topic (of constants, at the first
# visit to a topic of 2º Bachillerato).
cmp "$elements" "$out/work/elements.dat"
left=$(cd "$out/work" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
expected="./Exerc ./Exerc/prueba bloques-A.rtf ./Exerc/prueba bloques-B.rtf ./Exerc/prueba bloques-C.rtf \
./Exerc/prueba bloques-soluciones.rtf ./Exerc/prueba bloques.rtf ./Exerc/prueba bloques.xml \
./Exerc/prueba bloques.zlote ./Exerc/prueba seguidos.rtf ./Exerc/prueba seguidos.zlote "
if [ -n "$scenario" ]; then
    list=constantes.txt list_start='^# Constantes de los ejercicios'
    expected="$expected./constantes.txt ./elements.dat ./zorvi.ini "
else
    list=reacciones.txt list_start='^# Reacciones ajustadas'
    expected="$expected./elements.dat ./reacciones.txt ./zorvi.ini "
fi
if [ "$left" != "$expected" ]; then
    echo "run_e2e: unexpected files in the work folder: $left" >&2
    exit 1
fi
# zorvi.ini (Windows-1252, CRLF) holds what the last save window was given.
for line in 'fichero=prueba bloques' "$(printf 'titulo=Qu\355mica: prueba de extremo a extremo')" 'presentacion=bloques' \
    'respuestas_en_pagina_aparte=1'; do
    if ! LC_ALL=C grep -qxF "$(printf '%s\r' "$line")" "$out/work/zorvi.ini"; then
        echo "run_e2e: zorvi.ini lacks the line: $line" >&2
        exit 1
    fi
done
if ! head -n 1 "$out/work/$list" | LC_ALL=C grep -q "$list_start"; then
    echo "run_e2e: $list is not the default list" >&2
    exit 1
fi
exec python3 "$here/check_documents.py" "$out/report.txt" "$out/work/Exerc" "$out/readers"
