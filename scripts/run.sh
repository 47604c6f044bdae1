#!/usr/bin/env bash
# Installs the dependencies, builds, and runs the main job on the sample project: take off the whole
# house, print both lists of the palette, and export the three workbooks into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release --target qelm-host qelm-addon
exec build/release/host/qelm-host --project examples/woning.json --takeoff-export out "$@"
