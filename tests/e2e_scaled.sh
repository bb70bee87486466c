#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# On any screen the fixed form is the 100 % form enlarged, in any colour scheme
# the light sheet it was drawn for:
#   e2e_scaled.sh SUMGROVE XCLOSE OUTDIR NAME "WxH at X,Y" [VAR=VALUE...]
# run inside xvfb-run -noreset. X sees device pixels: the 907 x 600 form times
# the screen's factor, placed on the logical desktop that factor leaves.
#   DPI      the screen's density, published as desktops do: the Xft.dpi
#            resource (the X server must keep it: -noreset), or for the Windows
#            program Wine's LogPixels (WINE_RUN runs Wine's reg)
#   SCHEME   dark: the desktop's colours are dark ones (qt5ct's or qt6ct's
#            darker scheme with Qt's own fonts, or dark Windows system colours)
#   SAME_AS  the 100 % shot the window must look like once shrunk back to
#            907 x 600 (only the part on the screen is compared): with a root
#            mean square error of at most MAX_RMSE (0 to 1), or with at most
#            MAX_CHANGED pixels that differ by more than a tenth
set -euo pipefail
exe=$1 xclose=$2 out=$3 name=$4 expected=$5
shift 5
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"

scratch=$(mktemp -d)
at_exit 'rm -rf "$scratch"'

if [ -n "${WINE_RUN:-}" ]; then
    key='HKCU\Control Panel\Desktop'
    if [ -n "${DPI:-}" ]; then # for this run only
        "$WINE_RUN" reg add "$key" /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null
        at_exit '"$WINE_RUN" reg delete "$key" /v LogPixels /f >/dev/null'
    fi
    if [ "${SCHEME:-}" = dark ]; then # as a high-contrast theme sets them: light text on black
        colours='HKEY_CURRENT_USER\Control Panel\Colors'
        "$WINE_RUN" reg export "$colours" "Z:$scratch/saved.reg" /y >/dev/null
        at_exit '"$WINE_RUN" reg delete "$colours" /f >/dev/null; "$WINE_RUN" reg import "Z:$scratch/saved.reg"'
        printf '%s\r\n' REGEDIT4 '' "[$colours]" '"Window"="0 0 0"' '"WindowText"="255 255 255"' \
            '"ButtonFace"="32 32 32"' '"ButtonText"="255 255 255"' '"ButtonHilight"="64 64 64"' \
            '"ButtonLight"="48 48 48"' '"ButtonShadow"="16 16 16"' '"ButtonDkShadow"="0 0 0"' \
            '"Menu"="0 0 0"' '"MenuText"="255 255 255"' '"MenuBar"="0 0 0"' '"Highlight"="128 0 128"' \
            '"HighlightText"="255 255 0"' '"GrayText"="128 255 128"' '"InfoWindow"="0 0 0"' \
            '"InfoText"="255 255 255"' >"$scratch/dark.reg"
        "$WINE_RUN" reg import "Z:$scratch/dark.reg"
    fi
else
    [ -z "${DPI:-}" ] || echo "Xft.dpi: $DPI" | xrdb -merge
    if [ "${SCHEME:-}" = dark ]; then
        theme=qt${QT_MAJOR:?}ct
        export XDG_CONFIG_HOME=$scratch QT_QPA_PLATFORMTHEME=$theme
        mkdir -p "$XDG_CONFIG_HOME/$theme"
        printf '%s\n' '[Appearance]' "color_scheme_path=/usr/share/$theme/colors/darker.conf" \
            'custom_palette=true' '[Fonts]' 'fixed="Monospace,9,-1,5,50,0,0,0,0,0"' \
            'general="Sans Serif,9,-1,5,50,0,0,0,0,0"' >"$XDG_CONFIG_HOME/$theme/$theme.conf"
    fi
fi

start_window env "$@" "$exe"
shot=$out/$name.png
import -window "$wid" "$shot"
close_window # first: Wine's reg, above, waits for every Wine program to end
[ "${WIDTH}x${HEIGHT} at $X,$Y" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT} at $X,$Y"

if [ -n "${SAME_AS:-}" ]; then
    reference=$out/$SAME_AS.png
    [ -f "$reference" ] || fail "no $reference to compare with"
    # A window partly off the screen is shot only where it is on it.
    read -r w h < <(identify -format '%w %h\n' "$shot")
    crop=$(awk -v s="$WIDTH" -v w="$w" -v h="$h" -v x="$X" -v y="$Y" 'BEGIN {
        s /= 907; r = "%dx%d+%d+%d\n"
        printf r, w / s + 0.5, h / s + 0.5, (x < 0 ? -x / s + 0.5 : 0), (y < 0 ? -y / s + 0.5 : 0) }')
    convert "$shot" -resize "${crop%%+*}!" "$out/$name-shrunk.png"
    if [ -n "${MAX_CHANGED:-}" ]; then # a caption that vanishes changes its pixels by far more than a tenth
        changed=$(compare -metric AE -fuzz 10% "$out/$name-shrunk.png" "$reference[$crop]" null: 2>&1) || true
        echo "pixels that differ from $SAME_AS.png[$crop] by more than a tenth: $changed"
        [ "$changed" -le "$MAX_CHANGED" ] 2>/dev/null || fail "$changed pixels differ, more than $MAX_CHANGED"
    else
        rmse=$(compare -metric RMSE "$out/$name-shrunk.png" "$reference[$crop]" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
        echo "shrunk back to ${crop%%+*}, root mean square error against $SAME_AS.png[$crop]: $rmse"
        awk -v e="$rmse" -v max="$MAX_RMSE" 'BEGIN { exit !(e != "" && e + 0 <= max + 0) }' \
            || fail "error $rmse is above $MAX_RMSE"
    fi
fi
echo "1 passed, 0 failed"
