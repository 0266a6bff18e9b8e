#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   ./test.sh             Release build in build/
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/prepare.sh"

folder=build
options=()
case "${1:-}" in
  "") ;;
  --sanitize)
    folder=build-sanitize
    options=(-DKERZONK_SANITIZE=ON)
    ;;
  *)
    echo "usage: $0 [--sanitize]" >&2
    exit 2
    ;;
esac

install_missing_packages
build_all "$folder" "${options[@]}"
cd "$ROOT/$folder"
ctest --output-on-failure -j2
