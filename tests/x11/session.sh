# Drives the desktop program through a real X server: Xvfb with the openbox window
# manager, real key presses and clicks from xdotool (XTEST), so that the keyboard
# mapping and the window manager take part as they do for a user.
# Sourced by the *_x11.sh tests; each test gets its own display, home and channel.

set -euo pipefail
export LC_ALL=C.UTF-8

x11_work=$(mktemp -d)
x11_pids=()

x11_stop() {
    local pid
    for ((i = ${#x11_pids[@]} - 1; i >= 0; i--)); do
        pid=${x11_pids[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$x11_work"
}
trap x11_stop EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$x11_work/stderr" ]]; then
        echo "--- the program's standard error:" >&2
        cat "$x11_work/stderr" >&2
    fi
    exit 1
}

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Starts the X server, with a screen of $1 ("1920x1080"; 1280x1024 by default), and the
# window manager; the program gets a fresh home.
x11_start() {
    : "${VANTOR_PROGRAM:?VANTOR_PROGRAM names the program under test}"
    local fd_file="$x11_work/display"
    exec {display_fd}>"$fd_file"
    Xvfb -displayfd "$display_fd" -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset \
        >"$x11_work/xvfb.log" 2>&1 &
    x11_pids+=($!)
    wait_for 20 test -s "$fd_file" || fail "Xvfb did not start"
    exec {display_fd}>&-
    export DISPLAY=":$(head -n 1 "$fd_file")"
    openbox --sm-disable >"$x11_work/openbox.log" 2>&1 &
    x11_pids+=($!)
    wait_for 20 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"

    export HOME="$x11_work/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_RUNTIME_DIR="$x11_work/runtime"
    export VANTOR_CALCULATOR_CHANNEL="$x11_work/channel"
    export QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"

    # A session bus of its own, on which the accessibility bus starts when first asked
    # for: the tests find widgets by their accessible names there.
    dbus-daemon --session --nofork --print-address=1 >"$x11_work/bus" 2>"$x11_work/bus.log" &
    x11_pids+=($!)
    wait_for 20 test -s "$x11_work/bus" || fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$x11_work/bus")
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Starts the program with the given arguments and waits until its main window has the
# focus; its standard error goes to $x11_work/stderr.
calc_start() {
    "$VANTOR_PROGRAM" "$@" 2>"$x11_work/stderr" &
    calc_pid=$!
    x11_pids+=($calc_pid)
    calc_window=""
    local tries=200
    while ((tries-- > 0)); do
        calc_window=$(xdotool search --all --onlyvisible --pid "$calc_pid" --name 'Calculator' 2>/dev/null |
            head -n 1 || true)
        [[ -n "$calc_window" ]] && break
        kill -0 "$calc_pid" 2>/dev/null || fail "the program ended at start"
        sleep 0.1
    done
    [[ -n "$calc_window" ]] || fail "the main window did not appear"
    calc_activate
}

# Asks again on every try: a request made while another window of the program is still
# closing can be overruled by the window manager's own choice of focus.
calc_activate() {
    wait_for 15 activate_window "$calc_window" || fail "the main window did not get the focus"
}

activate_window() {
    [[ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]] && return 0
    xdotool windowactivate "$1" >/dev/null 2>&1 || true
    sleep 0.2
    [[ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]]
}

# The screen rectangle "x y width height" of the program's widget with the accessible
# name $1, waiting up to 10 seconds for it to show.
widget_rect() {
    : "${VANTOR_A11Y_QUERY:?VANTOR_A11Y_QUERY names the accessibility query}"
    local tries=100 rect
    while ((tries-- > 0)); do
        if rect=$("$VANTOR_A11Y_QUERY" "$1" 2>/dev/null); then
            echo "$rect"
            return 0
        fi
        sleep 0.1
    done
    fail "no widget named [$1] shows"
}

# Moves the pointer to the widget named $1, at ($2, $3) from its top-left corner or at its
# middle, and clicks the left button $4 times (once by default), as a user would.
click_widget() {
    local x y width height
    read -r x y width height <<<"$(widget_rect "$1")"
    local at_x=$((x + ${2:-$((width / 2))})) at_y=$((y + ${3:-$((height / 2))}))
    xdotool mousemove --sync "$at_x" "$at_y" click --repeat "${4:-1}" --delay 80 1
}

# Clicks each named widget in its middle.
click_widgets() {
    local name
    for name in "$@"; do
        click_widget "$name"
    done
}

# Real key presses: "ctrl+equal", "ctrl+shift+equal", "Return"...
keys() {
    xdotool key --clearmodifiers --delay 40 "$@"
}

# Types text as a user would, one key press per character.
type_text() {
    xdotool type --clearmodifiers --delay 30 -- "$1"
}

# The text of a calculation file, decoded from UTF-16 with its line ends as line feeds.
file_text() {
    iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r'
}

# Whether the file holds the text now. wait_for runs it again on every try, which a
# "$(...)" in wait_for's own arguments would not: that is expanded once, before waiting.
file_holds() {
    [[ "$(file_text "$1" 2>/dev/null)" = "$2" ]]
}

# Saves with Ctrl+S and waits until the file holds the expected text.
save_and_expect() {
    local file=$1 expected=$2
    keys ctrl+s
    if ! wait_for 10 file_holds "$file" "$expected"; then
        fail "after Ctrl+S the file holds [$(file_text "$file" 2>/dev/null || true)], expected [$expected]"
    fi
}

# A calculation file as the program writes it: UTF-16 little-endian with its byte order mark.
write_calculation_file() {
    local file=$1 text=$2
    { printf '\xff\xfe'; printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$file"
}

# Qt's warnings that mean a key or a command did nothing.
expect_clean_stderr() {
    if grep -E 'Ambiguous shortcut|QObject::|ASSERT|Segmentation' "$x11_work/stderr" >&2; then
        fail "the program's standard error carries the lines above"
    fi
}

# The program's windows that are shown now, besides the main window: popups and tool windows.
other_windows() {
    xdotool search --all --onlyvisible --pid "$calc_pid" '' 2>/dev/null | grep -vx "$calc_window" || true
}

# A popup or window of the program besides the main window shows (the completion list,
# a what's-this explanation...), or none does.
other_window_shown() {
    [[ -n "$(other_windows)" ]]
}

other_window_gone() {
    [[ -z "$(other_windows)" ]]
}

# With VANTOR_SCREENSHOTS naming a folder, keeps a picture of the whole screen there. A
# root capture under Xvfb leaves popups black, so each of the program's other windows is
# captured by itself and laid over it.
screenshot() {
    [[ -n "${VANTOR_SCREENSHOTS:-}" ]] || return 0
    mkdir -p "$VANTOR_SCREENSHOTS"
    sleep 0.5 # the windows paint after they are mapped
    local picture="$VANTOR_SCREENSHOTS/$1.png" window X Y
    xwd -root -silent | /usr/bin/convert xwd:- "$picture"
    for window in $(other_windows); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xwd -id "$window" -silent | /usr/bin/convert "$picture" xwd:- -geometry "+$X+$Y" -composite "$picture"
    done
}

# Starts the compositing manager, so that translucent windows blend with what is below.
x11_start_compositor() {
    xcompmgr >"$x11_work/xcompmgr.log" 2>&1 &
    x11_pids+=($!)
    sleep 1
    kill -0 "${x11_pids[-1]}" 2>/dev/null || fail "xcompmgr did not start"
}

# Waits for a visible window of the program with the given title and prints its id.
window_named() {
    local name=$1 id="" tries=100
    while ((tries-- > 0)); do
        id=$(xdotool search --all --onlyvisible --pid "$calc_pid" --name "^$name\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && break
        sleep 0.1
    done
    [[ -n "$id" ]] || fail "no window \"$name\" appeared"
    echo "$id"
}

# Waits until no visible window of the program has the given title.
window_gone() {
    wait_for 10 bash -c "! xdotool search --all --onlyvisible --pid $calc_pid --name '^$1\$'"
}

# Sets win_x, win_y, win_w and win_h to the window's place and size on the screen.
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/win_x=/p; s/^Y=/win_y=/p; s/^WIDTH=/win_w=/p; s/^HEIGHT=/win_h=/p')"
}

# A real click of the left button at a point of the screen.
click_at() {
    xdotool mousemove --sync "$1" "$2" click 1
}

# Clicks the middle of the widget named $3 inside the window titled $2, whose X window is
# $1: placed from where the window manager put the window, which the accessibility bus
# may not know yet.
click_widget_in() {
    window_geometry "$1"
    local x y width height
    read -r x y width height <<<"$(widget_rect "$2>$3")"
    click_at $((win_x + x + width / 2)) $((win_y + y + height / 2))
}

# Ends the program started last.
calc_stop() {
    kill "$calc_pid" 2>/dev/null || true
    wait "$calc_pid" 2>/dev/null || true
}

# The id of the program's visible window whose title matches the pattern $1 (an extended
# regular expression, unlike window_named), waiting up to 10 seconds for it.
window_matching() {
    local tries=100 id
    while ((tries-- > 0)); do
        id=$(xdotool search --all --onlyvisible --pid "$calc_pid" --name "$1" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled [$1] shows"
}

# Waits until the window $1's title matches the pattern $2.
expect_title() {
    wait_for 10 bash -c '[[ "$(xdotool getwindowname "$0")" =~ $1 ]]' "$1" "$2" ||
        fail "the window's title is [$(xdotool getwindowname "$1")], expected [$2]"
}

# A print service of the test's own: cupsd on a socket in the work folder, with its own
# configuration, spool, logs and a cups-pdf queue "$cups_queue" (the default printer)
# that writes its PDF files into $cups_pdf. It runs in a mount namespace where the work
# folder's configuration stands in for /etc/cups, because cups-pdf reads its settings
# from there; the machine's own cupsd and its files are not touched. Needs root, as
# cups-pdf does; the caller skips the test (exit 77) otherwise.
cups_queue=vantor-pdf
cups_start() {
    [[ $(id -u) -eq 0 ]] || { echo "SKIP: the print service tests run as root"; exit 77; }
    local root="$x11_work/cups"
    cups_pdf="$root/pdf"
    mkdir -p "$root"/{etc/ppd,spool/tmp,cache,state,log} "$cups_pdf" "$root/cups-pdf-spool"
    chmod 0755 "$x11_work" "$root" "$root"/{etc,spool,cache,state,log}
    chmod 1777 "$root/spool/tmp" "$cups_pdf" "$root/cups-pdf-spool"
    cat >"$root/etc/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/state/printcap
SystemGroup root
CONF
    cat >"$root/etc/cups-pdf.conf" <<CONF
Out $cups_pdf
AnonDirName $cups_pdf
Spool $root/cups-pdf-spool
Log $root/log
UserUMask 0000
CONF
    unshare --mount --propagation private sh -c \
        'mount --bind "$1/etc" /etc/cups && exec cupsd -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
        cupsd "$root" >"$root/log/cupsd.out" 2>&1 &
    x11_pids+=($!)
    export CUPS_SERVER="$root/cups.sock"
    wait_for 20 cups_running || fail "cupsd did not start: $(cat "$root/log/cupsd.out")"
    # pdftocairo turns the job into PostScript with fonts whose text pdftotext can read back.
    lpadmin -p "$cups_queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo 2>"$root/log/lpadmin" || fail "the cups-pdf queue could not be added: $(cat "$root/log/lpadmin")"
    lpadmin -d "$cups_queue" || fail "the cups-pdf queue could not become the default"
}

# lpstat says whether the scheduler runs, but exits with 0 either way.
cups_running() {
    [[ -S "$CUPS_SERVER" ]] && lpstat -r 2>/dev/null | grep -q 'scheduler is running'
}

# Waits up to $1 seconds for the queue to write its next PDF file and names it.
cups_wait_pdf() {
    local seconds=$1 found
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        found=$(find "$cups_pdf" -name '*.pdf' -newer "$x11_work/cups/pdf-mark" 2>/dev/null | head -n 1)
        if [[ -n "$found" ]] && ! lpstat -o "$cups_queue" 2>/dev/null | grep -q .; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Marks the moment after which cups_wait_pdf looks for a new file.
cups_mark() {
    touch "$x11_work/cups/pdf-mark"
    sleep 1
}

# The text of page $2 of the PDF $1, laid out as on paper.
pdf_page_text() {
    pdftotext -layout -f "$2" -l "$2" "$1" -
}

pdf_pages() {
    pdfinfo "$1" | awk '/^Pages:/ { print $2 }'
}
