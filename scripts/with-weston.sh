#!/usr/bin/env bash
# Runs a command on a Wayland desktop of its own: a headless weston in a
# runtime directory of its own, with GTK told to use it and no X display in
# reach, so that nothing falls back to X11 unseen.
#   with-weston.sh WIDTHxHEIGHT [--scale N] command [args...]
set -euo pipefail
size=${1:?screen size}
shift
scale=1
if [ "${1:-}" = --scale ]; then
  scale=${2:?scale}
  shift 2
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=weston-$$
# --debug lets weston-screenshooter take the compositor's own pixels.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --no-config --debug \
  --socket="$socket" --width="${size%x*}" --height="${size#*x}" --scale="$scale" --idle-time=0 \
  >"$runtime/weston.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$server" 2>/dev/null; then break; fi
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket GDK_BACKEND=wayland
unset DISPLAY
"$@"
