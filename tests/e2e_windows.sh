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

# opens LANG LANGUAGE MENU-KEY ITEM-KEY CAPTION: starts the game (LANG empty: the C locale,
# LANGUAGE=de) unless it runs, and has Alt+MENU-KEY, ITEM-KEY open the window CAPTION, $help.
opens() {
    if [[ -z $game_pid ]]; then
        local locale=(LC_ALL=C LANGUAGE=de)
        [[ -z $1 ]] || locale=(-u LC_ALL -u LC_MESSAGES LANG="$1" LANGUAGE="$2")
        start_game 10 env "${locale[@]}" "$game"
        table=$window
    fi
    choose "$table" "$3" "$4" || fail "LANG=$1 LANGUAGE=$2: Alt+$3 opened no menu"
    help=$(find_window "$5") || fail "LANG=$1 LANGUAGE=$2: Alt+$3, $4 opened no window captioned $5"
}
# coloured R,G,B: $help shows that colour near its lower right corner once painted (ten seconds).
coloured() {
    eval "$(xdotool getwindowgeometry --shell "$help")" &&
        within screen_shows is "$1" colours $((X + WIDTH - 10)) $((Y + HEIGHT - 10)) 1 1
}
# closes WINDOW KEY: Alt+KEY on the window closes it and leaves the game running.
closes() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "alt+$2"
    gone "$1" && kill -0 "$game_pid" 2>/dev/null
}

opens "" "" h r "PIPFALL RULES"
rules=$help
coloured 0,255,255 || fail "the rules window is not cyan"
opens "" "" h c "PIPFALL-On the computer"
coloured 255,255,128 || fail "the on-the-computer window is not pale yellow"
closes "$help" x || fail "Exit did not close only the on-the-computer window"
closes "$rules" x || fail "Exit did not close only the rules window"
[[ $(find_window "PIPFALL") == "$table" ]] || fail "the table is not the one the game started with"
# Exit on the table, now the only window, ends the program.
choose "$table" o x && ended || fail "Options, Exit did not end the program with status 0"

opens de_DE.UTF-8 "" h s "PIPFALL-SPIELREGELN"
closes "$help" s || fail "Schließen did not close only the rules window"
choose "$table" o b && ended || fail "Optionen, Beenden did not end the game"
# xdotool reads the caption from the old WM_NAME, where Qt writes the È as Latin-1 bytes.
opens de_DE.UTF-8 fr a r "R.*GLES DE PIPFALL"
echo "PASS: both Help windows opened from the keyboard, showed their colours and closed; Exit ended" \
    "the game; English in the C locale, German and French as the locale asks"
