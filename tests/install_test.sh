#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs Luna into a temporary prefix, checks the installed files with the
# desktop's own validators, builds the Debian package and checks it with
# lintian, and checks the sources' licensing with reuse.
# Arguments: the build folder, the luna-render to compare the icon with.
set -euo pipefail
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$1
render=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
share=$work/usr/share
for file in bin/luna bin/luna-render share/man/man1/luna.1.gz share/man/man1/luna-render.1.gz; do
    [ -s "$work/usr/$file" ] || fail "$file is not installed"
done

desktop=$share/applications/io.github.luna.Luna.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate says: $out"
grep -q '^Categories=.*Education;.*Astronomy;' "$desktop" || fail "categories"
grep -A3 '^\[Desktop Action stasera\]' "$desktop" | grep -q '^Exec=luna --date now$' \
    || fail "no action for tonight's Moon"
grep -A3 '^\[Desktop Action tray\]' "$desktop" | grep -q '^Exec=luna --tray$' || fail "no action for the tray"

out=$(appstreamcli validate --no-net "$share/metainfo/io.github.luna.Luna.metainfo.xml" 2>&1) \
    || fail "appstreamcli: $out"

# The icon is the tool's own drawing, not a file kept by hand.
icon=$share/icons/hicolor/scalable/apps/io.github.luna.Luna.svg
"$render" 225 --size 128x128 --background transparent -o "$work/expected.svg"
cmp -s "$icon" "$work/expected.svg" || fail "the icon is not luna-render's drawing"
grep -q '<path' "$icon" || fail "the icon has no shapes"

man -l "$share/man/man1/luna-render.1.gz" 2>&1 >/dev/null | grep . && fail "man page warnings"

# A command-line tool draws without the widgets.
readelf -d "$work/usr/bin/luna-render" | grep -q 'libQt6Widgets' && fail "luna-render loads QtWidgets"
readelf -d "$work/usr/bin/luna" | grep -q 'libQt6Widgets' || fail "luna does not link QtWidgets"

# CPack reads the binaries' dependencies with dpkg-shlibdeps and file.
out=$(cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" 2>&1) || fail "cpack: $out"
deb=$(ls "$work"/package/luna_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ $depends == *"$library "* ]] || fail "$library missing from Depends: $depends"
done
# Qt's Wayland platform, for the desktops that start Wayland sessions.
[[ $depends == *"qt6-wayland"* ]] || fail "qt6-wayland missing from Depends: $depends"
dpkg-deb -c "$deb" > "$work/contents"
grep -q './usr/bin/luna$' "$work/contents" || fail "luna is not in the package"
grep -q './usr/share/doc/luna/copyright$' "$work/contents" || fail "no copyright file"

# Debian's own checker: no errors and no warnings (information is fine).
out=$(lintian --no-cfg "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$out" ] || fail "lintian says: $out"

# Every source file says whose it is and under which licence.
out=$(cd "$source" && reuse lint 2>&1) || fail "reuse lint: $out"
echo "installed, validated and packaged: $depends"
