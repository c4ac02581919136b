#!/usr/bin/env bash
# Makes the README's screenshots from the real game under Xvfb: the table in play (a bet on,
# rolled until a point is set), the rules window and the on-the-computer window; and the
# table in German after a come-out six (pipfall-scripted, the game with a die that shows the
# faces it is given, which the tests build).
#
# Usage: scripts/screenshots.sh [BUILD-DIR]   (default build/; writes docs/screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
out=$PWD/docs/screenshots
mkdir -p "$out"

work=$(mktemp -d)
xvfb=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

(cd "$build" && exec ./pipfall) >"$work/game.log" 2>&1 &
game=$!
table=$(timeout 10 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
xdotool windowmove "$table" 0 0
sleep 0.5

# The client area starts below the menu bar: find its first felt-blue row.
import -window root "$work/root.png"
menu=0
while [ "$(convert "$work/root.png" -format "%[pixel:p{5,$menu}]" info:)" != "srgb(0,0,255)" ]; do
    menu=$((menu + 1))
done
click() { xdotool mousemove "$1" $(($2 + menu)) click 1; sleep 0.2; }

# Two clicks up on the bet's up-down, then roll until a point is on.
click 430 347
click 430 347
for _ in $(seq 20); do
    click 672 176
    import -window root "$work/root.png"
    # lblpoint turns green, yellow or red while a point is on.
    [ "$(convert "$work/root.png" -format "%[pixel:p{640,$((100 + menu))}]" info:)" != "srgb(192,192,255)" ] && break
done
import -window "$table" "$out/table.png"

xdotool key --window "$table" alt+h r
rules=$(timeout 10 xdotool search --sync --onlyvisible --name '^PIPFALL RULES$' | head -n 1)
sleep 0.5
import -window "$rules" "$out/rules.png"

xdotool windowactivate --sync "$table" 2>/dev/null || xdotool windowfocus "$table"
xdotool key --window "$table" alt+h c
computer=$(timeout 10 xdotool search --sync --onlyvisible --name '^PIPFALL-On the computer$' | head -n 1)
sleep 0.5
import -window "$computer" "$out/computer.png"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true

(cd "$build" && exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 ./pipfall-scripted 6) \
    >"$work/game.log" 2>&1 &
game=$!
table=$(timeout 10 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
xdotool windowmove "$table" 0 0
sleep 0.5
click 430 347
click 430 347
click 672 176
sleep 0.3
import -window "$table" "$out/table-de.png"
echo "wrote $out/table.png, rules.png, computer.png and table-de.png"
