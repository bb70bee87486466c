#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with lintian, installs it on this machine
# (root), checks its hardening and that the installed program opens its window
# and exits cleanly when closed:
#   package_test.sh BUILD-DIR
# A package for another machine (ARCH, as dpkg names it) installs beside this
# machine's libraries, multi-arch, and its program starts under EMULATOR.
set -euo pipefail
build=$(realpath "$1")
xclose=$build/tests/xclose
. "$(dirname "$0")/xwindow.sh"

qt=$(sed -n 's/^QT_MAJOR_VERSION:STRING=//p' "$build/CMakeCache.txt")
case "$qt" in
5) package=sumgrove qt_libs=(libqt5widgets5 libqt5gui5 libqt5core5a) wayland=qtwayland5 ;;
6) package=sumgrove-qt6 qt_libs=(libqt6widgets6 libqt6gui6 libqt6core6) wayland=qt6-wayland ;;
*) fail "no Qt version in $build/CMakeCache.txt" ;;
esac

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/*.deb)
arch=${ARCH:-$(dpkg --print-architecture)}
[ "$(basename "$deb")" = "${package}_$(dpkg-deb -f "$deb" Version)_$arch.deb" ] || fail "file name $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture $(dpkg-deb -f "$deb" Architecture)"
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in "${qt_libs[@]}" libstdc++6 'fonts-wqy-microhei | fonts-noto-cjk'; do
    [[ $depends == *"$needed"* ]] || fail "package does not depend on $needed"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "$wayland" ] || fail "does not recommend $wayland"
tags=$(lintian -I --fail-on error,warning "$deb" 2>&1) || fail "lintian: $tags"
echo "lintian: $(grep -v 'root privileges' <<<"$tags" || echo no tags)"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null
at_exit 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -q "$package" >/dev/null'
for f in /usr/bin/sumgrove /usr/share/applications/org.sumgrove.Sumgrove.desktop \
         /usr/share/metainfo/org.sumgrove.Sumgrove.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/org.sumgrove.Sumgrove.png; do
    dpkg -S "$f" >/dev/null || fail "$f is not in the package"
done
# Built as Debian builds. No program linked against Debian 12's C library
# shows control-flow protection: its start files carry none.
hardening-check --nocfprotection /usr/bin/sumgrove || fail "not hardened"

export xclose
xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" \
    bash -c '. "$1"; start_window ${EMULATOR:-} /usr/bin/sumgrove; close_window' _ "$(dirname "$0")/xwindow.sh"
echo "1 passed, 0 failed"
