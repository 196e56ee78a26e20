#!/usr/bin/env bash
# Start-up registers the file types for the user when the program runs from the build
# folder, and not when it runs from an installed prefix, which takes that registration
# away since it would hide the installed one.
source "$(dirname "$0")/stage.sh"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$stage/config XDG_RUNTIME_DIR=$stage/runtime
export XDG_DATA_HOME=$stage/data-home VANTOR_CALCULATOR_CHANNEL=$stage/channel
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
entry=$XDG_DATA_HOME/applications/vantor-calculator.desktop
package=$XDG_DATA_HOME/mime/packages/vantor-calculator.xml

registered_for_build_folder() {
    grep -qsx "Exec=$build/bin/vantor-calculator %F" "$entry" && [[ -s $package ]]
}
nothing_registered() {
    [[ ! -e $entry && ! -e $package ]]
}

# Starts the program and ends it once the condition holds, or after 30 seconds.
run_until() {
    local program=$1 condition=$2 pid tries
    "$program" >"$stage/stderr" 2>&1 &
    pid=$!
    for ((tries = 0; tries < 300; tries++)); do
        $condition && break
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    $condition
}

run_until "$build/bin/vantor-calculator" registered_for_build_folder ||
    fail "the build folder's run registered no entry and MIME package for the user"
run_until "$usr/bin/vantor-calculator" nothing_registered ||
    fail "the installed program left the build folder's registration, which hides its own"
finish "start-up registers from the build folder only"
