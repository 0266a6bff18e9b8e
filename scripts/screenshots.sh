#!/usr/bin/env bash
# Remakes the pictures in docs/screenshots from the scripted games in
# tests/replay, with the replay runner of the build in build/:
#   scripts/screenshots.sh
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
REPLAY=$ROOT/build/game/kerzonk-replay
SCRIPTS=$ROOT/tests/replay
OUT=$ROOT/docs/screenshots
TIME=1700000000

if [ ! -x "$REPLAY" ]; then
  echo "build the game first (./test.sh or cmake --build build)" >&2
  exit 1
fi
mkdir -p "$OUT"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shot SCRIPT FRAME NAME: the screen after FRAME of the scripted game, in a
# fresh copy of the game folder so that no stored best score shows.
shot() {
  rm -rf "$work/game"
  cp -r "$ROOT/build/game" "$work/game"
  rm -f "$work/game/scor"
  "$REPLAY" --data "$work/game" --time "$TIME" --frames "$2" --input "$SCRIPTS/$1.txt" --shot "$2:$OUT/$3.png"
}

shot solo 4600 title             # the title after the game, its logo at rest
shot speed_select 100 speed-select
shot solo 2480 solo-chain        # the second step of a chain flashing
shot versus 2590 versus-raise    # a chain flashing, a raise pending in the gauge
echo "wrote $(ls "$OUT")"
