# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests of the real program in Xvfb: start it, find its window by
# its exact title, close it as a window manager would and check how it ended.
# Needs $xclose (the helper that sends WM_DELETE_WINDOW).
. "$(dirname "${BASH_SOURCE[0]}")/testing.sh"
title='数学练习题    By: 砚田学社 - quillmarsh 编写'
export LC_ALL=C.UTF-8 # xdotool matches no Chinese title in the C locale
[ -n "${XDG_RUNTIME_DIR:-}" ] || private_runtime_dir

start_window() { # command... ; sets pid, wid, X, Y, WIDTH, HEIGHT; stderr to $errlog if set
    # (Not 2>/dev/stderr: reopening that truncates a log file the caller writes to.)
    if [ -n "${errlog:-}" ]; then "$@" 2>"$errlog" & else "$@" & fi
    pid=$!
    wid=$(timeout 90 xdotool search --sync --onlyvisible --name "^${title}\$" | head -1) || true
    [ -n "$wid" ] || fail "no window titled '$title'"
    # Mapped is not painted: emulated on a busy machine the window can stay
    # black for seconds. The form is there once the legend's green swatch is.
    local green=0
    for _ in $(seq 300); do
        green=$(import -window "$wid" png:- 2>/dev/null | convert - -fill black +opaque '#00FF00' -fill white \
                -opaque '#00FF00' -format '%[fx:mean*w*h]' info: 2>/dev/null) || green=0
        [ "${green%.*}" -ge 400 ] && break
        sleep 0.2
    done
    [ "${green%.*}" -ge 400 ] || fail "the window never showed its form"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    echo "window $wid: ${WIDTH}x${HEIGHT} at $X,$Y"
}

close_window() {
    "$xclose" "$wid"
    timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after close"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}
