#!/usr/bin/env bash
# Instructions per calculation of `quillet-calc -`, from the line read to the text written,
# counted by callgrind, which gives the same count whatever else the machine runs: each batch
# is run with 2N and with N lines, and the difference is divided by N, so that start-up and
# exit drop out; valgrind's heap totals of the same batches give the allocations a line.
# Usage: bench/instructions.sh QUILLET_CALC MAKE_QUARTICS [N]
set -euo pipefail

calc=${1:?usage: bench/instructions.sh QUILLET_CALC MAKE_QUARTICS [N]}
make_quartics=${2:?usage: bench/instructions.sh QUILLET_CALC MAKE_QUARTICS [N]}
n=${3:-2000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# The instructions that callgrind counts for one run of quillet-calc on file $1.
count() {
  valgrind --tool=callgrind --callgrind-out-file="$dir/out" "$calc" - <"$1" >/dev/null 2>"$dir/log" || true
  sed -n 's/^summary: //p' "$dir/out"
}

# The heap blocks that valgrind counts for one run of quillet-calc on file $1.
allocations() {
  valgrind "$calc" - <"$1" 2>&1 >/dev/null | sed -n 's/.*total heap usage: \([0-9,]*\) allocs.*/\1/p' | tr -d ,
}

# Instructions and allocations per line of the batch that `make_lines COUNT` writes.
per_line() {
  "$@" "$n" >"$dir/one"
  "$@" $((2 * n)) >"$dir/two"
  echo "$((($(count "$dir/two") - $(count "$dir/one")) / n)) instructions," \
    "$((($(allocations "$dir/two") - $(allocations "$dir/one")) / n)) allocations a line"
}

repeat() {
  local line=$1 times=$2
  for ((i = 0; i < times; ++i)); do echo "$line"; done
}

random_quartics() { "$make_quartics" "$1" 20261208; }
echo "random quartics:                   $(per_line random_quartics)"
echo "ordinary quartic (1 0 -25 60 -36): $(per_line repeat 'roots 1 0 -25 60 -36')"
echo "complex addition (add 1.5 -2 3 4): $(per_line repeat 'complex add 1.5 -2 3 4')"
echo "vector sum (3d add 1 2 3 4 5 6):   $(per_line repeat 'vector 3d add 1 2 3 4 5 6')"
