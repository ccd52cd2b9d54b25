#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# The randomised user at length: FENWA_MONKEY_ACTIONS actions (default 200000,
# a few minutes) from the seed FENWA_MONKEY_SEED (default: a new one, printed
# first). A failure prints its seed, the action and the actions before it;
# the same two variables replay it. Uses the build of scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
export FENWA_MONKEY_SEED=${FENWA_MONKEY_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
export FENWA_MONKEY_ACTIONS=${FENWA_MONKEY_ACTIONS:-200000}
echo "seed $FENWA_MONKEY_SEED, $FENWA_MONKEY_ACTIONS actions"
scripts/install-deps.sh test
scripts/build.sh >/dev/null
# QtTest would stop a test function after five minutes.
QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-86400000} \
  QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= LC_ALL=C.UTF-8 \
  "${FENWA_BUILD_DIR:-build}/tests/ui/test_ui_monkey"
