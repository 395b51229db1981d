#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks what lands there and that the installed board tool
# runs; then checks that the launcher hands its arguments on unchanged and starts the program by its real
# path, also through a symlink.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 source=$2
. "$source/tests/install/layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
check_layout "$prefix" "$source"

# The installed program starts through the launcher and keeps running.
QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/moxel"
[ $? -eq 124 ] || fail "the installed program did not keep running"

# The installed board tool works through its launcher, with no display and no platform chosen for it.
board=$work/board
mkdir -p "$board"
printf '┏━┓\n┗━┛\n' | env -u QT_QPA_PLATFORM -u DISPLAY "$prefix/bin/moxel-board" import - "$board/box.qvx" ||
  fail "the installed moxel-board did not import"
[ "$("$prefix/bin/moxel-board" text --trim --ascii "$board/box.qvx")" = "$(printf '+---+\n+---+')" ] ||
  fail "the installed moxel-board printed another board"
env -u QT_QPA_PLATFORM -u DISPLAY "$prefix/bin/moxel-board" png "$board/box.qvx" "$board/box.png" ||
  fail "the installed moxel-board did not render"
[ "$(png_size "$board/box.png")" = "542 272" ] || fail "the installed moxel-board rendered $(png_size "$board/box.png")"

# Both programs name their version without a display, the version the metadata and the changelog release.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for program in moxel moxel-board; do
  got=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version)
  [ $? -eq 0 ] && [ "$got" = "$program $version" ] || fail "$program --version printed '$got'"
done
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.example.moxel.metainfo.xml" ||
  fail "the software-centre metadata has no release $version"
[ "$(zcat "$prefix/share/doc/moxel/changelog.gz" | head -n 1)" = "moxel ($version) unstable; urgency=medium" ] ||
  fail "the changelog does not begin with $version"

# Every command and option the programs' help names is in their manual pages.
manual_text() { LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$prefix/share/man/man1/$1.1.gz" 2>/dev/null; }
options_in() { grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u; }
check_manual() {
  local page=$1 text name
  text=$(manual_text "$page")
  while read -r name; do
    grep -qE -- "(^|[^a-z-])$name([^a-z-]|\$)" <<<"$text" || fail "$page(1) does not mention $name"
  done
}
env -u DISPLAY "$prefix/bin/moxel" --help | options_in | check_manual moxel
tool_help=$("$prefix/bin/moxel-board" --help)
commands=$(awk '/^  [a-z]+ / { print $1 }' <<<"$tool_help")
[ -n "$commands" ] || fail "moxel-board --help lists no commands"
{
  options_in <<<"$tool_help"
  for command in $commands; do
    echo "$command"
    "$prefix/bin/moxel-board" "$command" --help | options_in
  done
} | check_manual moxel-board

# A stand-in program that reports how it was started.
fake=$work/fake
mkdir -p "$fake/bin" "$fake/lib/moxel" "$work/elsewhere"
cp "$prefix/bin/moxel" "$fake/bin/moxel"
printf '#!/bin/sh\nprintf "%%s\\n" "$0" "$@"\n' >"$fake/lib/moxel/moxel"
chmod +x "$fake/lib/moxel/moxel"
ln -s "$fake/bin/moxel" "$work/elsewhere/moxel"
expected=$(printf '%s\n' "$fake/lib/moxel/moxel" "a b.qvx" "" "-x" '$HOME' "ポルポル.QVX")
for launcher in "$fake/bin/moxel" "$work/elsewhere/moxel"; do
  got=$("$launcher" "a b.qvx" "" "-x" '$HOME' "ポルポル.QVX")
  [ "$got" = "$expected" ] || fail "$launcher started: $got"
done

exit "$failures"
