#!/usr/bin/env bash
# Runs every test through ctest. The window tests always get a screen of their
# own under Xvfb when it is installed, so that they never open windows on the
# player's desktop; JOBS sets ctest's parallel jobs, as it does the build's.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-$(nproc)}
cd "$build"
export SDL_AUDIODRIVER=dummy
ctest=(ctest --output-on-failure -j "$jobs")
if command -v Xvfb >/dev/null 2>&1; then
  exec "$here/with-xvfb.sh" 1920x1080 "${ctest[@]}"
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "Neither Xvfb nor a display: the window tests will fail (install xvfb)." >&2
fi
exec "${ctest[@]}"
