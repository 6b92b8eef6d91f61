# Helpers for driving the real program on an X display as a person would: wait for its
# windows by title, give them the focus and press keys. Sourced by the Xvfb test and by the
# screenshot script; every wait has a deadline, so a missing window fails instead of hanging.

# Runs the calling script again inside a private session bus, with a runtime folder of its own
# (XDG_RUNTIME_DIR), unless it already has them. Without that folder at-spi2-core puts the
# accessibility bus's socket in ~/.cache/at-spi, where a test running beside this one takes
# it over, and the program, connecting there, never reaches this session's accessibility tree.
run_in_private_session() {
  if [ -z "${QUILLET_DBUS:-}" ]; then
    local runtime status=0
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    env QUILLET_DBUS=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- bash "$0" "$@" || status=$?
    rm -rf "$runtime"
    exit "$status"
  fi
}

# Runs the calling script again inside its own Xvfb server unless it already has one. Where
# QUILLET_XVFB_SCREEN_DIR names a folder, the server keeps its screen there as a file
# (Xvfb_screen0, in XWD format), for a test that reads what the screen shows.
run_under_xvfb() {
  if [ -z "${QUILLET_XVFB:-}" ]; then
    local screen_file=""
    [ -z "${QUILLET_XVFB_SCREEN_DIR:-}" ] || screen_file="-fbdir $QUILLET_XVFB_SCREEN_DIR"
    # Xvfb resets itself whenever its last client leaves, and a client that connects during
    # the reset is refused. The polls for a window connect and leave while the program may
    # still be loading, so without -noreset a slow start (a sanitizer build) can find no
    # display at all.
    exec env QUILLET_XVFB=1 xvfb-run --auto-servernum \
      --server-args="-screen 0 1280x1024x24 -nolisten tcp -noreset $screen_file" bash "$0" "$@"
  fi
  # The program must talk to the X server, whatever the caller's environment asks for.
  export QT_QPA_PLATFORM=xcb
  # In a sanitizer build, leaks of the libraries behind Qt's X platform are not the program's.
  local suppressions
  suppressions="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan_suppressions.txt"
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$suppressions"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Prints the id of the visible window titled exactly $1, waiting up to $2 seconds (10).
wait_for_window() {
  local title=$1 deadline=$((SECONDS + ${2:-10})) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.05
  done
  fail "no window titled '$title' appeared"
}

# Waits up to $2 seconds (10) until no visible window is titled exactly $1.
wait_until_closed() {
  local title=$1 deadline=$((SECONDS + ${2:-10}))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "the window titled '$title' did not close"
}

# Says whether process $1 still runs and, where gdb is at hand, where each of its threads
# stands: what a window that never came leaves to go on.
report_program_state() {
  if ! kill -0 "$1" 2>/dev/null; then
    echo "the program (process $1) has ended" >&2
    return
  fi
  echo "the program (process $1) is still running" >&2
  command -v gdb >/dev/null &&
    gdb -p "$1" -batch -ex "thread apply all bt" 2>/dev/null | grep -E '^(Thread|#)' | head -n 80 >&2
  return 0
}

# Gives window $1 the keyboard focus and presses the keys that follow (xdotool key names).
press_keys() {
  local id=$1
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --delay 30 "$@"
}

# Gives window $1 the keyboard focus and types text $2 into its focused control.
type_text() {
  xdotool windowfocus --sync "$1"
  xdotool type --delay 30 -- "$2"
}

# The title of window $1.
window_title() {
  xdotool getwindowname "$1"
}

# Waits up to $2 seconds (10) for process $1, a child of this shell, to end, and leaves its
# exit status in exit_status.
wait_for_exit() {
  local pid=$1 deadline=$((SECONDS + ${2:-10}))
  while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "process $pid did not end"
    sleep 0.05
  done
  exit_status=0
  wait "$pid" || exit_status=$?
}
