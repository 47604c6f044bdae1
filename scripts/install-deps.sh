#!/usr/bin/env bash
# Installs every build and test dependency from Debian packages (as root or through sudo).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
          libxlsxwriter-dev nlohmann-json3-dev libicu-dev libminizip-dev zlib1g-dev
          libgtest-dev libgmock-dev libbenchmark-dev python3 python3-openpyxl locales
          clang-format clang-tidy)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
