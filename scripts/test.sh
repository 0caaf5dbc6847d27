#!/usr/bin/env bash
# Builds everything (warnings are errors) and runs every test; builds the programs once
# more as a user's Release build does; then runs the core tests again in an
# AddressSanitizer + UndefinedBehaviorSanitizer build, and each fuzz target for a short
# while. Run as root on Debian 12: it installs what it needs through apt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON
cmake --build build -j "$jobs"
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$jobs") | tee build/ctest.log

# A Release build optimises harder (-O3), and the compiler warns about things it does not
# see at -O2: every program and library once that way, warnings as errors. Tests and
# benchmarks add nothing the build above has not compiled.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_WERROR=ON \
  -DBUILD_TESTING=OFF -DQV_BENCH=OFF
cmake --build build-release -j "$jobs"

bash scripts/sanitize.sh | tee build/sanitize.log

# One closing line for the whole run: every ctest run above passed, or we stopped earlier.
total=$(grep -h -o -E 'tests failed out of [0-9]+' build/ctest.log build/sanitize.log |
        awk '{ sum += $5 } END { print sum + 0 }')
echo "tests: ${total} passed, 0 failed"
