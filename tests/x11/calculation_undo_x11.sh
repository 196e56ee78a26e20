#!/usr/bin/env bash
# A calculation is one step of the undo history, typed as a new user would: a line typed
# under a result without a ";" survives the next Ctrl+= and Ctrl+Z gives it back, Ctrl+Y
# calculates it again; Ctrl+= just behind a ";" calculates that statement; a double click
# on a log row puts the caret into the statement that failed.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/undo.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "sin(1)"
keys ctrl+equal
save_and_expect "$file" "sin(1)=0.8414709848079"
keys Return
type_text "cos(1)*2"
keys ctrl+equal
save_and_expect "$file" $'sin(1)=0.8414709848079\ncos(1)*2=1.0806046117363'
keys ctrl+z
save_and_expect "$file" $'sin(1)=0.8414709848079\ncos(1)*2'
keys ctrl+y
save_and_expect "$file" $'sin(1)=0.8414709848079\ncos(1)*2=1.0806046117363'

keys ctrl+End Return
type_text "sin(30);"
keys ctrl+equal
save_and_expect "$file" $'sin(1)=0.8414709848079\ncos(1)*2=1.0806046117363\nsin(30)=\u22120.98803162409286;'

keys Return
type_text "1/0;"
keys ctrl+shift+equal ctrl+Home
screenshot failed-statement-marked
# The row's context cell: its description lies beyond the narrow pane's edge.
click_widget "Division" "" "" 2
type_text "9+"
save_and_expect "$file" \
    $'sin(1)=0.8414709848079\ncos(1)*2=1.0806046117363\nsin(30)=\u22120.98803162409286;\n9+1/0;'
expect_clean_stderr
echo "ok: calculations undo and redo as single steps, the caret rule at \";\" and the log's way back"
