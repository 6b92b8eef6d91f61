#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it into this very system with
# apt-get, runs the installed quillet-calc, checks that every file a desktop looks for
# landed, removes the package and checks that nothing of it is left. The package is removed
# again on every way out, so that a failed check never leaves it installed.
#
# It changes the system, so it runs only as root where dpkg is, and refuses to run where a
# quillet package is installed already, which it would otherwise remove.
#
#   debian_package_test.sh BUILD_DIR
set -uo pipefail

build_dir=$1
skip=77
if ! command -v dpkg >/dev/null || ! command -v apt-get >/dev/null; then
  echo "SKIPPED: this system has no dpkg and apt-get"
  exit $skip
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: installing the package needs root"
  exit $skip
fi
if dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'ok installed'; then
  echo "FAIL: a quillet package is installed already; remove it first (apt-get remove quillet)"
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
apt() {
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -q "$@"
}
remove_package() {
  dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'ok installed' || return 0
  apt purge quillet >/dev/null
}
trap remove_package EXIT
trap 'exit 1' INT TERM

cd "$build_dir" || exit 1
rm -f quillet_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
package=$(ls quillet_1.4_*.deb) || { echo "FAIL: cpack made no quillet_1.4_*.deb"; exit 1; }

if command -v lintian >/dev/null; then
  report=$(lintian "$package" 2>&1 | grep -v 'running with root privileges')
  [ -z "$report" ] || echo "$report"
  ! grep -Eq '^(E|W):' <<<"$report" || fail "lintian reports errors or warnings"
  # The programs are built with Debian's hardening flags: fortified functions, and
  # relocations made read-only once the program is bound at start.
  hardening=$(lintian --pedantic -I "$package" 2>&1 | grep -E 'hardening-') &&
    fail "lintian reports missing hardening: $hardening"
else
  echo "lintian is not installed: the package is not checked with it"
fi

[ "$(dpkg-deb -f "$package" Recommends)" = qt6-wayland ] ||
  fail "the package does not recommend qt6-wayland"

files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print substr($6, 2) }')
folders=$(dpkg-deb -c "$package" | awk '$1 ~ /^d/ { print substr($6, 2) }' | sed 's#/$##')

apt install "./$package" >apt-install.log 2>&1 || { cat apt-install.log; exit 1; }

output=$(/usr/bin/quillet-calc roots 1 -3 2) || fail "the installed quillet-calc failed"
expected=$("$build_dir/cli/quillet-calc" roots 1 -3 2)
[ -n "$output" ] && [ "$output" = "$expected" ] ||
  fail "the installed quillet-calc printed '$output', the built one '$expected'"

for file in \
  /usr/bin/Quillet \
  /usr/share/applications/org.quillet.Quillet.desktop \
  /usr/share/metainfo/org.quillet.Quillet.metainfo.xml \
  /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/org.quillet.Quillet.png \
  /usr/share/icons/hicolor/scalable/apps/org.quillet.Quillet.svg \
  /usr/share/man/man1/quillet-calc.1.gz /usr/share/man/man1/Quillet.1.gz \
  /usr/share/bash-completion/completions/quillet-calc \
  /usr/share/zsh/site-functions/_quillet-calc \
  /usr/share/fish/vendor_completions.d/quillet-calc.fish \
  /usr/share/doc/quillet/copyright /usr/share/doc/quillet/changelog.gz; do
  [ -f "$file" ] || fail "the package did not install $file"
done
man -w quillet-calc >/dev/null 2>&1 || fail "man does not find quillet-calc(1)"

remove_package
dpkg-query -W -f='${Status}' quillet 2>/dev/null | grep -q 'ok installed' &&
  fail "quillet is still installed after apt-get purge"
while IFS= read -r file; do
  [ ! -e "$file" ] || fail "$file is left after the removal"
done <<<"$files"
# The package's own folder goes with it; the shared ones stay for the packages that own them.
while IFS= read -r folder; do
  [ -z "$(dpkg-query -S "$folder" 2>/dev/null)" ] && [ -d "$folder" ] &&
    fail "the folder $folder, which no package owns, is left after the removal"
done <<<"$folders"

echo "$failures failures"
[ "$failures" -eq 0 ]
