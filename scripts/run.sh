#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
# Without a display the program runs on a virtual one (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --target quillmark
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/quillmark "$@"
else
  echo "No display found: starting on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/quillmark "$@"
fi
