#!/usr/bin/env bash
# Runs two builds' benchmark programs side by side in one run: each benchmark of the filter first in the old
# program, then in the new one, a few times over, and prints the medians of both with their ratio. Times are
# processor time (the machine's other work inflates wall time more), tervalo-calc's as a process its wall time
# and the processor time of its runs.
#
#   bench/compare.sh OLD/bench/tervalo_bench NEW/bench/tervalo_bench [FILTER] [REPETITIONS]
set -euo pipefail
old=$1
new=$2
filter=${3:-'UserAction|Batch1000|WhatIfTable35|CalcProcess|BM_DesignPoint$|DesignPointWithTableLoad|BM_Lookup'}
repetitions=${4:-5}

run() {
    "$1" --benchmark_filter="$filter" --benchmark_repetitions="$repetitions" --benchmark_min_time=0.2 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null | grep '_median"'
}

old_rows=$(run "$old")
new_rows=$(run "$new")
printf '%-28s %14s %14s %8s  %s\n' benchmark before after ratio "(unit; counters before → after)"
while IFS=, read -r name _ real cpu unit _ _ _ _ _ rest; do
    name=${name//\"/}
    name=${name%_median}
    line=$(grep "\"${name}_median\"" <<<"$new_rows")
    IFS=, read -r _ _ new_real new_cpu _ _ _ _ _ _ new_rest <<<"$line"
    value=$cpu
    new_value=$new_cpu
    if [[ $name == *CalcProcess* ]]; then
        value=$real
        new_value=$new_real
    fi
    printf '%-28s %14.4g %14.4g %7.2fx  (%s; %s → %s)\n' "$name" "$value" "$new_value" \
        "$(awk "BEGIN { print $value / $new_value }")" "${unit//\"/}" "${rest//\"/}" "${new_rest//\"/}"
done <<<"$old_rows"
