#!/usr/bin/env bash
# On a screen scaled to 200 % the fixed form scales instead of shrinking:
#   e2e_scaled.sh SUMGROVE XCLOSE OUTDIR      (inside xvfb-run, 3840x2160)
set -euo pipefail
exe=$1 xclose=$2 out=$3
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"

start_window env QT_SCALE_FACTOR=2 "$exe"
# X sees device pixels: twice the 907 x 600 the form lays out, placed on the
# 1920 x 1080 logical desktop that a 3840 x 2160 screen at 200 % gives.
[ "${WIDTH}x${HEIGHT} at $X,$Y" = "1814x1200 at 1012,400" ] || fail "window is ${WIDTH}x${HEIGHT} at $X,$Y"
import -window "$wid" "$out/scaled.png"
size=$(identify -format '%wx%h' "$out/scaled.png")
[ "$size" = "1814x1200" ] || fail "screenshot is $size"
close_window
echo "1 passed, 0 failed"
