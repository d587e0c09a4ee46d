#!/usr/bin/env bash
# Runs every test through ctest; the window tests need a display, so without
# one the whole run goes under Xvfb.
set -euo pipefail
build=${1:-build}
cd "$build"
export SDL_AUDIODRIVER=dummy
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j "$(nproc)"
fi
exec ctest --output-on-failure -j "$(nproc)"
