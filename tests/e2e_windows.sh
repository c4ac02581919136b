#!/usr/bin/env bash
# The real game under Xvfb: open the two Help windows from the keyboard, find them by their
# captions, check their colours on screen, leave each with Exit and end the program with Exit
# on the table; all in English, which the C locale keeps whatever LANGUAGE asks. Then the
# game in the player's language, as a desktop's locale chooses it: with LANG=de_DE.UTF-8 the
# Help menu's "Spielregeln" (Alt+H, S) opens PIPFALL-SPIELREGELN, its "Schließen" (Alt+S)
# closes it and "Optionen, Beenden" (Alt+O, B) ends the game; LANGUAGE=fr before it speaks
# French ("Aide", "Règles": Alt+A, R opens RÈGLES DE PIPFALL).
# Usage: e2e_windows.sh PATH/TO/pipfall (in the folder with the die pictures).
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_windows.sh PATH/TO/pipfall}
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool import convert
start_xvfb 1920x1080x24
LC_ALL=C LANGUAGE=de "$game" >"$work/game.log" 2>&1 &
game_pid=$!

# coloured WINDOW R,G,B: the window shows that colour near its lower right corner, once painted
# (within ten seconds).
coloured() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    for _ in $(seq 100); do
        import -window root "$work/shot.png" 2>/dev/null && [[ $(convert "$work/shot.png" \
            -format "%[pixel:p{$((X + WIDTH - 10)),$((Y + HEIGHT - 10))}]" info: | tr -d 'srgba()') == "$2" ]] &&
            return 0
        sleep 0.1
    done
    return 1
}

table=$(find_window "PIPFALL")
[[ -n "$table" ]] || fail "no window captioned PIPFALL: $(cat "$work/game.log")"
choose "$table" h r || fail "could not reach Help, Rules"
rules=$(find_window "PIPFALL RULES")
[[ -n "$rules" ]] || fail "Help, Rules opened no window captioned PIPFALL RULES"
coloured "$rules" 0,255,255 || fail "the rules window is not cyan"
choose "$table" h c || fail "could not reach Help, Computer Game"
computer=$(find_window "PIPFALL-On the computer")
[[ -n "$computer" ]] || fail "Help, Computer Game opened no window captioned PIPFALL-On the computer"

coloured "$computer" 255,255,128 || fail "the on-the-computer window is not pale yellow"
# Its texts break only at blanks: "...the amount of each" ends the second line of the second
# paragraph, and "one-roll" starts the next whole, so nothing is drawn right of "each".
eval "$(xdotool getwindowgeometry --shell "$computer")"
menu=$((HEIGHT - 529)) # the client area is 529 pixels high, under the menu bar
darkest() { # x y w h, in the window's client area
    convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + menu + $2))" +repage -colorspace gray \
        -format "%[fx:minima < 0.5 ? 1 : 0]" info:
}
[[ $(darkest 660 252 10 12) == 1 ]] || fail "no text where the second paragraph's second line ends"
[[ $(darkest 676 252 30 12) == 0 ]] || fail "a word broken at its hyphen ends the line after \"each\""

# Exit on each Help window returns to the table and closes only that window.
xdotool windowfocus --sync "$computer" && xdotool key --clearmodifiers alt+x
gone "$computer" || fail "Exit left the on-the-computer window open"
xdotool windowfocus --sync "$rules" && xdotool key --clearmodifiers alt+x
gone "$rules" || fail "Exit left the rules window open"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended when a Help window closed"
[[ $(find_window "PIPFALL") == "$table" ]] || fail "the table is not the one the game started with"

# Exit on the table, now the only window, ends the program.
choose "$table" o x || fail "could not reach Options, Exit"
ended || fail "Exit did not end the program within ten seconds, or not with status 0"

speaks() { # LANG LANGUAGE HELP-KEY ITEM-KEY CAPTION: Help, then the item, opens the window
    env -u LC_ALL -u LC_MESSAGES LANG="$1" LANGUAGE="$2" "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    table=$(find_window PIPFALL)
    [[ -n "$table" ]] || fail "LANG=$1: no window captioned PIPFALL: $(cat "$work/game.log")"
    choose "$table" "$3" "$4" || fail "LANG=$1 LANGUAGE=$2: Alt+$3 opened no menu"
    help=$(find_window "$5")
    [[ -n "$help" ]] || fail "LANG=$1 LANGUAGE=$2: Alt+$3, $4 opened no window captioned $5"
}
speaks de_DE.UTF-8 "" h s "PIPFALL-SPIELREGELN"
xdotool windowfocus --sync "$help" && xdotool key --clearmodifiers alt+s
gone "$help" || fail "Schließen left the rules window open"
choose "$table" o b && ended || fail "Optionen, Beenden did not end the game"
# xdotool reads the caption from the old WM_NAME, where Qt writes the È as Latin-1 bytes.
speaks de_DE.UTF-8 fr a r "R.*GLES DE PIPFALL"
echo "PASS: both Help windows opened from the keyboard, showed their colours and closed; Exit ended" \
    "the game; English in the C locale, German and French as the locale asks"
