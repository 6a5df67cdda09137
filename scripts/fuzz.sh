#!/usr/bin/env bash
# Runs every fuzzer built in the given directory for a bounded time, each from its seed corpus in fuzz/corpus.
set -euo pipefail
dir=$(cd "$1" && pwd)
seconds=${2:-20}
root="$(cd "$(dirname "$0")/.." && pwd)"
for fuzzer in "$dir"/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="$root/fuzz/corpus/${name#fuzz_}"
    work=$(mktemp -d)
    cp -r "$corpus"/. "$work"/ 2>/dev/null || true
    echo "-- $name (${seconds}s)"
    (cd "$work" && "$fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=0 \
        "$work" 2>&1 | { grep -E "^Done|ERROR|SUMMARY|Assertion|runtime error" || true; })
    rm -rf "$work"
done
