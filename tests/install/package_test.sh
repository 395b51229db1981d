#!/usr/bin/env bash
# Builds the Debian package from an existing build tree, lists its contents and dependencies, and checks
# the tree it unpacks to.
#   package_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 source=$2
. "$source/tests/install/layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null || fail "cpack failed"
deb=$(ls "$work"/moxel_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --contents "$deb"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"

# Qt's runtime from the program's links, and the fonts the layout's Japanese font names map to.
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package"
done

dpkg-deb --extract "$deb" "$work/root"
check_layout "$work/root/usr" "$source"
outside=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | grep -v '^\./usr/' | grep -v '^\./$')
[ -z "$outside" ] || fail "files outside /usr: $outside"

exit "$failures"
