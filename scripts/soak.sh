#!/usr/bin/env bash
# Builds the game and plays it headless with a seeded random player for any
# number of frames, checking the game's state after every frame.
#   scripts/soak.sh FRAMES [SEED]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/prepare.sh"

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 FRAMES [SEED]" >&2
  exit 2
fi

install_missing_packages
build_all build
exec "$ROOT/build/tools/kerzonk-soak" --frames "$1" --seed "${2:-1}" --time 1700000000 --data "$ROOT/build/game"
