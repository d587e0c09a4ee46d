#!/usr/bin/env bash
# Runs a command on a screen of its own: an Xvfb server that picks a free
# display number itself (-displayfd), so that runs side by side never race
# for one number as xvfb-run -a can.
#   with-xvfb.sh WIDTHxHEIGHT command [args...]
set -euo pipefail
size=${1:?screen size}
shift
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo_dir/display" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT
if ! read -r -t 10 number <"$fifo_dir/display"; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$number"
"$@"
