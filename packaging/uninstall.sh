#!/bin/sh
# Removes what "make install" put under a prefix, as the list the install left
# there names it: the files, then the list itself, then the directories the
# install created, each once it is empty. A directory that was there before
# the install stays. Nothing is removed when there is no list, or when the
# list names a path outside the prefix.
#   uninstall.sh <DESTDIR and PREFIX of the install, as one absolute path>
set -eu
root=${1:?the installed prefix}
list=share/tremaw/installed-files.txt
if [ ! -f "$root/$list" ]; then
  echo "Nothing of Kolvar Backgammon is installed under $root (there is no $root/$list)." >&2
  echo "make uninstall takes the PREFIX and DESTDIR that make install was given." >&2
  exit 1
fi

# Every entry first: a damaged or hand-edited list removes nothing. An entry
# leaves the prefix through "..", an absolute path, or a directory on its way
# that is a link to elsewhere.
real=$(realpath -e -- "$root")
while IFS= read -r entry || [ -n "$entry" ]; do
  case $entry in
    '#'* | '') continue ;;
    /* | . | */. | .. | ../* | */.. | */../*) ;;
    *)
      parent=$(realpath -m -- "$(dirname -- "$root/${entry%/}")")
      case $parent/ in "${real%/}"/*) continue ;; esac
      ;;
  esac
  echo "$root/$list names '$entry', which is no path inside the prefix. Nothing was removed." >&2
  exit 1
done <"$root/$list"

# Files (and links), the list last; then the directories, inner ones first.
grep -v -e '^#' -e '/$' "$root/$list" | grep -vxF "$list" | while IFS= read -r entry; do
  if [ -e "$root/$entry" ] || [ -L "$root/$entry" ]; then
    echo "-- Removing: $root/$entry"
    rm -f -- "$root/$entry"
  fi
done
dirs=$(grep '/$' "$root/$list" | LC_ALL=C sort -r)
echo "-- Removing: $root/$list"
rm -f -- "$root/$list"
printf '%s\n' "$dirs" | while IFS= read -r entry; do
  [ -n "$entry" ] || continue
  dir=$root/${entry%/}
  [ "$entry" != ./ ] || dir=$root
  # rmdir leaves a directory that still holds something.
  if [ -d "$dir" ] && rmdir -- "$dir" 2>/dev/null; then
    echo "-- Removing: $dir"
  fi
done
