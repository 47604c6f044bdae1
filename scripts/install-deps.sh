#!/usr/bin/env bash
# Installs every build and test dependency from Debian packages (as root or through sudo), and the
# Dutch locale the end-to-end tests run the host program under.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config
          libxlsxwriter-dev nlohmann-json3-dev libicu-dev libminizip-dev zlib1g-dev
          libgtest-dev libgmock-dev libbenchmark-dev python3 python3-openpyxl locales
          clang-format clang-tidy)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -ne 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Listed in /etc/locale.gen, so that locale-gen keeps it when the locales package is upgraded.
if ! locale -a | grep -qx 'nl_NL.utf8'; then
  grep -qx 'nl_NL.UTF-8 UTF-8' /etc/locale.gen || echo 'nl_NL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
