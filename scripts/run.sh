#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Sets everything up and starts fenwa.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
scripts/build.sh
exec "${FENWA_BUILD_DIR:-build}/fenwa"
