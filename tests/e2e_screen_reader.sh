#!/usr/bin/env bash
# A practice set played by screen reader: the real program in a desktop-like
# session (an X server that keeps its root properties, a private D-Bus session
# bus, and the accessibility bus started before the program, with
# accessibility turned on as a screen reader turns it on), driven through
# AT-SPI alone by screen_reader.py.
#   e2e_screen_reader.sh SUMGROVE
# Run inside xvfb-run -s -noreset and dbus-run-session.
set -euo pipefail
exe=$1
. "$(dirname "$0")/testing.sh"

private_runtime_dir
launcher=
pid=
at_exit 'kill $pid $launcher 2>/dev/null; wait'

/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 &
launcher=$!
for _ in $(seq 100); do
    xprop -root AT_SPI_BUS 2>/dev/null | grep -q unix: && break
    sleep 0.1
done
xprop -root AT_SPI_BUS | grep -q unix: || fail "no accessibility bus"

errlog=$XDG_RUNTIME_DIR/stderr.txt
"$exe" 2>"$errlog" &
pid=$!
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the screen reader did not hear it right"
[ ! -s "$errlog" ] || fail "stderr: $(cat "$errlog")"
echo "1 passed, 0 failed"
