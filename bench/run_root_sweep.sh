#!/usr/bin/env bash
# The big sweep of the polynomial solvers over the hard classes, beside numpy.roots, for a
# build made with -DQUILLET_BENCHMARKS=ON. Needs python3 with numpy (only for this measure).
# An earlier version's root_texts, built the same way, may be given for the "before" column.
set -euo pipefail

build=${1:?usage: bench/run_root_sweep.sh BUILD_DIR [CASES [BEFORE_ROOT_TEXTS]]}
cases=${2:-10000}
before=${3:-$build/bench/root_texts}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/root_texts" corpus "$cases" >"$work/corpus"
"$before" shown "$cases" >"$work/before"
"$build/bench/root_texts" shown "$cases" >"$work/after"
"${PYTHON:-python3}" "$(dirname "$0")/numpy_roots.py" <"$work/corpus" >"$work/numpy"
"$build/bench/root_sweep" "$cases" "$work/before" "$work/after" "$work/numpy"
