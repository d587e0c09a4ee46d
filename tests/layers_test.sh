#!/usr/bin/env bash
# scripts/check-layers.sh on a scratch tree: it passes the tree as it stands
# and fails on an include one layer up and on wxWidgets outside ui/, naming
# the file and line.
set -euo pipefail
src=$(cd "${1:-$(dirname "$0")/..}" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail=0

# Each case: a file and its text added to the tree, whether the check passes,
# and what it names when it fails.
check() {
  local file=$1 text=$2 passes=$3 names=$4 out rc=0
  rm -rf "$tree"/*
  cp "$src/README.md" "$tree/"
  mkdir -p "$tree/board" "$tree/engine" "$tree/ui"
  printf '#pragma once\n' > "$tree/board/position.h"
  printf '#pragma once\n' > "$tree/engine/engine.h"
  printf '#include "board/position.h"\n#include <wx/frame.h>\n' > "$tree/ui/frame.cpp"
  [ -z "$file" ] || { mkdir -p "$tree/$(dirname "$file")"; printf '%b' "$text" > "$tree/$file"; }
  (cd "$tree" && git init -q && git add -A)
  out=$("$src/scripts/check-layers.sh" "$tree" 2>&1) || rc=$?
  if { [ "$passes" = yes ] && [ "$rc" -ne 0 ]; } || { [ "$passes" = no ] && [ "$rc" -eq 0 ]; } ||
    [[ $out != *"$names"* ]]; then
    echo "FAILED: ${file:-the tree as it stands} (exit $rc): $out" >&2
    fail=1
  fi
}

check "" "" yes "Layers: every include runs down"
check board/draw.cpp '#include "board/position.h"\n#include "engine/engine.h"\n' no \
  'board/draw.cpp:2: includes "engine/engine.h" from engine/, a layer above board/'
check engine/rules.cpp '#include <vector>\n#include <wx/string.h>\n' no 'engine/rules.cpp:2: includes wxWidgets outside ui/'
exit "$fail"
