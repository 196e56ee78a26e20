#!/usr/bin/env bash
# Ctrl+= calculates the statement at the caret and Ctrl+Shift+= the whole text, pressed
# on a real keyboard where "=" and "+" share a key.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/keys.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "2+3;"
keys Left ctrl+equal
save_and_expect "$file" "2+3=5;"

keys ctrl+End Return
type_text "6*7;1-9;"
keys ctrl+shift+equal
save_and_expect "$file" $'2+3=5;\n6*7=42;1-9=\u22128;'
expect_clean_stderr
echo "ok: Ctrl+= and Ctrl+Shift+= calculate"
