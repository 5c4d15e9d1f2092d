#!/bin/sh
# Fails when a Windows program imports a DLL that Windows itself does not provide
# (libstdc++, libgcc, winpthread...): the program must run from a bare folder. Fails too when
# it imports comdlg32 or shell32: only the batch-file dialogs and the opening of documents
# need them, and they load them then, so that the program starts as quickly as it can.
objdump=$1
exe=$2
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll msvcrt.dll ole32.dll version.dll"
on_first_use="shell32.dll comdlg32.dll"
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports found in $exe"; exit 1; }
status=0
for dll in $dlls; do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) case " $on_first_use " in
               *" $dll "*) echo "loaded at start-up, not when first needed: $dll"; status=1 ;;
               *) echo "not a Windows DLL: $dll"; status=1 ;;
           esac ;;
    esac
done
# A GUI program, not a console one.
if ! "$objdump" -p "$exe" | grep -q 'Subsystem.*0*2.*(Windows GUI)'; then
    case "$exe" in
        *zorvi_win_tests*) ;;
        *) echo "not a GUI subsystem program"; status=1 ;;
    esac
fi
exit $status
