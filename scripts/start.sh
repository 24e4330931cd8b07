#!/usr/bin/env bash
# Installs what is missing, builds Brimvale and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake --preset dev
cmake --build --preset dev

program=build/dev/ui/brimvale
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
# No desktop session here (a server or a container): run on a virtual
# display so the program still starts; press Ctrl+C to stop it.
echo "No display found: starting Brimvale on a virtual X display (Xvfb)."
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$program"
