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
#   LIKENESS how like e2e_window's first shot, before.png, the window must
#            look once shrunk back to 907 x 600 (where it is on the screen):
#            "rmse MAX", a root mean square error (0 to 1), or "changed MAX",
#            pixels that differ by more than a tenth, as a vanished caption's do
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
        printf '%s\r\n' REGEDIT4 "[$colours]" '"Window"="0 0 0"' '"WindowText"="255 255 255"' \
            '"ButtonFace"="32 32 32"' '"ButtonText"="255 255 255"' '"Menu"="0 0 0"' '"MenuText"="255 255 255"' \
            '"MenuBar"="0 0 0"' '"Highlight"="128 0 128"' '"GrayText"="128 255 128"' >"$scratch/dark.reg"
        "$WINE_RUN" reg import "Z:$scratch/dark.reg"
    fi
else
    [ -z "${DPI:-}" ] || echo "Xft.dpi: $DPI" | xrdb -merge
    if [ "${SCHEME:-}" = dark ]; then
        theme=qt${QT_MAJOR:?}ct
        need_plugin platformthemes "$theme" "colour-scheme theme" "$theme"
        export XDG_CONFIG_HOME=$scratch QT_QPA_PLATFORMTHEME=$theme
        mkdir -p "$XDG_CONFIG_HOME/$theme"
        printf '%s\n' '[Appearance]' "color_scheme_path=/usr/share/$theme/colors/darker.conf" \
            'custom_palette=true' '[Fonts]' 'fixed="Monospace,9,-1,5,50,0,0,0,0,0"' \
            'general="Sans Serif,9,-1,5,50,0,0,0,0,0"' >"$XDG_CONFIG_HOME/$theme/$theme.conf"
        # Else the form would be light for want of a dark desktop.
        read -r _ lightness < <(probe)
        awk -v l="$lightness" 'BEGIN { exit !(l < 0.5) }' || fail "$theme left Qt's palette light ($lightness)"
    fi
fi

start_window env "$@" "$exe"
shot=$out/$name.png
magick import -window "$wid" "$shot"
close_window # first: Wine's reg, above, waits for every Wine program to end
[ "${WIDTH}x${HEIGHT} at $X,$Y" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT} at $X,$Y"

# A window partly off the screen is shot only where it is on it.
read -r w h < <(magick identify -format '%w %h\n' "$shot")
crop=$(awk -v s="$WIDTH" -v w="$w" -v h="$h" -v x="$X" -v y="$Y" 'BEGIN { s /= 907
    printf "%dx%d+%d+%d\n", w / s + 0.5, h / s + 0.5, (x < 0 ? -x / s + 0.5 : 0), (y < 0 ? -y / s + 0.5 : 0) }')
magick "$shot" -resize "${crop%%+*}!" "$out/$name-shrunk.png"
read -r metric limit <<<"$LIKENESS"
if [ "$metric" = changed ]; then set -- changed 0.1; else set -- rmse; fi
value=$("$(dirname "$0")/pixels.sh" "$1" "$out/$name-shrunk.png" "$out/before.png[$crop]" "${@:2}")
echo "shrunk back to ${crop%%+*}, against before.png[$crop]: $metric $value"
awk -v v="$value" -v max="$limit" 'BEGIN { exit !(v != "" && v + 0 <= max + 0) }' || fail "$metric $value is above $limit"
echo "1 passed, 0 failed"
