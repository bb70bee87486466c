# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the test scripts: how a test fails or is skipped, clean-up steps
# that run however the script ends (the last one added runs first), a private
# runtime folder, what the Qt in use can do here, the facts of the window the
# tests share, and ImageMagick by the name it has had since version 7.

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; } # for what this system lacks, and only that

# Asks the Qt the program runs on (tests/qtprobe.cpp), under the program's
# emulator where it has one.
probe() { ${EMULATOR:+"$EMULATOR"} "${QT_PROBE:?}" "$@"; }
# Skipped unless Qt finds a plugin of KIND with KEY, naming the Debian package
# that brings it for the Qt and the machine the program was built for.
need_plugin() { # kind key what package
    probe "$1" | grep -qxi "$2" \
        || skip "the Qt in use has no $3 (no plugin of its $1 is keyed $2): install $4${PACKAGE_ARCH:+:$PACKAGE_ARCH}"
}

# A fact of the window (window.facts): fact NAME prints its value.
window_facts=$(dirname "${BASH_SOURCE[0]}")/window.facts
fact() { sed -n "s/^$1 //p" "$window_facts"; }

at_exit_steps=()
at_exit() { at_exit_steps=("$1" "${at_exit_steps[@]}"); }
trap 'for step in "${at_exit_steps[@]}"; do eval "$step" || true; done' EXIT

# Ends children of this shell and waits for them, as asked first, and for
# good after five seconds: a client asked to end may hang on its way out.
stop() {
    kill "$@" 2>/dev/null || return 0
    (sleep 5 && kill -KILL "$@") >/dev/null 2>&1 &
    local guard=$!
    wait "$@" 2>/dev/null || true
    kill $guard 2>/dev/null || true
}

# A desktop session has a private runtime folder; without one Qt says so on stderr.
private_runtime_dir() {
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    at_exit "rm -rf '$XDG_RUNTIME_DIR'"
}

# ImageMagick 6 has no magick: its tools go by their own names.
command -v magick >/dev/null || magick() {
    case "$1" in
    compare | identify | import) "$@" ;;
    *) convert "$@" ;;
    esac
}
