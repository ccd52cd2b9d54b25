#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Makes the README's screenshots (two-slits.png, projector.png, one-slit.png,
# help-window.png) in docs/, or in the directory given, from the real windows on a virtual X
# display. Needs xvfb-run (Debian package xvfb). QT_SCALE_FACTOR=2 in the
# environment makes them at twice the resolution.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs}
command -v xvfb-run >/dev/null || { echo "xvfb-run not found: apt-get install xvfb" >&2; exit 1; }
scripts/install-deps.sh run
scripts/build.sh
mkdir -p "$out"
xvfb-run -a -s "-screen 0 2048x1536x24" \
  "${FENWA_BUILD_DIR:-build}/tools/fenwa_screenshots" "$out"
echo "wrote $out/two-slits.png, $out/projector.png, $out/one-slit.png and $out/help-window.png"
