#!/usr/bin/env bash
# The Windows programs stand alone: each imports DLLs of the system only, none of Qt, of the compiler's runtime
# or of the program directory.
# Usage: static_programs_test.sh OBJDUMP PROGRAM_DIRECTORY
set -uo pipefail
objdump="$1"
folder="$2"
status=0
for program in tervalo.exe tervalo-calc.exe install.exe; do
    if [ ! -f "$folder/$program" ]; then
        echo "FAILED: no $program in $folder"
        status=1
        continue
    fi
    imports="$("$objdump" -p "$folder/$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')"
    foreign="$(grep -Ei '^(qt|lib)|gcc|stdc|pthread' <<<"$imports")"
    for dll in $imports; do
        [ -e "$folder/$dll" ] && foreign+=" $dll"
    done
    if [ -n "${foreign// /}" ]; then
        echo "FAILED: $program imports $(echo $foreign)"
        status=1
    else
        echo "ok: $program imports $(echo $imports | tr ' ' ',')"
    fi
done
exit $status
