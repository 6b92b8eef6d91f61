#!/usr/bin/env bash
# Measures how quickly Quillet starts and answers, on a private Xvfb display:
#   - start-up: from starting BUILD_DIR/app/Quillet to the mapping of its main menu window,
#   - resident memory (VmRSS) as soon as that window is mapped,
#   - result: from pressing Enter in a calculator to the mapping of its result message box,
#   - beside it, the start-up of a bare Qt 6 dialog with three widgets (BUILD_DIR/bench/
#     bare_dialog), started in turn with the program, which the main menu should not trail,
# each the median of RUNS runs (at least 10; one more warm-up run is discarded), timed by
# map_probe, a small X client built from map_probe.c into BUILD_DIR.
#
#   bench/startup/startup.sh BUILD_DIR
#
# Environment (defaults in brackets):
#   RUNS [11]                   measured runs
#   OPEN_KEYS ["Tab c"]         keys that open a calculator from the main menu: Tab moves from
#                               "Exit" into the function list, "c" picks "Complex Numbers"
#   PREPARE_KEYS ["Tab Tab Down"]  keys pressed in the calculator before the timed one: into
#                               the operation list, and select an operation
#   MEASURE_KEY [Return]        the timed key; Enter runs "Calculate"
#   SETTLE_MS [300]             idle time before each group of keys
#
# Exit status: 0 when everything was measured and met its target, 1 when a measurement
# failed, 2 on a usage error, 3 when a target was missed.
set -euo pipefail

readonly startup_target_ms=45
readonly rss_target_kb=$((32 * 1024))
readonly result_target_ms=16

source "$(dirname "$0")/harness.sh"
read_build_dir "$@"
program=$build_dir/app/Quillet
runs=${RUNS:-11}
[ -x "$program" ] || fail "no program at $program; build the Quillet target first"
[ "$runs" -ge 10 ] 2>/dev/null || fail "RUNS must be a number of at least 10"
require_tools cc Xvfb

prepare_measurement "$build_dir"

run_probe() { # the run's name, which is also its output file in the scratch folder
  "$probe" --settle "${SETTLE_MS:-300}" --open "${OPEN_KEYS:-Tab c}" \
    --prepare "${PREPARE_KEYS:-Tab Tab Down}" --measure "${MEASURE_KEY:-Return}" \
    -- "$program" >"$scratch/$1" 2>"$scratch/probe.log" || {
    echo "startup.sh: map_probe failed in $1:" >&2
    cat "$scratch/probe.log" >&2
    kill -0 "$private_xvfb_pid" 2>/dev/null || echo "Xvfb has ended: $(cat "$scratch/xvfb.log")" >&2
    exit 1
  }
}

# The bare Qt dialog starts in turn with the program, so that both meet the same load.
bare=$build_dir/bench/bare_dialog
[ -x "$bare" ] || fail "no bare dialog at $bare; build the bare_dialog target first"
run_bare() { # the run's name
  "$probe" -- "$bare" >"$scratch/$1" 2>"$scratch/probe.log" || {
    echo "startup.sh: map_probe failed on the bare dialog in $1:" >&2
    cat "$scratch/probe.log" >&2
    exit 1
  }
}

run_probe warm-up
run_bare bare-warm-up
for run in $(seq "$runs"); do
  run_probe "run.$run"
  run_bare "bare.$run"
done

# The values of one measurement across all runs, one a line.
values() { cat "$scratch"/${2:-run}.* | awk -v key="$1" '$1 == key { print $2 }'; }
median() {
  sort -n | awk '{ v[NR] = $1 }
    END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.10g\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
startup_ms=$(values startup_ms | median)
rss_kb=$(values rss_kb | median)
result_ms=$(values result_ms | median)
bare_ms=$(values startup_ms bare | median)

missed=0
report() { # name, median, unit, target
  local verdict=met
  awk -v value="$2" -v target="$4" 'BEGIN { exit !(value <= target) }' || {
    verdict=MISSED
    missed=1
  }
  printf '%-10s median %8s %s   target %s %s: %s\n' "$1" "$2" "$3" "$4" "$3" "$verdict"
}
echo "Quillet on Xvfb $DISPLAY, $runs runs after one warm-up"
first_run=$scratch/run.1
echo "timed windows: main \"$(sed -n 's/^startup_ms [^ ]* //p' "$first_run")\"," \
  "calculator \"$(sed -n 's/^opened //p' "$first_run")\"," \
  "result \"$(sed -n 's/^result_ms [^ ]* //p' "$first_run")\""
report start-up "$startup_ms" ms "$startup_target_ms"
printf '%-10s median %8s ms   (a bare Qt 6 dialog with three widgets, started in turn)\n' \
  bare "$bare_ms"
report "vs bare" "$startup_ms" ms "$bare_ms"
report memory "$rss_kb" kB "$rss_target_kb"
report result "$result_ms" ms "$result_target_ms"
exit $((missed * 3))
