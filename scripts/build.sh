#!/usr/bin/env bash
# Configures and builds one preset: release (default) or sanitize. Further arguments go to
# `cmake --build`, e.g. `--target qelm-host`.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
shift || true
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" "$@"
