#!/usr/bin/env bash
# Installs what is missing, builds the designer (and what it carries, not the tests or the
# benchmarks) and starts it (arguments are passed on, e.g. a project file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quorvalle
exec build/bin/quorvalle "$@"
