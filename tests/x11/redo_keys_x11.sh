#!/usr/bin/env bash
# Redo answers both of its keys, Ctrl+Y and Ctrl+Shift+Z, after an undo with Ctrl+Z.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/redo.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "1+2"
keys ctrl+z
save_and_expect "$file" ""
keys ctrl+y
save_and_expect "$file" "1+2"
keys ctrl+z
save_and_expect "$file" ""
keys ctrl+shift+z
save_and_expect "$file" "1+2"
expect_clean_stderr
echo "ok: Ctrl+Y and Ctrl+Shift+Z redo"
