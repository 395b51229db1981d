#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it with the board files named after it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$root/tools/install-deps.sh"
(cd "$root" && cmake --preset default >/dev/null && cmake --build --preset default)
# Board file names stay relative to the caller's folder.
exec "$root/build/bin/moxel" "$@"
