#!/usr/bin/env bash
# Runs the benchmarks of a build made with -DQUILLET_BENCHMARKS=ON: every solver and operation
# (median of repeated runs), the result texts against printf on ten million random doubles, then
# the batch throughput of quillet-calc on random quartics.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR}
calculations=100000
seed=20261208
runs=5

"$build/bench/quillet_bench" --benchmark_repetitions=10 --benchmark_min_time=0.1 \
  --benchmark_min_warmup_time=0.2 \
  --benchmark_report_aggregates_only=true \
  --benchmark_filter="${QUILLET_BENCH_FILTER:-.}" | grep -v -E '_(mean|stddev|cv) '

"$build/bench/printf_comparison" 10000000

input=$(mktemp)
trap 'rm -f "$input"' EXIT
"$build/bench/make_quartics" "$calculations" "$seed" >"$input"

# The median of a few timed runs; the output goes nowhere, so only the program is timed.
rates=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  status=0
  "$build/cli/quillet-calc" - <"$input" >/dev/null 2>&1 || status=$?
  end=$(date +%s%N)
  # 1 only says that some quartic ended in an input error; anything else is a failure.
  if [ "$status" -gt 1 ]; then
    echo "quillet-calc failed with status $status" >&2
    exit 1
  fi
  rates+=("$(awk -v n="$calculations" -v ns=$((end - start)) 'BEGIN { printf "%.0f", n / (ns / 1e9) }')")
done
median=$(printf '%s\n' "${rates[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo
echo "quillet-calc - on $calculations random quartics (seed $seed): $median calculations per second" \
  "(median of $runs runs: ${rates[*]})"
