#!/usr/bin/env bash
# Typing two letters of a function name opens the completion list; Tab inserts the first
# name with its bracket, Esc closes the list without inserting anything.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/completion.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "2*ar"
wait_for 10 other_window_shown || fail "no completion list after typing \"ar\""
screenshot completion
keys Tab
wait_for 10 other_window_gone || fail "the completion list stayed open after Tab"
type_text "0.5);"
save_and_expect "$file" "2*arccos(0.5);"

type_text "co"
wait_for 10 other_window_shown || fail "no completion list after typing \"co\""
keys Escape
wait_for 10 other_window_gone || fail "Esc left the completion list open"
type_text "s(0)"
save_and_expect "$file" "2*arccos(0.5);cos(0)"
expect_clean_stderr
echo "ok: completion opens on two letters, Tab inserts, Esc closes"
