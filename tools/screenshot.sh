#!/usr/bin/env bash
# Starts the built program on a virtual screen of 800 x 600, with any board files given, and saves the
# window as it shows there: tools/screenshot.sh OUT.png [drawing.qvx ...]
set -euo pipefail
out=$(realpath -m "$1")
shift
cd "$(dirname "${BASH_SOURCE[0]}")/.."
exec xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    QT_QPA_PLATFORM=xcb build/bin/moxel "${@:2}" &
    program=$!
    sleep 3
    # The window is centred: 632 x 446 from (84, 77).
    import -window root -crop 632x446+84+77 +repage -strip "$1"
    kill "$program"
' screenshot "$out" "$@"
