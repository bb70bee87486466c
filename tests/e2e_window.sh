#!/usr/bin/env bash
# The real program in a real X server, driven by a real pointer and keyboard:
#   e2e_window.sh SUMGROVE XCLOSE OUTDIR QT-MAJOR-VERSION
# Run inside xvfb-run on a 1920x1080x24 screen with no window manager.
set -euo pipefail
exe=$1 xclose=$2 out=$3 qt=$4
mkdir -p "$out"
. "$(dirname "$0")/xwindow.sh"
. "$(dirname "$0")/practice_set.sh"

# Libraries that only drawing with OpenGL needs: the GL integration of Qt's X11
# plugin, the Mesa drivers and LLVM.
gl_stack='gl-integration|libGLX_mesa|libEGL_mesa|_dri\.so|libLLVM'

errlog=$out/stderr.txt
start_window "$exe"
[ "$WIDTH x $HEIGHT at $X,$Y" = "907 x 600 at 506,200" ] || fail "geometry ${WIDTH}x${HEIGHT} at $X,$Y"
if grep -E "$gl_stack" "/proc/$pid/maps"; then fail "OpenGL libraries are loaded"; fi

shoot() { import -window "$wid" "$out/$1.png"; }
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
play_set
close_window
[ ! -s "$errlog" ] || fail "stderr: $(cat "$errlog")"

# A user who asks for Qt's GLX integration gets it. Qt 6 loads it only when
# something draws with OpenGL, so there is nothing to see at start-up.
if [ "$qt" = 5 ]; then
    start_window env QT_XCB_GL_INTEGRATION=xcb_glx "$exe"
    grep -q 'libqxcb-glx-integration' "/proc/$pid/maps" || fail "QT_XCB_GL_INTEGRATION=xcb_glx was overridden"
    close_window
fi
echo "1 passed, 0 failed"
