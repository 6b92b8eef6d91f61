#!/usr/bin/env bash
# Takes the README's screenshots: starts the real program on its own Xvfb display, uses each
# calculator from the keyboard until it shows a result, and saves the windows as PNG files
# in this folder. Usage: docs/take_screenshots.sh BUILD_DIR
set -euo pipefail
docs=$(cd "$(dirname "$0")" && pwd)
source "$docs/../tests/app/x_session.sh"
run_under_xvfb "$@"

program=$1/app/Quillet
"$program" &
pid=$!
shot=$(mktemp --suffix=.png)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$shot"' EXIT

# Saves the part of the screen that windows $2... cover as $docs/$1.png. Without a window
# manager the windows have no frames, so each window after the first gets a thin outline to
# set it apart from the one below it.
snap() {
  local name=$1 left=100000 top=100000 right=0 bottom=0 outlines=() X Y WIDTH HEIGHT
  shift
  for id in "$@"; do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    ((X < left)) && left=$X
    ((Y < top)) && top=$Y
    ((X + WIDTH > right)) && right=$((X + WIDTH))
    ((Y + HEIGHT > bottom)) && bottom=$((Y + HEIGHT))
  done
  for id in "${@:2}"; do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    outlines+=(-draw "rectangle $((X - left - 1)),$((Y - top - 1)) $((X - left + WIDTH)),$((Y - top + HEIGHT))")
  done
  # Let the last key press finish painting.
  sleep 0.3
  import -window root "$shot"
  convert "$shot" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    -fill none -stroke '#404040' -strokewidth 2 "${outlines[@]}" "$docs/$name.png"
}

# Types the texts that follow into the focused box of window $1 and the boxes after it.
fill_boxes() {
  local id=$1 first=1
  shift
  for text in "$@"; do
    [ $first -eq 1 ] || press_keys "$id" Tab
    first=0
    type_text "$id" "$text"
  done
}

main_menu=$(wait_for_window "Quillet Calculator, Version 1.4")
snap main_menu "$main_menu"

# The function list: Up opens "Vectors", Down "Complex Numbers", End "Roots of Polynomials".
press_keys "$main_menu" Tab End
polynomial=$(wait_for_window "Roots of Polynomials")
press_keys "$polynomial" Tab Tab Down Tab Tab
fill_boxes "$polynomial" 0 1 10
press_keys "$polynomial" Return
snap roots_of_polynomials "$polynomial"
press_keys "$polynomial" Escape
wait_until_closed "Roots of Polynomials"

press_keys "$main_menu" Down
complex=$(wait_for_window "Complex Number Calculator")
press_keys "$complex" Tab Tab End Up Up Tab
fill_boxes "$complex" 3 4 1 -2
press_keys "$complex" Return
result=$(wait_for_window "Quillet")
snap complex_numbers "$complex" "$result"
press_keys "$result" Return
wait_until_closed "Quillet"
press_keys "$complex" Escape
wait_until_closed "Complex Number Calculator"

press_keys "$main_menu" Up
vector=$(wait_for_window "Vector Calculator")
# Dimension "3D", then "X cross Y"; Tab visits the boxes x1, x3, x2, y1, y3, y2.
press_keys "$vector" Tab Tab End Tab End Up Tab
fill_boxes "$vector" 1 3 2 4 6 5
press_keys "$vector" Return
result=$(wait_for_window "Quillet")
snap vectors "$vector" "$result"
press_keys "$result" Return
wait_until_closed "Quillet"
press_keys "$vector" Escape
wait_until_closed "Vector Calculator"

# The system menu (Alt+Space) offers the About box.
press_keys "$main_menu" alt+space a
about=$(wait_for_window "About Quillet")
snap about "$main_menu" "$about"
press_keys "$about" Return
wait_until_closed "About Quillet"

press_keys "$main_menu" Escape
wait_for_exit "$pid"
trap - EXIT
rm -f "$shot"
echo "Screenshots saved in $docs"
