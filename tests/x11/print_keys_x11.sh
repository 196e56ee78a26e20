#!/usr/bin/env bash
# Printing as a user does it through a real X server and a print service of the test's
# own: Ctrl+P and File > Print with Qt's print dialog answered by Return, File > Print
# Preview, File > Page Setup with Cancel and OK clicked, Cancel clicked in the progress
# dialog of a long job, and the /p and /pt command lines, each read back from the PDF
# that the cups-pdf queue writes.
source "$(dirname "$0")/session.sh"
x11_start
cups_start

short="$x11_work/short.vcl"
long="$x11_work/long.vcl"
write_calculation_file "$short" "$(for i in $(seq 1 130); do printf 'line %d: 2+3*%d;\n' "$i" "$i"; done)"
write_calculation_file "$long" "$(seq 1 300000 | sed 's/.*/&+1;/')"
settings="$XDG_CONFIG_HOME/Vantor/Calculator.conf"

# Prints through Qt's print dialog with the queue chosen (the default printer) and checks
# the three pages of the short calculation.
print_with_dialog_and_expect_pages() {
    local how=$1
    cups_mark
    window_named "Print" >/dev/null
    keys Return
    window_gone "Print" || fail "$how: the print dialog stayed open"
    local pdf
    pdf=$(cups_wait_pdf 60) || fail "$how: the queue wrote no PDF"
    [[ $(pdf_pages "$pdf") == 3 ]] || fail "$how: $(pdf_pages "$pdf") pages, expected 3"
    local page
    for page in 1 2 3; do
        pdf_page_text "$pdf" "$page" | grep -q 'Calculator file short.vcl' || fail "$how: page $page has no header"
        pdf_page_text "$pdf" "$page" | grep -qE "[0-9]{2}:[0-9]{2} .* $page of 3" ||
            fail "$how: page $page's footer: $(pdf_page_text "$pdf" "$page" | tail -n 3)"
    done
    pdf_page_text "$pdf" 1 | grep -q 'line 1: 2+3\*1;' || fail "$how: the first page's body"
    pdf_page_text "$pdf" 3 | grep -q 'line 130: 2+3\*130;' || fail "$how: the last page's body"
}

calc_start "$short"

keys ctrl+p
screenshot print-dialog
print_with_dialog_and_expect_pages "Ctrl+P"
calc_activate
keys alt+f p
print_with_dialog_and_expect_pages "File > Print"

calc_activate
keys alt+f v
preview=$(window_named "Print Preview")
keys Escape
window_gone "Print Preview" || fail "Escape did not close the print preview"

# Page setup: a change and Cancel keeps the settings, a change and OK stores it.
calc_activate
keys alt+f g
window_named "Page Setup" >/dev/null
screenshot page-setup
click_widget "Number"
click_widget "Cancel"
window_gone "Page Setup" || fail "Cancel did not close the page setup"
calc_activate
keys alt+f g
window_named "Page Setup" >/dev/null
click_widget "Date"
click_widget "OK"
window_gone "Page Setup" || fail "OK did not close the page setup"
calc_activate
keys alt+f x
wait_for 20 bash -c "! kill -0 $calc_pid 2>/dev/null" || fail "File > Exit did not end the program"
grep -q '^Items=427$' "$settings" || fail "after Cancel then OK: $(grep '^Items=' "$settings" || echo no Items)"
grep -q "^Device=$cups_queue$" "$settings" || fail "the chosen printer was not kept"

# A long job (about 5,800 pages): Cancel in the progress dialog stops it, and nothing
# reaches the queue.
calc_start "$long"
cups_mark
keys ctrl+p
window_named "Print" >/dev/null
keys Return
progress=$(window_named "Printing")
screenshot printing-progress
click_widget_in "$progress" "Printing" "Cancel printing"
window_gone "Printing" || fail "Cancel did not close the progress dialog"
sleep 3
if cups_wait_pdf 1 >/dev/null; then
    fail "a cancelled job reached the queue"
fi
lpstat -o "$cups_queue" | grep -q . && fail "a cancelled job waits in the queue"
calc_activate
keys alt+f x
wait_for 20 bash -c "! kill -0 $calc_pid 2>/dev/null" || fail "the program did not end after the cancelled job"

# The command line prints without a window: /p on the default printer, /pt on a named one.
for verb in "/p" "/pt"; do
    cups_mark
    arguments=("$verb" "$short")
    [[ $verb == /pt ]] && arguments+=("$cups_queue")
    "$VANTOR_PROGRAM" "${arguments[@]}" 2>>"$x11_work/stderr" || fail "$verb ended with status $?"
    pdf=$(cups_wait_pdf 60) || fail "$verb: the queue wrote no PDF"
    [[ $(pdf_pages "$pdf") == 3 ]] || fail "$verb: $(pdf_pages "$pdf") pages"
    pdf_page_text "$pdf" 2 | grep -q 'Calculator file short.vcl' || fail "$verb: no header"
done

# A printer that cannot be opened: message 32837, answered with Return, and status 1.
"$VANTOR_PROGRAM" /pt "$short" no-such-printer 2>"$x11_work/pt-stderr" &
calc_pid=$!
x11_pids+=($calc_pid)
window_named "Calculator warns" >/dev/null
keys Return
status=0
wait "$calc_pid" || status=$?
[[ $status == 1 ]] || fail "/pt on an unknown printer ended with status $status"
grep -q 'Could not start print job.' "$x11_work/pt-stderr" || fail "/pt on an unknown printer said: $(cat "$x11_work/pt-stderr")"
expect_clean_stderr
echo "ok: printing with Ctrl+P, the menus, the page setup, Cancel and the command line"
