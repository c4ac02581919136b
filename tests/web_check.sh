#!/usr/bin/env bash
# The web build (scripts/web.sh): pipfall-replay.js under node writes the Linux driver's bytes,
# exit status and last error line on the fuzzer's scripts and on seeded random play; then the
# page, served on 127.0.0.1, in headless Chromium (tests/web_check.py).
# Usage: web_check.sh SOURCE_DIR BUILD_DIR   (BUILD_DIR holds the Linux pipfall-replay)
# Exits 77 (skipped) when there is no web build (scripts/web.sh makes it; this check never
# builds it), or node, Chromium, its driver, Selenium or ImageMagick is missing.
set -uo pipefail

source_dir=${1:?usage: web_check.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: web_check.sh SOURCE_DIR BUILD_DIR}
web=$source_dir/build-web
source "$(dirname "$0")/e2e_session.sh"
[[ -f $web/pipfall-replay.js && -f $source_dir/dist/web/index.html ]] ||
    skip "no web build in build-web/ and dist/web/ (scripts/web.sh makes one)"
require_tools node chromium chromedriver convert identify
/usr/bin/python3 -c 'import selenium' 2>/dev/null || skip "python3-selenium is not installed"

# --- The replay driver under node: the same bytes as on Linux -----------------------------
for seed in 1 2 3 4; do
    awk -v total=5000 -v seed="$seed" -f "$source_dir/tests/support/randomscript.awk" >"$work/random$seed.txt"
done
mkdir -m 700 "$work/runtime" # spares the drivers Qt's warning that there is none
export XDG_RUNTIME_DIR=$work/runtime
# replay SYSTEM COMMAND...: the driver's exit status on $script, and its last error line when
# it stopped at an error (before that, each Qt warns of what it lacks in its own words).
replay() {
    env -C "$build" "${@:2}" <"$script" >"$work/$1.out" 2>"$work/$1.err"
    local status=$?
    echo "$status $( ((status == 0)) || tail -n 1 "$work/$1.err")"
}
scripts=("$source_dir"/fuzz/corpus/*.txt "$work"/random?.txt)
bytes=0
for script in "${scripts[@]}"; do
    linux=$(replay linux ./pipfall-replay)
    check "${script##*/}: exit status, last error line and output" \
        "$(replay node node --no-experimental-fetch "$web/pipfall-replay.js")$(cmp "$work/"{linux,node}.out 2>&1)" "$linux"
    bytes=$((bytes + $(stat -c %s "$work/linux.out")))
done
echo "replayed ${#scripts[@]} scripts: $bytes bytes of Linux output"

# --- The page in the browser --------------------------------------------------------------
/usr/bin/python3 "$source_dir/tests/web_check.py" "$source_dir/dist/web" "$source_dir/assets" "$work" ||
    fail "the page in the browser (screenshots in $work)"
((failures == 0)) || fail "$failures checks failed"
echo "PASS: the web build replays as on Linux and plays in the browser"
