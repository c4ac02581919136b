#!/usr/bin/env bash
# End to end on a normal and a high-density screen: starts the real game under Xvfb at
# QT_SCALE_FACTOR 1 and 2 and checks from screenshots that the window doubles; that a one-pixel
# border covers exactly 1 or 2 device pixels; that the logo and the rolled die are drawn pixel
# for pixel from their pictures (logo.bmp and imgdieN.bmp at 1, logo@2x.png and imgdieN@2x.png
# at 2); and that the about panel covers the triangle, shows the name and the version on lines
# of their own, and closes with its O K button. (Which colour each widget has is the start-up
# record's, tests/golden/startup.json.)
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
# shows COMMAND...: takes screenshots until COMMAND succeeds on one, for at most ten seconds.
shows() {
    for _ in $(seq 100); do
        import -window root "$shot" 2>/dev/null && "$@" >/dev/null && return 0
        sleep 0.1
    done
    return 1
}

shot=$work/screen.png
for s in 1 2; do
    echo "--- QT_SCALE_FACTOR=$s"
    QT_SCALE_FACTOR=$s QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
    [[ -n "$window" ]] || fail "no PIPFALL window within 30 s; the game said: $(cat "$work/game.log")"
    eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
    # The client area starts below the menu bar, where the felt begins once it is painted.
    felt() { colours $((X + 5 * s)) "$Y" 1 $((120 * s)) | grep -n -m 1 '^0,0,255$' | cut -d: -f1; }
    felt_found() { [[ -n "$(felt)" ]]; }
    shows felt_found || fail "the felt never showed"
    origin=$(felt)
    cx=$X
    cy=$((Y + origin - 1))
    check "window width" "$WIDTH" $((792 * s))
    check "client area height" $((HEIGHT - origin + 1)) $((554 * s))

    # X and Y in client pixels at scale 1 (twips / 15).
    colour_at() { colours $((cx + $1 * s)) $((cy + $2 * s)) 1 1; }
    ink() { # ink X Y W H: 1 when any pixel there is dark (text), else 0
        convert "$shot" -crop "$(($3 * s))x$(($4 * s))+$((cx + $1 * s))+$((cy + $2 * s))" \
            +repage -colorspace gray -format "%[fx:minima < 0.5 ? 1 : 0]" info:
    }
    if ((s == 1)); then logo=logo.bmp die=imgdieN.bmp; else logo=logo@2x.png die=imgdieN@2x.png; fi
    logo_shown() { [[ "$(same $((cx + 17 * s)) $((cy + 41 * s)) "$assets/$logo")" == 0 ]]; }
    shows logo_shown
    check "the logo drawn from $logo" "$(logo_shown && echo yes)" yes
    cp "$shot" "e2e_table$s.png" 2>/dev/null || true
    # lblBankroll's bottom border: white above, felt below, exactly s rows of black between.
    check "lblBankroll border, top to bottom" \
        "$(colours $((cx + 200 * s)) $((cy + 364 * s)) 1 $((8 * s)) | uniq -c | awk '{print $1 "x" $2}' | paste -sd' ')" \
        "$((4 * s))x255,255,255 ${s}x0,0,0 $((3 * s))x0,0,255"

    # Roll once with a 5-dollar bet (the up arrow of udBet, then Roll Die): the die shows one
    # of its pictures pixel for pixel.
    xdotool mousemove $((cx + 430 * s)) $((cy + 347 * s)) click 1
    xdotool mousemove $((cx + 672 * s)) $((cy + 176 * s)) click 1
    die_shown() {
        for face in 1 2 3 4 5 6; do
            [[ "$(same $((cx + 377 * s)) $((cy + 113 * s)) "$assets/${die/N/$face}")" == 0 ]] && return 0
        done
        return 1
    }
    shows die_shown
    check "die drawn from $die" "$(die_shown && echo yes)" yes

    # The about panel, from Help: it covers the triangle, and the blanks of its caption push
    # the name and the version onto lines of their own.
    choose "$window" h p || fail "could not reach Help, About"
    about_shown() { [[ "$(colour_at 200 56)" == 192,192,255 ]]; }
    shows about_shown
    check "the about panel over the triangle's top side" "$(colour_at 200 56)" 192,192,255
    check "the about panel's first line, only blanks" "$(ink 17 26 255 15)" 0
    check "the about panel's second line, the name" "$(ink 17 46 255 10)" 1
    check "the about panel's third line, the version" "$(ink 17 62 255 8)" 1
    # Its O K button closes the panel: the logo comes back.
    xdotool mousemove $((cx + 140 * s)) $((cy + 124 * s)) click 1
    shows logo_shown
    check "the logo drawn from $logo, after O K" "$(logo_shown && echo yes)" yes

    kill -0 "$game_pid" 2>/dev/null || fail "the game died: $(cat "$work/game.log")"
    kill "$game_pid" && wait "$game_pid" 2>/dev/null
    game_pid=
done

((failures == 0)) || fail "$failures checks failed (screenshots kept as e2e_table1.png, e2e_table2.png)"
echo "PASS: the table at scale 1 and 2, with sharp lines, pictures and about panel"
