#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a desktop-like session (an X server that keeps its root
# properties, a private D-Bus session bus, and the accessibility bus started
# before the program, with accessibility and the screen reader turned on as a
# running screen reader turns them on: Qt before 5.15 waits for the second),
# played by CLIENT, which reads it through AT-SPI:
#   e2e_desktop.sh SUMGROVE CLIENT.py [fcitx5]
# With fcitx5, a pinyin input method runs as well, switched on from the start
# with Shift+Space for full width, as on a Chinese pupil's desktop, and the
# program uses it.
# Run inside xvfb-run -s -noreset and dbus-run-session.
set -euo pipefail
exe=$1 client=$2 input_method=${3:-}
. "$(dirname "$0")/testing.sh"

private_runtime_dir
launcher=
im=
pid=
at_exit 'kill $pid $im $launcher 2>/dev/null; wait'

/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 --screen-reader=1 &
launcher=$!
for _ in $(seq 100); do
    xprop -root AT_SPI_BUS 2>/dev/null | grep -q unix: && break
    sleep 0.1
done
xprop -root AT_SPI_BUS | grep -q unix: || fail "no accessibility bus"

if [ "$input_method" = fcitx5 ]; then
    config=$XDG_RUNTIME_DIR/config/fcitx5
    mkdir -p "$config/conf"
    printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=pinyin' \
        '[Groups/0/Items/0]' 'Name=keyboard-us' '[Groups/0/Items/1]' 'Name=pinyin' \
        '[GroupOrder]' '0=Default' >"$config/profile"
    printf '[Behavior]\nActiveByDefault=True\n' >"$config/config"
    printf '[Hotkey]\n0=Shift+space\n' >"$config/conf/fullwidth.conf"
    XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config HOME=$XDG_RUNTIME_DIR fcitx5 >"$XDG_RUNTIME_DIR/fcitx5.log" 2>&1 &
    im=$!
    for _ in $(seq 100); do
        grep -q 'Loaded addon pinyin' "$XDG_RUNTIME_DIR/fcitx5.log" && break
        sleep 0.1
    done
    grep -q 'Loaded addon pinyin' "$XDG_RUNTIME_DIR/fcitx5.log" || fail "fcitx5: $(cat "$XDG_RUNTIME_DIR/fcitx5.log")"
    export QT_IM_MODULE=fcitx
fi

errlog=$XDG_RUNTIME_DIR/stderr.txt
"$exe" 2>"$errlog" &
pid=$!
/usr/bin/python3 "$(dirname "$0")/$client" || fail "$client: the program did not do as it should"
[ ! -s "$errlog" ] || fail "stderr: $(cat "$errlog")"
echo "1 passed, 0 failed"
