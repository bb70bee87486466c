#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# On a high-density screen the fixed form scales instead of shrinking:
#   e2e_scaled.sh SUMGROVE XCLOSE OUTDIR NAME "WxH at X,Y" [VAR=VALUE...]
# run inside xvfb-run. X sees device pixels: the 907 x 600 form times the
# screen's factor, placed on the logical desktop that factor leaves. With
# XFT_DPI set, the screen's density is also published as the Xft.dpi resource,
# as desktops do; Qt 6 reads it only from there. The X server must then run
# with -noreset, or the resource is gone when xrdb disconnects. With LOGPIXELS
# set, Wine's registry gives the Windows program that density (WINE_RUN runs
# Wine's reg). With SAME_AS set, the screenshot must equal that earlier one to
# the pixel, inside the region SAME_IN if set.
set -euo pipefail
exe=$1 xclose=$2 out=$3 name=$4 expected=$5
shift 5
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"
[ -z "${XFT_DPI:-}" ] || echo "Xft.dpi: $XFT_DPI" | xrdb -merge
if [ -n "${LOGPIXELS:-}" ]; then # the Windows program's density, for this run only
    key='HKCU\Control Panel\Desktop'
    "$WINE_RUN" reg add "$key" /v LogPixels /t REG_DWORD /d "$LOGPIXELS" /f >/dev/null
    at_exit '"$WINE_RUN" reg delete "$key" /v LogPixels /f >/dev/null'
fi

start_window env "$@" "$exe"
[ "${WIDTH}x${HEIGHT} at $X,$Y" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT} at $X,$Y"
import -window "$wid" "$out/$name.png"
size=$(identify -format '%wx%h' "$out/$name.png")
[ "$size" = "${expected%% *}" ] || fail "screenshot is $size"
if [ -n "${SAME_AS:-}" ]; then
    region=${SAME_IN:-$size+0+0}
    differ=$(compare -metric AE "$out/$name.png[$region]" "$out/$SAME_AS.png[$region]" null: 2>&1) || true
    [ "$differ" = 0 ] || fail "$differ pixels of $region differ from $SAME_AS.png"
fi
close_window
echo "1 passed, 0 failed"
