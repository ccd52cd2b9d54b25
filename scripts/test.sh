#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Sets everything up and runs every test. The tests draw on Qt's offscreen
# platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${FENWA_BUILD_DIR:-build}" --output-on-failure "$@"
