# Shared by the tests of the real program in Xvfb: start it, find its window by
# its exact title, close it as a window manager would and check how it ended.
# Needs $xclose (the helper that sends WM_DELETE_WINDOW).
title='数学练习题    By: 砚田学社 - quillmarsh 编写'
export LC_ALL=C.UTF-8 # xdotool matches no Chinese title in the C locale

fail() { echo "FAIL: $*" >&2; exit 1; }

# A desktop session has a private runtime directory; without one Qt says so on stderr.
# A script that sets its own EXIT trap calls xwindow_cleanup from it.
own_runtime_dir=
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    own_runtime_dir=$(mktemp -d)
    export XDG_RUNTIME_DIR=$own_runtime_dir
fi
xwindow_cleanup() { [ -z "$own_runtime_dir" ] || rm -rf "$own_runtime_dir"; }
trap xwindow_cleanup EXIT

start_window() { # command... ; sets pid, wid, X, Y, WIDTH, HEIGHT; stderr to $errlog if set
    # (Not 2>/dev/stderr: reopening that truncates a log file the caller writes to.)
    if [ -n "${errlog:-}" ]; then "$@" 2>"$errlog" & else "$@" & fi
    pid=$!
    wid=$(timeout 15 xdotool search --sync --onlyvisible --name "^${title}\$" | head -1) || true
    [ -n "$wid" ] || fail "no window titled '$title'"
    sleep 0.5
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
