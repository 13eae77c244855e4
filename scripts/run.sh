#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane.
# Without a display (a bare server) the window opens on a virtual screen under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$root/build/app/quorvane" "$@"
fi
exec "$root/build/app/quorvane" "$@"
