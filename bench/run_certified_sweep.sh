#!/usr/bin/env bash
# The sweep of the roots and discs that quillet-calc shows against certified roots, class by
# class, for a build made with -DQUILLET_BENCHMARKS=ON; an earlier version's quillet-calc may
# be given for a "before" table.
set -euo pipefail

build=${1:?usage: bench/run_certified_sweep.sh BUILD_DIR [CASES [BEFORE_QUILLET_CALC]]}
cases=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/certified_sweep" corpus "$cases" >"$work/corpus"
cut -d' ' -f2- "$work/corpus" >"$work/input"
# numpy.roots beside, where python3 has numpy (only for this measure).
numpy=()
if "${PYTHON:-python3}" -c 'import numpy' 2>/dev/null; then
  cut -d' ' -f1,3- "$work/corpus" | "${PYTHON:-python3}" "$(dirname "$0")/numpy_roots.py" >"$work/numpy"
  numpy=("$work/numpy")
fi
for version in ${3:+before} after; do
  calc=$build/cli/quillet-calc
  [ "$version" = before ] && calc=$3
  # Status 1 only says that some calculation ended in an input error.
  "$calc" --json - <"$work/input" >"$work/$version.json" || [ $? -eq 1 ]
  echo "$version:"
  "$build/bench/certified_sweep" "$work/corpus" "$work/$version.json" "${numpy[@]}"
done
