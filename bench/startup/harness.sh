# Sourced by the start-up measurements (startup.sh, instructions.sh): their command line, the
# probe that times the windows, and a private Xvfb display with the environment that both the
# program and the bare Qt dialog run in.
#
#   fail MESSAGE                        reports MESSAGE under the script's name and ends it
#   read_build_dir ARGUMENTS            the one argument, BUILD_DIR, made absolute in $build_dir;
#                                       a usage error (status 2) otherwise
#   require_tools TOOL...               fails unless every TOOL is installed
#   prepare_measurement BUILD_DIR       all of the below: builds map_probe into BUILD_DIR (its
#                                       path in $probe), makes a scratch folder ($scratch) that
#                                       the EXIT trap removes with the display, and starts it
#   build_map_probe BUILD_DIR           builds map_probe from map_probe.c into BUILD_DIR and
#                                       prints its path
#   start_private_display SCRATCH_DIR   starts Xvfb, exports DISPLAY and the environment
#   stop_private_display                ends that Xvfb

harness_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

read_build_dir() {
  [ $# -eq 1 ] || {
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
  }
  build_dir=$(cd "$1" && pwd) || exit 2
}

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
  done
}

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
  # -noreset: a client that connects while the server resets after its last client left is
  # refused, and the runs connect one after another.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" \
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
