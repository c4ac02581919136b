#!/usr/bin/env bash
# The Windows build (scripts/windows.sh) under Wine and Xvfb, in a fresh Wine prefix:
# - pipfall-replay.exe writes the same bytes and exit status as the Linux pipfall-replay, and
#   the same last line on standard error, on the fuzzer's scripts and on seeded random play;
# - the installer installs silently for all users and for the user alone, with the Start-menu
#   shortcut and the Apps & features entry (version and publisher);
# - the installed pipfall.exe opens the PIPFALL window with a 792x554 client area, and Roll
#   Die shows a die picture pixel for pixel;
# - under a German locale the table speaks German: Alt+H, S opens PIPFALL-SPIELREGELN;
# - the uninstaller of each leaves the prefix's files as they were before the install.
# Usage: windows_check.sh SOURCE_DIR BUILD_DIR   (BUILD_DIR holds the Linux pipfall-replay)
# Exits 77 (skipped) when there is no Windows build (scripts/windows.sh makes it; this check
# never builds it), Wine, Xvfb, xdotool or ImageMagick is missing, or the German locale.
set -uo pipefail

source_dir=${1:?usage: windows_check.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: windows_check.sh SOURCE_DIR BUILD_DIR}
windows=$source_dir/build-windows
setup=$(ls "$source_dir"/dist/pipfall-*-setup.exe 2>/dev/null | tail -n 1)
if [[ ! -f $windows/pipfall-replay.exe || -z $setup ]]; then
    echo "SKIP: no Windows build in build-windows/ and dist/ (scripts/windows.sh makes one)"
    exit 77
fi
source "$(dirname "$0")/e2e_session.sh"
require_tools wine wineserver Xvfb xdotool import convert compare
if ! locale -a | grep -qx de_DE.utf8; then # Wine's Windows locale follows the system's
    echo "SKIP: the de_DE.UTF-8 locale is not generated (scripts/windows.sh generates it)"
    exit 77
fi
# Wine hands the environment on to Windows programs: no Linux platform plugin name for Qt.
unset QT_QPA_PLATFORM
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
start_xvfb 1280x1024x24

failures=0
check() { # check WHAT GOT WANTED
    if [[ "$2" == "$3" ]]; then
        echo "ok   $1: $2"
    else
        echo "FAIL $1: $2, not $3"
        failures=$((failures + 1))
    fi
}

