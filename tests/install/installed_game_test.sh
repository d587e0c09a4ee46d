#!/usr/bin/env bash
# The installed game: "make install" into a temporary DESTDIR, checks the
# installed tree and validates its desktop entry and metainfo, then starts the
# launcher with a fresh HOME on the display, as a new player would from the
# menu, checks that the game's files land in the player's own directory, and
# at last "make uninstall", with each install's PREFIX and DESTDIR and without
# the build directory, leaves the staging root exactly as it was before.
#   installed_game_test.sh <build directory> <default sound names...>
# The sound names are the build's list of default sounds (TREMAW_DEFAULT_SOUNDS).
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
sounds=("${@:2}")
[ "${#sounds[@]}" -gt 0 ] || { echo "usage: $0 <build directory> <default sound names...>" >&2; exit 2; }
src=$(cd "$(dirname "$0")/../.." && pwd)
# A display of its own: the window tests give real input to theirs.
if [ -z "${TREMAW_INSTALL_TEST_DISPLAY:-}" ]; then
  export TREMAW_INSTALL_TEST_DISPLAY=1
  exec "$src/scripts/with-xvfb.sh" 1280x1024 "$0" "$build" "${sounds[@]}"
fi
tmp=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# ---- the installed tree ----------------------------------------------------
# A prefix that holds some of the install's directories already: a menu entry
# of another program, an empty icon folder, an empty bin.
mkdir -p "$tmp/root/opt/kolvar/share/applications" "$tmp/root/opt/kolvar/share/icons/hicolor/48x48" \
  "$tmp/root/opt/kolvar/bin"
printf '[Desktop Entry]\nName=Other\n' >"$tmp/root/opt/kolvar/share/applications/other.desktop"
snapshot() {  # every entry under the staging root with its mode, and every file's contents
  (cd "$tmp/root" && find . -printf '%y %m %p %l\n' | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
}
snapshot >"$tmp/before"
install_at() {  # install_at <PREFIX>: into the staging root
  make -s -C "$src" install BUILD="$build" PREFIX="$1" DESTDIR="$tmp/root" JOBS=1 >/dev/null
}
install_at /opt/kolvar
prefix=$tmp/root/opt/kolvar
id=de.kolvar.tremaw
[ -x "$prefix/bin/tremaw" ] || fail "no launcher command"
[ -x "$prefix/libexec/tremaw/tremaw" ] || fail "no program"
for f in tremaw.htb Documentation.htm "${sounds[@]/%/.wav}"; do
  [ -f "$prefix/share/tremaw/$f" ] || fail "$f not installed"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$png" ] || fail "no $size px icon"
  # Width and height of a PNG: two big-endian words from byte 16.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the $size px icon is ${w}x$h"
done
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2 || true
  fail "appstreamcli validate: $metainfo"
}
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo names another desktop entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "$exec_line" = /opt/kolvar/bin/tremaw ] || fail "the desktop entry runs '$exec_line'"
find "$tmp/root" -type f | sort >"$tmp/installed"

# ---- a first start from the menu, with a fresh HOME -------------------------
home=$tmp/home
mkdir -p "$home"
start() {  # start <environment assignments...>: runs the menu entry's command
  env -u XDG_DATA_HOME -u GDK_GL HOME="$home" SDL_AUDIODRIVER=dummy "$@" \
    "$tmp/root$exec_line" >"$tmp/game.log" 2>&1 &
  game=$!
  pids+=("$game")
}
window_of() {  # window_of <pid>: the game's visible window, within 20 s
  local w="" i
  for i in $(seq 200); do
    w=$(xdotool search --onlyvisible --pid "$1" --name "Kolvar Backgammon" 2>/dev/null | head -1 || true)
    [ -n "$w" ] && break
    kill -0 "$1" 2>/dev/null || { cat "$tmp/game.log" >&2; fail "the game ended at start"; }
    sleep 0.1
  done
  [ -n "$w" ] || fail "no window"
  echo "$w"
}
stop() {
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
}

start
win=$(window_of "$game")
dir=$home/.local/share/tremaw
[ -d "$dir" ] || fail "no directory $dir"
list=share/tremaw/installed-files.txt
for f in "$prefix"/share/tremaw/*; do
  [ "$f" = "$prefix/$list" ] && continue
  [ "$(readlink -f "$dir/${f##*/}")" = "$(readlink -f "$f")" ] || fail "${f##*/} is not linked into $dir"
done
[ ! -e "$dir/${list##*/}" ] || fail "the list of installed files is linked into $dir"
[ "$(readlink -f "/proc/$game/cwd")" = "$(readlink -f "$dir")" ] || fail "the game does not run in $dir"
# No OpenGL stack in a game that never draws with it, and a small footprint.
! grep -qE 'libGL|libLLVM' "/proc/$game/maps" || fail "the game loaded OpenGL"
rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$game/status")
[ "$rss" -lt $((60 * 1024)) ] || fail "resident memory $rss kB"

