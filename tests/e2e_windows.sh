#!/bin/sh
# The real game under a real X server: open the two Help windows from the keyboard, find them
# by their captions, check their colours on screen, leave them with Exit and end the program
# with Exit on the table.
#
# Usage: e2e_windows.sh PATH/TO/pipfall   (run in the folder that holds the die pictures)
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is not installed.

set -u
game_program=$1

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install xvfb xauth xdotool imagemagick)"
        exit 77
    fi
done
for face in 1 2 3 4 5 6; do
    if [ ! -f "imgdie$face.bmp" ]; then
        echo "FAIL: imgdie$face.bmp is not in $(pwd); build the die_pictures target first"
        exit 1
    fi
done

work=$(mktemp -d)
xvfb=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    [ -s "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log"
    exit 1
}

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
echo "Xvfb on $DISPLAY"

"$game_program" >"$work/game.log" 2>&1 &
game=$!

# The visible window whose caption is exactly $1, waiting up to five seconds for it.
find_window() {
    tries=0
    while [ $tries -lt 50 ]; do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id")" = "$1" ]; then
                echo "$id"
                return 0
            fi
        done
        tries=$((tries + 1))
        sleep 0.1
    done
    return 1
}

# Waits up to five seconds for the window $1 to be gone from the screen.
gone() {
    tries=0
    while xdotool search --onlyvisible --name "." 2>/dev/null | grep -qx "$1"; do
        tries=$((tries + 1))
        [ $tries -gt 50 ] && return 1
        sleep 0.1
    done
    return 0
}

# Presses the keys $2... in window $1: there is no window manager, so give it the focus first.
keys() {
    window=$1
    shift
    xdotool windowfocus --sync "$window" || return 1
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.4 # a menu opened by the first key needs a moment to drop down
    done
}

# The colour at x,y of the screenshot as r,g,b.
colour_at() {
    convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info: | tr -d 'srgba()'
}

# Fills X, Y, WIDTH and HEIGHT for window $1.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

check_colour() { # name x y expected
    actual=$(colour_at "$2" "$3")
    [ "$actual" = "$4" ] || fail "$1 at $2,$3 is $actual, expected $4"
    echo "ok: $1 at $2,$3 is $4"
}

table=$(find_window "PIPFALL") || fail "no window captioned PIPFALL"

keys "$table" alt+h r || fail "could not reach Help, Rules"
rules=$(find_window "PIPFALL RULES") || fail "Help, Rules opened no window captioned PIPFALL RULES"
keys "$table" alt+h c || fail "could not reach Help, Computer Game"
computer=$(find_window "PIPFALL-On the computer") ||
    fail "Help, Computer Game opened no window captioned PIPFALL-On the computer"

import -window root "$work/shot.png" || fail "no screenshot"

# Points near the windows' lower corners lie on their backgrounds, clear of the texts, the
# frame and the button. The on-the-computer window came last and lies on top, so the point in
# the rules window is taken where neither it nor the table covers it.
geometry "$table"
table_x=$X table_y=$Y table_w=$WIDTH table_h=$HEIGHT
geometry "$computer"
cg_x=$X cg_y=$Y cg_w=$WIDTH cg_h=$HEIGHT
geometry "$rules"
rules_x=$X rules_y=$Y rules_w=$WIDTH rules_h=$HEIGHT
echo "table $table_x,$table_y ${table_w}x$table_h; rules $rules_x,$rules_y ${rules_w}x$rules_h;" \
    "computer $cg_x,$cg_y ${cg_w}x$cg_h"

inside() { # x y wx wy ww wh
    [ "$1" -ge "$3" ] && [ "$1" -lt $(($3 + $5)) ] && [ "$2" -ge "$4" ] && [ "$2" -lt $(($4 + $6)) ]
}
point=
for candidate in "$((rules_x + 10)) $((rules_y + rules_h - 10))" \
    "$((rules_x + rules_w - 10)) $((rules_y + rules_h - 10))" \
    "$((rules_x + rules_w - 10)) $((rules_y + 30))"; do
    # shellcheck disable=SC2086
    if ! inside $candidate "$cg_x" "$cg_y" "$cg_w" "$cg_h" &&
        ! inside $candidate "$table_x" "$table_y" "$table_w" "$table_h"; then
        point=$candidate
        break
    fi
done
[ -n "$point" ] || fail "no corner of the rules window is in view"
# shellcheck disable=SC2086
check_colour "rules window" $point "0,255,255"
check_colour "on-the-computer window" $((cg_x + cg_w - 10)) $((cg_y + cg_h - 10)) "255,255,128"

# Exit on each Help window returns to the table and closes only that window.
keys "$rules" alt+x
gone "$rules" || fail "Exit left the rules window open"
keys "$computer" alt+x
gone "$computer" || fail "Exit left the on-the-computer window open"
kill -0 "$game" 2>/dev/null || fail "the program ended when a Help window closed"
[ "$(find_window "PIPFALL")" = "$table" ] || fail "the table is not the one the game started with"

# Exit on the table, now the only window, ends the program.
keys "$table" alt+o x
tries=0
while kill -0 "$game" 2>/dev/null; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && fail "the program still runs ten seconds after Exit"
    sleep 0.1
done
wait "$game"
status=$?
game=
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "ok: Exit on the table ended the program with status 0"
