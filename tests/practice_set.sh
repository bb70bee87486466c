# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests of the real program: plays one practice set through the
# window as a pupil would, and checks what the screen shows. The caller defines
#   shoot NAME   a screenshot of the window's inside, 907 x 600, in $out/NAME.png
#   click X Y    a pointer click at X,Y of the window's inside
# having sourced testing.sh. Coordinates are those of the window's inside, as
# window.facts gives them.
tests=$(dirname "${BASH_SOURCE[0]}")

# Pixels of SHOT inside WxH+X+Y that are exactly COLOUR.
count_colour() { "$tests/pixels.sh" count "$@"; } # shot geometry colour
# Number of pixels that differ between two shots inside a region.
changed() { "$tests/pixels.sh" changed "$1[$3]" "$2[$3]"; } # shot1 shot2 geometry

clock=$(fact clock) operands=$(fact operands) answer1=$(fact answer1) score=$(fact score)
read -r -a row_y <<<"$(fact rows)"
read -r -a mark_x <<<"$(fact marks)"
read -r -a answer_x <<<"$(fact answers)"
read -r start_x start_y <<<"$(fact start | tr , ' ')"
read -r submit_x submit_y <<<"$(fact submit | tr , ' ')"
# Row N's answer box, X Y, and a band of its half-row that holds its mark,
# wide on the left for a mark drawn a little off its place.
answer_at() { echo "${answer_x[$(( ($1 - 1) / 10 ))]} $(( ${row_y[$(( ($1 - 1) % 10 ))]} + 11 ))"; }
verdict_band() { echo "400x36+$(( ${mark_x[$(( ($1 - 1) / 10 ))]} - 350 ))+$(( ${row_y[$(( ($1 - 1) % 10 ))]} - 1 ))"; }

# Deals a set, types an answer into row 1, grades the set with every other
# answer empty and checks that a score shows and the clock then stands still.
# Sets row1_right to 1 when row 1 was marked right, else 0.
play_set() {
    shoot before
    click "$start_x" "$start_y"                   # 开始练习
    sleep 2.2
    shoot started
    [ "$(changed "$out/before.png" "$out/started.png" "$clock")" -gt 0 ] || fail "clock did not move"
    [ "$(changed "$out/before.png" "$out/started.png" "$operands")" -gt 100 ] || fail "no problems dealt"
    for r in $(seq 1 20); do
        [ "$(count_colour "$out/started.png" "$(verdict_band "$r")" '#FF0000')" -eq 0 ] \
            || fail "row $r is red before grading"
    done

    click $(answer_at 1)                          # row 1's answer box
    xdotool type --delay 50 7
    sleep 0.5
    shoot typed
    [ "$(changed "$out/started.png" "$out/typed.png" "$answer1")" -gt 10 ] || fail "typing did not reach row 1"

    click "$submit_x" "$submit_y"                 # 提交答案
    sleep 0.5
    shoot graded
    local r red green
    for r in $(seq 1 20); do
        red=$(count_colour "$out/graded.png" "$(verdict_band "$r")" '#FF0000')
        green=$(count_colour "$out/graded.png" "$(verdict_band "$r")" '#00FF00')
        if [ "$r" -eq 1 ]; then # 7 may be right
            [ $((red + green)) -ge 400 ] || fail "row 1 has no verdict"
            row1_right=$(( green >= 400 ))
        else
            [ "$red" -ge 400 ] || fail "row $r: only $red pure red pixels"
        fi
    done
    [ "$(changed "$out/started.png" "$out/graded.png" "$score")" -gt 10 ] || fail "no score shown"
    sleep 1.5
    shoot later
    [ "$(changed "$out/graded.png" "$out/later.png" "$clock")" -eq 0 ] || fail "clock still runs after submit"
}
