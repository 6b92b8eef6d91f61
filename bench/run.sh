#!/usr/bin/env bash
# Runs the benchmarks of a build made with -DQUILLET_BENCHMARKS=ON: every solver and operation
# (median of repeated runs), the result texts against printf on ten million random doubles, then
# the batch throughput of quillet-calc on random quartics and on complex additions.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR}
calculations=100000
additions_count=1000000
seed=20261208
runs=5

"$build/bench/quillet_bench" --benchmark_repetitions=10 --benchmark_min_time=0.1 \
  --benchmark_min_warmup_time=0.2 \
  --benchmark_report_aggregates_only=true \
  --benchmark_filter="${QUILLET_BENCH_FILTER:-.}" | grep -v -E '_(mean|stddev|cv) '

"$build/bench/printf_comparison" 10000000

quartics=$(mktemp)
additions=$(mktemp)
trap 'rm -f "$quartics" "$additions"' EXIT
"$build/bench/make_quartics" "$calculations" "$seed" >"$quartics"
awk -v n="$additions_count" 'BEGIN { for (i = 0; i < n; ++i) print "complex add 1.5 -2 3 4" }' \
  >"$additions"

# The median of a few timed runs of quillet-calc - on file $1 of $2 lines; the output goes
# nowhere, so only the program is timed.
batch_rate() {
  local rates=()
  for _ in $(seq "$runs"); do
    local start end status=0
    start=$(date +%s%N)
    "$build/cli/quillet-calc" - <"$1" >/dev/null 2>&1 || status=$?
    end=$(date +%s%N)
    # 1 only says that some quartic ended in an input error; anything else is a failure.
    if [ "$status" -gt 1 ]; then
      echo "quillet-calc failed with status $status" >&2
      exit 1
    fi
    rates+=("$(awk -v n="$2" -v ns=$((end - start)) 'BEGIN { printf "%.0f", n / (ns / 1e9) }')")
  done
  local median
  median=$(printf '%s\n' "${rates[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  echo "$median calculations per second (median of $runs runs: ${rates[*]})"
}

echo
echo "quillet-calc - on $calculations random quartics (seed $seed):" \
  "$(batch_rate "$quartics" "$calculations")"
echo "quillet-calc - on $additions_count complex additions:" \
  "$(batch_rate "$additions" "$additions_count")"
