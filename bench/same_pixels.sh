#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Do two builds draw the same pixels? Each is started at the same faked
# calendar time, so both seed the same problems; a set is dealt and then graded
# with every answer empty, and the window is shot after each step. Prints how
# many pixels differ; 0 and 0 means not a pixel changed.
#   same_pixels.sh OLD-SUMGROVE NEW-SUMGROVE XCLOSE OUTDIR
# Needs faketime (Debian package faketime); runs its own Xvfb.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" "$0" "$@"
fi
old=$1 new=$2 xclose=$3 out=$4
mkdir -p "$out"
. "$(dirname "$0")/../tests/xwindow.sh"

# The text cursor in row 1's answer box blinks; shoot while it is off, so
# that its phase does not count as a difference.
shoot() { # file
    for _ in $(seq 20); do
        magick import -window "$wid" "$1"
        [ "$(magick "$1" -crop 1x19+391+97 -format '%[fx:minima.r]' info:)" = 1 ] && return
        sleep 0.1
    done
    fail "the text cursor never went off"
}
shots() { # exe name
    start_window env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime '2026-12-07 09:00:00' "$1"
    xdotool mousemove --window "$wid" $(fact start | tr , " ") click 1     # 开始练习
    sleep 0.2
    shoot "$out/$2-dealt.png"
    xdotool mousemove --window "$wid" $(fact submit | tr , " ") click 1    # 提交答案
    sleep 0.2
    shoot "$out/$2-graded.png"
    close_window
}
shots "$old" old
shots "$new" new
for step in dealt graded; do
    echo "$step: $("$(dirname "$0")/../tests/pixels.sh" changed "$out/old-$step.png" "$out/new-$step.png") pixels differ"
done
