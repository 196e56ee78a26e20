#!/usr/bin/env bash
# The file dialogs from the keyboard: Ctrl+O opens one wide enough for its columns, and
# the Memory menu's Save asks under its own title.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/dialogs.vcl"
write_calculation_file "$file" ""
calc_start "$file"

keys ctrl+o
dialog=$(window_named "Open")
window_geometry "$dialog"
# Name, size, type and date at the list's own font need well over Qt's 624 pixels.
((win_w >= 700)) || fail "the Open dialog is $win_w pixels wide"
keys Escape
window_gone "Open" || fail "Escape did not close the Open dialog"

calc_activate
type_text "1->mem[a];"
keys ctrl+equal
save_and_expect "$file" "1->mem[a]=1;"
keys alt+m s
window_named "Save memory" >/dev/null
keys Escape
window_gone "Save memory" || fail "Escape did not close the memory's save dialog"
expect_clean_stderr
echo "ok: a wide Open dialog, and Save memory under its own title"
