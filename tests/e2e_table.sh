#!/usr/bin/env bash
# End to end on a normal and a high-density screen: starts the real game under Xvfb at
# QT_SCALE_FACTOR 1 and 2 and checks from screenshots that the window doubles; that a one-pixel
# border covers exactly 1 or 2 device pixels; that the logo and the rolled die are drawn pixel
# for pixel from their pictures (logo.bmp and imgdieN.bmp at 1, logo@2x.png and imgdieN@2x.png
# at 2); and that the about panel is drawn over the triangle. (Each widget's colour is the
# start-up record's, tests/golden/startup.json; how the about panel's caption breaks is
# tst_drawing's; what O K brings back is the rules' scenarios'.)
# Usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR   (run from the folder with the die pictures)
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick is not installed.
set -uo pipefail

game=${1:?usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR}
assets=${2:?usage: e2e_table.sh PATH/TO/pipfall SOURCE_DIR}/assets
source "$(dirname "$0")/e2e_session.sh"
require_tools Xvfb xdotool import convert compare
start_xvfb 2048x1536x24

for s in 1 2; do
    echo "--- QT_SCALE_FACTOR=$s"
    start_game 30 env QT_SCALE_FACTOR="$s" QT_QPA_PLATFORM=xcb "$game"
    client "$window" "$((792 * s))x$((554 * s))"

    if ((s == 1)); then logo=logo.bmp die=imgdieN.bmp; else logo=logo@2x.png die=imgdieN@2x.png; fi
    expect "the logo drawn from $logo" drawn 17 41 "$assets/$logo"
    cp "$shot" "e2e_table$s.png" 2>/dev/null || true
    # lblBankroll's bottom border: white above, felt below, exactly s rows of black between.
    border() { colours $((cx + 200 * s)) $((cy + 364 * s)) 1 $((8 * s)) | uniq -c | awk '{print $1 "x" $2}' | paste -sd' '; }
    expect "lblBankroll's border $s px" is "$((4 * s))x255,255,255 ${s}x0,0,0 $((3 * s))x0,0,255" border

    rolls "$assets/$die"

    # The about panel, from Help, lies over the triangle's top side.
    choose "$window" h p || fail "could not reach Help, About"
    expect "the about panel over the triangle" is 192,192,255 colours $((cx + 200 * s)) $((cy + 56 * s)) 1 1

    stop_game
done

((failures == 0)) || fail "$failures checks failed (screenshots kept as e2e_table1.png, e2e_table2.png)"
echo "PASS: the table at scale 1 and 2, with sharp lines, pictures and about panel"
