#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Installs what fenwa needs to build, test and run on Debian 12, and nothing
# that is already there: a second run returns at once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-translations-l10n  # Qt's own texts in Japanese: context menus, standard buttons
  libbenchmark-dev
  fonts-noto-cjk fonts-liberation2
  xdg-utils
  dpkg-dev file appstream desktop-file-utils lintian  # building and checking the package
  git zip reuse  # packing the source archive and checking its licensing
  valgrind  # the memory check of a whole session (scripts/memcheck.sh)
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
