#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a native Wayland client, driven by a real pointer and
# keyboard: Weston runs on its X11 backend nested in Xvfb, so what xdotool
# does in Weston's X window reaches the client through Weston's seat (a
# headless Weston has none: nothing could be typed or clicked).
#   e2e_wayland.sh SUMGROVE OUTDIR                   plays a set
#   e2e_wayland.sh SUMGROVE OUTDIR keyboard MODULE   answers by touch
# With keyboard, Weston shows its on-screen keyboard, and MODULE (built from
# weston_touch.cpp) gives its seat a touch screen: a tap on an answer box must
# activate text input for digits, a mouse click must not, and what Weston's
# numeric keyboard types must be graded.
# Run inside xvfb-run with no window manager; Weston's window is at 0,0.
set -euo pipefail
exe=$1 out=$2 part=${3:-set} module=${4:-}
mkdir -p "$out"
. "$(dirname "$0")/testing.sh"
. "$(dirname "$0")/practice_set.sh"

private_runtime_dir
socket=sumgrove-test
if [ "$part" = keyboard ]; then
    export WESTON_TOUCH_FIFO=$XDG_RUNTIME_DIR/touch
    mkfifo "$WESTON_TOUCH_FIFO"
    printf '[core]\nmodules=%s\n' "$module" >"$XDG_RUNTIME_DIR/weston.ini"
else # no on-screen keyboard: the set is played with a real keyboard
    printf '[input-method]\npath=\n' >"$XDG_RUNTIME_DIR/weston.ini"
fi
# Drawn in software on its X11 backend, as Weston 12 and later name them, or
# as Weston 10 did: whichever this Weston starts with.
pid=
at_exit 'kill $pid $weston_pid 2>/dev/null; wait'
for options in '--backend=x11 --renderer=pixman' '--backend=x11-backend.so --use-pixman'; do
    # shellcheck disable=SC2086 # the options are words
    weston $options --config="$XDG_RUNTIME_DIR/weston.ini" --debug --idle-time=0 --socket=$socket \
           --width=1100 --height=820 >"$out/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$socket" ] || ! kill -0 $weston_pid 2>/dev/null && break
        sleep 0.1
    done
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    stop $weston_pid
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "Weston did not start: $(cat "$out/weston.log")"
# Skipped only where Qt has no Wayland plugin: one it has must come up.
came_up=$(unset DISPLAY; WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM='wayland;offscreen' probe 2>/dev/null) || true
if [ "${came_up%% *}" != wayland ]; then
    if [ "${QT_MAJOR:?}" = 5 ]; then plugin=qtwayland5; else plugin=qt$QT_MAJOR-wayland; fi
    need_plugin platforms wayland "Wayland platform plugin" "$plugin"
    fail "Qt has a Wayland platform plugin, but came up on '${came_up%% *}'"
fi
# Weston follows the X pointer by its moves, and places its own pointer only
# when the X pointer enters its window: so start from outside.
xdotool mousemove 1279 899

# No DISPLAY: the program must not fall back to X11. Answering by touch, its
# stderr also logs what it asks of Weston's text input. Qt 5 starts EGL to ask
# whether it may decorate the window; with no graphics device here, Mesa 26
# says so before it falls back to drawing in software: it is told to at once.
errlog=$out/wayland-$part-stderr.txt
debug=
[ "$part" = keyboard ] && debug=client
env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=$debug LIBGL_ALWAYS_SOFTWARE=1 \
    "$exe" 2>"$errlog" &
pid=$!

# Weston places the window where it likes. The legend's green swatch, whose
# inside starts at 635,51 of the window's inside, tells where that is.
for _ in $(seq 300); do # emulated on a busy machine, a minute or more
    magick import -window root "$out/root.png"
    swatch=$(magick "$out/root.png" -fill black +opaque '#00FF00' -format '%@' info: 2>/dev/null)
    [[ $swatch == 28x28+* ]] && break
    sleep 0.25
done
[[ $swatch == 28x28+* ]] || fail "no window shown"
swatch=${swatch#28x28+}
ox=$(( ${swatch%+*} - 635 )) oy=$(( ${swatch#*+} - 51 ))
echo "window inside at $ox,$oy"

shoot() {
    magick import -window root "$out/root.png"
    magick "$out/root.png" -crop "907x600+$ox+$oy" +repage "$out/$1.png"
}
click() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; }

if [ "$part" = keyboard ]; then
    tap() { printf 'down %d %d\nup\n' "$1" "$2" >"$WESTON_TOUCH_FIFO"; sleep 0.5; } # Weston's output coordinates
    # A request is logged as zwp_text_input_v1@ID.NAME(, or #ID since libwayland 1.23.
    requests() { grep -c "zwp_text_input_v1[^0-9(]\?[0-9]*\.$1(" "$errlog" || true; }
    read -r answer1_x answer1_y <<<"$(answer_at 1)"
    click "$answer1_x" "$answer1_y"               # row 1's answer box
    [ "$(requests activate)" -eq 0 ] || fail "a mouse click activated text input"
    tap $((ox + answer1_x)) $((oy + answer1_y))
    [ "$(requests activate)" -eq 1 ] || fail "a tap did not activate text input"
    [ "$(requests show_input_panel)" -ge 1 ] || fail "a tap did not ask for the on-screen keyboard"
    # Content purpose 2 is digits, for which Weston shows its numeric layout.
    grep -qE 'zwp_text_input_v1[^0-9(]?[0-9]+\.set_content_type\([0-9]+, 2\)' "$errlog" || fail "text input is not for digits"
    # Weston's keyboard, 720 x 200 in 60 x 50 keys, sits at the bottom centre
    # of its output. In the numeric layout 0 is the tenth key of the top row;
    # in the others a letter, which the box refuses. It holds what it types
    # as pre-edit text: 提交答案 must grade what the box shows.
    tap 760 645
    tap 760 645
    tap $((ox + submit_x)) $((oy + submit_y))     # 提交答案
    shoot graded-by-touch
    # Before any deal every row reads 0 + 0: 00 is right, an empty box wrong.
    [ "$(count_colour "$out/graded-by-touch.png" "$(verdict_band 1)" '#00FF00')" -ge 400 ] \
        || fail "the answer typed on Weston's keyboard was not graded right"
    [ "$(count_colour "$out/graded-by-touch.png" "$(verdict_band 2)" '#FF0000')" -ge 400 ] || fail "row 2 not graded"
    click "$answer1_x" "$answer1_y"               # the mouse takes over again
    [ "$(requests deactivate)" -ge 1 ] || fail "a mouse click left text input active"
else
    play_set
    # What Weston itself shows, taken through its screenshooter (needs --debug).
    rm -f "$out"/wayland-screenshot-*.png
    (cd "$out" && WAYLAND_DISPLAY=$socket weston-screenshooter)
    mv "$out"/wayland-screenshot-*.png "$out/wayland.png"
fi

# The title bar's close button.
click 893 -16
timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after close"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
# Protocol lines start with a time stamp in brackets (seconds, or since
# libwayland 1.26 the time of day); nothing else may be said.
said=$(grep -v '^\[[0-9:. ]*\] ' "$errlog" || true)
[ -z "$said" ] || fail "stderr: $said"
echo "1 passed, 0 failed"
