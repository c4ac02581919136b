#!/usr/bin/env bash
# The real game under Xvfb in the player's language, chosen by the locale as a desktop sets it:
# with LANG=de_DE.UTF-8 the Help menu's "Spielregeln" (Alt+H, S) opens the rules window
# captioned PIPFALL-SPIELREGELN, its "Schließen" (Alt+S) closes it, and the Options menu's
# "Beenden" (Alt+O, B) ends the game; LANGUAGE=fr before it speaks French ("Aide", "Règles":
# Alt+A, R opens RÈGLES DE PIPFALL); and LC_ALL=C keeps the English game whatever LANGUAGE
# asks (Alt+H, R opens PIPFALL RULES).
# Usage: e2e_language.sh PATH/TO/pipfall (in the folder with the die pictures).
# Exits 77 (skipped) when Xvfb or xdotool is not installed.
set -uo pipefail

game=${1:?usage: e2e_language.sh PATH/TO/pipfall}
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool
start_xvfb 1280x1024x24

speaks() { # LANG LANGUAGE LC_ALL HELP-KEY ITEM-KEY CAPTION: Help, then the item, opens it
    env -u LC_ALL -u LC_MESSAGES LANG="$1" LANGUAGE="$2" ${3:+LC_ALL=$3} QT_QPA_PLATFORM=xcb \
        "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    table=$(find_window PIPFALL)
    [[ -n "$table" ]] || fail "LANG=$1: no window captioned PIPFALL: $(cat "$work/game.log")"
    choose "$table" "$4" "$5" || fail "LANG=$1 LANGUAGE=$2 LC_ALL=$3: Alt+$4 opened no menu"
    help=$(find_window "$6")
    [[ -n "$help" ]] || fail "LANG=$1 LANGUAGE=$2 LC_ALL=$3: Alt+$4, $5 opened no window captioned $6"
    echo "ok   LANG=$1 LANGUAGE=$2 LC_ALL=$3: $6"
}
stop() { kill "$game_pid" && wait "$game_pid" 2>/dev/null; game_pid=; }

speaks de_DE.UTF-8 "" "" h s "PIPFALL-SPIELREGELN"
xdotool windowfocus --sync "$help" && xdotool key --clearmodifiers alt+s
gone "$help" || fail "Schließen left the rules window open"
choose "$table" o b || fail "the Options menu did not open"
ended || fail "Optionen, Beenden left the game running"
# xdotool reads the caption from the old WM_NAME, where Qt writes the È as Latin-1 bytes.
speaks de_DE.UTF-8 fr "" a r "R.*GLES DE PIPFALL"
stop
speaks de_DE.UTF-8 de C h r "PIPFALL RULES"
stop
echo "PASS: German and French as the locale asks, English in the C locale"
