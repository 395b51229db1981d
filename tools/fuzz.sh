#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers) in build-fuzz and
# runs each for a bounded time, from the seed corpus in tools/fuzz/corpus. Usage: tools/fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=$root/build-fuzz

cmake -S "$root/tools/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"
mkdir -p "$build/artifacts"
# The targets write a file per input; memory-backed, those writes and their flushes cost next to nothing.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for target in ini_read board_read ini_roundtrip; do
  echo "== fuzz $target, ${seconds}s =="
  # New inputs go to the build's own corpus; the checked-in seeds are only read.
  mkdir -p "$build/corpus/$target"
  log=$build/$target.log
  if ! "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -max_len=4096 \
      -artifact_prefix="$build/artifacts/$target-" "$build/corpus/$target" "$root/tools/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
  fi
  grep -E '^Done|DONE' "$log" | tail -n 1 || true
done
