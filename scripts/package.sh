#!/usr/bin/env bash
# Builds the Debian package in build-deb/ (or $BUILD_DIR) with Debian's release
# and hardening flags (dpkg-buildflags), without the tests, and checks it with
# lintian where lintian is installed: no errors or warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-deb}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLON_DEB_BUILDFLAGS=ON \
      -DQUILLON_TESTS=OFF -DQUILLON_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
(cd "$BUILD_DIR" && cpack -G DEB)
if command -v lintian >/dev/null; then lintian --fail-on error,warning "$BUILD_DIR"/quillon_*.deb; fi
