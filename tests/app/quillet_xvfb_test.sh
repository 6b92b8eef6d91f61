#!/usr/bin/env bash
# Starts the real program on its own Xvfb display and uses it from the keyboard as a person
# would: checks that its windows carry the desktop entry's name as their class, opens Roots of
# Polynomials from the main menu, solves a cubic, provokes the leading-coefficient message
# and then a decimal comma's, retypes the box the focus came back to each time, closes
# everything with Escape and expects a clean exit.
# Usage: quillet_xvfb_test.sh PATH_TO_QUILLET
set -euo pipefail
source "$(dirname "$0")/x_session.sh"
run_under_xvfb "$@"

program=$1
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# A sanitizer build on a busy machine can take a while to load.
main_menu=$(wait_for_window "Quillet Calculator, Version 1.4" 30) || {
  report_program_state "$pid"
  exit 1
}

# Docks match a window to its launcher by its class, which must be the desktop entry's name.
expect_desktop_class() {
  local class
  class=$(xprop -id "$1" WM_CLASS)
  [ "$class" = 'WM_CLASS(STRING) = "org.quillet.Quillet", "org.quillet.Quillet"' ] ||
    fail "window $1 has the class $class"
}
expect_desktop_class "$main_menu"

# "Exit" holds the focus; Tab moves into the function list, and End selects its last entry,
# which opens that calculator at once.
press_keys "$main_menu" Tab End
polynomial=$(wait_for_window "Roots of Polynomials")
[ "$(window_title "$polynomial")" = "Roots of Polynomials" ] || fail "wrong calculator title"
expect_desktop_class "$polynomial"

# "Calculate" holds the focus; past "Return to Main Menu" comes the degree list. Home picks
# "quadratic", Down "cubic", whose X^3 box is prefilled with 1.
press_keys "$polynomial" Tab Tab Home Down
# Into the X^2, X and constant boxes: x^3 - 6x^2 + 11x - 6, whose roots are 1, 2 and 3.
press_keys "$polynomial" Tab Tab
type_text "$polynomial" "-6"
press_keys "$polynomial" Tab
type_text "$polynomial" "11"
press_keys "$polynomial" Tab
type_text "$polynomial" "-6"
press_keys "$polynomial" Return
# Real roots come without any message box.
sleep 0.3
! xdotool search --onlyvisible --name "^Quillet\$" >/dev/null 2>&1 ||
  fail "solving x^3 - 6x^2 + 11x - 6 raised a message"

# The roots took the focus; back past the constant, X and X^2 boxes to the X^3 box: a zero
# leading coefficient is refused in a message box titled with the program's name.
press_keys "$polynomial" shift+Tab shift+Tab shift+Tab shift+Tab
type_text "$polynomial" "0"
press_keys "$polynomial" Return
message=$(wait_for_window "Quillet")
press_keys "$message" Return
wait_until_closed "Quillet"

# The X^3 box has the focus back with its "0" selected, so a typed "-1" replaces it instead of
# making "0-1", which would read as 0 and raise the message again.
type_text "$polynomial" "-1"
press_keys "$polynomial" Return
sleep 0.3
! xdotool search --onlyvisible --name "^Quillet\$" >/dev/null 2>&1 ||
  fail "typing after the message did not replace the box's text"

# A decimal comma is refused in a message; the box has the focus back with its text selected,
# so a typed "2" replaces "1,5" instead of making "1,52" or "21,5", which would be refused again.
# The roots took the focus again; back to the X^3 box.
press_keys "$polynomial" shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
type_text "$polynomial" "1,5"
press_keys "$polynomial" Return
message=$(wait_for_window "Quillet")
press_keys "$message" Return
wait_until_closed "Quillet"
type_text "$polynomial" "2"
press_keys "$polynomial" Return
sleep 0.3
! xdotool search --onlyvisible --name "^Quillet\$" >/dev/null 2>&1 ||
  fail "typing after the decimal comma's message did not replace the box's text"

# Enter calculated without closing the calculator; Escape closes it.
xdotool search --onlyvisible --name "^Roots of Polynomials\$" >/dev/null ||
  fail "Enter closed the calculator"
press_keys "$polynomial" Escape
wait_until_closed "Roots of Polynomials"

# Back in the main menu, Escape ends the program.
press_keys "$main_menu" Escape
wait_for_exit "$pid"
trap - EXIT
[ "$exit_status" -eq 0 ] || fail "the program exited with status $exit_status"
echo "PASS: the program ran under Xvfb and exited with status 0"
