#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Builds the program and every test with AddressSanitizer and UBSan in
# build-asan/ (or $FENWA_ASAN_BUILD_DIR) and runs the tests with ctest. The
# first report of a memory fault, undefined behaviour or a leak fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
build=${FENWA_ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFENWA_SANITIZE=ON \
  -DFENWA_WARNINGS_AS_ERRORS=ON \
  -DFENWA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$build" --output-on-failure "$@"
