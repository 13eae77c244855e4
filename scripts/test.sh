#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$dir" "$@"
# The printing tests print through a real CUPS queue: start the scheduler and the "PDF"
# queue when they can be (as root); a scheduler started here is stopped again at the end.
cupsd_pid=$(bash "$root/scripts/cups-test-queue.sh" || true)
if [ -n "$cupsd_pid" ]; then
  trap 'kill "$cupsd_pid" 2>/dev/null || true' EXIT
fi
export QT_QPA_PLATFORM=offscreen
cd "$root/$dir"
ctest --no-tests=error --output-on-failure -j"$(nproc)"
