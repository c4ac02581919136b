#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each from its committed corpus for a while: the
# replay fuzzer (scripts) and the picture fuzzer (die picture files).
#
#   fuzz/run.sh [BUILD-DIR] [SECONDS] [replay|picture]...
#       (defaults: build-fuzz beside fuzz/, 60 seconds each, both fuzzers)
#
# Exits 0 when nothing broke, 1 with what broke it when something did, and 77 (a skip for
# CTest) when clang or its fuzzer runtime (Debian: clang, libclang-rt-14-dev) is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-fuzz}
# The fuzzers run in a folder of their own: name the build folder from anywhere.
mkdir -p "$build" && build=$(cd "$build" && pwd)
seconds=${2:-60}
fuzzers=("${@:3}")
((${#fuzzers[@]})) || fuzzers=(replay picture)
for fuzzer in "${fuzzers[@]}"; do
    [[ $fuzzer == replay || $fuzzer == picture ]] || { echo "no fuzzer '$fuzzer'" >&2; exit 2; }
done

source "$here/../tests/e2e_session.sh" # $work, the scratch folder, and skip
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$work/probe" 2>/dev/null ||
    skip "clang++ with its fuzzer runtime is not installed (apt-get install clang libclang-rt-14-dev)"

echo "building the fuzzers in $build"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >"$work/configure.log" 2>&1 || fail "$(cat "$work/configure.log")"
cmake --build "$build" --target "${fuzzers[@]/%/_fuzzer}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# What a fuzzer finds is kept in the build folder, the corpus it grows in the scratch folder.
failed=()
for fuzzer in "${fuzzers[@]}"; do
    echo "=== ${fuzzer}_fuzzer, $seconds seconds"
    mkdir -p "$work/$fuzzer/corpus"
    cd "$work/$fuzzer"
    if [[ $fuzzer == replay ]]; then
        # It plays in a folder of its own with the six good die pictures.
        cp "$here"/../assets/imgdie[1-6].bmp .
        options=(-max_len=8192 -timeout=20 -dict="$here/replay.dict" "$here/corpus")
    else
        # From the six die pictures, their sharp copies, the damaged kinds of the tests and
        # headers that claim too many pixels. A die picture is a few kilobytes: a file that
        # makes the loader ask for more than 8 MB at once, or take a second, fails the run
        # (the fuzzer itself, with Qt and the sanitizers' quarantine, holds some 300 MB).
        cp "$here"/../assets/imgdie[1-6].bmp "$here"/../assets/imgdie[1-6]@2x.png corpus/
        options=(-max_len=16384 -timeout=1 -malloc_limit_mb=8 -rss_limit_mb=600 "$here/pictures")
    fi
    # (libpng reports each broken file on stderr itself, past Qt's messages: left out.)
    "$build/${fuzzer}_fuzzer" -max_total_time="$seconds" -artifact_prefix="$build/$fuzzer-" \
        -print_final_stats=1 "${options[@]:0:${#options[@]}-1}" corpus "${options[-1]}" 2>&1 |
        grep --line-buffered -v '^libpng error: ' || failed+=("$fuzzer")
done
((${#failed[@]})) || exit 0
for artifact in "$build"/replay-{crash,leak,timeout,oom}-*; do
    [[ -f $artifact ]] && printf '=== %s, a script for pipfall-replay:\n%s\n' "$artifact" "$(cat "$artifact")"
done
for artifact in "$build"/picture-{crash,leak,timeout,oom}-*; do
    [[ -f $artifact ]] && printf '=== %s, a die picture file of %s bytes\n' "$artifact" "$(stat -c %s "$artifact")"
done
fail "the ${failed[*]} fuzzer broke"
