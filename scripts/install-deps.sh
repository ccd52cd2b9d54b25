#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Installs what fenwa needs on Debian 12, and nothing that is already there: a
# second run returns at once, without root.
#
#   install-deps.sh run          what building and starting the program need
#   install-deps.sh test         that, and what the tests and checks need
#   install-deps.sh --list SET   prints the set, one package a line; installs nothing
#
# Without a set, test: everything, as for a developer.
set -euo pipefail

usage() {
  echo "usage: $0 [--list] [run|test]" >&2
  exit 2
}

list=false
if [[ ${1:-} == --list ]]; then
  list=true
  shift
fi
set_name=${1:-test}
[[ $# -le 1 ]] || usage

run=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-translations-l10n  # Qt's own texts in Japanese: context menus, standard buttons
  fonts-noto-cjk fonts-liberation2
  xdg-utils  # the download label opens the source archive through xdg-open
  git zip  # every build packs the source archive
)
test=(
  "${run[@]}"
  libbenchmark-dev  # the sampler's benchmark, built only where it is found
  dpkg-dev file appstream desktop-file-utils lintian  # building and checking the package
  reuse  # checking the source archive's licensing
  valgrind  # the memory check of a whole session (scripts/memcheck.sh)
)
case $set_name in
run) packages=("${run[@]}") ;;
test) packages=("${test[@]}") ;;
*) usage ;;
esac

if $list; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

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
