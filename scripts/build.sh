#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Configures and builds fenwa in build/ (or $FENWA_BUILD_DIR). A warning of
# the compiler is an error in this, the project's own build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${FENWA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFENWA_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build "$build"
