#!/usr/bin/env bash
# Configures and builds Quillon into build/ (or $BUILD_DIR): everything, or
# only the targets named, e.g. scripts/build.sh quillon orvex-sim.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
if (($#)); then
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target "$@"
else
  cmake --build "$BUILD_DIR" -j "$(nproc)"
fi
