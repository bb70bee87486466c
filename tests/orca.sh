# SPDX-FileCopyrightText: 2026 Sumgrove developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests a real screen reader plays: Orca, speaking Chinese
# through a speech server of the test's own, whose one output module hands
# each text it is given to the synthesizer, here a file, one text a line
# ($SPOKEN): what the pupil would hear, with the server's own reading of
# symbols (÷ as 除号) already done. Sound goes to ALSA's null device.
# Needs testing.sh, a private runtime folder and the accessibility bus.
start_orca() {
    local speech=$XDG_RUNTIME_DIR/speech
    SPOKEN=$XDG_RUNTIME_DIR/spoken.txt
    export SPOKEN SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
    mkdir -p "$speech/modules"
    : >"$SPOKEN"
    {
        printf '%s\n' 'AddModule "capture" "sd_generic" "capture.conf"' 'DefaultModule capture' \
            'DefaultLanguage "zh"' 'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' 'SymbolsPreproc "char"'
        # The symbols Debian's server reads as words, as it is set up to read them.
        grep '^SymbolsPreprocFile' /etc/speech-dispatcher/speechd.conf
    } >"$speech/speechd.conf"
    printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >>'$SPOKEN'\"" \
        'GenericLanguage "zh" "zh" "utf-8"' 'AddVoice "zh" "MALE1" "zh"' 'DefaultVoice "zh"' \
        >"$speech/modules/capture.conf"
    speech-dispatcher --run-single --timeout 0 --config-dir "$speech" --communication-method unix_socket \
        --socket-path "${SPEECHD_ADDRESS#unix_socket:}" --log-dir "$speech" >"$speech/server.log" 2>&1 &
    at_exit "stop $!"
    for _ in $(seq 50); do [ -S "${SPEECHD_ADDRESS#unix_socket:}" ] && break; sleep 0.1; done
    [ -S "${SPEECHD_ADDRESS#unix_socket:}" ] || fail "the speech server did not start: $(cat "$speech"/*.log)"
    # Orca with settings of its own, in the language a Chinese pupil's desktop speaks.
    LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 LANGUAGE=zh_CN HOME=$XDG_RUNTIME_DIR XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config \
        XDG_DATA_HOME=$XDG_RUNTIME_DIR/data orca --replace >"$XDG_RUNTIME_DIR/orca.log" 2>&1 &
    # Orca ends before its speech server: asked to end, it says goodbye, and
    # with the server gone it may never end (Orca 48).
    at_exit "stop $!"
}
