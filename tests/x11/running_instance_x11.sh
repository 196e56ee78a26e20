#!/usr/bin/env bash
# A second start with a file hands it to the window already open, even a file whose
# name holds a line break; a start from another session (another XDG_RUNTIME_DIR)
# opens a window of its own.
source "$(dirname "$0")/session.sh"
x11_start
# The program finds its channel from the session, as it does for a user.
unset VANTOR_CALCULATOR_CHANNEL

first="$x11_work/first.vcl"
write_calculation_file "$first" "1;"
calc_start "$first"
first_pid=$calc_pid
first_window=$calc_window

channel=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'vantor-calculator*' | head -n 1)
[[ -n "$channel" ]] || fail "no channel socket in XDG_RUNTIME_DIR"
[[ "$(stat -c %a "$channel")" = 700 ]] || fail "the channel socket is open to others: $(stat -c %A "$channel")"

handed="$x11_work/hand"$'\n'"over.vcl"
write_calculation_file "$handed" "2*3;"
# The second start ends at once; one that opened its own window would run on.
timeout 20 "$VANTOR_PROGRAM" "$handed" 2>>"$x11_work/stderr" || fail "the second start did not hand its file over"
expect_title "$first_window" 'over\.vcl$'
calc_activate
keys ctrl+End
type_text "7;"
save_and_expect "$handed" "2*3;7;"
[[ "$(file_text "$first")" = "1;" ]] || fail "the first file changed"
[[ ! -e "$x11_work/hand" && ! -e "$x11_work/over.vcl" ]] || fail "a piece of the name was opened as a file"

# Another session of its own: the file opens in a new window, the first one keeps its own.
other_runtime="$x11_work/other-runtime"
mkdir -m 700 "$other_runtime"
third="$x11_work/third.vcl"
write_calculation_file "$third" "5;"
XDG_RUNTIME_DIR="$other_runtime" calc_start "$third"
[[ "$calc_pid" != "$first_pid" ]] || fail "no second program runs"
expect_title "$calc_window" 'third\.vcl$'
expect_title "$first_window" 'over\.vcl$'
kill -0 "$first_pid" || fail "the first program ended"
find "$other_runtime" -maxdepth 1 -type s -name 'vantor-calculator*' | grep -q . ||
    fail "the second session's program has no channel of its own"
expect_clean_stderr
echo "ok: a second start hands its file over; another session opens its own window"
