#!/usr/bin/env bash
# The benchmark suite in one command: builds the benchmarks, runs them (each five times; the median CPU
# time counts, since the machine may be busy with other work) and prints every speed target as a ratio of
# two benchmarks of the same run, then measures the start-up and the idle cost of the whole program under Xvfb.
#   bash bench/run.sh [IDLE_SECONDS [START_RUNS]]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --build build --target moxel moxel_bench moxel_idle_baseline >/dev/null
QT_QPA_PLATFORM=offscreen build/bin/moxel_bench --benchmark_repetitions=5 --benchmark_min_time=0.2 \
    --benchmark_color=false
xvfb-run -a -s "-noreset -screen 0 800x600x24" python3 bench/startup.py "${2:-9}"
bash bench/idle.sh "${1:-30}"
