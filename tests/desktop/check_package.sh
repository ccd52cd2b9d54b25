#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Builds the Debian package from a built tree into a temporary directory,
# unpacks it there and checks what a desktop needs of it: the program, a valid
# menu entry in Japanese, the icons, metainfo that AppStream accepts, and
# dependencies on the packages the program really needs at run time, the
# source archive the download label opens, and nothing Debian's lintian warns
# of.
#
# Usage: check_package.sh <build directory> <application id>
set -euo pipefail
build=$1
id=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Made as by a packager whose new files are writable by the group, which the
# package's folders must not be.
umask 0002
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
# The same tree makes the same bytes: a package made again, later, is the
# first one.
cpack --config "$build/CPackConfig.cmake" -B "$work/again" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package again"; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "the package made again differs"
root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

[[ -x $root/usr/bin/fenwa ]] || fail "no executable /usr/bin/fenwa"
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[[ $owners == root/root ]] || fail "files not owned by root: $owners"
# Built as Debian builds its own programs: with the stack protector, with
# every relocation resolved at start-up, and without a run path.
program=$root/usr/bin/fenwa
dynamic=$(readelf -d "$program")
symbols=$(readelf --dyn-syms -W "$program")
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "no stack protector"
grep -Eq '\(FLAGS(_1)?\).* (BIND_)?NOW' <<<"$dynamic" || fail "relocations bound lazily"
! grep -E '\((RPATH|RUNPATH)\)' <<<"$dynamic" || fail "the program has a run path"

# The menu entry starts the program with its icon, under Education, named in
# Japanese.
desktop=$share/applications/$id.desktop
[[ -f $desktop ]] || fail "no menu entry $id.desktop"
desktop-file-validate "$desktop" || fail "invalid menu entry"
grep -qx "Exec=fenwa" "$desktop" || fail "menu entry does not start fenwa"
grep -qx "Icon=$id" "$desktop" || fail "menu entry does not name the icon $id"
grep -Eq "^Categories=(.*;)?Education;" "$desktop" || fail "menu entry not under Education"
for key in Name Comment; do
  grep -Pq "^$key=.*[\x{3040}-\x{30FF}\x{4E00}-\x{9FFF}]" "$desktop" || fail "$key is not Japanese"
done

# The icons, at the sizes desktops look for, and scalable.
icons=$share/icons/hicolor
for size in 16 32 48 64 128 256; do
  png=$icons/${size}x${size}/apps/$id.png
  [[ -f $png ]] || fail "no ${size}x${size} icon"
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
done
svg=$icons/scalable/apps/$id.svg
grep -q "<svg " "$svg" || fail "no scalable icon"

# Metainfo for software centres, tied to the menu entry.
metainfo=$share/metainfo/$id.metainfo.xml
[[ -f $metainfo ]] || fail "no metainfo $id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "AppStream rejects the metainfo"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo has another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not name the menu entry"

# Dependencies: the C and C++ runtime and the Qt libraries the program links
# (libqt6gui6 brings the X11 platform plugin), Qt's Japanese texts, the fonts
# it draws with; each one a package that exists. The other platform plugins,
# for VNC and touch screens, are not needed.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' | sed 's/:any$//' | sort -u)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
  qt6-translations-l10n fonts-noto-cjk fonts-liberation2; do
  grep -Fqx "$package" <<<"$names" || fail "no dependency on $package"
done
! grep -Fqx qt6-qpa-plugins <<<"$names" || fail "depends on qt6-qpa-plugins"
for package in $names; do
  dpkg-query -W "$package" >/dev/null 2>&1 || fail "dependency $package is not a package here"
done
# What the installed program needs besides libraries, a build from source
# needs too, and installs without the tools that only check it.
run_set=$(bash "$(dirname "$0")/../../scripts/install-deps.sh" --list run)
recommends=$(dpkg-deb -f "$deb" Recommends | tr ',|' '\n\n' | awk '{ print $1 }')
for package in $(grep -v '^lib' <<<"$names") $recommends; do
  grep -Fqx "$package" <<<"$run_set" || fail "install-deps.sh run does not install $package"
done
for package in lintian valgrind reuse xvfb libbenchmark-dev; do
  ! grep -Fqx "$package" <<<"$run_set" || fail "install-deps.sh run installs $package"
done
# The source archive, as the build made it, where the program looks for it.
cmp "$build/Ondrik5src.zip" "$share/fenwa/Ondrik5src.zip" || fail "not the build's source archive"

# The manual pages, in English and in Japanese, tell of the settings files
# and of the keys that no button shows.
for page in "$share/man/man1/fenwa.1.gz" "$share/man/ja/man1/fenwa.1.gz"; do
  [[ -f $page ]] || fail "no manual page $page"
  text=$(zcat "$page")
  for told in '~/.config/fenwa/fenwa.conf' /etc/xdg/fenwa/fenwa.conf zoom=150 F11 'Ctrl++' \
    'Ctrl+\-' Ctrl+0 Ctrl+E Ctrl+Shift+C Ctrl+S Ctrl+Shift+S Esc Shift+F10; do
    grep -Fq -- "$told" <<<"$text" || fail "$page does not tell of $told"
  done
done

# Debian's own checks: the manual page, changelog, copyright file, ... Its
# remarks below warnings are shown but pass.
lintian --fail-on error,warning --pedantic --display-info "$deb" || fail "lintian finds fault"
echo "package $(basename "$deb") is complete"
