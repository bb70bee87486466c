#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests measure in a screenshot, each a number in a format set here,
# not one that ImageMagick happens to print (its compare's wording changes):
#   pixels.sh count SHOT GEOMETRY COLOUR       pixels exactly COLOUR
#   pixels.sh changed SHOT1 SHOT2 [FUZZ]       pixels whose colours differ by
#                                              more than FUZZ (0 to 1; 0), the
#                                              root mean square of their channels'
#   pixels.sh rmse SHOT1 SHOT2                 root mean square difference, 0 to 1
# A SHOT may name a region, as in shot.png[WxH+X+Y]; alpha is dropped.
set -euo pipefail
. "$(dirname "$0")/testing.sh"

# Per pixel, the difference of each channel, as a grey picture each.
differences() { magick "$1" "$2" -alpha off -compose difference -composite -separate "${@:3}"; }
case "${1:-}" in
count) magick "$2[$3]" -alpha off -fill black +opaque "$4" -fill white -opaque "$4" \
           -precision 9 -format '%[fx:int(mean*w*h+0.5)]\n' info: ;;
changed) # (the sum of three squares, not their mean, keeps a difference of one level in 16 bits)
    differences "$2" "$3" -evaluate pow 2 -evaluate-sequence add -evaluate pow 0.5 \
        -threshold "$(awk -v f="${4:-0}" 'BEGIN { print f * sqrt(3) * 100 }')%" -precision 9 -format '%[fx:int(mean*w*h+0.5)]\n' info: ;;
rmse) differences "$2" "$3" -evaluate pow 2 -evaluate-sequence mean -format '%[fx:sqrt(mean)]\n' info: ;;
*) fail "usage: pixels.sh count|changed|rmse ..." ;;
esac
