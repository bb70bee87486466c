#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshot.png: the real window in Xvfb a few seconds into a set.
#   tools/screenshot.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
exec xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" bash -c '
    . tests/xwindow.sh
    start_window "$1/sumgrove"
    xdotool mousemove --window "$wid" $(fact start | tr , " ") click 1     # 开始练习
    sleep 3.2
    magick import -window "$wid" docs/screenshot.png
    kill "$pid"' _ "$build"
