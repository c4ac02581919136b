#!/usr/bin/env bash
# End to end on a normal and a high-density screen: starts the real game under Xvfb at
# QT_SCALE_FACTOR 1 and 2 and checks from screenshots that the window doubles; that widgets
# show their colours where the widget table puts them; that a one-pixel border covers exactly
# 1 or 2 device pixels; that the logo and the rolled die are drawn pixel for pixel from their
# pictures (logo.bmp and imgdieN.bmp at 1, logo@2x.png and imgdieN@2x.png at 2); and that the
# about panel covers the triangle, shows the name and the version on lines of their own, and
# closes with its O K button.
# Usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR   (run from the folder with the die pictures)
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR}
assets=${2:?usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR}/assets
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool import convert compare
start_xvfb 2048x1536x24

failures=0
check() { # check WHAT GOT WANTED
    if [[ "$2" == "$3" ]]; then
        echo "ok   $1: $2"
    else
        echo "FAIL $1: $2, not $3"
        failures=$((failures + 1))
    fi
}
# colours X Y W H: the colour of every pixel of a rectangle of the screenshot, "r,g,b" a line.
colours() {
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}
# same X Y PICTURE: how many pixels of the screen at X,Y differ from the picture.
same() {
    convert "$shot" -crop "$(identify -format '%wx%h' "$3")+$1+$2" +repage "$work/crop.png"
    compare -metric AE "$work/crop.png" "$3" null: 2>&1
}
snap() { sleep 0.5 && import -window root "$shot" || fail "no screenshot"; }

shot=$work/screen.png
for s in 1 2; do
    echo "--- QT_SCALE_FACTOR=$s"
    QT_SCALE_FACTOR=$s QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
    [[ -n "$window" ]] || fail "no PIPFALL window within 30 s; the game said: $(cat "$work/game.log")"
    eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
    # The client area starts below the menu bar; wait for the felt, which paints after mapping.
    origin=
    for _ in $(seq 100); do
        import -window root "$shot" 2>/dev/null &&
            origin=$(colours $((X + 5 * s)) "$Y" 1 $((120 * s)) | grep -n -m 1 '^0,0,255$' | cut -d: -f1)
        [[ -n "$origin" ]] && break
        sleep 0.2
    done
    [[ -n "$origin" ]] || fail "the felt never showed"
    cx=$X
    cy=$((Y + origin - 1))
    check "window width" "$WIDTH" $((792 * s))
    check "client area height" $((HEIGHT - origin + 1)) $((554 * s))
    snap
    cp "$shot" "e2e_table$s.png" 2>/dev/null || true

    # at NAME X Y R,G,B: X and Y in client pixels at scale 1 (twips / 15).
    at() { check "$1 at $2,$3" "$(colours $((cx + $2 * s)) $((cy + $3 * s)) 1 1)" "$4"; }
    # ink NAME X Y W H yes|no: whether any pixel there is dark (text).
    ink() {
        check "$1" "$(convert "$shot" -crop "$(($4 * s))x$(($5 * s))+$((cx + $2 * s))+$((cy + $3 * s))" \
            +repage -colorspace gray -format "%[fx:minima < 0.5 ? 1 : 0]" info: | sed 's/1/yes/;s/0/no/')" "$6"
    }
    at "felt" 5 300 0,0,255
    at "felt inside the triangle" 400 100 0,0,255
    at "lblpoint (NO POINT) pale blue" 634 127 192,192,255
    at "lblBankroll white" 163 350 255,255,255
    at "cmdOneRoll (Make One-Roll Bet) orange" 564 228 255,128,0
    at "cmdRoll lavender blue" 604 148 128,128,255
    at "txtBet dark blue" 355 354 0,0,192
    at "lblcout(4) (COME OUT) pale blue" 366 195 192,192,255
    at "Line2, the triangle's top side" 400 56 0,0,0
    at "lblBankroll's left border, beside the \$" 160 340 0,0,0
    at "txtBet's bevel, right edge" 419 354 255,255,255
    at "txtBet's bevel, bottom edge" 385 371 255,255,255
    # lblBankroll's bottom border: white above, felt below, exactly s rows of black between.
    check "lblBankroll border, top to bottom" \
        "$(colours $((cx + 200 * s)) $((cy + 364 * s)) 1 $((8 * s)) | uniq -c | awk '{print $1 "x" $2}' | paste -sd' ')" \
        "$((4 * s))x255,255,255 ${s}x0,0,0 $((3 * s))x0,0,255"
    if ((s == 1)); then logo=logo.bmp die=imgdieN.bmp; else logo=logo@2x.png die=imgdieN@2x.png; fi
    check "pixels of the logo not as in $logo" "$(same $((cx + 17 * s)) $((cy + 41 * s)) "$assets/$logo")" 0

    # Roll once with a 5-dollar bet (the up arrow of udBet, then Roll Die): the die shows one
    # of its pictures pixel for pixel.
    xdotool mousemove $((cx + 430 * s)) $((cy + 347 * s)) click 1
    sleep 0.3
    xdotool mousemove $((cx + 672 * s)) $((cy + 176 * s)) click 1
    sleep 0.5
    snap
    shown=none
    for face in 1 2 3 4 5 6; do
        [[ "$(same $((cx + 377 * s)) $((cy + 113 * s)) "$assets/${die/N/$face}")" == 0 ]] && shown=$die
    done
    check "die drawn from" "$shown" "$die"

    # The about panel, from Help: it covers the triangle, and the blanks of its caption push
    # the name and the version onto lines of their own.
    xdotool windowfocus --sync "$window" && xdotool key --clearmodifiers alt+h && sleep 0.4 &&
        xdotool key --clearmodifiers p
    snap
    at "the about panel over the triangle's top side" 200 56 192,192,255
    ink "the about panel's first line, only blanks" 17 26 255 15 no
    ink "the about panel's second line, the name" 17 46 255 10 yes
    ink "the about panel's third line, the version" 17 62 255 8 yes
    # Its O K button shows, and closes the panel: the logo comes back.
    at "the about panel's O K button" 108 108 128,128,255
    xdotool mousemove $((cx + 140 * s)) $((cy + 124 * s)) click 1
    snap
    check "pixels of the logo not as in $logo, after O K" "$(same $((cx + 17 * s)) $((cy + 41 * s)) "$assets/$logo")" 0

    kill -0 "$game_pid" 2>/dev/null || fail "the game died: $(cat "$work/game.log")"
    kill "$game_pid" && wait "$game_pid" 2>/dev/null
    game_pid=
done

((failures == 0)) || fail "$failures checks failed (screenshots kept as e2e_table1.png, e2e_table2.png)"
echo "PASS: the table at scale 1 and 2, in its colours, with sharp lines, pictures and about panel"
