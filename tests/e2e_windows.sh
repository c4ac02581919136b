#!/usr/bin/env bash
# The real game under Xvfb: open the two Help windows from the keyboard, find them by their
# captions, check their colours on screen, leave each with Exit and end the program with Exit
# on the table; all in English, which the C locale keeps whatever LANGUAGE asks. Then the
# game in the player's language, as a desktop's locale chooses it: with LANG=de_DE.UTF-8 the
# Help menu's "Spielregeln" (Alt+H, S) opens PIPFALL-SPIELREGELN, its "Schließen" (Alt+S)
# closes it and "Optionen, Beenden" (Alt+O, B) ends the game; LANGUAGE=fr before it speaks
# French ("Aide", "Règles": Alt+A, R opens RÈGLES DE PIPFALL). (Where the Help texts break
# their lines is tst_drawing's.)
# Usage: e2e_windows.sh PATH/TO/pipfall (in the folder with the die pictures).
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_windows.sh PATH/TO/pipfall}
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool import convert
start_xvfb 1920x1080x24

# opens MENU-KEY ITEM-KEY CAPTION: on the game's table, $window, Alt+MENU-KEY, ITEM-KEY opens
# the window CAPTION, $help.
opens() {
    choose "$window" "$1" "$2" || fail "Alt+$1 opened no menu"
    help=$(find_window "$3") || fail "Alt+$1, $2 opened no window captioned $3"
}
# corner: the colour of $help near its lower right corner on the screenshot.
corner() { eval "$(xdotool getwindowgeometry --shell "$help")" && colours $((X + WIDTH - 10)) $((Y + HEIGHT - 10)) 1 1; }
# closes WINDOW KEY: Alt+KEY on the window closes it and leaves the game running.
closes() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "alt+$2"
    gone "$1" && kill -0 "$game_pid" 2>/dev/null
}

start_game 10 env LC_ALL=C LANGUAGE=de "$game" # the C locale speaks English whatever LANGUAGE asks
opens h r "PIPFALL RULES"
rules=$help
within screen_shows is 0,255,255 corner || fail "the rules window is not cyan"
opens h c "PIPFALL-On the computer"
within screen_shows is 255,255,128 corner || fail "the on-the-computer window is not pale yellow"
closes "$help" x || fail "Exit did not close only the on-the-computer window"
closes "$rules" x || fail "Exit did not close only the rules window"
[[ $(find_window "PIPFALL") == "$window" ]] || fail "the table is not the one the game started with"
# Exit on the table, now the only window, ends the program.
choose "$window" o x && ended || fail "Options, Exit did not end the program with status 0"

# The desktop's locale: German, and French where LANGUAGE puts it first.
start_game 10 env -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 LANGUAGE= "$game"
opens h s "PIPFALL-SPIELREGELN"
closes "$help" s || fail "Schließen did not close only the rules window"
choose "$window" o b && ended || fail "Optionen, Beenden did not end the game"
# xdotool reads the caption from the old WM_NAME, where Qt writes the È as Latin-1 bytes.
start_game 10 env -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 LANGUAGE=fr "$game"
opens a r "R.*GLES DE PIPFALL"
echo "PASS: both Help windows opened from the keyboard, showed their colours and closed; Exit ended" \
    "the game; English in the C locale, German and French as the locale asks"
