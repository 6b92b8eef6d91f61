#!/usr/bin/env bash
# A KDE Plasma session as Qt sees it (XDG_CURRENT_DESKTOP=KDE, KDE_SESSION_VERSION=5) with the
# colour scheme SCHEME (dark, contrast or light, from kde/SCHEME.kdeglobals) in a private
# config folder, on its own Xvfb display and session bus: runs the start-up checks of
# desktop_palette_tests that fit the scheme, then the real program, whose windows are grabbed
# with grab_window into SHOTS/kde_SCHEME_program_*.png and must show the scheme's window colour
# (dark, contrast) or the classic grey (light), and the other scheme's once the user picks that
# one while the program runs.
# Usage: kde_session_test.sh SCHEME PATH_TO_desktop_palette_tests PATH_TO_QUILLET
#        PATH_TO_grab_window SHOTS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../app/x_session.sh"
if [ -z "${QUILLET_DBUS:-}" ]; then
  # Qt's KDE theme listens on the session bus for changed settings: a private one.
  exec env QUILLET_DBUS=1 dbus-run-session -- bash "$0" "$@"
fi
run_under_xvfb "$@"

scheme=$1 tests=$2 program=$3 grab=$4 shots=$5
case $scheme in
  dark) face='#31363b' cases='KdeDark.*' other=light other_face='#c0c0c0' ;;
  contrast) face='#ffffff' cases='KdeContrast.*' other=light other_face='#c0c0c0' ;;
  light) face='#c0c0c0' cases='KdeLight.*' other=dark other_face='#31363b' ;;
  *) fail "unknown scheme $scheme" ;;
esac
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
cp "$here/kde/$scheme.kdeglobals" "$config/kdeglobals"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME=$config

"$tests" --gtest_filter="$cases"

mkdir -p "$shots"
# The grab and the window's face colour, which must be the scheme's.
expect_face() { # window id, name of the screenshot[, the colour if not the scheme's]
  local seen expected=${3:-$face}
  sleep 0.3
  seen=$(env -u XDG_CURRENT_DESKTOP -u KDE_SESSION_VERSION "$grab" "$1" \
    "$shots/kde_${scheme}_program_$2.png")
  [ "$seen" = "$expected" ] || fail "the $2 window is mostly $seen, not $expected"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$config"' EXIT
main_menu=$(wait_for_window "Quillet Calculator, Version 1.4")
expect_face "$main_menu" main_menu
# Tab moves from "Exit" into the function list, where "c" opens the calculator of complex
# numbers; Enter calculates without an operation, which raises a message.
press_keys "$main_menu" Tab c
complex=$(wait_for_window "Complex Number Calculator")
expect_face "$complex" complex_numbers
press_keys "$complex" Return
message=$(wait_for_window "Quillet")
expect_face "$message" message
press_keys "$message" Return
wait_until_closed "Quillet"
press_keys "$complex" Escape
wait_until_closed "Complex Number Calculator"
# The user picks the other scheme in System Settings, which writes kdeglobals and tells the
# running programs over the session bus; the windows take its colours at once, and the first
# ones again when the scheme is picked back.
cp "$here/kde/$other.kdeglobals" "$config/kdeglobals"
announce_scheme() {
  dbus-send --session --type=signal /org/freedesktop/portal/desktop \
    org.freedesktop.portal.Settings.SettingChanged \
    string:org.kde.kdeglobals.General string:ColorScheme variant:string:"$1"
}
announce_scheme "$other"
expect_face "$main_menu" "main_menu_then_$other" "$other_face"
cp "$here/kde/$scheme.kdeglobals" "$config/kdeglobals"
announce_scheme "$scheme"
expect_face "$main_menu" "main_menu_back" "$face"
press_keys "$main_menu" Escape
wait_for_exit "$pid"
[ "$exit_status" -eq 0 ] || fail "the program exited with status $exit_status"
echo "PASS: the $scheme KDE colour scheme, as Qt reads it, gave the program's windows $face"
