#!/usr/bin/env bash
# Installs what is missing, checks the include direction of every layer, builds the project plainly and
# with sanitizers, and runs every test in both; the end-to-end tests and the soak run on the plain build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$root/tools/install-deps.sh"
cd "$root"
bash tools/check-layers.sh
for preset in default asan; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
  if [ "$preset" = default ]; then
    # Once, on the plain build: the program in a real X window, then a long session in one process.
    timeout 300 python3 tests/e2e/run.py build/bin
    timeout 300 build/bin/moxel_soak
  fi
done

# Each fuzz target for a minute under the sanitizers.
bash "$root/tools/fuzz.sh" 60
