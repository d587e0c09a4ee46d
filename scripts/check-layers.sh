#!/usr/bin/env bash
# The layers of the program, from the bottom up, as the README's "Reading the
# code" lists them: a file may include its own folder and the folders before
# it, never one after it; and only ui/ may include wxWidgets. Prints each
# include that breaks this, with file and line, and fails. Checks the source
# tree it lies in, or the git tree named as its argument.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

order=(platform resources settings board engine app dialogs ui)

# The README names the same order, or the two have drifted apart.
readme=$(sed -n '/^## Reading the code/,/^## /p' README.md | grep -o '^- `[a-z]*/`' | tr -d '`/ -' | paste -sd' ')
want=$(printf '%s\n' "${order[@]}" | paste -sd' ')
case " $readme " in
  " $want "*) ;;
  *)
    echo "README.md lists the layers as '$readme', this check as '$want'." >&2
    exit 1
    ;;
esac

rank() {
  local i
  for i in "${!order[@]}"; do
    [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}

bad=0
while IFS= read -r file; do
  from=$(rank "${file%%/*}")
  [ "$from" -ge 0 ] || continue
  while IFS=: read -r line text; do
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z_]+)/ ]]; then
      to=$(rank "${BASH_REMATCH[1]}")
      if [ "$to" -gt "$from" ]; then
        echo "$file:$line: includes ${text#*include } from ${BASH_REMATCH[1]}/, a layer above ${file%%/*}/" >&2
        bad=1
      fi
    elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<wx/ ]] && [ "${file%%/*}" != ui ]; then
      echo "$file:$line: includes wxWidgets outside ui/" >&2
      bad=1
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(git ls-files -- '*.cpp' '*.h')

[ "$bad" -eq 0 ] && echo "Layers: every include runs down the README's order (${order[*]})."
exit "$bad"
