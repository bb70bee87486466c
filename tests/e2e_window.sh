#!/usr/bin/env bash
# The real program in a real X server, driven by a real pointer:
#   e2e_window.sh SUMGROVE XCLOSE OUTDIR
# Run inside xvfb-run on a 1920x1080x24 screen with no window manager.
set -euo pipefail
exe=$1 xclose=$2 out=$3
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"

# Pixels of SHOT inside WxH+X+Y (window coordinates) that are exactly COLOUR.
count_colour() { # shot geometry colour
    convert "$1" -crop "$2" +repage txt:- | grep -ci " $3 " || true
}
# Number of pixels that differ between two shots inside a region.
changed() { # shot1 shot2 geometry
    convert "$1" -crop "$3" +repage "$out/a.png"
    convert "$2" -crop "$3" +repage "$out/b.png"
    compare -metric AE "$out/a.png" "$out/b.png" null: 2>&1 || true
}
shoot() { import -window "$wid" "$out/$1.png"; }

start_window "$exe"
[ "$WIDTH x $HEIGHT at $X,$Y" = "907 x 600 at 506,200" ] || fail "geometry ${WIDTH}x${HEIGHT} at $X,$Y"

# Regions in window coordinates. The menu bar is 23 high and the tool bar about
# 80 wide, so the clock sits near the top right and the left column of operand
# boxes below the heading; the verdict marks are searched row by row.
clock=120x40+780+45
operands=250x470+85+90
row_y=(70 110 160 210 260 310 360 410 460 510)
verdict_band() { # row number 1..20 -> geometry of its half-row band
    local r=$1 y=$(( 23 + ${row_y[$(( ($1 - 1) % 10 ))]} ))
    if [ "$r" -le 10 ]; then echo "400x36+95+$y"; else echo "400x36+505+$y"; fi
}

shoot before
xdotool mousemove --window "$wid" 40 50 click 1        # 开始练习
sleep 2.2
shoot started
[ "$(changed "$out/before.png" "$out/started.png" "$clock")" -gt 0 ] || fail "clock did not move"
[ "$(changed "$out/before.png" "$out/started.png" "$operands")" -gt 100 ] || fail "no problems dealt"
for r in $(seq 1 20); do
    [ "$(count_colour "$out/started.png" "$(verdict_band "$r")" '#FF0000')" -eq 0 ] \
        || fail "row $r is red before grading"
done

xdotool mousemove --window "$wid" 40 115 click 1       # 提交答案, every answer empty
sleep 0.5
shoot graded
for r in $(seq 1 20); do
    n=$(count_colour "$out/graded.png" "$(verdict_band "$r")" '#FF0000')
    [ "$n" -ge 400 ] || fail "row $r: only $n pure red pixels"
done
sleep 1.5
shoot later
[ "$(changed "$out/graded.png" "$out/later.png" "$clock")" -eq 0 ] || fail "clock still runs after submit"

close_window
echo "1 passed, 0 failed"
