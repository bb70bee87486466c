#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web build's page in a window of Debian's Chromium, as a pupil opens it
# (the page alone, no address bar), served from FOLDER on 127.0.0.1, and with
# its accessibility on for a screen reader: a program to e2e_desktop.sh.
#   PAGE_FOLDER=FOLDER chromium_page.sh
# Its own output and the browser's go to $XDG_RUNTIME_DIR/chromium.log.
set -euo pipefail
folder=${PAGE_FOLDER:?the folder of the page}
. "$(dirname "$0")/testing.sh"
trap 'exit 143' TERM # and the clean-up steps with it
log=$XDG_RUNTIME_DIR/chromium.log
exec >"$log" 2>&1
node "$(dirname "$0")/../tools/webpage.mjs" "$folder" 0 >"$XDG_RUNTIME_DIR/server.txt" &
at_exit "stop $!"
for _ in $(seq 100); do grep -q http "$XDG_RUNTIME_DIR/server.txt" && break; sleep 0.1; done
url=$(grep -o 'http://[^ ]*' "$XDG_RUNTIME_DIR/server.txt") || fail "the page was not served"
# In Chinese, as a pupil's desktop speaks (and offering no translation).
LANGUAGE=zh_CN LANG=zh_CN.UTF-8 "${CHROMIUM:-chromium}" --app="$url" --force-renderer-accessibility --no-sandbox --no-first-run \
    --user-data-dir="$XDG_RUNTIME_DIR/chromium" --password-store=basic --disable-background-networking \
    --disable-component-update --disable-sync --enable-unsafe-swiftshader \
    --window-position=0,0 --window-size=1100,800 &
at_exit "stop $!"
wait $!
