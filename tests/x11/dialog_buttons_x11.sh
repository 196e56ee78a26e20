#!/usr/bin/env bash
# Every dialog of the program offers the window manager a title and a close button only:
# no minimize and no maximize, neither as buttons nor as actions.
source "$(dirname "$0")/session.sh"
x11_start

# What the program asks the window manager for, from the Motif hints: flags, functions
# and decorations. Openbox keeps a minimize button whatever they say (it lets no hint take
# a button away), so they are checked as they are asked for; maximizing, which needs
# resizing, openbox does leave out for a dialog of fixed size.
mwm_hints() {
    xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ','
}

# The dialog titled $1, opened by the keys after $2, asks for a title and a close button
# and neither minimize nor maximize. $2 "fixed": it cannot be maximized at all; "painted":
# nor has it the window manager's frame, as it paints its caption and close button itself.
# Escape closes it again.
expect_close_only() {
    local title=$1 kind=$2 dialog flags functions decorations actions
    shift 2
    keys "$@"
    dialog=$(window_named "$title")
    wait_for 10 xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS || fail "\"$title\" has no allowed actions"
    sleep 0.3
    read -r flags functions decorations _ <<<"$(mwm_hints "$dialog")"
    [[ -n "$decorations" ]] || fail "\"$title\" carries no Motif hints"
    # Functions 0x08 minimize, 0x10 maximize, 0x20 close; decorations 0x08 title,
    # 0x20 minimize, 0x40 maximize.
    if [[ "$kind" == painted ]]; then
        ((decorations == 0)) || fail "\"$title\" has the window manager's frame: decorations $decorations"
    else
        ((flags & 0x1 && !(functions & 0x18) && functions & 0x20)) ||
            fail "\"$title\" asks for the functions $functions (flags $flags)"
        ((decorations & 0x8 && !(decorations & 0x60))) || fail "\"$title\" asks for the decorations $decorations"
    fi
    actions=$(xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS)
    [[ "$actions" == *_NET_WM_ACTION_CLOSE* ]] || fail "\"$title\" cannot be closed: $actions"
    if [[ "$kind" != resizable && "$actions" == *MAXIMIZE* ]]; then
        fail "\"$title\" can be maximized: $actions"
    fi
    keys Escape
    window_gone "$title" || fail "Escape did not close \"$title\""
    calc_activate
}

calc_start
# A changed text, so that New asks whether to save it.
type_text "1->mem[a];"
keys ctrl+shift+equal
expect_close_only "Preferences" fixed alt+s p
expect_close_only "Page Setup" fixed alt+f g
expect_close_only "Open" resizable ctrl+o
expect_close_only "Save As" resizable alt+f a
expect_close_only "Open" resizable ctrl+e
expect_close_only "Select Font" resizable alt+s k f s
expect_close_only "Select Color" fixed alt+s k t f
expect_close_only "About Calculator" painted alt+h a
expect_close_only "Calculator asks" painted ctrl+n # save the changes?
expect_clean_stderr
echo "ok: the dialogs show a title and a close button only"
