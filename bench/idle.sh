#!/usr/bin/env bash
# Idle cost of the whole program: the built program (with docs/sample.qvx) and the minimal Qt baseline run
# side by side on one virtual screen for SECONDS (default 30) after a short settling time; prints the CPU
# time each used, as a share of one core and as a ratio, and the peak memory of each.
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
    # utime + stime of a process, in clock ticks.
    cputicks() { awk "{ print \$14 + \$15 }" "/proc/$1/stat"; }
    peakkib() { awk "/^VmHWM/ { print \$2 }" "/proc/$1/status"; }
    QT_QPA_PLATFORM=xcb build/bin/moxel docs/sample.qvx &
    program=$!
    QT_QPA_PLATFORM=xcb build/bin/moxel_idle_baseline &
    baseline=$!
    sleep 3
    p0=$(cputicks $program); b0=$(cputicks $baseline)
    sleep "$seconds"
    p1=$(cputicks $program); b1=$(cputicks $baseline)
    pm=$(peakkib $program); bm=$(peakkib $baseline)
    kill $program $baseline
    wait 2>/dev/null || true
    hz=$(getconf CLK_TCK)
    awk -v p=$((p1 - p0)) -v b=$((b1 - b0)) -v s="$seconds" -v hz="$hz" -v pm="$pm" -v bm="$bm" "BEGIN {
        pc = 100 * p / hz / s; bc = 100 * b / hz / s
        ratio = (b > 0) ? p / b : 0
        printf \"\\nTarget                                          program   baseline   ratio  limit\\n\"
        printf \"idle CPU over %d s, %% of one core            %7.2f %% %7.2f %% %7.2f %6.1f  %s\\n\", s, pc, bc, ratio, 1.5, (b > 0 && ratio <= 1.5) ? \"ok\" : \"MISSED\"
        printf \"idle CPU of the program under 2 %% of a core   %7.2f %%                   %6.1f  %s\\n\", pc, 2.0, (pc < 2) ? \"ok\" : \"MISSED\"
        printf \"peak memory (VmHWM)                         %7.1f MiB %5.1f MiB %5.2f %6.1f  %s\\n\", pm / 1024, bm / 1024, pm / bm, 1.5, (pm / bm <= 1.5) ? \"ok\" : \"MISSED\"
    }"
' idle "$seconds"
