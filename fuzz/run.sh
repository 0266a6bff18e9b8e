#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs
# each for SECONDS (default 60), two at a time on a two-core machine. Any
# crash, sanitizer report, allocation over 256 MB or input slower than 5 s
# fails the run; the input that caused it is kept in build-fuzz/findings/.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/prepare.sh"

seconds=${1:-60}
shift || true
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [SECONDS] [TARGET...]" >&2
  exit 2
fi

install_missing_packages
folder=$ROOT/build-fuzz
cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKERZONK_FUZZ=ON >/dev/null
cmake --build "$folder" --target kerzonk_fuzz -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in "$folder"/fuzz/fuzz_*; do targets+=("${binary##*/fuzz_}"); done
fi

# run_target NAME: fuzzes one target; its log and exit status go to build-fuzz/logs/.
run_target() {
  local name=$1 work=$folder/work/$1 findings=$folder/findings/$1/ status=0
  local corpora=("$work" "$ROOT/fuzz/corpus/$name")
  if [ -d "$ROOT/fuzz/regressions/$name" ]; then corpora+=("$ROOT/fuzz/regressions/$name"); fi
  if [ -d "$folder/fuzz/seeds/$name" ]; then corpora+=("$folder/fuzz/seeds/$name"); fi
  mkdir -p "$work" "$findings"
  "$folder/fuzz/fuzz_$name" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=256 -timeout=5 \
    -print_final_stats=1 -artifact_prefix="$findings" "${corpora[@]}" >"$folder/logs/$name.log" 2>&1 || status=$?
  echo "$status" >"$folder/logs/$name.status"
}

rm -rf "$folder/logs"
mkdir -p "$folder/logs"
jobs_at_once=$(nproc)
pids=()
for name in "${targets[@]}"; do
  if [ ! -x "$folder/fuzz/fuzz_$name" ]; then
    echo "no fuzz target \"$name\"" >&2
    exit 2
  fi
  run_target "$name" &
  pids+=("$!")
  if [ ${#pids[@]} -ge "$jobs_at_once" ]; then
    wait "${pids[0]}" || true
    pids=("${pids[@]:1}")
  fi
done
wait || true

failed=0
printf '%-16s %14s  %s\n' target executions result
for name in "${targets[@]}"; do
  log=$folder/logs/$name.log
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$(cat "$folder/logs/$name.status")" = 0 ]; then
    printf '%-16s %14s  %s\n' "$name" "${executions:-?}" ok
  else
    printf '%-16s %14s  %s\n' "$name" "${executions:-?}" "FINDING (see $log)"
    failed=1
  fi
done
if [ $failed -ne 0 ]; then
  echo "Copy each input of build-fuzz/findings/ into fuzz/regressions/TARGET/ once it is mended." >&2
fi
exit $failed
