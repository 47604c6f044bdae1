#!/usr/bin/env bash
# Installs the dependencies, builds the release and the sanitizer build, and runs all tests of both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in release sanitize; do
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
