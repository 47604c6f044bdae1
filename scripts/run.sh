#!/usr/bin/env bash
# Installs the dependencies, builds, and runs the main job on the sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
exec build/release/host/qelm-host --project examples/woning.json "$@"
