#!/usr/bin/env bash
# Installs the dependencies, builds the release and the sanitizer build, and runs all tests of both.
#   scripts/test.sh [--tier unit|readback|e2e|scripts]    only the tests of that tier (a CTest label)
set -euo pipefail
cd "$(dirname "$0")/.."
labels=()
case "${1:-}" in
  "") ;;
  --tier)
    case "${2:-}" in
      unit | readback | e2e | scripts) labels=(-L "^$2\$") ;;
      *) echo "scripts/test.sh: --tier takes unit, readback, e2e or scripts" >&2; exit 2 ;;
    esac ;;
  *) echo "usage: scripts/test.sh [--tier unit|readback|e2e|scripts]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
for preset in release sanitize; do
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)" "${labels[@]}"
done
