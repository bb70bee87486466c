#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a native Wayland client, driven by a real pointer and
# keyboard: Weston runs on its X11 backend nested in Xvfb, so what xdotool
# does in Weston's X window reaches the client through Weston's seat (a
# headless Weston has none: nothing could be typed or clicked).
#   e2e_wayland.sh SUMGROVE OUTDIR
# Run inside xvfb-run with no window manager; Weston's window is at 0,0.
set -euo pipefail
exe=$1 out=$2
mkdir -p "$out"
. "$(dirname "$0")/testing.sh"
. "$(dirname "$0")/practice_set.sh"

private_runtime_dir
socket=sumgrove-test
# No on-screen keyboard: it would pop up over the rows when a box takes the focus.
printf '[input-method]\npath=\n' >"$XDG_RUNTIME_DIR/weston.ini"
weston --backend=x11-backend.so --use-pixman --config="$XDG_RUNTIME_DIR/weston.ini" --debug \
       --idle-time=0 --socket=$socket --width=1100 --height=820 >"$out/weston.log" 2>&1 &
weston_pid=$!
pid=
at_exit 'kill $pid $weston_pid 2>/dev/null; wait'
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "Weston did not start: $(cat "$out/weston.log")"
# Weston follows the X pointer by its moves, and places its own pointer only
# when the X pointer enters its window: so start from outside.
xdotool mousemove 1279 899

# No DISPLAY: the program must not fall back to X11.
errlog=$out/wayland-stderr.txt
env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$exe" 2>"$errlog" &
pid=$!

# Weston places the window where it likes. The legend's green swatch, whose
# inside starts at 635,51 of the window's inside, tells where that is.
for _ in $(seq 60); do
    import -window root "$out/root.png"
    swatch=$(convert "$out/root.png" -fill black +opaque '#00FF00' -format '%@' info: 2>/dev/null)
    [[ $swatch == 28x28+* ]] && break
    sleep 0.25
done
[[ $swatch == 28x28+* ]] || fail "no window shown"
swatch=${swatch#28x28+}
ox=$(( ${swatch%+*} - 635 )) oy=$(( ${swatch#*+} - 51 ))
echo "window inside at $ox,$oy"

shoot() {
    import -window root "$out/root.png"
    convert "$out/root.png" -crop "907x600+$ox+$oy" +repage "$out/$1.png"
}
click() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; }
play_set

# What Weston itself shows, taken through its screenshooter (needs --debug).
rm -f "$out"/wayland-screenshot-*.png
(cd "$out" && WAYLAND_DISPLAY=$socket weston-screenshooter)
mv "$out"/wayland-screenshot-*.png "$out/wayland.png"

click 893 -16                                     # the title bar's close button
timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after close"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$errlog" ] || fail "stderr: $(cat "$errlog")"
echo "1 passed, 0 failed"
