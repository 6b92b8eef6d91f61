#!/usr/bin/env bash
# Counts the instructions that Quillet and, beside it, the bare Qt 6 dialog of startup.sh
# execute to start, under callgrind on a private Xvfb display, in the same environment:
#   - main thread, to the map: from the first instruction of the process (the dynamic loader's)
#     to the request that maps the first window (xcb_map_window), on the main thread, which is
#     the time to the mapped window when other threads have a core of their own;
#   - main thread, to the idle window: until HOLD_MS after the map, by when the window is
#     painted and the program waits for input;
#   - all threads, to the idle window: the work that a single core would have to do.
# callgrind counts the same whatever else the machine runs, so these compare exactly where the
# timings of startup.sh are noisy. A process that the program forks (the D-Bus autolaunch) is
# not counted.
#
#   bench/startup/instructions.sh BUILD_DIR
#
# Environment: HOLD_MS [1500], the time under callgrind from the map to the end of the count.
# The bare dialog's edit box starts blinking its cursor half a second after it has the focus,
# which adds a repaint or two to its idle count.
set -euo pipefail

source "$(dirname "$0")/harness.sh"
read_build_dir "$@"
require_tools cc Xvfb valgrind
programs=("Quillet:$build_dir/app/Quillet" "bare Qt dialog:$build_dir/bench/bare_dialog")
for entry in "${programs[@]}"; do
  [ -x "${entry#*:}" ] || fail "no program at ${entry#*:}; build it first"
done

prepare_measurement "$build_dir"

# The instructions in callgrind's files $@, from their "summary:" lines.
sum_of() { awk '$1 == "summary:" { total += $2 } END { printf "%.1f", total / 1e6 }' "$@"; }

printf '%-16s %22s %22s %22s\n' "(millions)" "main thread, to map" "main thread, to idle" \
  "all threads, to idle"
for entry in "${programs[@]}"; do
  name=${entry%%:*}
  out=$scratch/$(basename "${entry#*:}")
  mkdir "$out"
  # Every thread to its own file (cg.PID-THREAD), and the main thread's count to the map request
  # in a first dump (cg.PID.1-01); the rest of its count is in its final dump.
  "$probe" --timeout 120000 --hold "${HOLD_MS:-1500}" -- valgrind --tool=callgrind \
    --separate-threads=yes --dump-before=xcb_map_window --callgrind-out-file="$out/cg.%p" \
    "${entry#*:}" >"$out/probe" 2>"$out/log" || {
    cat "$out/log" >&2
    fail "the count of $name failed"
  }
  # The program's files are those with the dump at the map; a forked child has none.
  map_dump=$(find "$out" -name 'cg.*.1-01' | head -n 1)
  [ -n "$map_dump" ] || fail "$name mapped no window under callgrind"
  pid=${map_dump##*/cg.}
  pid=${pid%%.*}
  main_to_map=$(sum_of "$map_dump")
  main_to_idle=$(sum_of "$out/cg.$pid"*-01)
  all_to_idle=$(sum_of "$out/cg.$pid"*)
  printf '%-16s %22s %22s %22s\n' "$name" "$main_to_map" "$main_to_idle" "$all_to_idle"
done
