#!/usr/bin/env bash
# Set > Keypad > Style chosen from the keyboard: started with the classic Windows style
# (no theming) "2000" can be chosen and "XP" cannot; with the default themed style it is
# the other way round. The choice is kept in the settings when the program ends.
source "$(dirname "$0")/session.sh"
x11_start

settings="$XDG_CONFIG_HOME/Vantor/Calculator.conf"

# Set > Keypad > Style > the item with the mnemonic $1; the menus close either way.
choose_style() {
    keys alt+s k s "$1"
    sleep 0.3
    keys Escape Escape Escape
}

stored_style() {
    sed -n 's/^Keypad\\Style=//p' "$settings"
}

# File > Exit, then the settings hold the keypad's style.
exit_and_expect_style() {
    keys alt+f x
    wait_for 10 bash -c "! kill -0 $calc_pid" || fail "the program did not end"
    [[ "$(stored_style)" == "$1" ]] || fail "the stored keypad style is [$(stored_style)], expected [$1]"
}

calc_start -style windows
choose_style 2
choose_style x
exit_and_expect_style 0
expect_clean_stderr

calc_start
choose_style x
choose_style 2
exit_and_expect_style 2
expect_clean_stderr
echo "ok: keypad styles chosen with and without theming"
