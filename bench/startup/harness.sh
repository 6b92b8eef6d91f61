# Sourced by the start-up measurements (startup.sh, instructions.sh): the probe that times the
# windows, and a private Xvfb display with the environment that both the program and the bare
# Qt dialog run in.
#
#   prepare_measurement BUILD_DIR       all of the below: builds map_probe into BUILD_DIR (its
#                                       path in $probe), makes a scratch folder ($scratch) that
#                                       the EXIT trap removes with the display, and starts it
#   build_map_probe BUILD_DIR           builds map_probe from map_probe.c into BUILD_DIR and
#                                       prints its path
#   start_private_display SCRATCH_DIR   starts Xvfb, exports DISPLAY and the environment
#   stop_private_display                ends that Xvfb
#
# The caller defines fail MESSAGE, which reports and ends the script.

harness_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

build_map_probe() {
  local probe=$1/bench/startup/map_probe
  mkdir -p "$(dirname "$probe")"
  cc -std=c11 -O2 -Wall -Wextra -Werror -o "$probe" "$harness_dir/map_probe.c" -lX11 -lXtst ||
    fail "cannot build map_probe (it needs libx11-dev and libxtst-dev)"
  echo "$probe"
}

private_xvfb_pid=

start_private_display() {
  local scratch=$1
  # Xvfb picks a free display number itself and writes it to the descriptor once it accepts
  # clients, which tells both which display and when.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
  private_xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$private_xvfb_pid" 2>/dev/null ||
      fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    sleep 0.1
  done
  [ -s "$scratch/display" ] || fail "Xvfb did not report its display within 10 s"

  export DISPLAY=:$(head -n 1 "$scratch/display")
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=$scratch/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY
}

stop_private_display() {
  if [ -n "$private_xvfb_pid" ]; then
    kill "$private_xvfb_pid" 2>/dev/null || true
    wait "$private_xvfb_pid" 2>/dev/null || true
  fi
}

prepare_measurement() {
  probe=$(build_map_probe "$1")
  scratch=$(mktemp -d)
  trap 'stop_private_display; rm -rf "$scratch"' EXIT
  trap 'exit 1' INT TERM HUP
  start_private_display "$scratch"
}
