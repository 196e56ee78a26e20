#!/usr/bin/env bash
# The keypad clicked with a real pointer: keys insert names, digits and operators at the
# caret and calculate, a double click inserts twice, a click beside the Vantor capsule
# does nothing, and the main window's keys work while the keypad has the focus. Keys are
# found by their accessible names.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/keypad.vcl"
write_calculation_file "$file" ""
calc_start "$file"

# The sine key brings its own opening bracket.
click_widgets sine 3 0 "round brackets close" calculate
save_and_expect "$file" $'sin(30)=\u22120.98803162409286'

keys ctrl+w ctrl+a Delete
click_widgets sine pi "divided by" 2 "round brackets close" "statement end"
save_and_expect "$file" $'sin(\u03C0/2);'

click_widget "calculate all"
save_and_expect "$file" $'sin(\u03C0/2)=1;'

# Ctrl+Shift+= from inside the keypad calculates too.
click_widgets "new line" 6 times 7 "statement end"
keys ctrl+shift+equal
save_and_expect "$file" $'sin(\u03C0/2)=1;\n6*7=42;'

# The corner of a key lies outside its capsule.
click_widget 9 1 1
click_widget 1 "" "" 2
click_widgets 3 backspace
save_and_expect "$file" $'sin(\u03C0/2)=1;\n6*7=42;11'

# Ctrl+W hands the focus back to the editor.
keys ctrl+w
type_text "+1;"
save_and_expect "$file" $'sin(\u03C0/2)=1;\n6*7=42;11+1;'

# Ctrl+K from inside the keypad hides it and the editor takes the keys again.
click_widget 5
keys ctrl+k
type_text "0;"
save_and_expect "$file" $'sin(\u03C0/2)=1;\n6*7=42;11+1;50;'
expect_clean_stderr
echo "ok: keypad keys clicked with the pointer"
