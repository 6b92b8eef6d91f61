#!/usr/bin/env bash
# Runs the real program natively on Wayland: weston's X11 backend on a private Xvfb display,
# with a private D-Bus session for the accessibility bus, and Qt's Wayland platform plugin.
# quillet_weston_test.py says what it checks. Exit status 77 (skipped) where weston or Qt's
# Wayland plugin is not installed.
# Usage: quillet_weston_test.sh PATH_TO_QUILLET [ROUNDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

command -v weston >/dev/null || { echo "SKIPPED: weston is not installed"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  { echo "SKIPPED: Qt's Wayland platform plugin (qt6-wayland) is not installed"; exit 77; }

source "$here/x_session.sh"
# weston's socket goes into the session's runtime folder too.
run_in_private_session "$@"
runtime=$XDG_RUNTIME_DIR
# The title bars are read off the X screen, which Xvfb keeps in a file there.
if [ -z "${QUILLET_XVFB:-}" ]; then
  QUILLET_XVFB_SCREEN_DIR=$(mktemp -d)
  export QUILLET_XVFB_SCREEN_DIR
fi
run_under_xvfb "$@"

trap 'kill "$weston" 2>/dev/null || true; rm -rf "$QUILLET_XVFB_SCREEN_DIR"' EXIT
# No panel, and no animations, so that a closed window gives up the keyboard at once.
cat >"$runtime/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
close-animation=none
startup-animation=none
focus-animation=none
INI
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --width=1024 --height=768 \
  --socket=wayland-quillet --config="$runtime/weston.ini" >"$runtime/weston.log" 2>&1 &
weston=$!
deadline=$((SECONDS + 15))
until grep -q 'window id' "$runtime/weston.log" && [ -S "$runtime/wayland-quillet" ]; do
  [ $SECONDS -lt $deadline ] || { cat "$runtime/weston.log"; fail "weston did not start"; }
  kill -0 "$weston" 2>/dev/null || { cat "$runtime/weston.log"; fail "weston ended"; }
  sleep 0.1
done
# weston's output window on the X display: the keys typed into it reach the Wayland window
# that has the keyboard.
output_window=$(sed -n 's/.*window id \([0-9]*\).*/\1/p' "$runtime/weston.log")
xdotool windowfocus --sync "$output_window"
# The pointer rests in a corner where no window opens.
xdotool mousemove 5 5 mousemove 1000 750

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-quillet QT_QPA_PLATFORM=wayland
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QUILLET_WESTON_WINDOW=$output_window
/usr/bin/python3 "$here/quillet_weston_test.py" "$1" "${2:-5}"
