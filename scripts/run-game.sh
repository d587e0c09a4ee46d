#!/usr/bin/env bash
# Starts the game in its own directory, where it keeps its settings and files.
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
if [ ! -x "$bin/tremaw" ]; then
  echo "The game's window is not built yet: everything else is built in $bin."
  exit 0
fi
cd "$bin"
exec ./tremaw
