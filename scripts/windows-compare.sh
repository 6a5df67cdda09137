#!/usr/bin/env bash
# Compares the Windows build run under wine with the Linux build: the generated data files of both program
# directories byte for byte, and tervalo-calc run in a copy of each with the same arguments (some of them
# non-ASCII): its output (line ends aside), its messages and every file it writes, the JSON document, the
# calculation's trace and a batch of projects from a CSV file among them.
# Usage: windows-compare.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
linux="$(cd "$1" && pwd)"
windows="$(cd "$2" && pwd)"
wine=("$root/cmake/wine-run.sh" "$windows/wine-prefix")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
# Files given to every run: a batch of projects, with non-ASCII list texts, decimal commas and a bad row.
mkdir "$work/inputs"
printf '%s\r\n' 'WohnFL;HeizArt;EnergKost;AnwendBereich' '120;#2;0,25;' '180;Heizöl extra leicht;"0,3";#3' \
    '95;#9;0,2;' '200;;0,18;#2' >"$work/inputs/batch.csv"

# Files of the Linux program directory that the Windows one has no place for: the programs, and the pictures
# of the windows, which are drawn with Qt (a Linux build with the windows has them).
linux_only() {  # FILE
    local name
    name="$(basename "$1")"
    [ -d "$1" ] || [[ "$name" == *.bmp ]] || { [ -x "$1" ] && [[ "$name" != *.* ]]; }
}

# The program directories: every data file of the Linux one, the saturation tables included.
compared=0
for file in "$linux"/dist/*; do
    name="$(basename "$file")"
    linux_only "$file" && continue
    compared=$((compared + 1))
    if ! cmp -s "$file" "$windows/dist/$name"; then
        echo "windows-compare: dist/$name differs" >&2
        status=1
    fi
done
echo "windows-compare: $compared files of the program directory compared"

# One run of tervalo-calc in a fresh copy of a program directory: output, messages and files written.
run() {  # SYSTEM CASE ARGUMENT...
    local system="$1" case="$2"
    shift 2
    local folder="$work/$system-$case"
    if [ "$system" = linux ]; then
        cp -r "$linux/dist" "$folder"
        cp "$work/inputs"/* "$folder"
        (cd "$folder" && ./tervalo-calc "$@" >stdout.txt 2>stderr.txt) || echo "exit $?" >>"$folder/stderr.txt"
    else
        cp -r "$windows/dist" "$folder"
        cp "$work/inputs"/* "$folder"
        (cd "$folder" && "${wine[@]}" ./tervalo-calc.exe "$@" >stdout.txt 2>stderr.txt) ||
            echo "exit $?" >>"$folder/stderr.txt"
        sed -i 's/\r$//' "$folder/stdout.txt" "$folder/stderr.txt"
    fi
}

# One case on both systems. Its main output (standard output, or with --output=FILE the file the run writes)
# must hold lines on both sides: an empty pair would compare equal and prove nothing.
compare() {  # [--output=FILE] CASE ARGUMENT...
    local output=stdout.txt
    if [[ "$1" == --output=* ]]; then
        output="${1#--output=}"
        shift
    fi
    local case="$1"
    shift
    run linux "$case" "$@"
    run windows "$case" "$@"
    local differs=0 side
    for side in linux windows; do
        if [ ! -s "$work/$side-$case/$output" ]; then
            echo "windows-compare: $case: $output of the $side run is empty or missing" >&2
            sed 's/^/windows-compare:   /' "$work/$side-$case/stderr.txt" | head -5 >&2
            differs=1
        fi
    done
    for file in "$work/linux-$case"/*; do
        name="$(basename "$file")"
        linux_only "$file" && continue
        [ "$name" = rechPar.dat ] && continue  # holds the folder's name as the system writes it
        if ! cmp -s "$file" "$work/windows-$case/$name"; then
            echo "windows-compare: $case: $name differs" >&2
            diff <(cat -v "$file") <(cat -v "$work/windows-$case/$name") | head -5 >&2 || true
            differs=1
        fi
    done
    for file in "$work/windows-$case"/*; do
        name="$(basename "$file")"
        [[ "$name" == *.exe ]] && continue
        [ -e "$work/linux-$case/$name" ] || { echo "windows-compare: $case: $name only on Windows" >&2; differs=1; }
    done
    [ $differs -eq 0 ] && echo "windows-compare: $case identical ($(wc -l <"$work/linux-$case/$output") lines of" \
        "$output, $(grep -a -m1 -o '^HeizArt=.*\|"Natural gas"' "$work/linux-$case/$output" || echo "no heating type"))"
    [ $differs -eq 0 ] || status=1
}

example=(WohnFL=150 HeizArt=#1 WirkGKessel=90 BereitStV=10 EnergKost=0.2 SpezHeizLeist=120 --decimal-separator=,)
compare example "${example[@]}" --calculate --results --save
compare german "${example[@]}" "HeizArt:=Heizöl extra leicht" "EnergKost=0,2€" --save
compare russian --language=RUS "${example[@]}" "HeizArt:=Мазут" --calculate --results --save
compare greek --language=GRE "${example[@]}" "HeizArt:=Πετρέλαιο" --save
compare polish --language=POL "${example[@]}" "HeizArt:=Olej opałowy Ąę" --results
compare unmappable "${example[@]}" "HeizArt:=Ā中" --save
compare --output=stderr.txt refused WohnFL
compare json "${example[@]}" "HeizArt:=Heizöl extra leicht" --json --what-if --sensitivity
compare what-if --language=TRK "${example[@]}" --calculate --what-if --strict
compare trace --language=GRE "${example[@]}" --calculate --trace
compare --output=results.csv batch "${example[@]}" --batch batch.csv --out results.csv
exit $status
