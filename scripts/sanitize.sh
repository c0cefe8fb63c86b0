#!/usr/bin/env bash
# The core (link, frames, parameters, firmware transfer, simulator) and its
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a short
# libFuzzer run of the frame receivers.
set -euo pipefail
cd "$(dirname "$0")/.."
san="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_CORE_ONLY=ON \
  -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san" >/dev/null
cmake --build build-asan -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)" --timeout 300

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_CORE_ONLY=ON -DQUILLON_FUZZ=ON \
  -DQUILLON_TESTS=OFF -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_receivers
mkdir -p build-fuzz/corpus
build-fuzz/tests/fuzz/fuzz_receivers -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
  build-fuzz/corpus tests/fuzz/seeds
