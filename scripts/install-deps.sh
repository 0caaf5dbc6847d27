#!/usr/bin/env bash
# Installs everything the build, the tests and the benchmarks need on a fresh Debian 12
# machine (run as root). Safe to run again: apt skips what is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  libicu-dev libboost-dev libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
