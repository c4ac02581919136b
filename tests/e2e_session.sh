# Shared by the end-to-end scripts (sourced, bash): a scratch folder $work, clean-up of the
# game ($game_pid) and Xvfb on exit, fail(), require_tools TOOL... (skips with 77 when one is
# missing) and start_xvfb SCREEN (Xvfb on a free display, exported as DISPLAY).

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
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
            exit 77
        fi
    done
}

# Xvfb picks a free display itself and writes its number once it accepts connections.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [[ -s "$work/display" ]] || fail "Xvfb gave no display number"
    export DISPLAY=":$(head -n 1 "$work/display")"
}
