#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a desktop-like session (an X server that keeps its root
# properties, a private D-Bus session bus, and the accessibility bus started
# before the program, with accessibility and the screen reader turned on as a
# running screen reader turns them on: Qt before 5.15 waits for the second),
# played by CLIENT, which reads it through AT-SPI:
#   e2e_desktop.sh SUMGROVE CLIENT.py [fcitx5|orca]
# With fcitx5, a pinyin input method runs as well, switched on from the start
# with Shift+Space for full width, as on a Chinese pupil's desktop, and the
# program uses it. With orca, the screen reader runs, and what it speaks is
# in the file $SPOKEN (orca.sh).
# Run inside xvfb-run -s -noreset and dbus-run-session.
set -euo pipefail
exe=$1 client=$2 with=${3:-}
. "$(dirname "$0")/testing.sh"

private_runtime_dir
im=
pid=
at_exit 'kill $pid $im 2>/dev/null; wait'

# The accessibility bus, started as a desktop starts it, by D-Bus, whose
# launcher answers with its address once it runs (and, on X11, has put it on
# the root window). Its settings stay in memory, not in the user's; it ends
# with the session bus.
bus() { dbus-send --session --print-reply=literal "$@"; }
owned() { bus --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetNameOwner "string:$1" >/dev/null 2>&1; }
dbus-update-activation-environment XDG_RUNTIME_DIR GSETTINGS_BACKEND=memory
bus --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null || fail "no accessibility bus"
# Accessibility on, and the screen reader where the bus still tells of one (Qt
# before 5.15 waits for it; AT-SPI 2.62 has no such setting).
status() { bus --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$1" variant:boolean:true; }
status IsEnabled >/dev/null || fail "accessibility cannot be switched on"
status ScreenReaderEnabled >/dev/null 2>&1 || true

if [ "$with" = fcitx5 ]; then
    need_plugin platforminputcontexts fcitx "fcitx5 input method plugin" "fcitx5-frontend-qt${QT_MAJOR:?}"
    config=$XDG_RUNTIME_DIR/config/fcitx5
    mkdir -p "$config/conf"
    printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=pinyin' \
        '[Groups/0/Items/0]' 'Name=keyboard-us' '[Groups/0/Items/1]' 'Name=pinyin' \
        '[GroupOrder]' '0=Default' >"$config/profile"
    printf '[Behavior]\nActiveByDefault=True\n' >"$config/config"
    printf '[Hotkey]\n0=Shift+space\n' >"$config/conf/fullwidth.conf"
    XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config HOME=$XDG_RUNTIME_DIR fcitx5 >"$XDG_RUNTIME_DIR/fcitx5.log" 2>&1 &
    im=$!
    # Ready once it holds its name on the bus (asking it before would start
    # another), having loaded what it starts with; and pinyin must be there.
    for _ in $(seq 100); do owned org.fcitx.Fcitx5 && break; sleep 0.1; done
    pinyin=$(bus --dest=org.fcitx.Fcitx5 /controller org.fcitx.Fcitx.Controller1.AddonForIM string:pinyin 2>&1) \
        && [ -n "${pinyin// /}" ] || fail "fcitx5 has no pinyin: $pinyin $(cat "$XDG_RUNTIME_DIR/fcitx5.log")"
    export QT_IM_MODULE=fcitx
elif [ "$with" = orca ]; then
    . "$(dirname "$0")/orca.sh"
    start_orca
fi

errlog=$XDG_RUNTIME_DIR/stderr.txt
"$exe" 2>"$errlog" &
pid=$!
/usr/bin/python3 "$(dirname "$0")/$client" || fail "$client: the program did not do as it should"
# Nothing may be said but that Qt 6.11 does not answer AT-SPI 2.62's client,
# which asks every application for a bus of its own (GetApplicationBusAddress):
# Qt lists that method and says it does not implement it, for any program;
# that Qt 6.11 knows no event a screen reader subscribes to ("Subscription
# string not handled", Orca's Window:Destroy:); and that a screen reader took
# longer than the 100 ms Qt 5 gives it to claim a key (keyEventError, then its
# late answers find no key waiting): the key then goes to the box all the same.
said=$(grep -v -e 'GetApplicationBusAddress' -e 'QSpiApplication::keyEventError' \
           -e 'QSpiApplication::notifyKeyboardListenerCallback with no queued key' \
           -e 'qt.accessibility.atspi: Subscription string not handled' "$errlog" || true)
[ -z "$said" ] || fail "stderr: $said"
echo "1 passed, 0 failed"
