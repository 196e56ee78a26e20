#!/usr/bin/env bash
# The help on a real keyboard and pointer: F1 after a function name opens its page, the
# search box finds "Bessel", F1 over a keypad key opens the key's page, Help Topics
# opens the contents, and Shift+F1 then a click on a pane explains it.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/help.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "1+tg("
keys F1
help_window=$(window_matching 'Vantor Calculator Help')
expect_title "$help_window" 'tan — Tangent$'

# The search box has the focus when the window opens.
type_text "Bessel"
keys Return
expect_title "$help_window" 'Bessel of the first kind$'
keys alt+F4
wait_for 10 bash -c '! xdotool search --onlyvisible --name "Vantor Calculator Help" >/dev/null' ||
    fail "Alt+F4 did not close the help window"

# F1 with the pointer over a keypad key: the key's page, whatever has the focus.
calc_activate
read -r x y width height <<<"$(widget_rect "hyperbolic cosine")"
xdotool mousemove --sync $((x + width / 2)) $((y + height / 2))
keys F1
help_window=$(window_matching 'Vantor Calculator Help')
expect_title "$help_window" 'cosh — Hyperbolic cosine$'
keys alt+F4

# Help > Help Topics from the menu, with the keyboard.
calc_activate
keys alt+h Return
help_window=$(window_matching 'Vantor Calculator Help')
expect_title "$help_window" 'Getting started$'
keys alt+F4

# Shift+F1, then a click on a pane shows what the pane is for.
calc_activate
[[ -z "$(other_windows)" ]] || fail "a window besides the main window shows before Shift+F1"
keys shift+F1
click_widget "Log"
wait_for 10 other_window_shown || fail "Shift+F1 and a click showed no explanation"
keys Escape
save_and_expect "$file" "1+tg("
expect_clean_stderr
echo "ok: F1, the help's search, F1 over a key, Help Topics and Shift+F1"
