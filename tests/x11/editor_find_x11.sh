#!/usr/bin/env bash
# The find bar finds (Ctrl+F) and replaces (Ctrl+H, one match and then all), and Go to
# line (Ctrl+G) moves the caret, typed on a real keyboard.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/find.vcl"
write_calculation_file "$file" $'sin(0)+sin(1);\nx;\nsin(2)+sin(3);'
calc_start "$file"

# Find selects the first match; typing over the selection replaces it.
keys ctrl+f
type_text "sin"
keys Return Escape
type_text "tan"
save_and_expect "$file" $'tan(0)+sin(1);\nx;\nsin(2)+sin(3);'

# Replace: Enter finds the next match, Enter again replaces it.
keys ctrl+h
type_text "cos"
keys Return
screenshot find-bar
keys Return
save_and_expect "$file" $'tan(0)+cos(1);\nx;\nsin(2)+sin(3);'

# Replace all, by its button's mnemonic.
keys alt+a Escape
save_and_expect "$file" $'tan(0)+cos(1);\nx;\ncos(2)+cos(3);'

# Go to line 2 and type at its start.
keys ctrl+g
type_text "2"
keys Return
type_text "7*"
save_and_expect "$file" $'tan(0)+cos(1);\n7*x;\ncos(2)+cos(3);'
expect_clean_stderr
echo "ok: find, replace, replace all and go to line"
