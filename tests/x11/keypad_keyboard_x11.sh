#!/usr/bin/env bash
# The keypad without a mouse: Ctrl+Shift+K puts the focus on a key, Tab and Shift+Tab
# move through the keys in their order, Space and Enter press the focused key, a held
# Space presses once, and the main window's keys work from inside the keypad.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/keyboard.vcl"
write_calculation_file "$file" ""
calc_start "$file"

# Moves the focus $1 keys on (Tab) or back (Shift+Tab).
tab() { xdotool key --clearmodifiers --delay 20 --repeat "$1" Tab; }
backtab() { xdotool key --clearmodifiers --delay 20 --repeat "$1" shift+Tab; }

# The keys come in rows of functions from "sine", then constants, digits and commands.
keys ctrl+shift+k space
tab 54
keys Return
tab 10
keys space
backtab 18
keys Return
tab 21
keys space
save_and_expect "$file" $'sin(30)=\u22120.98803162409286'

# The editor repeats a held key; the keypad presses once.
keys ctrl+w ctrl+a Delete
xdotool keydown x
sleep 1
xdotool keyup x
keys ctrl+a Delete
keys ctrl+shift+k
backtab 15
xdotool keydown space
sleep 1
xdotool keyup space
save_and_expect "$file" "1"

# The key that had the focus has it again after a visit to the editor; Ctrl+= from
# inside the keypad calculates.
keys ctrl+w
type_text "+2;"
keys ctrl+shift+k Tab space
keys ctrl+w Left Left ctrl+shift+k ctrl+equal
save_and_expect "$file" "1+2=3;2"
expect_clean_stderr
echo "ok: keypad keys pressed from the keyboard"
