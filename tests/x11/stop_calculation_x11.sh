#!/usr/bin/env bash
# A calculation that would run for hours leaves the window answering: Esc ends it, the
# status bar's Stop button ends it, and closing the window ends it and the program. The
# results written before the stop stay.
source "$(dirname "$0")/session.sh"
x11_start

file="$x11_work/long.vcl"
write_calculation_file "$file" ""
calc_start "$file"

type_text "1+1;"
keys Return
type_text "Sum(k, 1, 1e12, k);"
keys ctrl+shift+equal
widget_rect "Stop the calculation" >/dev/null # shown once the run has lasted a moment
screenshot calculation-running
# The text is closed to the user while the run goes.
type_text "9"
keys Escape
save_and_expect "$file" $'1+1=2;\nSum(k, 1, 1e12, k);'

keys ctrl+shift+equal
click_widget "Stop the calculation"
save_and_expect "$file" $'1+1=2;\nSum(k, 1, 1e12, k);'

keys ctrl+shift+equal
widget_rect "Stop the calculation" >/dev/null
keys alt+F4
wait_for 10 bash -c "! kill -0 $calc_pid" || fail "the program did not end while a calculation ran"
expect_clean_stderr
echo "ok: Esc, the Stop button and closing end a running calculation"
