#!/usr/bin/env bash
# Shows that the package's Depends bring everything the program opens at run time. Makes a
# minimal Debian system (mmdebstrap, variant apt, from Debian's archive) with nothing but the
# package and what it depends on, starts the program in it on an Xvfb display of this
# machine, and lists every shared object and font that the program opens (strace) with the
# package each comes from. Then it takes away fonts-liberation, and then qt6-qpa-plugins,
# behind the package's back, and shows what the program does without them.
#
# Run it by hand as root, with mmdebstrap, strace, Xvfb and xdotool installed; it downloads
# from Debian's archive, so it is not part of the test suite.
#
#   packaging/check_on_minimal_system.sh build/quillet_1.4_amd64.deb
set -euo pipefail

package=$(realpath "$1")
root=$(mktemp -d /tmp/quillet-minimal.XXXXXX)
display_number=$((100 + RANDOM % 100))
cleanup() {
  [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
  # Nothing is mounted into the minimal system, so removing it touches nothing else.
  rm -rf "$root"
}
trap cleanup EXIT

archive=http://deb.debian.org/debian
mmdebstrap --quiet --variant=apt bookworm "$root" \
  --customize-hook="copy-in $package /tmp" \
  --customize-hook="chroot \"\$1\" apt-get install -y -q /tmp/$(basename "$package") >/dev/null" \
  "deb $archive bookworm main" "deb $archive bookworm-updates main" \
  "deb http://deb.debian.org/debian-security bookworm-security main"
echo "Installed in the minimal system: $(chroot "$root" dpkg-query -W -f '${Package}\n' | wc -l) packages"
chroot "$root" dpkg-query -W -f '  ${Package} ${Version}\n' quillet qt6-qpa-plugins fonts-liberation

# The program reaches the display through the server's abstract socket, which a chroot does
# not hide, so the minimal system needs no X server of its own and nothing mounted.
Xvfb ":$display_number" -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
xvfb=$!
sleep 1

# The package that holds a file of the minimal system; Debian 12 lists some libraries under
# /lib and others under /usr/lib.
owner_of() {
  local path
  for path in "$1" "${1#/usr}" "/usr$1" "$(chroot "$root" readlink -f "$1")"; do
    chroot "$root" dpkg-query -S "$path" 2>/dev/null | head -1 | cut -d: -f1 && return
  done
  echo "NO PACKAGE"
}

# Starts the program in the minimal system, waits up to ten seconds for its main menu, ends
# it, and writes what it opened to $root/tmp/opened. Prints whether the main menu came.
run_program() {
  local trace=$root/tmp/openat.log
  strace -f -qq -e trace=openat -e status=successful -o "$trace" \
    chroot "$root" env -i DISPLAY=":$display_number" HOME=/root /usr/bin/Quillet \
    2>"$root/tmp/stderr" &
  local tracer=$! shown=no
  for _ in $(seq 50); do
    if DISPLAY=":$display_number" xdotool search --onlyvisible --name '^Quillet Calculator' \
      >/dev/null 2>&1; then
      shown=yes
      break
    fi
    sleep 0.2
  done
  local program
  program=$(pgrep -P "$tracer" || true)
  [ -z "$program" ] || kill "$program"
  wait "$tracer" 2>/dev/null || true
  echo "  main menu shown: $shown"
  { grep -v XDG_RUNTIME_DIR "$root/tmp/stderr" || true; } | head -5 | sed 's/^/  the program says: /'
  { grep -o '"[^"]*\.\(so[.0-9]*\|ttf\|otf\|pfb\|pcf\.gz\)"' "$trace" || true; } |
    tr -d '"' | sort -u >"$root/tmp/opened"
}

echo "== With the package and its dependencies"
run_program
echo "  Shared objects and fonts it opened, by package:"
unowned=0
while IFS= read -r file; do
  owner=$(owner_of "$file")
  [ "$owner" != "NO PACKAGE" ] || unowned=$((unowned + 1))
  printf '    %-24s %s\n' "$owner" "$file"
done <"$root/tmp/opened"
echo "  $unowned of $(wc -l <"$root/tmp/opened") opened files belong to no package."
echo "  Packages of the opened files that the package does not name in Depends (the minimal"
echo "  system has them only through its dependencies):"
for owner in $(while IFS= read -r file; do owner_of "$file"; done <"$root/tmp/opened" | sort -u); do
  chroot "$root" dpkg-query -W -f '${Depends}\n' quillet | tr ',' '\n' | grep -q "^ *$owner\b" ||
    printf '%s ' "$owner"
done | fold -s -w 88 | sed 's/^/    /'
echo

echo "== Without fonts-liberation"
chroot "$root" dpkg --remove --force-depends fonts-liberation >/dev/null 2>&1
run_program
echo "  Fonts it opened: $(grep -E '\.(ttf|otf|pfb|pcf\.gz)$' "$root/tmp/opened" | tr '\n' ' ' || true)"

echo "== Without fonts-liberation and qt6-qpa-plugins"
chroot "$root" dpkg --remove --force-depends qt6-qpa-plugins >/dev/null 2>&1
run_program
