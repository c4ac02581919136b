#!/usr/bin/env bash
# The real game under Xvfb: open the two Help windows from the keyboard, find them by their
# captions, check their colours on screen, leave each with Exit and end the program with Exit
# on the table; all in English, which the C locale keeps whatever LANGUAGE asks. Then the
# game in the player's language, as a desktop's locale chooses it: with LANG=de_DE.UTF-8 the
# Help menu's "Spielregeln" (Alt+H, S) opens PIPFALL-SPIELREGELN, its "Schließen" (Alt+S)
# closes it and "Optionen, Beenden" (Alt+O, B) ends the game; LANGUAGE=fr before it speaks
# French ("Aide", "Règles": Alt+A, R opens RÈGLES DE PIPFALL). (Where the Help texts break
# their lines is tst_drawing's.)
# Where the windows open, under openbox on a 1280x1024 screen: each Help window centred on
# the table, and whole on the screen, moved as little as that takes when the table stands
# partly off it; a table rebuilt from the rules window centred where that window is.
# Usage: e2e_windows.sh PATH/TO/pipfall (in the folder with the die pictures).
# Exits 77 (skipped) when Xvfb, xdotool, x11-utils, openbox or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_windows.sh PATH/TO/pipfall}
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool xwininfo xprop openbox import convert
start_xvfb 1280x1024x24
start_openbox || fail "openbox did not start: $(cat "$work/openbox.log")"

# opens MENU-KEY ITEM-KEY CAPTION: on the game's table, $window, Alt+MENU-KEY, ITEM-KEY opens
# the window CAPTION, $help.
opens() {
    choose "$window" "$1" "$2" || fail "Alt+$1 opened no menu"
    help=$(find_window "$3") || fail "Alt+$1, $2 opened no window captioned $3"
}
# placement WINDOW: where the window is on the screen, without its frame, "x y width height"
# (xdotool's geometry is the frame's corner, once a window manager frames it, with the
# window's size).
placement() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ { x = $4 }
        /Absolute upper-left Y/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { if (w) print x, y, w, h; else exit 1 }'
}
# frame WINDOW: the window with its frame on the screen, "left top right bottom" (right and
# bottom just beyond it), once the window manager has framed it.
frame() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ,) &&
        [[ -n $extents ]] || return 1
    read -r x y w h < <(placement "$1") || return 1
    read -r left right top bottom <<<"$extents"
    echo $((x - left)) $((y - top)) $((x + w + right)) $((y + h + bottom))
}
# centre WINDOW: the centre of the window's frame, "x y", in pixels.
centre() { frame "$1" | awk '{ print ($1 + $3) / 2, ($2 + $4) / 2 }'; }
# near "X Y" "X Y": the two points lie within 3 pixels of each other, across and down;
# centred WINDOW ON: the window's centre lies that near the centre of ON.
near() { awk -v p="$1" -v q="$2" 'BEGIN { split(p, a); split(q, b)
    exit !(a[1] != "" && b[1] != "" && (a[1] - b[1]) ^ 2 <= 9 && (a[2] - b[2]) ^ 2 <= 9) }'; }
centred() { near "$(centre "$1")" "$(centre "$2")"; }
# on_screen WINDOW [EDGES]: the window lies whole on the 1280x1024 screen, frame and all; and,
# with EDGES "right bottom", touches the right and bottom edges.
on_screen() {
    read -r l t r b < <(frame "$1") && ((l >= 0 && t >= 0 && r <= 1280 && b <= 1024)) &&
        { [[ ${2-} != "right bottom" ]] || ((r == 1280 && b == 1024)); }
}
# placed WHAT WINDOW ON: reports that the window opened centred on ON and whole on the screen,
# with where they are.
placed() {
    within centred "$2" "$3"
    ok "$1 opens centred on the table (at $(centre "$2"), the table at $(centre "$3"))" \
        centred "$2" "$3"
    ok "$1 lies whole on the screen (frame $(frame "$2"))" on_screen "$2"
}
# moves WINDOW X Y: moves the window's frame to X,Y and waits until it stands within 50 pixels
# of there.
moved() { read -r l t _ < <(frame "$1") && (((l - $2) ** 2 <= 2500 && (t - $3) ** 2 <= 2500)); }
moves() { xdotool windowmove "$1" "$2" "$3" && within moved "$@"; }
# corner: the colour of $help near its lower right corner on the screenshot.
corner() { read -r x y w h < <(placement "$help") && colours $((x + w - 10)) $((y + h - 10)) 1 1; }
# closes WINDOW KEY: Alt+KEY on the window closes it and leaves the game running.
closes() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "alt+$2"
    gone "$1" && kill -0 "$game_pid" 2>/dev/null
}

start_game 10 env LC_ALL=C LANGUAGE=de "$game" # the C locale speaks English whatever LANGUAGE asks
within frame "$window" >/dev/null || fail "openbox never framed the table"
opens h r "PIPFALL RULES"
rules=$help
within screen_shows is 0,255,255 corner || fail "the rules window is not cyan"
placed "the rules window" "$rules" "$window"
opens h c "PIPFALL-On the computer"
within screen_shows is 255,255,128 corner || fail "the on-the-computer window is not pale yellow"
placed "the on-the-computer window" "$help" "$window"
closes "$help" x || fail "Exit did not close only the on-the-computer window"
closes "$rules" x || fail "Exit did not close only the rules window"
[[ $(find_window "PIPFALL") == "$window" ]] || fail "the table is not the one the game started with"

# A table standing partly off the screen, at its lower right: the rules window comes whole
# onto the screen, against its right and bottom edges, no further from the table's centre.
moves "$window" 900 700 || fail "the table did not move to 900,700 ($(frame "$window"))"
opens h r "PIPFALL RULES"
rules=$help
within on_screen "$rules" "right bottom"
ok "the rules window comes whole onto the screen at its corner (frame $(frame "$rules"))" \
    on_screen "$rules" "right bottom"
# The rules window outlives the table; its Exit builds a table centred where it is.
moves "$rules" 300 200 || fail "the rules window did not move to 300,200 ($(frame "$rules"))"
at=$(centre "$rules")
choose "$window" o x && gone "$window" || fail "Options, Exit did not close the table"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the rules window open"
xdotool windowfocus --sync "$rules" && xdotool key --clearmodifiers alt+x
window=$(find_window PIPFALL) || fail "Exit on the rules window brought no table back"
rebuilt_there() { near "$(centre "$window")" "$at"; }
within rebuilt_there
ok "the table rebuilt from the rules window is centred where it was (at $(centre "$window"), the rules window at $at)" \
    rebuilt_there
ok "the rebuilt table lies whole on the screen (frame $(frame "$window"))" on_screen "$window"
# Exit on the table, now the only window, ends the program.
choose "$window" o x && ended || fail "Options, Exit did not end the program with status 0"
((failures == 0)) || fail "$failures checks of where the windows open failed"

# The desktop's locale: German, and French where LANGUAGE puts it first.
start_game 10 env -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 LANGUAGE= "$game"
opens h s "PIPFALL-SPIELREGELN"
closes "$help" s || fail "Schließen did not close only the rules window"
choose "$window" o b && ended || fail "Optionen, Beenden did not end the game"
# xdotool reads the caption from the old WM_NAME, where Qt writes the È as Latin-1 bytes.
start_game 10 env -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 LANGUAGE=fr "$game"
opens a r "R.*GLES DE PIPFALL"
echo "PASS: both Help windows opened from the keyboard centred on the table, showed their colours" \
    "and closed; a rebuilt table opened where the rules window was; Exit ended the game; English" \
    "in the C locale, German and French as the locale asks"
