#!/usr/bin/env bash
# Builds the Debian package from an existing build tree, lists its contents and dependencies, checks the
# tree it unpacks to, and has Debian's own checker look at it.
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

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

# No error and no warning; an informational tag stays only with a line in the README saying why.
lintian_output=$(lintian --display-info "$deb" 2>&1)
echo "== lintian"
echo "$lintian_output"
if grep -Eq '^[EW]: ' <<<"$lintian_output"; then fail "lintian reports errors or warnings"; fi
for tag in $(sed -n 's/^I: [^ ]*: \([^ ]*\).*/\1/p' <<<"$lintian_output" | sort -u); do
  grep -q "\`$tag\`" "$source/README.md" || fail "the README does not say why lintian's $tag stays"
done

exit "$failures"
