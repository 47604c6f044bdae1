#!/usr/bin/env bash
# Static checks: the format of every C++ source, the include graph of the add-on's layers, and
# clang-tidy (.clang-tidy) on the add-on's sources through the release preset's compile database.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "check: format"
find addon engine export palette platform host tests bench \( -name '*.cpp' -o -name '*.hpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror

echo "check: layers"
scripts/check-layers.py

echo "check: clang-tidy"
cmake --preset release >/dev/null
log=build/release/clang-tidy.log
# GCC's own warning options are unknown to clang. Clang 14 cannot constant-evaluate libstdc++ 12's
# empty std::u16string, which GCC accepts, so constinit is dropped for the analysis only.
if ! run-clang-tidy -p build/release -j "$(nproc)" -quiet \
       -extra-arg=-Wno-unknown-warning-option -extra-arg=-Dconstinit= \
       "$PWD/(addon|engine|export|palette)/" >"$log" 2>&1; then
  sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A3 '^/.*: (warning|error):' || tail -20 "$log"
  echo "check: clang-tidy found the above (whole output: $log)" >&2
  exit 1
fi
echo "check: all passed"
