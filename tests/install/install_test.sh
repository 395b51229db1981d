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
