# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the test scripts: how a test fails, clean-up steps that run however
# the script ends (the last one added runs first), and a private runtime folder.

fail() { echo "FAIL: $*" >&2; exit 1; }

at_exit_steps=()
at_exit() { at_exit_steps=("$1" "${at_exit_steps[@]}"); }
trap 'for step in "${at_exit_steps[@]}"; do eval "$step" || true; done' EXIT

# A desktop session has a private runtime folder; without one Qt says so on stderr.
private_runtime_dir() {
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    at_exit "rm -rf '$XDG_RUNTIME_DIR'"
}
