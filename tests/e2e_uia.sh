#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program as a Windows screen reader reads it, through UI
# Automation's client library under Wine (uia_tree.cpp): before a set, once
# dealt and once graded, the twenty boxes named by their rows, each with its
# problem and then its verdict, the marks, the score and the clock, as on Linux.
#   e2e_uia.sh SUMGROVE XCLOSE OUTDIR UIA_TREE.EXE
# Run inside xvfb-run with no window manager, with WINE_RUN (the build's wine-run).
set -euo pipefail
exe=$1 xclose=$2 out=$3 client=$4
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"
. "$(dirname "$0")/practice_set.sh"

errlog=$out/uia-stderr.txt
start_window "$exe"
# The tree, a node a line (depth, control type, focus, name, description,
# help text, value) in $out/uia-NAME.txt. Where this Wine cannot walk the
# window (Wine 8.0 never returns from its first step, and the program stops
# with it), that is what this system lacks.
walk() {
    local status=0
    WINE_JOIN=1 timeout "${2:-60}" "$WINE_RUN" "$client" "$title" >"$out/uia-$1.txt" 2>"$out/uia-$1.err" || status=$?
    if [ "$status" -eq 124 ] || [ "$status" -eq 3 ]; then
        kill "$pid"; wineserver -k || true
        skip "this Wine's UI Automation cannot walk the window ($(wine --version), exit $status): Wine 10 can"
    fi
    [ "$status" -eq 0 ] || fail "uia_tree: exit $status: $(cat "$out/uia-$1.err")"
}
# The nodes of TYPE named NAME (a pattern), their descriptions, a line each.
nodes() { awk -F '\t' -v type="$2" -v name="^($3)\$" '$2 == type && $4 ~ name { print $4 "\t" $5 "\t" $6 "\t" $7 }' "$out/uia-$1.txt"; }
described() { nodes "$1" edit "第$2题" | cut -f2; }

walk before
[ "$(nodes before edit '第[0-9]+题' | cut -f1 | sort -u | wc -l)" -eq 20 ] || fail "not twenty boxes: $(nodes before edit '.*')"
for name in 开始练习 提交答案; do
    [ -n "$(nodes before button "$name")" ] || fail "no button $name: $(cut -f2,4 "$out/uia-before.txt" | tr '\n' ' ')"
done
[ "$(nodes before text '得分' | wc -l)" -ge 1 ] || fail "no score 得分 before a set"
grep -qP '^\d+\t\S+\t\d\t计时\t' "$out/uia-before.txt" || fail "no clock named 计时"

click "$start_x" "$start_y"                       # 开始练习
sleep 1
walk dealt
declare -A typed problems
for n in $(seq 20); do
    problems[$n]=$(described dealt "$n")
    read -r a op b eq <<<"${problems[$n]}"
    [[ "$a $b $eq" =~ ^[0-9]+\ [0-9]+\ =$ ]] || fail "row $n describes '${problems[$n]}', not a problem"
    case "$op" in
    +) typed[$n]=$((a + b)) ;; -) typed[$n]=$((a - b)) ;; ×) typed[$n]=$((a * b)) ;; ÷) typed[$n]=$((a / b)) ;;
    *) fail "row $n: no operator in '${problems[$n]}'" ;;
    esac
    [ "$n" -ne 2 ] || typed[2]=$((typed[2] + 1))   # row 2 wrong
    click $(answer_at "$n")
    xdotool type --delay 50 "${typed[$n]}"
done
click "$submit_x" "$submit_y"                     # 提交答案
sleep 1
walk graded
for n in $(seq 20); do
    if [ "$n" -eq 2 ]; then verdict=错误; else verdict=正确; fi
    heard=$(nodes graded edit "第$n题")
    [ "$(cut -f2 <<<"$heard")" = "${problems[$n]} ，$verdict" ] || fail "row $n is described '$(cut -f2 <<<"$heard")'"
    # Wine 10 implements no Value pattern; where a Wine does, the answer typed is the box's value.
    value=$(cut -f4 <<<"$heard")
    [ "$value" = - ] || [ "$value" = "${typed[$n]}" ] || fail "row $n's value is '$value', not ${typed[$n]}"
done
# The marks, and the legend's two captions with them.
[ "$(nodes graded text '正确' | wc -l)" -eq 20 ] && [ "$(nodes graded text '错误' | wc -l)" -eq 2 ] \
    || fail "the marks are not 19 正确 and 1 错误: $(nodes graded text '正确|错误' | cut -f1 | tr '\n' ' ')"
nodes graded text '得分 95' | grep -q . || fail "no score 得分 95: $(nodes graded text '得分.*' | cut -f1)"
echo "$(wine --version): $(wc -l <"$out/uia-graded.txt") nodes; the values: $(nodes graded edit '第1题' | cut -f4)"
close_window
