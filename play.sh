#!/usr/bin/env bash
# Installs what is missing, builds the game and its data, and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/prepare.sh"

install_missing_packages
build_all build
cd "$ROOT/build/game"
exec ./kerzonk
