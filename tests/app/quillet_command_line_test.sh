#!/usr/bin/env bash
# Runs the real program with arguments and no display at all: help and version are answered
# with exit status 0, anything else is refused with a one-line usage and exit status 2, and
# none of it tries to open a window (which would fail here, as there is no display).
# Usage: quillet_command_line_test.sh PATH_TO_QUILLET
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the program without any display; leaves its status, output and errors in status,
# "$work/out" and "$work/err".
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" \
    >"$work/out" 2>"$work/err" || status=$?
}

usage='Usage: Quillet [--help | --version]'

for help in --help -h; do
  run "$help"
  [ "$status" -eq 0 ] || fail "$help exited with $status"
  [ ! -s "$work/err" ] || fail "$help wrote errors: $(cat "$work/err")"
  [ "$(head -n 1 "$work/out")" = "$usage" ] || fail "$help does not start with the usage"
  grep -q -- '--version' "$work/out" || fail "$help does not name --version"
done

run --version
[ "$status" -eq 0 ] || fail "--version exited with $status"
[ "$(cat "$work/out")" = "Quillet 1.4" ] || fail "--version printed '$(cat "$work/out")'"
[ ! -s "$work/err" ] || fail "--version wrote errors"

# Each refused command line, and the argument its message names.
refused_cases=(
  "--bogus|--bogus"
  "-x|-x"
  "roots|roots"
  "--help --version|--version"
  "--version extra|extra"
  "-platform|-platform"
  "-style|-style"
  "-style Fusion extra|extra"
  "-reverse=1|-reverse=1"
  "-reverse --version|--version"
  "-styles Fusion|-styles"
  "|"
)
for case in "${refused_cases[@]}"; do
  IFS='|' read -r arguments named <<<"$case"
  if [ -z "$arguments" ]; then run ""; else read -ra words <<<"$arguments"; run "${words[@]}"; fi
  [ "$status" -eq 2 ] || fail "'$arguments' exited with $status, not 2"
  [ ! -s "$work/out" ] || fail "'$arguments' wrote to standard output"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$arguments' wrote more than one line of errors"
  [ "$(cat "$work/err")" = "Quillet: unexpected argument '$named'. $usage" ] ||
    fail "'$arguments' was refused with '$(cat "$work/err")'"
done

# Qt's own options go to Qt, with their values: the program opens its window, which fails
# here for want of a display, but nothing is refused as an unexpected argument.
accepted_cases=(
  "-style Fusion"
  "-style=Fusion"
  "--style Fusion"
  "-reverse"
  "-display :99 -reverse"
  "-platform xcb -qwindowtitle Sums"
)
for arguments in "${accepted_cases[@]}"; do
  read -ra words <<<"$arguments"
  run "${words[@]}"
  [ "$status" -ne 0 ] || fail "'$arguments' opened a window without a display"
  [ "$status" -ne 2 ] || fail "'$arguments' was refused: $(cat "$work/err")"
  ! grep -q 'unexpected argument' "$work/err" || fail "'$arguments' was refused"
done

# A control character in a refused argument reaches the terminal escaped.
run $'\e]0;retitled\a'
[ "$status" -eq 2 ] || fail "an escape sequence was not refused"
! grep -q $'\e' "$work/err" || fail "an escape character reached the error stream raw"
grep -qF "'\\x1B]0;retitled\\x07'" "$work/err" || fail "the escape sequence was not shown escaped"

echo "PASS: the command line was answered without a display"
