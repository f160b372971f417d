#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  build-essential cmake git pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libgl-dev
  libsqlite3-dev libxlsxwriter-dev libzip-dev libsimpleini-dev libcli11-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev libquantlib0-dev
  fonts-dejavu-core xvfb xauth wget
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
