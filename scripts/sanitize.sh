#!/usr/bin/env bash
# Core tests under AddressSanitizer + UndefinedBehaviorSanitizer, then every fuzz target
# for a few seconds with clang's libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_CORE_ONLY=ON -DQV_BENCH=OFF
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs" -L core)

if ls fuzz/*.cpp >/dev/null 2>&1; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_CORE_ONLY=ON -DQV_FUZZ=ON -DQV_BENCH=OFF -DBUILD_TESTING=OFF
  cmake --build build-fuzz -j "$jobs"
  for fuzzer in build-fuzz/bin/fuzz_*; do
    name=$(basename "$fuzzer")
    corpus="fuzz/corpus/${name#fuzz_}"
    mkdir -p "build-fuzz/corpus/$name"
    echo "fuzzing $name for ${QV_FUZZ_SECONDS:-30} s"
    "$fuzzer" -max_total_time="${QV_FUZZ_SECONDS:-30}" -timeout=10 -print_final_stats=0 \
      "build-fuzz/corpus/$name" $( [ -d "$corpus" ] && echo "$corpus" ) 2>&1 | tail -n 3
  done
fi
