#!/usr/bin/env bash
# cmake/WindowsDistribution.cmake on a stand-in program directory: the programs and the data go into the
# distribution folder and its zip file, what the programs write at run time stays out, and a program directory
# without the installer is refused.
# Usage: windows_distribution_test.sh CMAKE SOURCE_ROOT
set -uo pipefail
cmake="$1"
script="$2/cmake/WindowsDistribution.cmake"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

dist="$work/dist"
mkdir -p "$dist"
delivered=(tervalo.exe tervalo-calc.exe install.exe kparam.dat TempPart.dat Tervalo.GER Kelvhelp.RUS start04.bmp
    org.kelvara.Tervalo.svg R22.DAT)
written=(R22.LST rechPar.dat ERGEN1.DAT Puffer.dat kparam.dat.tmp1234 .hidden)
for name in "${delivered[@]}" "${written[@]}"; do echo "$name" >"$dist/$name"; done

pack() { "$cmake" -DDIST="$dist" -DFOLDER="$work/out/Tervalo-x" -DZIP="$work/out/Tervalo-x.zip" -P "$script" >/dev/null; }
check "the distribution is packed" pack
listed="$(cd "$work/out" && unzip -Z1 Tervalo-x.zip | sort)"
expected="$(printf 'Tervalo-x/\n'; printf 'Tervalo-x/%s\n' "${delivered[@]}" | sort)"
check "the zip holds the folder with the programs and the data, nothing written at run time" \
    test "$(sort <<<"$listed")" = "$(sort <<<"$expected")"
check "the folder is the zip's content" test "$(ls "$work/out/Tervalo-x" | sort)" = "$(printf '%s\n' "${delivered[@]}" | sort)"
check "files keep their bytes" cmp -s "$dist/Kelvhelp.RUS" "$work/out/Tervalo-x/Kelvhelp.RUS"

rm "$dist/install.exe"
check "a program directory without the installer is refused" bash -c "! $(printf '%q ' "$cmake") \
    -DDIST=$(printf '%q' "$dist") -DFOLDER=$(printf '%q' "$work/out/y") -DZIP=$(printf '%q' "$work/out/y.zip") \
    -P $(printf '%q' "$script") >/dev/null 2>&1"
check "and leaves no zip" test ! -e "$work/out/y.zip"
[ $failures -eq 0 ]
