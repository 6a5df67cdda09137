#!/usr/bin/env bash
# Checks the tracked C++ files against the committed .clang-format: a file that clang-format would change fails
# the check.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -eq 0 ]; then
    echo "all ${#files[@]} C++ files formatted"
    exit 0
fi
printf '%s\n' "${unformatted[@]}" | sed 's/^/not formatted: /'
echo "${#unformatted[@]} of ${#files[@]} C++ files differ from .clang-format (clang-format -i FILE formats one)"
exit 1
