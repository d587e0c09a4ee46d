#!/usr/bin/env bash
# Runs every fuzz target for a while from its seed corpus in fuzz/corpus/<name>
# with its dictionary fuzz/<name>.dict. New inputs go to a scratch corpus in the
# build tree, so the committed seeds stay small. A finding (a crash, a failed
# check, a hang) leaves its input beside the log and fails the run.
# Usage: fuzz/run.sh BIN_DIR [SECONDS_PER_TARGET]
set -uo pipefail
bin=${1:?bin dir}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(cd "$bin/.." && pwd)/fuzz-work
jobs=${FUZZ_JOBS:-4}
mkdir -p "$work"
# The targets' scratch files, in memory where the system offers it: the game
# syncs every file it saves, which on a disk costs more than the rest of a
# run. A run stopped by a finding leaves them behind.
if [ -d /dev/shm ] && [ -w /dev/shm ] && scratch=$(mktemp -d /dev/shm/tremaw-fuzz.XXXXXX 2>/dev/null); then
  export TMPDIR="$scratch"
else
  export TMPDIR="$work/tmp"
  mkdir -p "$TMPDIR"
fi

run_one() {
  local name=$1
  local out="$work/$name"
  mkdir -p "$out/corpus"
  local args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
              -artifact_prefix="$out/" -dict="$here/$name.dict")
  if "$bin/fuzz_$name" "${args[@]}" "$out/corpus" "$here/corpus/$name" > "$out/log" 2>&1; then
    echo "fuzz_$name: no finding ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$out/log" | grep -o '[0-9]*$') runs)"
  else
    echo "fuzz_$name: FINDING, input and log in $out"
    grep -E 'ERROR|check failed|runtime error|SUMMARY' "$out/log" | head -5
    return 1
  fi
}

names=()
for dir in "$here"/corpus/*/; do names+=("$(basename "$dir")"); done
status=0
pids=()
for name in "${names[@]}"; do
  run_one "$name" > "$work/$name.result" 2>&1 &
  pids+=($!)
  # At most $jobs targets at once.
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
done
for pid in "${pids[@]}"; do wait "$pid" || true; done
for name in "${names[@]}"; do
  cat "$work/$name.result"
  grep -q '^fuzz_.*: no finding' "$work/$name.result" || status=1
done
if [ $status -ne 0 ]; then
  echo "scratch files in $TMPDIR"
elif [ "$TMPDIR" != "$work/tmp" ]; then
  rm -rf "$TMPDIR"
fi
exit $status
