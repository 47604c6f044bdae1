#!/usr/bin/env bash
# Installs the dependencies, builds the release and the sanitizer build, runs all tests of both, and
# names the tests that skipped.
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
skipped=()
for preset in release sanitize; do
  scripts/build.sh "$preset"
  log="build/$preset/ctest.log"
  ctest --preset "$preset" -j "$(nproc)" "${labels[@]}" | tee "$log"
  while IFS= read -r name; do
    skipped+=("$preset: $name")
  done < <(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log")
done
# A test skips where this machine lacks what it needs (root, ACLs, a mount, a locale): it checked nothing.
if ((${#skipped[@]})); then
  echo "${#skipped[@]} test(s) skipped, so not checked on this machine:"
  printf '  %s\n' "${skipped[@]}"
fi