# --- The replay driver: the same bytes as on Linux ----------------------------------------
wine wineboot --init >/dev/null 2>&1
wineserver -w
scripts=("$source_dir"/fuzz/corpus/*.txt)
for seed in 1 2 3 4; do
    awk -v total=5000 -v seed="$seed" -f "$source_dir/tests/support/randomscript.awk" \
        >"$work/random$seed.txt"
    scripts+=("$work/random$seed.txt")
done
mkdir -m 700 "$work/runtime" # spares the Linux driver Qt's warning that there is none
export XDG_RUNTIME_DIR=$work/runtime
bytes=0
for script in "${scripts[@]}"; do
    name=$(basename "$script" .txt)
    (cd "$build" && ./pipfall-replay <"$script" >"$work/linux.out" 2>"$work/linux.err")
    linux="$? $(tail -n 1 "$work/linux.err")"
    (cd "$windows" && wine ./pipfall-replay.exe <"$script" >"$work/windows.out" 2>"$work/windows.err")
    win="$? $(tail -n 1 "$work/windows.err")"
    check "$name: exit status and last error line" "$win" "$linux"
    cmp -s "$work/linux.out" "$work/windows.out" ||
        check "$name: output" "$(cmp "$work/linux.out" "$work/windows.out" 2>&1)" "the same bytes"
    bytes=$((bytes + $(stat -c %s "$work/linux.out")))
done
echo "replayed ${#scripts[@]} scripts: $bytes bytes of Linux output"

# --- The installer -------------------------------------------------------------------------
# Every file and folder of the prefix outside Windows itself and the temporary folder, where
# the uninstaller runs from a copy of itself that Windows removes at the next restart.
files() {
    (cd "$WINEPREFIX/drive_c" &&
        find . \( -path ./windows -o -path './users/*/Temp' \) -prune -o -print | sort)
}
# The per-user Program Files is a folder of Windows' own, which the per-user uninstaller leaves.
mkdir -p "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs"
files >"$work/before.txt"
version=$(sed -n 's/^project(Pipfall VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
install() { # MODE HIVE FOLDER START-MENU: a silent install for AllUsers or CurrentUser
    wine "$setup" "/$1" /S
    wineserver -w
    dir=$WINEPREFIX/drive_c/$3/Pipfall
    for file in pipfall.exe imgdie1.bmp imgdie6@2x.png LICENSE.txt uninstall.exe; do
        check "$1: installed $file" "$([[ -f $dir/$file ]] && echo yes)" yes
    done
    check "$1: Start-menu shortcut" "$([[ -f $WINEPREFIX/drive_c/$4/Pipfall.lnk ]] && echo yes)" yes
    key="$2\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pipfall"
    entry=$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
    check "$1: Apps & features version" \
        "$(awk '$1 == "DisplayVersion" { print $3 }' <<<"$entry")" "$version"
    check "$1: Apps & features publisher" \
        "$(sed -n 's/^ *Publisher *REG_SZ *//p' <<<"$entry")" "Pipfall developers"
}
uninstall() { # MODE: the entry's silent uninstall, as Apps & features runs it
    eval "command=($(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<<"$entry"))"
    wine "${command[@]}"
    wineserver -w # it runs on from a copy of itself in the temporary folder
    check "$1: Apps & features entry after uninstall" \
        "$(wine reg query "$key" /reg:64 >/dev/null 2>&1 && echo there || echo gone)" gone
    files >"$work/after.txt"
    check "$1: files left behind or removed" \
        "$(diff "$work/before.txt" "$work/after.txt" | grep '^[<>]')" ""
}
install AllUsers HKLM "Program Files" "ProgramData/Microsoft/Windows/Start Menu/Programs"

# --- The installed game -------------------------------------------------------------------
shot=$work/screen.png
colours() { # X Y W H: every pixel of that part of the screen, "r,g,b" a line
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1,\2,\3/p'
}
die_shown() { # the face whose picture is drawn at the die's place, pixel for pixel
    local face
    for face in 1 2 3 4 5 6; do
        convert "$shot" -crop 39x39+$((cx + 377))+$((cy + 113)) +repage "$work/die.png"
        [[ $(compare -metric AE "$work/die.png" "$dir/imgdie$face.bmp" null: 2>&1) == 0 ]] &&
            echo "$face" && return
    done
}
start_game() { # LANG: the installed game, started in its folder as the shortcut does
    (cd "$dir" && exec env -u LC_ALL -u LANGUAGE LANG="$1" wine ./pipfall.exe) >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^PIPFALL$' | head -n 1)
    [[ -n $window ]] || fail "LANG=$1: no PIPFALL window within 60 s: $(cat "$work/game.log")"
}
start_game en_US.UTF-8
eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
origin=
for _ in $(seq 150); do # the client area starts with the felt, below the menu bar
    import -window root "$shot" 2>/dev/null &&
        origin=$(colours $((X + 5)) "$Y" 1 120 | grep -n -m 1 '^0,0,255$' | cut -d: -f1)
    [[ -n $origin ]] && break
    sleep 0.2
done
[[ -n $origin ]] || fail "the felt never showed"
cx=$X cy=$((Y + origin - 1))
check "client area" "${WIDTH}x$((HEIGHT - origin + 1))" 792x554
xdotool mousemove $((cx + 430)) $((cy + 347)) click 1 # a 5-dollar bet
xdotool mousemove $((cx + 672)) $((cy + 176)) click 1 # Roll Die
face=
for _ in $(seq 100); do
    import -window root "$shot" 2>/dev/null && face=$(die_shown)
    [[ -n $face ]] && break
    sleep 0.2
done
check "a die picture shown after Roll Die" "$([[ -n $face ]] && echo yes)" yes
convert "$shot" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$build/windows-table.png" # to look at
kill "$game_pid" && wait "$game_pid" 2>/dev/null
wineserver -w

start_game de_DE.UTF-8
shown() { xdotool search --onlyvisible --class pipfall.exe | wc -l; } # the game's windows
before=$(shown)
xdotool windowfocus --sync "$window" && xdotool key --clearmodifiers alt+h
for _ in $(seq 100); do (($(shown) > before)) && break; sleep 0.1; done # the menu's window
xdotool key --clearmodifiers s
rules=$(timeout 30 xdotool search --sync --onlyvisible --name '^PIPFALL-SPIELREGELN$' | head -n 1)
check "German locale: Hilfe, Spielregeln opens" "$([[ -n $rules ]] && echo PIPFALL-SPIELREGELN)" \
    PIPFALL-SPIELREGELN
import -window root "$build/windows-rules-de.png"
kill "$game_pid" && wait "$game_pid" 2>/dev/null
game_pid=
wineserver -w

uninstall AllUsers
install CurrentUser HKCU "users/$(id -un)/AppData/Local/Programs" \
    "users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
uninstall CurrentUser

((failures == 0)) || fail "$failures checks failed"
echo "PASS: the Windows build installs, plays, speaks German, replays as on Linux, uninstalls"
