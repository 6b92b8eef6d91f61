#!/usr/bin/env bash
# Installs the Debian packages that Quillet needs, and only those that are missing, so that
# running it again on a prepared machine costs nothing.
#
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, and what the test suite, the benchmarks and the
#                                  Debian package need (the default)
#   scripts/install-deps.sh fuzz   clang and its libFuzzer runtime, which only `make fuzz` needs
set -euo pipefail

purpose=${1:-test}

# The compiler, CMake, Qt 6 Widgets with its X11 platform plugin, and the font the dialogs
# are drawn in.
program_packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libfontconfig-dev
  fonts-liberation
)
test_packages=(
  pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  # The instruction counts of the benchmarks (callgrind).
  valgrind
  # The accuracy tests' oracles: many-digit reals (MPFR) for the operations, and ball
  # arithmetic on exact integer polynomials (Arb, FLINT) that certifies the roots.
  libmpfr-dev libflint-arb-dev libflint-dev libgmp-dev
  fonts-dejavu-core
  locales
  xvfb xauth xdotool x11-utils
  # A Wayland compositor and Qt's Wayland platform plugin, for the tests on Wayland.
  weston qt6-wayland
  dbus at-spi2-core python3-pyatspi
  libx11-dev libxtst-dev
  # The checks of the desktop files, manual pages, completions and Debian package.
  desktop-file-utils appstream appstream-compose man-db groff-base bash zsh fish lintian
)
fuzz_packages=(clang libclang-rt-dev)

case $purpose in
  run) packages=("${program_packages[@]}") ;;
  test) packages=("${program_packages[@]}" "${test_packages[@]}") ;;
  fuzz) packages=("${fuzz_packages[@]}") ;;
  *) echo "usage: $0 [run|test|fuzz]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
    echo "Quillet needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root, then run make again:  su -c 'bash scripts/install-deps.sh $purpose'" >&2
    exit 1
  fi
  echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
  as_root apt-get update -qq
  # apt's own summary, as one line: how much it downloads and how much disk it takes.
  as_root apt-get install --assume-no --no-install-recommends "${missing[@]}" 2>/dev/null |
    grep -E '^(Need to get|After this operation)' | paste -sd ' ' || true
  log=$(mktemp)
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o Dpkg::Use-Pty=0 "${missing[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
fi

[ "$purpose" = test ] || exit 0

# The number-format tests run under a comma-decimal locale to prove that the program reads
# and writes '.' decimals whatever the user's locale is.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
