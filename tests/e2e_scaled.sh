#!/usr/bin/env bash
# On a high-density screen the fixed form scales instead of shrinking:
#   e2e_scaled.sh SUMGROVE XCLOSE OUTDIR NAME "WxH at X,Y" [VAR=VALUE...]
# run inside xvfb-run. X sees device pixels: the 907 x 600 form times the
# screen's factor, placed on the logical desktop that factor leaves.
set -euo pipefail
exe=$1 xclose=$2 out=$3 name=$4 expected=$5
shift 5
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"

start_window env "$@" "$exe"
[ "${WIDTH}x${HEIGHT} at $X,$Y" = "$expected" ] || fail "window is ${WIDTH}x${HEIGHT} at $X,$Y"
import -window "$wid" "$out/$name.png"
size=$(identify -format '%wx%h' "$out/$name.png")
[ "$size" = "${expected%% *}" ] || fail "screenshot is $size"
close_window
echo "1 passed, 0 failed"
