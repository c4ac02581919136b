#!/usr/bin/env bash
# Benchmarks (not tests): start-up to the first frame and peak memory of the game against an
# empty window of the same size, under Xvfb, median of 10 runs each; and pipfall-replay's
# speed on a 200,000-command script of random valid play, output included; the web build's
# bytes and first frame in a browser (bench/web.py), when there is a web build; and the
# random player's long run (bench/randomplay_main.cpp), its speed and resident memory.
# Usage: bench/run.sh [BUILD_DIR]   (default build/, configured as scripts/play.sh does)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${PIPFALL_BENCH_RUNS:-10}
commands=${PIPFALL_BENCH_COMMANDS:-200000}
actions=${PIPFALL_BENCH_ACTIONS:-1000000}

for tool in Xvfb /usr/bin/time awk; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "$tool is missing (apt-get install xvfb time)" >&2
        exit 1
    }
done
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)" --target pipfall-bench-game pipfall-replay pipfall-bench-bare \
    pipfall-randomplay die_pictures
build=$(cd "$build" && pwd)

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }

# ---------------------------------------------------------------- start-up and memory
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb

# launch NAME PROGRAM [LANG]: one start of PROGRAM until its first frame, in English or in
# the locale LANG (the game then loads its translation); appends to NAME.ms/.kb.
launch() {
    local started out locale=(env LC_ALL=C.UTF-8 LANGUAGE=)
    [[ -n ${3:-} ]] && locale=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$3")
    started=$(date +%s%N)
    out=$(cd "$build" && PIPFALL_BENCH_STARTUP=$started "${locale[@]}" /usr/bin/time \
        -f 'rss_kb %M %U %S' -o "$work/time.txt" "$2" 2>/dev/null)
    sed -n 's/^startup_ms //p' <<<"$out" >>"$work/$1.ms"
    awk '/^rss_kb/ { print $2 }' "$work/time.txt" >>"$work/$1.kb"
    awk '/^rss_kb/ { print ($3 + $4) * 1000 }' "$work/time.txt" >>"$work/$1.cpu"
}
# One start each first, to warm the file cache; then alternate so that both see the same load.
launch warm "$build/bench/pipfall-bench-game"
launch warm "$build/bench/pipfall-bench-bare"
launch warm "$build/bench/pipfall-bench-game" de_DE.UTF-8
for _ in $(seq "$runs"); do
    launch game "$build/bench/pipfall-bench-game"
    launch german "$build/bench/pipfall-bench-game" de_DE.UTF-8
    launch bare "$build/bench/pipfall-bench-bare"
done
game_ms=$(median <"$work/game.ms")
bare_ms=$(median <"$work/bare.ms")
game_kb=$(median <"$work/game.kb")
bare_kb=$(median <"$work/bare.kb")
echo "start-up to first frame, median of $runs: pipfall $game_ms ms, bare window $bare_ms ms," \
    "ratio $(awk -v a="$game_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", a / b }')"
game_cpu=$(median <"$work/game.cpu")
bare_cpu=$(median <"$work/bare.cpu")
echo "  CPU time to first frame (user + system, 10 ms ticks): pipfall $game_cpu ms," \
    "bare window $bare_cpu ms; load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
german_ms=$(median <"$work/german.ms")
echo "  in German, median of $runs: $german_ms ms, $(awk -v a="$german_ms" -v b="$game_ms" \
    'BEGIN { printf "%+.1f", a - b }') ms beside English (loading the translations)"
echo "  pipfall runs (ms): $(sort -n "$work/game.ms" | tr '\n' ' ')"
echo "  German runs (ms):  $(sort -n "$work/german.ms" | tr '\n' ' ')"
echo "  bare runs (ms):    $(sort -n "$work/bare.ms" | tr '\n' ' ')"
echo "peak resident memory at start, median of $runs: pipfall $game_kb kB, bare window $bare_kb kB," \
    "ratio $(awk -v a="$game_kb" -v b="$bare_kb" 'BEGIN { printf "%.2f", a / b }')"
kill "$xvfb_pid" && wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
unset DISPLAY QT_QPA_PLATFORM

# ---------------------------------------------------------------- the web build
# Beside the desktop start-up above: the page's bytes and its first frame in headless
# Chromium, when scripts/web.sh has built dist/web/.
if [[ -f dist/web/index.html ]]; then
    /usr/bin/python3 bench/web.py dist/web "$runs"
    echo "  (the desktop game above: $game_ms ms to its first frame)"
else
    echo "web page: not measured, no dist/web/ (scripts/web.sh builds it)"
fi

# ---------------------------------------------------------------- replay speed
# Random valid play: every name exists, every roll has its face queued. Fixed seed.
awk -v total="$commands" -v seed=2026 -f tests/support/randomscript.awk >"$work/play.txt"
played=$(grep -vc '^die ' "$work/play.txt")
for _ in 1 2 3; do
    (cd "$build" && /usr/bin/time -f '%e %U %S' -o "$work/replay.time" ./pipfall-replay \
        <"$work/play.txt" >/dev/null 2>"$work/replay.err") || {
        echo "pipfall-replay failed: $(tail -n 1 "$work/replay.err")" >&2
        exit 1
    }
    read -r wall user system <"$work/replay.time"
    echo "$wall" >>"$work/replay.wall"
    awk -v u="$user" -v s="$system" 'BEGIN { print u + s }' >>"$work/replay.cpu"
done
wall=$(median <"$work/replay.wall")
cpu=$(median <"$work/replay.cpu")
rate() { awk -v c="$commands" -v t="$1" 'BEGIN { printf "%d", c / t }'; }
echo "pipfall-replay, $commands commands ($played actions, one JSON line each), median of 3:" \
    "$wall s wall clock = $(rate "$wall") commands/s; $cpu s of CPU = $(rate "$cpu") commands/s"
echo "(load average while measuring: $(cut -d ' ' -f 1-3 /proc/loadavg))"

# ---------------------------------------------------------------- the random player's long run
(cd "$build" && ./pipfall-randomplay --actions "$actions" --seed 1)
