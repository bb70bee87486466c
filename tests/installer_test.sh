#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows installer and plays it through under Wine in a fresh
# prefix, as on a new machine with nothing of the build's on its path:
# installs it silently, checks the Start-menu shortcut, the entry in the list
# of installed programs and that every DLL it brings is one the program loads,
# starts the installed program and closes it, uninstalls it silently and
# checks that nothing of it is left.
#   installer_test.sh BUILD-DIR        (inside xvfb-run)
set -euo pipefail
build=$(realpath "$1")
xclose=$build/tests/xclose
. "$(dirname "$0")/xwindow.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -f "$build"/Sumgrove-*.exe
(cd "$build" && cpack >/dev/null)
installer=$build/Sumgrove-$version-win64.exe
[ -f "$installer" ] || fail "no $installer"
echo "installer: $(basename "$installer"), $(stat -c %s "$installer") bytes"

WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEPATH=
at_exit 'wineserver -k; rm -rf "$WINEPREFIX"'
wine=$build/wine-run
"$wine" wineboot --init
"$wine" "$installer" /S

dir="$WINEPREFIX/drive_c/Program Files/Sumgrove"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/数学练习题"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Sumgrove'
grep -qa 'sumgrove\.exe' "$menu/数学练习题.lnk" || fail "no Start-menu shortcut to the program"
"$wine" reg export "$key" "Z:$WINEPREFIX/entry.reg" >/dev/null # UTF-16, unlike reg query's console output
entry=$(iconv -f UTF-16 -t UTF-8 "$WINEPREFIX/entry.reg")
echo "$entry"
for value in '"DisplayName"="数学练习题"' "\"DisplayVersion\"=\"$version\"" '"Publisher"="Sumgrove developers"' \
             '"DisplayIcon"=".*\\sumgrove\.exe"' '"UninstallString"=".*\\Uninstall\.exe'; do
    grep -q "$value" <<<"$entry" || fail "the uninstall entry has no $value"
done
imports=$(find "$dir" -iname '*.exe' -o -iname '*.dll' | xargs -d '\n' x86_64-w64-mingw32-objdump -p |
          sed -n 's/.*DLL Name: //p' | sort -uf)
for dll in "$dir"/*.dll; do
    grep -qix "$(basename "$dll")" <<<"$imports" || fail "$(basename "$dll") is loaded by nothing"
done

start_window "$wine" "$dir/sumgrove.exe"
close_window

"$wine" "$dir/Uninstall.exe" /S
left=$(find "$dir" "$menu" 2>/dev/null) || true
[ -z "$left" ] || fail "left behind: $left"
for k in "$key" 'HKLM\Software\Sumgrove developers'; do
    if "$wine" reg query "$k" >/dev/null 2>&1; then fail "left behind: $k"; fi
done
echo "1 passed, 0 failed"
