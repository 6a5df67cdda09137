#!/usr/bin/env bash
# Runs two builds' benchmark programs side by side in one run: the benchmarks of the filter in the old program,
# then in the new one, and prints both figures with their ratio. Times are processor time (the machine's other
# work inflates wall time more); tervalo-calc as a process also shows the processor time of its runs.
#
#   bench/compare.sh OLD/bench/tervalo_bench NEW/bench/tervalo_bench [FILTER] [SECONDS PER BENCHMARK]
set -euo pipefail
old=$1
new=$2
filter=${3:-'UserAction|Batch1000|WhatIfTable35|CalcProcess|BM_DesignPoint$|DesignPointWithTableLoad|BM_Lookup'}
seconds=${4:-1}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$old" --benchmark_filter="$filter" --benchmark_min_time="$seconds" --benchmark_format=json >"$scratch/old.json"
"$new" --benchmark_filter="$filter" --benchmark_min_time="$seconds" --benchmark_format=json >"$scratch/new.json"
python3 - "$scratch/old.json" "$scratch/new.json" <<'EOF'
import json, sys
runs = [{b["name"]: b for b in json.load(open(f))["benchmarks"]} for f in sys.argv[1:]]
internal = {"name", "family_index", "per_family_instance_index", "run_name", "run_type", "repetitions",
            "repetition_index", "threads", "iterations", "real_time", "cpu_time", "time_unit"}
print(f"{'benchmark':28} {'before':>12} {'after':>12} {'ratio':>7}  counters before → after")
for name, before in runs[0].items():
    after = runs[1].get(name)
    if not after:
        continue
    time = "real_time" if name.endswith("/real_time") else "cpu_time"  # a process: the wall time
    counters = ", ".join(f"{key} {before[key]:.4g} → {after[key]:.4g}" for key in before
                         if key not in internal and key in after)
    print(f"{name:28} {before[time]:>9.4g} {before['time_unit']:2} {after[time]:>9.4g} "
          f"{after['time_unit']:2} {before[time] / after[time]:6.2f}x  {counters}")
EOF
