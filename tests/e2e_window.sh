#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server, driven by a real pointer and keyboard:
#   e2e_window.sh SUMGROVE XCLOSE OUTDIR PLATFORM
# PLATFORM is the Qt major version on Linux, or windows for the Windows
# program under Wine. Run inside xvfb-run on a 1920x1080x24 screen with no
# window manager.
set -euo pipefail
exe=$1 xclose=$2 out=$3 platform=$4
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"
. "$(dirname "$0")/practice_set.sh"

# Libraries that only drawing with OpenGL needs: the GL integration of Qt's X11
# plugin, the Mesa drivers (one library of them all since Mesa 24.2) and LLVM.
gl_stack='gl-integration|libGLX_mesa|libEGL_mesa|_dri\.so|libgallium|libLLVM'

errlog=$out/stderr.txt
start_window "$exe"
# X shows the window's inside. Windows places the frame at 506,200; Wine's
# frame has a 4-pixel border and a 19-pixel title bar above the inside.
if [ "$platform" = windows ]; then at=510,223; else at=506,200; fi
[ "$WIDTH x $HEIGHT at $X,$Y" = "907 x 600 at $at" ] || fail "geometry ${WIDTH}x${HEIGHT} at $X,$Y"
if [ "$platform" != windows ] && grep -E "$gl_stack" "/proc/$pid/maps"; then fail "OpenGL libraries are loaded"; fi
if [ -n "${QT_LIBRARY:-}" ]; then
    grep -qF "$QT_LIBRARY" "/proc/$pid/maps" || fail "the program did not load $QT_LIBRARY"
fi

shoot() { magick import -window "$wid" "$out/$1.png"; }
play_set

# The keyboard route to the two actions, which have no shortcuts: tap Alt, then
# the one menu. A new set clears the marks; submitting it empty marks row 2 red.
xdotool mousemove --window "$wid" 450 300
xdotool key alt; sleep 0.2; xdotool key --delay 150 Down Return
sleep 0.5
shoot by-keyboard-dealt
[ "$(count_colour "$out/by-keyboard-dealt.png" "$(verdict_band 2)" '#FF0000')" -eq 0 ] \
    || fail "Alt, Down, Return did not deal a new set"
xdotool key alt; sleep 0.2; xdotool key --delay 150 Down Down Return
sleep 0.5
shoot by-keyboard-graded
[ "$(count_colour "$out/by-keyboard-graded.png" "$(verdict_band 2)" '#FF0000')" -ge 400 ] \
    || fail "Alt, Down, Down, Return did not grade the set"
# An empty set scores 0, as the first set did unless its row 1 was right.
score_changed=$(changed "$out/graded.png" "$out/by-keyboard-graded.png" "$score")
[ $(( score_changed > 0 )) = "$row1_right" ] || fail "score does not follow row 1's verdict"
close_window
[ ! -s "$errlog" ] || fail "stderr: $(cat "$errlog")"

# A user who asks for Qt's GLX integration gets it. Qt 6 loads it only when
# something draws with OpenGL, so there is nothing to see at start-up.
if [ "$platform" = 5 ]; then
    start_window env QT_XCB_GL_INTEGRATION=xcb_glx "$exe"
    grep -q 'libqxcb-glx-integration' "/proc/$pid/maps" || fail "QT_XCB_GL_INTEGRATION=xcb_glx was overridden"
    close_window
fi
echo "1 passed, 0 failed"
