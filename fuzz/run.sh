#!/usr/bin/env bash
# Runs each fuzz target of a QUILLET_FUZZ=ON build for a given time, one after another:
#   fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
# New inputs go to BUILD_DIR/fuzz-corpus/<target>, beside the committed seeds in
# fuzz/corpus/<target>; a finding is written to BUILD_DIR/fuzz-findings/. The script fails
# if any target finds a fault.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(box_number field_number session quadratic cubic quartic complex_ops vector_ops)
fi

failed=()
mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
  work="$build/fuzz-corpus/$target"
  mkdir -p "$work"
  dictionary=numbers
  [ "$target" = session ] && dictionary=session
  [ "$target" = box_number ] && dictionary=box_number
  echo "== $target: $seconds s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
      -dict="fuzz/$dictionary.dict" -artifact_prefix="$build/fuzz-findings/$target-" \
      "$work" "fuzz/corpus/$target" \
      2>"$build/fuzz-findings/$target.log"; then
    failed+=("$target")
  fi
  # The last status line gives the executions and the coverage reached.
  grep -E '^#[0-9]+' "$build/fuzz-findings/$target.log" | tail -n 1
  grep -E 'stat::number_of_executed_units|SUMMARY|fuzz check failed' \
    "$build/fuzz-findings/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (see $build/fuzz-findings/)"
  exit 1
fi
