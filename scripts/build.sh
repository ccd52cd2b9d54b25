#!/usr/bin/env bash
# Configures and builds fenwa in build/ (or $FENWA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FENWA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
