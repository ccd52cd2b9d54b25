#!/usr/bin/env bash
# Sets everything up and starts fenwa.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${FENWA_BUILD_DIR:-build}/fenwa"
