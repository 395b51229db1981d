#!/usr/bin/env bash
# Fails when a source or test file includes upward: boardtool -> app -> widgets, buttongrid -> platform, and
# widgets and buttongrid never know each other; nothing includes the command-line tool. Every quoted include names its layer folder, so none slips past.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

allowed() {
    case "$1" in
        platform) echo "platform" ;;
        buttongrid) echo "platform buttongrid" ;;
        widgets) echo "platform widgets" ;;
        app) echo "platform buttongrid widgets app" ;;
        boardtool) echo "platform buttongrid widgets app boardtool" ;;
    esac
}

status=0
for top in src tests; do
    for layer in platform buttongrid widgets app boardtool; do
        [ -d "$top/$layer" ] || continue
        ok=" $(allowed "$layer") "
        [ "$top" = tests ] && ok="$ok support "
        while IFS=: read -r file line target; do
            if [[ "$ok" != *" ${target%%/*} "* || "$target" != */* ]]; then
                echo "$file:$line: $layer must not include \"$target\"" >&2
                status=1
            fi
        done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$top/$layer" |
                 sed -E 's/^([^:]+:[0-9]+):.*include[[:space:]]*"([^"]+)".*/\1:\2/')
    done
done
exit $status
