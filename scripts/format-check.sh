#!/usr/bin/env bash
# Checks the tracked C++ files against the committed .clang-format: a file that clang-format would change fails
# the check. The files go to clang-format in batches on every core: one process per file took minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
count=$(git ls-files '*.cpp' '*.h' | wc -l)
status=0
report=$(git ls-files -z '*.cpp' '*.h' | xargs -0 -P"$(nproc)" -n 25 clang-format --dry-run --Werror 2>&1 >/dev/null) ||
    status=$?
if [ $status -eq 0 ]; then
    echo "all $count C++ files formatted"
    exit 0
fi
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" |
    sort -u)
if [ ${#unformatted[@]} -eq 0 ]; then
    # clang-format failed for another reason than a difference: say what it said.
    echo "$report" >&2
    echo "clang-format could not check the files (exit $status)" >&2
    exit 1
fi
printf '%s\n' "${unformatted[@]}" | sed 's/^/not formatted: /'
echo "${#unformatted[@]} of $count C++ files differ from .clang-format (clang-format -i FILE formats one)"
exit 1
