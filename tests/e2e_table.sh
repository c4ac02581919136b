#!/usr/bin/env bash
# End to end: starts the real game on its own Xvfb display, takes a screenshot of the screen
# and checks the colours inside a handful of widgets at the places the widget table gives.
# Usage: e2e_table.sh PATH/TO/pipfall   (run from the folder that holds the die pictures)
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_table.sh PATH/TO/pipfall}
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool import convert
start_xvfb 1024x768x24
echo "display $DISPLAY"

QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
[[ -n "$window" ]] || fail "no PIPFALL window within 30 s; the game said: $(cat "$work/game.log")"
eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"

# pixel SHOT X Y: "r,g,b" of one pixel of a screenshot.
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}

# The client area starts below the menu bar: the first felt-blue row of its left column.
# Wait for it, since the window maps before it first paints.
shot=$work/screen.png
origin=
for _ in $(seq 100); do
    import -window root "$shot" 2>/dev/null || true
    if [[ -s "$shot" ]]; then
        origin=$(convert "$shot" -crop "1x120+$((X + 5))+$Y" +repage -depth 8 txt:- |
            grep -m 1 '(0,0,255)' | sed -n 's/^0,\([0-9]*\):.*/\1/p')
        [[ -n "$origin" ]] && break
    fi
    sleep 0.2
done
[[ -n "$origin" ]] || fail "the felt never showed"
cx=$X
cy=$((Y + origin))
echo "client area at $cx,$cy (menu bar $origin pixels high)"
((origin > 0)) || fail "no menu bar above the felt"
((WIDTH == 792)) || fail "window $WIDTH pixels wide, not 792"
((HEIGHT - origin == 554)) || fail "client area $((HEIGHT - origin)) pixels high, not 554"
sleep 0.5 # let the first frame settle, then take the picture that is checked
import -window root "$shot" || fail "no screenshot"
cp "$shot" e2e_table.png 2>/dev/null || true

failures=0
# expect NAME X Y R,G,B: X and Y in client pixels (twips / 15).
expect() {
    local got
    got=$(pixel "$shot" $((cx + $2)) $((cy + $3)))
    if [[ "$got" == "$4" ]]; then
        echo "ok   $1 at $2,$3 is $got"
    else
        echo "FAIL $1 at $2,$3 is $got, not $4"
        failures=$((failures + 1))
    fi
}
expect "felt, left" 5 300 0,0,255
expect "felt, top right" 780 20 0,0,255
expect "felt, inside the triangle" 400 100 0,0,255
expect "lblpoint (NO POINT) pale blue" 634 127 192,192,255
expect "lblBankroll white" 163 365 255,255,255
expect "lblBankroll border" 200 368 0,0,0
expect "cmdOneRoll (Make One-Roll Bet) orange" 564 228 255,128,0
expect "cmdRoll lavender blue" 604 148 128,128,255
expect "txtBet dark blue" 355 354 0,0,192
expect "lblcout(4) (COME OUT) pale blue" 366 195 192,192,255
expect "Line2, the triangle's top side" 400 56 0,0,0
expect "logo on white" 20 44 255,255,255
expect "lblBankroll's left border, beside the \$" 160 340 0,0,0
expect "txtBet's bevel, right edge" 419 354 255,255,255
expect "txtBet's bevel, bottom edge" 385 371 255,255,255

# ink NAME X Y W H yes|no: whether the client area holds any dark pixel there.
ink() {
    local darkest
    darkest=$(convert "$shot" -crop "$4x$5+$((cx + $2))+$((cy + $3))" +repage -colorspace gray \
        -format "%[fx:minima < 0.5 ? 1 : 0]" info:)
    if [[ "$darkest" == "$([[ $6 == yes ]] && echo 1 || echo 0)" ]]; then
        echo "ok   $1: $6"
    else
        echo "FAIL $1: not $6"
        failures=$((failures + 1))
    fi
}
# The about panel, from Help: it covers the triangle, and the blanks of its caption push the
# name and the version onto lines of their own.
xdotool windowfocus --sync "$window" && xdotool key --clearmodifiers alt+h && sleep 0.4 &&
    xdotool key --clearmodifiers p && sleep 0.5
import -window root "$shot" || fail "no screenshot"
cp "$shot" e2e_about.png 2>/dev/null || true
expect "the about panel over the triangle's top side" 200 56 192,192,255
ink "the about panel's first line, only blanks" 17 26 255 15 no
ink "the about panel's second line, the name" 17 46 255 10 yes
ink "the about panel's third line, the version" 17 62 255 8 yes

kill -0 "$game_pid" 2>/dev/null || fail "the game died: $(cat "$work/game.log")"
((failures == 0)) || fail "$failures colours are wrong (screenshot kept as e2e_table.png)"
echo "PASS: the table shows its colours where they belong"
