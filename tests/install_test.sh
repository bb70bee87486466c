#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and validates what a desktop needs:
#   install_test.sh BUILD-DIR [CMAKE]
set -euo pipefail
build=$1 cmake=${2:-cmake}
. "$(dirname "$0")/testing.sh"
prefix=$(mktemp -d)
at_exit 'rm -rf "$prefix"'

"$cmake" -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/cmake_install.cmake" >/dev/null # as CMake 3.13 installs
id=org.sumgrove.Sumgrove
[ -x "$prefix/bin/sumgrove" ] || fail "bin/sumgrove missing"

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Name\[zh_CN\]=数学练习题' "$desktop" || fail "no Chinese name"
grep -qx 'Categories=Education;Math;' "$desktop" || fail "categories"
grep -qx "Icon=$id" "$desktop" || fail "icon name"

# Sumgrove has no homepage and names none rather than make one up: AppStream
# 1.0 may warn of that, and only that.
homepage='^W: [^ ]+ url-homepage-missing$'
if ! report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1); then
    others=$(grep -E '^[EW]: ' <<<"$report" | grep -vE "$homepage" || true)
    grep -qE "$homepage" <<<"$report" && [ -z "$others" ] || fail "metainfo does not validate: $report"
    report="metainfo: valid but for the homepage, which Sumgrove does not have"
fi
echo "$report"

for size in 48 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    # ImageMagick 7 counts the channels after their names: "srgba 4.0".
    [[ "$(identify -format '%wx%h %[channels]' "$icon")" =~ ^${size}x${size}\ srgba( |$) ]] \
        || fail "$icon: $(identify -format '%wx%h %[channels]' "$icon")"
done
echo "1 passed, 0 failed"
