#!/usr/bin/env bash
# Builds everything (warnings are errors) and runs every test; then runs the core tests
# again in an AddressSanitizer + UndefinedBehaviorSanitizer build, and each fuzz target
# for a short while. Run as root on Debian 12: it installs what it needs through apt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$jobs")

bash scripts/sanitize.sh
