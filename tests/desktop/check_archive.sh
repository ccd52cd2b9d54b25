#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Checks the source archive that the build made:
#   files      it holds exactly the files git tracks, under the top folder;
#              skipped (exit 77) where the sources are no git work tree
#   licensing  unpacked, every file in it states its licence (reuse lint)
#
# Usage: check_archive.sh files|licensing <archive> <source directory> <top folder>
set -euo pipefail
check=$1
archive=$2
source=$3
top=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[[ -f $archive ]] || fail "no archive $archive"

case $check in
files)
  toplevel=$(git -C "$source" rev-parse --show-toplevel 2>/dev/null) || toplevel=
  if [[ -z $toplevel || $(realpath "$toplevel") != $(realpath "$source") ]]; then
    echo "SKIP: $source is no git work tree, so there is no list of tracked files to compare with"
    exit 77
  fi
  export LC_ALL=C
  cmake -E tar tf "$archive" | grep -v '/$' | sort >"$work/archive"
  git -C "$source" ls-files | sed "s|^|$top/|" | sort >"$work/tracked"
  diff -u "$work/tracked" "$work/archive" ||
    fail "the archive does not hold the tracked files (it holds the last commit: commit first)"
  echo "$(wc -l <"$work/archive") files, as tracked"
  ;;
licensing)
  (cd "$work" && cmake -E tar xf "$archive")
  [[ -d $work/$top ]] || fail "no top folder $top in the archive"
  reuse --root "$work/$top" lint
  ;;
*)
  fail "unknown check $check"
  ;;
esac
