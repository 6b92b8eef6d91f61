#!/usr/bin/env bash
# Installs the build into a scratch prefix as `make install` would, checks that every file a
# Linux desktop looks for is in its place and that AppStream composes the listing with its
# icon, then uninstalls as `make uninstall` would and checks that nothing of the install is
# left: no file, and no folder that the install created. A folder that was there before keeps
# what others put in it.
#
#   source_install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail

source_dir=$1
build_dir=$2
scratch=$(mktemp -d)
prefix=$scratch/root/usr
# The install and the uninstall keep their lists beside the build; those of a real
# `make install` must survive this test.
saved=$scratch/saved
mkdir -p "$saved"
for list in install_manifest.txt install_folders.txt; do
  [ ! -e "$build_dir/$list" ] || mv "$build_dir/$list" "$saved/"
done
restore() {
  rm -f "$build_dir/install_manifest.txt" "$build_dir/install_folders.txt"
  mv "$saved"/* "$build_dir/" 2>/dev/null || true
  rm -rf "$scratch"
}
trap restore EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# A folder of the system's own that the install shares, holding another program's file.
mkdir -p "$prefix/share/applications"
touch "$prefix/share/applications/other.desktop"

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

expected=(
  bin/Quillet bin/quillet-calc
  share/applications/org.quillet.Quillet.desktop
  share/metainfo/org.quillet.Quillet.metainfo.xml
  share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/org.quillet.Quillet.png
  share/icons/hicolor/scalable/apps/org.quillet.Quillet.svg
  share/man/man1/quillet-calc.1.gz share/man/man1/Quillet.1.gz
  share/bash-completion/completions/quillet-calc
  share/zsh/site-functions/_quillet-calc
  share/fish/vendor_completions.d/quillet-calc.fish
  share/doc/quillet/copyright share/doc/quillet/changelog.gz
)
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "the install has no $file"
done
[ -x "$prefix/bin/quillet-calc" ] || fail "quillet-calc is not executable"
grep -q '^License: Expat$' "$prefix/share/doc/quillet/copyright" ||
  fail "the copyright file names no licence"
# The manual page reads as a page, not as compressed bytes.
LC_ALL=C MANWIDTH=80 man -l "$prefix/share/man/man1/quillet-calc.1.gz" | grep -q '^EXIT STATUS' ||
  fail "the installed quillet-calc(1) does not render"

# What a software centre's indexer makes of the installed tree, with every hint shown. The
# network stays out of it: the screenshots' addresses are the project's placeholder pages.
if command -v appstreamcli >/dev/null; then
  compose=$(appstreamcli compose --no-net --no-color --print-report=full --origin quillet \
    --result-root="$scratch/composed" "$scratch/root" 2>&1 | sed 's/\x1b\[[0-9;]*m//g') ||
    fail "appstreamcli compose failed"
  echo "$compose"
  ! grep -Eq '^ *(E|W):' <<<"$compose" || fail "appstreamcli compose reports errors or warnings"
  catalog=$(zcat "$scratch"/composed/usr/share/swcatalog/xml/quillet.xml.gz)
  grep -q '<id>org.quillet.Quillet</id>' <<<"$catalog" || fail "the catalog lacks the component"
  for size in 64 128; do
    grep -q "<icon type=\"cached\" width=\"$size\" height=\"$size\">" <<<"$catalog" ||
      fail "the catalog lacks the ${size}-pixel icon"
  done
  [ "$(grep -cE '<screenshot( |>)' <<<"$catalog")" -eq 5 ] || fail "the catalog lacks screenshots"
else
  echo "appstreamcli is not installed: the listing is not composed"
fi

cmake -D BUILD_DIR="$build_dir" -P "$source_dir/cmake/Uninstall.cmake" >/dev/null

left=$(cd "$scratch/root" && find . -mindepth 1 | sort)
should_stay=$(printf '%s\n' ./usr ./usr/share ./usr/share/applications \
  ./usr/share/applications/other.desktop)
[ "$left" = "$should_stay" ] || fail "after the uninstall, the prefix holds"$'\n'"$left"
[ ! -e "$build_dir/install_manifest.txt" ] || fail "the uninstall left its manifest"

echo "$failures failures"
[ "$failures" -eq 0 ]
