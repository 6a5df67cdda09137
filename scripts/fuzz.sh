#!/usr/bin/env bash
# Runs the fuzzers built in the given directory for a bounded time each, from their seed corpora in
# fuzz/corpus, and reports each one's speed and coverage. The fuzzers' files live in memory (/dev/shm where it
# exists): the readers rewrite files, and a disk's flushes would cost most of the time.
#   scripts/fuzz.sh DIR [SECONDS] [NAME...]   only the named targets (without "fuzz_") when given
# FUZZ_KEEP=DIR keeps each target's grown corpus in DIR/NAME (for merging into fuzz/corpus after a long run).
# FUZZ_JOBS targets run side by side (default: one per processor); each gets its full time, and the reports
# come in the targets' order.
set -euo pipefail
dir=$(cd "$1" && pwd)
seconds=${2:-15}
shift $(($# < 2 ? $# : 2))
root="$(cd "$(dirname "$0")/.." && pwd)"
memory=/dev/shm
[ -d "$memory" ] && [ -w "$memory" ] || memory=${TMPDIR:-/tmp}

# One target's run; its report goes to standard output, and the exit status says whether it failed.
fuzz_one() {  # FUZZER
    local fuzzer="$1" name work done_line speed
    name=$(basename "$fuzzer")
    name=${name#fuzz_}
    work=$(mktemp -d -p "$memory" "tervalo-fuzz-$name.XXXXXX")
    mkdir "$work/corpus" "$work/run"
    cp -r "$root/fuzz/corpus/$name"/. "$work/corpus"/ 2>/dev/null || true
    if (cd "$work/run" && "$fuzzer" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1); then
        done_line=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$work/log" | tail -1 || true)
        speed=$(grep -E "average_exec_per_sec" "$work/log" | awk '{print $2}' || true)
        printf -- "-- %-16s %4ss  %6s exec/s  %s\n" "$name" "$seconds" "${speed:-?}" \
            "$(echo "$done_line" | grep -oE "cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*" || true)"
    else
        echo "-- $name FAILED (input and log kept in $work)"
        grep -E "ERROR|SUMMARY|Assertion|runtime error|#[0-9] |artifact|Test unit" "$work/log" | head -40
        return 1
    fi
    if [ -n "${FUZZ_KEEP:-}" ]; then
        mkdir -p "$FUZZ_KEEP/$name"
        cp -r "$work/corpus"/. "$FUZZ_KEEP/$name"/
    fi
    rm -rf "$work"
}

fuzzers=()
for fuzzer in "$dir"/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    name=${name#fuzz_}
    if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
    fuzzers+=("$fuzzer")
done

jobs=${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 1)}
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
pids=()
status=0
for i in "${!fuzzers[@]}"; do
    # At most `jobs` at a time: wait for the oldest still running before starting another.
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
    fuzz_one "${fuzzers[$i]}" >"$reports/$i" 2>&1 &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
for i in "${!fuzzers[@]}"; do
    cat "$reports/$i"
done
exit $status
