# The styled message box and the about box under a real X server: the question of New
# on a changed file opens centred on the screen and answers Escape, the letter N, a click
# on "No" and Enter; the about box opens from the Help menu and closes with "Perfect".
# Sourced by the tests with and without a compositing manager; $composited says which.

# The frame lies inside the window by the shadow margins (43 pixels at 96 dpi, the
# shadow falling 18 of them lower) where a compositor blends them, and fills it otherwise.
if ((composited)); then
    frame_bottom=$((43 + 18))
    frame_drop=18
else
    frame_bottom=0
    frame_drop=0
fi

file="$x11_work/boxes.vcl"

# Starts on the file, changes it and asks for a new document: "Save changes?" with Yes,
# No and Cancel, centred on the 1280 x 1024 screen.
ask_question() {
    write_calculation_file "$file" "1;"
    calc_start "$file"
    keys ctrl+End
    type_text "2;"
    keys ctrl+n
    box=$(window_named "Calculator asks")
    window_geometry "$box"
    local centre_x=$((win_x + win_w / 2)) centre_y=$((win_y + win_h / 2 - frame_drop))
    ((centre_x >= 638 && centre_x <= 642)) || fail "the box is centred at x $centre_x, not 640"
    ((centre_y >= 508 && centre_y <= 516)) || fail "the box's frame is centred at y $centre_y, not 512"
}

answered() {
    window_gone "Calculator asks" || fail "$1 did not close the box"
}

expect_file() {
    wait_for 10 file_holds "$file" "$1" || fail "the file holds [$(file_text "$file")], expected [$1]"
}

# Escape cancels: the document stays, and Ctrl+S saves the change.
ask_question
keys Escape
answered "Escape"
save_and_expect "$file" "1;2;"
calc_stop

# The letter N answers No: a new, empty document, the file untouched.
ask_question
keys n
answered "The letter N"
sleep 0.5
expect_file "1;"
calc_stop

# A click on "No", the middle one of three buttons, 38 pixels above the frame's bottom.
ask_question
click_at $((win_x + win_w / 2)) $((win_y + win_h - frame_bottom - 38))
answered "A click on No"
sleep 0.5
expect_file "1;"
calc_stop

# Enter presses the default button, Yes: the change is saved before the new document.
ask_question
keys Return
answered "Enter"
expect_file "1;2;"
calc_stop

# The about box from the Help menu; "Perfect" lies 41 pixels above the frame's bottom.
write_calculation_file "$file" "1;"
calc_start "$file"
keys alt+h
sleep 0.3
keys a
about=$(window_named "About Calculator")
window_geometry "$about"
click_at $((win_x + win_w / 2)) $((win_y + win_h - frame_bottom - 41))
window_gone "About Calculator" || fail "Perfect did not close the about box"
expect_clean_stderr
calc_stop
echo "ok: message box and about box answer keys and clicks (composited: $composited)"
