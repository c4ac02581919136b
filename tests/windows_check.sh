#!/usr/bin/env bash
# The Windows build (scripts/windows.sh) under Wine and Xvfb, in a fresh Wine prefix:
# - pipfall-replay.exe writes the same bytes and exit status as the Linux pipfall-replay, and
#   the same last line on standard error, on the fuzzer's scripts and on seeded random play;
# - the installer installs silently for all users and for the user alone, with the Start-menu
#   shortcut and the Apps & features entry (version and publisher), the installed files with
#   the time of the staged ones, and the installer's and the uninstaller's headers with the
#   game's time stamp (all three the last commit's time);
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
source "$(dirname "$0")/e2e_session.sh"
[[ -f $windows/pipfall-replay.exe && -n $setup ]] ||
    skip "no Windows build in build-windows/ and dist/ (scripts/windows.sh makes one)"
require_tools wine wineserver Xvfb xdotool import convert compare
locale -a | grep -qx de_DE.utf8 || # Wine's Windows locale follows the system's
    skip "the de_DE.UTF-8 locale is not generated (scripts/windows.sh generates it)"
# Wine hands the environment on to Windows programs: no Linux platform plugin name for Qt.
unset QT_QPA_PLATFORM
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
start_xvfb 1280x1024x24

# --- The replay driver: the same bytes as on Linux ----------------------------------------
wine wineboot --init >/dev/null 2>&1
wineserver -w
for seed in 1 2 3 4; do
    awk -v total=5000 -v seed="$seed" -f "$source_dir/tests/support/randomscript.awk" >"$work/random$seed.txt"
done
mkdir -m 700 "$work/runtime" # spares the Linux driver Qt's warning that there is none
export XDG_RUNTIME_DIR=$work/runtime
# replay SYSTEM FOLDER COMMAND...: the driver's exit status and last error line on $script.
replay() {
    env -C "$2" "${@:3}" <"$script" >"$work/$1.out" 2>"$work/$1.err"
    echo "$? $(tail -n 1 "$work/$1.err")"
}
scripts=("$source_dir"/fuzz/corpus/*.txt "$work"/random?.txt)
bytes=0
for script in "${scripts[@]}"; do
    linux=$(replay linux "$build" ./pipfall-replay)
    check "${script##*/}: exit status, last error line and output" \
        "$(replay windows "$windows" wine ./pipfall-replay.exe)$(cmp "$work/"{linux,windows}.out 2>&1)" "$linux"
    bytes=$((bytes + $(stat -c %s "$work/linux.out")))
done
echo "replayed ${#scripts[@]} scripts: $bytes bytes of Linux output"

# --- The installed game -------------------------------------------------------------------
# play: the installed game, started in its folder as the shortcut does, in English and German.
play() {
    start_game 60 env -C "$dir" -u LC_ALL -u LANGUAGE LANG=en_US.UTF-8 wine ./pipfall.exe
    limit=30 client "$window" 792x554
    limit=20 rolls "$dir/imgdieN.bmp"
    convert "$shot" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$build/windows-table.png" # to look at
    stop_game
    wineserver -w
    start_game 60 env -C "$dir" -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 wine ./pipfall.exe
    choose "$window" h s
    ok "German locale: Hilfe, Spielregeln opens PIPFALL-SPIELREGELN" \
        test -n "$(find_window PIPFALL-SPIELREGELN 30)"
    import -window root "$build/windows-rules-de.png"
    stop_game
    wineserver -w
}

# --- The installer, for all users and for the user alone -----------------------------------
# Every file and folder of the prefix outside Windows itself and the temporary folder, where
# the uninstaller runs from a copy of itself that Windows removes at the next restart.
files() {
    find "$WINEPREFIX/drive_c" \( -path "$WINEPREFIX/drive_c/windows" -o -path '*/users/*/Temp' \) -prune -o -print | sort
}
version=$(sed -n 's/^project(Pipfall VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
# stamp FILE: the file's time, to the two seconds that NSIS keeps of it.
stamp() { date -u -d "@$(($(stat -c %Y "$1") / 2 * 2))" '+%F %T'; }
# pe_time FILE: the time stamp in a Windows program's header, in seconds since 1970.
pe_time() {
    local header
    header=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
    od -An -tu4 -j $((header + 8)) -N 4 "$1" | tr -d ' '
}
game_time=$(pe_time "$windows/pipfall.exe")
check "the installer's header time, the game's" "$(pe_time "$setup")" "$game_time"
# installs MODE HIVE PROGRAMS APP-DATA: a silent install for AllUsers or CurrentUser, with its
# files, Start-menu shortcut and Apps & features entry; the game played when it is for all
# users; and the entry's silent uninstall, as Apps & features runs it, which leaves the files
# as they were.
installs() {
    wine "$setup" "/$1" /S
    wineserver -w
    dir=$WINEPREFIX/drive_c/$3/Pipfall
    for file in "$dir"/{pipfall.exe,imgdie1.bmp,imgdie6@2x.png,LICENSE.txt,uninstall.exe} \
        "$WINEPREFIX/drive_c/$4/Microsoft/Windows/Start Menu/Programs/Pipfall.lnk"; do
        ok "$1: installed ${file#"$WINEPREFIX"/drive_c/}" test -f "$file"
    done
    for file in pipfall.exe imgdie1.bmp LICENSE.txt; do
        check "$1: $file's time, the staged one's" "$(stamp "$dir/$file")" "$(stamp "$windows/Pipfall/$file")"
    done
    check "$1: the uninstaller's header time, the game's" "$(pe_time "$dir/uninstall.exe")" "$game_time"
    key="$2\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pipfall"
    entry=$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
    check "$1: Apps & features version" "$(awk '$1 == "DisplayVersion" { print $3 }' <<<"$entry")" "$version"
    check "$1: Apps & features publisher" "$(sed -n 's/^ *Publisher *REG_SZ *//p' <<<"$entry")" "Pipfall developers"
    [[ $1 == CurrentUser ]] || play
    eval "wine $(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' <<<"$entry")"
    wineserver -w # it runs on from a copy of itself in the temporary folder
    check "$1: Apps & features entry after uninstall" \
        "$(wine reg query "$key" /reg:64 >/dev/null 2>&1 && echo there || echo gone)" gone
    files >"$work/after.txt"
    check "$1: files left behind or removed" "$(diff "$work/before.txt" "$work/after.txt" | grep '^[<>]')" ""
}
# The per-user Program Files is a folder of Windows' own, which the per-user uninstaller leaves.
user=users/$(id -un)
mkdir -p "$WINEPREFIX/drive_c/$user/AppData/Local/Programs"
files >"$work/before.txt"
installs AllUsers HKLM "Program Files" ProgramData
installs CurrentUser HKCU "$user/AppData/Local/Programs" "$user/AppData/Roaming"

((failures == 0)) || fail "$failures checks failed"
echo "PASS: the Windows build installs, plays, speaks German, replays as on Linux, uninstalls"
