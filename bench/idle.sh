#!/usr/bin/env bash
# Idle cost of the whole program: the built program (with docs/sample.qvx) and the minimal Qt baseline run
# side by side on one virtual screen for SECONDS (default 30) after a short settling time; prints the CPU
# time each used, as a share of one core and as a ratio, and the peak memory of each. It does so twice:
# with the pointer away from the window, and with the pointer resting on a cell of the board, where the
# cell's 100 ms check of the pointer runs for as long as it rests there.
#   bash bench/idle.sh [SECONDS]
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
exec xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    seconds=$1
    # Both programs get a runtime folder of their own making, as a desktop session would give them.
    export XDG_RUNTIME_DIR=$(mktemp -d)
    trap "rm -rf \"$XDG_RUNTIME_DIR\"" EXIT
    # CPU time of all threads of a process, in nanoseconds: clock ticks (10 ms) would round a second of
    # idling to a tick or two.
    cpuns() { cat /proc/$1/task/*/schedstat | awk "{ sum += \$1 } END { printf \"%d\", sum }"; }
    peakkib() { awk "/^VmHWM/ { print \$2 }" "/proc/$1/status"; }
    printf "\nTarget                                          program   baseline   ratio  limit\n"
    # The window is centred on the 800 x 600 screen, so its board lies around the middle of the screen.
    for place in "away 0 0" "on a cell 400 300"; do
        set -- $place
        where="$1"; [ "$1" = on ] && where="on a cell" && shift 2
        QT_QPA_PLATFORM=xcb build/bin/moxel docs/sample.qvx &
        program=$!
        QT_QPA_PLATFORM=xcb build/bin/moxel_idle_baseline &
        baseline=$!
        # The server moves the pointer only once a window is shown; a wrong place would measure the
        # other case.
        sleep 1
        xdotool mousemove "$2" "$3"
        [ "$(xdotool getmouselocation --shell | head -2 | cut -d= -f2 | tr "\n" " ")" = "$2 $3 " ] ||
            { echo "the pointer did not move to $2,$3" >&2; kill $program $baseline; exit 1; }
        sleep 2
        p0=$(cpuns $program); b0=$(cpuns $baseline)
        sleep "$seconds"
        p1=$(cpuns $program); b1=$(cpuns $baseline)
        pm=$(peakkib $program); bm=$(peakkib $baseline)
        kill $program $baseline
        wait 2>/dev/null || true
        awk -v p=$((p1 - p0)) -v b=$((b1 - b0)) -v s="$seconds" -v pm="$pm" -v bm="$bm" -v where="$where" "BEGIN {
            pc = 100 * p / 1e9 / s; bc = 100 * b / 1e9 / s
            ratio = (b > 0) ? p / b : 0
            printf \"idle CPU, pointer %-9s %d s, %% of a core %7.2f %% %7.2f %% %7.2f %6.1f  %s\\n\", where, s, pc, bc, ratio, 1.5, (b > 0 && ratio <= 1.5) ? \"ok\" : \"MISSED\"
            printf \"idle CPU, pointer %-9s under 1 %% of a core %7.2f %%                   %6.1f  %s\\n\", where, pc, 1.0, (pc < 1) ? \"ok\" : \"MISSED\"
            printf \"peak memory (VmHWM), pointer %-9s     %7.1f MiB %5.1f MiB %5.2f %6.1f  %s\\n\", where, pm / 1024, bm / 1024, pm / bm, 1.3, (pm / bm <= 1.3) ? \"ok\" : \"MISSED\"
        }"
    done
' idle "$seconds"
