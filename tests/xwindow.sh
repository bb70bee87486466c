# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests of the real program in Xvfb: start it, find its window by
# its exact title, close it as a window manager would and check how it ended.
# Needs $xclose (the helper that sends WM_DELETE_WINDOW).
. "$(dirname "${BASH_SOURCE[0]}")/testing.sh"
title=$(fact title)
export LC_ALL=C.UTF-8 # xdotool matches no Chinese title in the C locale
[ -n "${XDG_RUNTIME_DIR:-}" ] || private_runtime_dir

# Waits, up to TRIES shots of the window, until the number of white pixels
# that OPERATIONS leave of the picture (cropped by CROP) compares as asked.
await_pixels() { # tries crop operations test-operator number
    local count
    for _ in $(seq "$1"); do
        # shellcheck disable=SC2086 # the operations are words
        count=$(magick import -window "$wid" png:- 2>/dev/null | magick - $2 +repage $3 -format '%[fx:mean*w*h]' info: 2>/dev/null) \
            && [ "${count%.*}" "$4" "$5" ] && return
        sleep 0.05
    done
    return 1
}

start_window() { # command... ; sets pid, wid, X, Y, WIDTH, HEIGHT; stderr to $errlog if set
    # (Not 2>/dev/stderr: reopening that truncates a log file the caller writes to.)
    if [ -n "${errlog:-}" ]; then "$@" 2>"$errlog" & else "$@" & fi
    pid=$!
    # xdotool gives up at an X error, as when a window goes while it looks at
    # it (Wine makes and drops some as it starts): it is asked again.
    local deadline=$((SECONDS + 90))
    until wid=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1) && [ -n "$wid" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no window titled '$title'"
        sleep 0.2
    done
    # Mapped is not painted: emulated on a busy machine the window can stay
    # black for seconds. The form is there once the legend's green swatch is.
    # Then row 1's answer box, which has the focus, blinks its caret: every
    # shot starts while it is hidden, as the first shot did.
    await_pixels 300 '' "-fill black +opaque #00FF00 -fill white -opaque #00FF00" -ge 400 \
        || fail "the window never showed its form"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    local caret
    caret=$(fact caret | awk -F '[x+]' -v w="$WIDTH" -v x="$X" -v y="$Y" '{ s = w / 907
        printf "%dx%d+%d+%d\n", $1 * s, $2 * s, $3 * s + (x < 0 ? x : 0), $4 * s + (y < 0 ? y : 0) }')
    await_pixels 50 "-crop $caret" "-threshold 50% -negate" -eq 0 || fail "the caret never hid"
    echo "window $wid: ${WIDTH}x${HEIGHT} at $X,$Y"
}

# A pointer click at X,Y of the window's inside.
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }

close_window() {
    "$xclose" "$wid"
    timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after close"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}
