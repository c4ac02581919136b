# shellcheck shell=bash disable=SC2034 # (the globals it sets are for the scripts)
# Shared by the scripted tests (sourced, bash): a scratch folder $work, clean-up of the game
# ($game_pid) and the helpers on exit, fail(), skip() (exit status 77), require_tools TOOL...
# (skips when one is missing), helper NAME COMMAND... (run in the background until the end),
# start_xvfb SCREEN (Xvfb on a free display, exported as DISPLAY), start_openbox; the checks'
# reports;
# starting and stopping the game; what a screenshot shows; and waits for windows, menus, the
# felt, the die and the end of the game, each with a limit.

work=$(mktemp -d)
game_pid=
helpers=()
cleanup() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    kill "${helpers[@]}" 2>/dev/null && wait "${helpers[@]}" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
skip() {
    echo "SKIP: $*"
    exit 77
}
require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup.sh installs it)"
    done
}
# within COMMAND...: succeeds once the command does, trying for at most $limit seconds: ten,
# unless the call sets it, as `limit=60 within ...` does where Wine is slower.
within() {
    for _ in $(seq $((${limit:-10} * 10))); do "$@" && return 0; sleep 0.1; done
    return 1
}
not() { ! "$@"; }
is() { [[ "$("${@:2}")" == "$1" ]]; } # is WANTED COMMAND...: the command prints that

# ok WHAT COMMAND...: reports whether the command succeeds, and counts it in $failures if not;
# check WHAT GOT WANTED: the same for GOT being WANTED, showing what it got.
failures=0
ok() {
    if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
check() { ok "$1: $2$([[ $2 == "$3" ]] || echo ", not $3")" test "$2" = "$3"; }

# helper NAME COMMAND...: runs the command in the background until the script ends, with its
# output in $work/NAME.log.
helper() {
    "${@:2}" >"$work/$1.log" 2>&1 &
    helpers+=($!)
}
# Xvfb picks a free display itself and writes its number once it accepts connections. It
# must not reset when its last client leaves: a window manager connecting just as the probe
# below disconnects would find no display.
start_xvfb() {
    helper xvfb Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$work/display"
    within test -s "$work/display" || fail "Xvfb gave no display number: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
    within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb takes no connections on $DISPLAY"
}

# start_openbox: openbox as the window manager, ready once it names itself on the root window;
# fails when it does not come.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_openbox() { helper openbox openbox && within wm_up; }

# find_window CAPTION [SECONDS]: the visible window captioned exactly that (a pattern), within
# ten seconds or those given; fails when none comes.
find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# start_game SECONDS COMMAND...: starts the game and finds its table, $window, within SECONDS.
start_game() {
    "${@:2}" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(find_window PIPFALL "$1") ||
        fail "no PIPFALL window within $1 s of ${*:2}: $(cat "$work/game.log")"
}
# stop_game: ends the game, which must still be running.
stop_game() {
    kill "$game_pid" 2>/dev/null || fail "the game died: $(cat "$work/game.log")"
    wait "$game_pid" 2>/dev/null
}
# gone WINDOW: succeeds once the window has left the screen, within ten seconds.
shown() { xdotool search --onlyvisible --name . | grep -qx "$1"; }
gone() { within not shown "$1"; }
# choose WINDOW MENU-KEY ITEM-KEY: gives the window the focus (there may be no window manager),
# opens its menu with Alt+MENU-KEY and, once that has dropped down, chooses the item.
menus_open() { xdotool search --onlyvisible --class pipfall 2>/dev/null | wc -l; }
more_menus() { (($(menus_open) > $1)); }
choose() {
    xdotool windowfocus --sync "$1" || return 1
    before=$(menus_open)
    xdotool key --clearmodifiers "alt+$2"
    within more_menus "$before" && xdotool key --clearmodifiers "$3"
}
# ended: succeeds once the game ($game_pid) has ended with status 0, within ten seconds.
ended() { within not kill -0 "$game_pid" 2>/dev/null && wait "$game_pid" && game_pid=; }

# The screen: screen_shows COMMAND... takes a screenshot, $shot, and has the command look at it;
# expect WHAT COMMAND... does so until the command succeeds, within $limit seconds (see within),
# and reports it with ok.
shot=$work/screen.png
screen_shows() { import -window root "$shot" 2>/dev/null && "$@" >/dev/null; }
expect() { ok "$1" within screen_shows "${@:2}"; }
# colours X Y W H: the colour of every pixel of a rectangle of the screenshot, "r,g,b" a line.
colours() {
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}
# client WINDOW WxH: once the felt is painted, which starts the client area below the menu bar,
# checks that the client area is WxH and sets the window's X Y WIDTH HEIGHT and the client
# area's top left cx,cy, all at the scale factor $s.
s=1
# felt_row: the felt's first row on the screenshot, counted from the window's top; fails if none.
felt_row() { colours $((X + 5 * s)) "$Y" 1 $((120 * s)) | grep -n -m 1 '^0,0,255$' | cut -d: -f1 | grep .; }
client() {
    eval "$(xdotool getwindowgeometry --shell "$1")" # X Y WIDTH HEIGHT
    within screen_shows felt_row || fail "the felt never showed"
    row=$(felt_row)
    cx=$X cy=$((Y + row - 1))
    check "the client area" "${WIDTH}x$((HEIGHT - row + 1))" "$2"
}
# drawn X Y PICTURE: the screenshot at X,Y of the client area, in pixels at scale 1, is the
# picture exactly; die_drawn PICTURE: the die is drawn from PICTURE with its last N one of the
# faces.
drawn() {
    convert "$shot" -crop "$(identify -format '%wx%h' "$3")+$((cx + $1 * s))+$((cy + $2 * s))" \
        +repage "$work/crop.png"
    [[ $(compare -metric AE "$work/crop.png" "$3" null: 2>&1) == 0 ]]
}
die_drawn() { for face in {1..6}; do drawn 377 113 "${1%N*}$face${1##*N}" && return 0; done; return 1; }
# rolls PICTURE: rolls once with a 5-dollar bet (the up arrow of udBet, then Roll Die), and
# expects the die drawn from one of its pictures, PICTURE with the last N a face, pixel for pixel.
rolls() {
    xdotool mousemove $((cx + 430 * s)) $((cy + 347 * s)) click 1
    xdotool mousemove $((cx + 672 * s)) $((cy + 176 * s)) click 1
    expect "the die drawn from ${1##*/} after Roll Die" die_drawn "$1"
}
