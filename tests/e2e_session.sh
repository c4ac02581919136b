# Shared by the end-to-end scripts (sourced, bash): a scratch folder $work, clean-up of the
# game ($game_pid) and Xvfb on exit, fail(), require_tools TOOL... (skips with 77 when one is
# missing), start_xvfb SCREEN (Xvfb on a free display, exported as DISPLAY), and waits for
# windows, menus and the end of the game, each with a limit.

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 ||
            { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
    done
}
# within COMMAND...: succeeds once the command does, trying for at most ten seconds.
within() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
not() { ! "$@"; }

# Xvfb picks a free display itself and writes its number once it accepts connections.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    within test -s "$work/display" || fail "Xvfb gave no display number: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$work/display")"
    within xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb takes no connections on $DISPLAY"
}

# find_window CAPTION: the visible window captioned exactly that (a pattern), within ten seconds.
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# gone WINDOW: succeeds once the window has left the screen, within ten seconds.
shown() { xdotool search --onlyvisible --name . | grep -qx "$1"; }
gone() { within not shown "$1"; }
# choose WINDOW MENU-KEY ITEM-KEY: gives the window the focus (there is no window manager),
# opens its menu with Alt+MENU-KEY and, once that has dropped down, chooses the item.
menus_open() { xdotool search --onlyvisible --class pipfall 2>/dev/null | wc -l; }
more_menus() { (($(menus_open) > $1)); }
choose() {
    xdotool windowfocus --sync "$1" || return 1
    local before
    before=$(menus_open)
    xdotool key --clearmodifiers "alt+$2"
    within more_menus "$before" && xdotool key --clearmodifiers "$3"
}
# ended: succeeds once the game ($game_pid) has ended with status 0, within ten seconds.
ended() {
    within not kill -0 "$game_pid" 2>/dev/null || return 1
    wait "$game_pid"
    local status=$?
    game_pid=
    return $status
}