# The scores written: "Datei", "Spielstand zurücksetzen", answered "Ja".
xdotool mousemove --window "$win" 400 300 windowfocus --sync "$win"
xdotool key --window "$win" --clearmodifiers alt+d
sleep 0.5
xdotool key --clearmodifiers z
sleep 0.5
xdotool key --clearmodifiers Return
for i in $(seq 100); do
  grep -qs '^Computer=0' "$dir/tremaw.ini" && break
  sleep 0.1
done
grep -qs '^\[Game\]' "$dir/tremaw.ini" && grep -qs '^Human=0' "$dir/tremaw.ini" &&
  grep -qs '^Computer=0' "$dir/tremaw.ini" || fail "no scores in $dir/tremaw.ini"
[ -f "$dir/tremaw.ini" ] && [ ! -L "$dir/tremaw.ini" ] || fail "tremaw.ini is not a file of its own"
# The settings dialog (F9) shows radio buttons, whose symbols GTK's theme
# draws from SVG files. With every loader and file the game needs installed,
# it prints nothing, at start or here.
xdotool key --window "$win" --clearmodifiers F9
for i in $(seq 100); do
  xdotool search --onlyvisible --pid "$game" --name '^Einstellungen$' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --onlyvisible --pid "$game" --name '^Einstellungen$' >/dev/null 2>&1 || fail "no settings dialog"
sleep 0.5
xdotool key --clearmodifiers Escape
stop
[ ! -s "$tmp/game.log" ] || { cat "$tmp/game.log" >&2; fail "the game printed the above"; }
[ ! -e "$home/tremaw.ini" ] || fail "tremaw.ini written into HOME"
find "$tmp/root" -type f | sort | cmp -s - "$tmp/installed" || fail "the game wrote into the installation"

# ---- a later start: XDG_DATA_HOME, a file of the player's own, GL asked for --
xdg=$tmp/xdg
mkdir -p "$xdg/tremaw"
echo mine >"$xdg/tremaw/Documentation.htm"
ln -s "$tmp/nowhere/tremaw.htb" "$xdg/tremaw/tremaw.htb"
start XDG_DATA_HOME="$xdg" GDK_GL=legacy
window_of "$game" >/dev/null
[ "$(cat "$xdg/tremaw/Documentation.htm")" = mine ] || fail "the player's own file was replaced"
[ "$(readlink -f "$xdg/tremaw/tremaw.htb")" = "$(readlink -f "$prefix/share/tremaw/tremaw.htb")" ] ||
  fail "a dangling link was left"
[ "$(readlink -f "/proc/$game/cwd")" = "$(readlink -f "$xdg/tremaw")" ] || fail "XDG_DATA_HOME was not used"
# GL asked for through the environment is the user's choice (where the display has it).
if xdpyinfo 2>/dev/null | grep -q GLX; then
  grep -qE 'libGL' "/proc/$game/maps" || fail "GDK_GL set by the user was overridden"
fi
stop

# ---- make uninstall ---------------------------------------------------------
# A second install over the first, and one in a prefix of its own.
install_at /opt/kolvar
install_at /opt/other
other=(PREFIX=/opt/other DESTDIR="$tmp/root")
refused() {  # refused <what> <make arguments...>: says why, exits non-zero, removes nothing
  snapshot >"$tmp/held"
  ! make -s -C "$src" uninstall "${@:2}" >/dev/null 2>"$tmp/why" || fail "uninstall with $1 succeeded"
  [ -s "$tmp/why" ] || fail "uninstall with $1 said nothing"
  snapshot | cmp -s - "$tmp/held" || fail "uninstall with $1 removed something"
}
refused "a DESTDIR the install was not given" PREFIX=/opt/other DESTDIR="$tmp/elsewhere"
# A list is input too: one naming a path outside its prefix is refused whole.
echo mine >"$tmp/root/opt/victim"
ln -s .. "$tmp/root/opt/other/escape"
cp "$tmp/root/opt/other/$list" "$tmp/list"
for entry in ../victim "$tmp/root/opt/victim" escape/victim; do
  { cat "$tmp/list" && echo "$entry"; } >"$tmp/root/opt/other/$list"
  refused "'$entry' on the list" "${other[@]}"
done
cp "$tmp/list" "$tmp/root/opt/other/$list"
rm "$tmp/root/opt/victim" "$tmp/root/opt/other/escape"
# Each removed with its own PREFIX and DESTDIR, the build directory gone as
# after "make clean".
make -s -C "$src" uninstall BUILD="$tmp/cleaned" PREFIX=/opt/kolvar DESTDIR="$tmp/root" >/dev/null
[ -x "$tmp/root/opt/other/bin/tremaw" ] || fail "uninstalling one prefix removed the other's launcher"
make -s -C "$src" uninstall BUILD="$tmp/cleaned" "${other[@]}" >/dev/null
[ ! -e "$tmp/cleaned" ] || fail "uninstall configured a build directory"
snapshot | diff "$tmp/before" - >&2 || fail "the staging root is not as it was before the installs"
echo "installed game: all checks passed"
