#!/usr/bin/env bash
# A floating pane opens beside the main window, or inside it below the menu bar when the
# window fills the screen, and after a restart comes back on the screen above the main
# window rather than hidden behind it.
source "$(dirname "$0")/session.sh"
# Wide enough for the statistics pane beside a window of the smallest width.
screen_width=1920 screen_height=1080
x11_start "${screen_width}x${screen_height}"

# The frame's rectangle "left top right bottom" (right and bottom exclusive) of a window:
# its client area, as xwininfo finds it on the screen, and what the window manager puts
# around it.
frame_rect() {
    local x y width height left right top bottom
    read -r x y width height <<<"$(xwininfo -id "$1" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
             /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }')"
    read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    echo "$((x - left)) $((y - top)) $((x + width + right)) $((y + height + bottom))"
}

# Where the window $1 stands in the window manager's stacking order, from the bottom.
stacking_index() {
    local wanted list i
    wanted=$(printf '0x%x' "$1")
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    i=0
    for id in $list; do
        [[ $((id)) -eq $((wanted)) ]] && { echo "$i"; return 0; }
        i=$((i + 1))
    done
    fail "window $wanted is not in the stacking list [$list]"
}

expect_above_main_window() {
    local pane=$1 name=$2
    local pane_at main_at
    pane_at=$(stacking_index "$pane")
    main_at=$(stacking_index "$calc_window")
    ((pane_at > main_at)) || fail "the floating $name pane is stacked below the main window"
}

expect_on_screen() {
    local left top right bottom
    read -r left top right bottom <<<"$(frame_rect "$1")"
    ((left >= 0 && top >= 0 && right <= screen_width && bottom <= screen_height)) ||
        fail "the $2 pane lies off the screen: ($left, $top, $right, $bottom)"
}

menu_bar_bottom() {
    local x y width height
    read -r x y width height <<<"$(widget_rect "File")"
    echo $((y + height))
}

# First start: the window fills the screen, so Statistics floats inside it, right of the
# editor, below the menu bar.
calc_start
# The memory pane floats too, by a double click on its title, just above its list.
click_widget "Memory cells" 30 -10 2
wait_for 10 xdotool search --all --onlyvisible --pid "$calc_pid" --name '^Memory$' ||
    fail "a double click on the memory pane's title did not float it"
keys alt+v a
statistics=$(window_named "Statistics")
sleep 0.5
read -r left top right bottom <<<"$(frame_rect "$statistics")"
menu_bottom=$(menu_bar_bottom)
((top >= menu_bottom)) || fail "Statistics floats over the menu bar: its top $top, the menu bar's bottom $menu_bottom"
((left > screen_width / 2)) || fail "Statistics floats at the screen's left, at $left"
expect_on_screen "$statistics" Statistics
screenshot statistics-floating-maximized

keys alt+F4
wait_for 10 bash -c "! kill -0 $calc_pid" || fail "the program did not end"

# A restart brings both back above the main window.
calc_start
statistics=$(window_named "Statistics")
memory=$(window_named "Memory")
sleep 1
expect_above_main_window "$statistics" Statistics
expect_above_main_window "$memory" Memory
expect_on_screen "$statistics" Statistics
expect_on_screen "$memory" Memory
# Clicking into the main window keeps them above it: they belong to it.
click_widget "Calculation editor"
sleep 0.5
expect_above_main_window "$statistics" Statistics
screenshot floating-panes-restored
keys alt+v a # Statistics hidden
window_gone "Statistics" || fail "Statistics did not hide"
keys alt+F4
wait_for 10 bash -c "! kill -0 $calc_pid" || fail "the program did not end"

# A window that leaves room beside it, on a fresh start: Statistics opens right of its frame.
cat >"$XDG_CONFIG_HOME/Vantor/Calculator.conf" <<'CONF'
[GUI]
Frame\Left=100
Frame\Top=100
Frame\Right=1000
Frame\Bottom=700
Frame\Maximized=0
CONF
calc_start
read -r main_left main_top main_right main_bottom <<<"$(frame_rect "$calc_window")"
keys alt+v a
statistics=$(window_named "Statistics")
sleep 0.5
read -r left top right bottom <<<"$(frame_rect "$statistics")"
((left >= main_right || right <= main_left)) ||
    fail "Statistics ($left, $top, $right, $bottom) is not beside the main window ($main_left, $main_top, $main_right, $main_bottom)"
expect_on_screen "$statistics" Statistics
expect_above_main_window "$statistics" Statistics
screenshot statistics-beside-the-window
expect_clean_stderr
echo "ok: floating panes open beside the window, off its menu bar, and come back above it"
