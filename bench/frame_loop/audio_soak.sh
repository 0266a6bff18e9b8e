#!/usr/bin/env bash
# The real game on SDL's disk audio driver for ten minutes (or SECONDS) while
# every core is kept busy, then a report of how steadily the mixer filled its
# buffers; a gap (a buffer later than a two-buffer device could wait) fails.
# Run by hand, not by the test suite:
#   bench/frame_loop/audio_soak.sh [SECONDS [BUILD FOLDER]]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-600}
build=${2:-$root/build}

# One busy loop per core, each in a session of its own as another program
# would be (where the kernel groups tasks by session, a loop in the game's own
# session would take its time from the game rather than from the machine).
load=()
stop_load() {
  local pid
  for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap stop_load EXIT
for _ in $(seq "$(nproc)"); do
  setsid bash -c 'while :; do :; done' &
  load+=("$!")
done

"$build/bench/frame_loop/kerzonk_frame_bench" --soak "$seconds"
