#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Runs a whole session of the program (start, a run with each slit count, the
# help window opened and closed during a run, the exit button) under valgrind's
# memcheck. Fails on any memory error and on any leak valgrind is sure of.
# Uses the build of scripts/build.sh, in build/ (or $FENWA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh >/dev/null
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 \
  --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --num-callers=40 "$@" "${FENWA_BUILD_DIR:-build}/tests/ui/test_ui_session"
