#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$dir" "$@"
export QT_QPA_PLATFORM=offscreen
cd "$root/$dir"
ctest --no-tests=error --output-on-failure -j"$(nproc)"
