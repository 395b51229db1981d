#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and asks bash-completion, in a non-interactive bash, for the
# completions of moxel-board found there: commands, options, style names and files.
#   completion_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 source=$2
. "$source/tests/install/layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install failed"
mkdir -p "$work/files/folder"
touch "$work/files/"{a.qvx,B.QVX,c.png,d.txt}

# Prints the completions of a command line whose last word is being completed, sorted, one line.
complete_line() {
  PATH=$work/prefix/bin:$PATH XDG_DATA_DIRS=$work/prefix/share bash -c '
    . /usr/share/bash-completion/bash_completion
    __load_completion moxel-board || exit 1
    COMP_LINE=$1 COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    function=$(complete -p moxel-board | sed "s/.*-F \([^ ]*\) .*/\1/")
    "$function" moxel-board "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd " "
  ' complete_line "$1"
}

cd "$work/files" || exit 1
while IFS='|' read -r line expected; do
  got=$(complete_line "$line")
  [ "$got" = "$expected" ] || fail "'$line' completes to '$got', not '$expected'"
done <<'ROWS'
moxel-board |--help --version import join png text
moxel-board j|join
moxel-board text --a|--ascii --ascii-spaces
moxel-board png --s|--scale --style
moxel-board png --style gstTopL|gstTopLeft gstTopLeftDiagonal
moxel-board png --style=gstBottomR|gstBottomRight
moxel-board text |B.QVX a.qvx folder
moxel-board png --style gstSquare a.qvx |c.png folder
moxel-board import |B.QVX a.qvx c.png d.txt folder
moxel-board import d.txt |B.QVX a.qvx folder
ROWS

exit "$failures"
