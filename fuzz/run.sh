#!/usr/bin/env bash
# Builds the replay fuzzer with clang and runs it from the committed corpus for a while.
#
#   fuzz/run.sh [BUILD-DIR] [SECONDS]      (defaults: build-fuzz beside fuzz/, 60 seconds)
#
# Exits 0 when nothing broke, 1 with the failing script when something did, and 77 (a skip
# for CTest) when clang or its fuzzer runtime (Debian: clang, libclang-rt-14-dev) is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-fuzz}
seconds=${2:-60}

source "$here/../tests/e2e_session.sh" # $work, the scratch folder, and skip
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$work/probe" 2>/dev/null ||
    skip "clang++ with its fuzzer runtime is not installed (apt-get install clang libclang-rt-14-dev)"

echo "building the fuzzer in $build"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >"$work/configure.log" 2>&1 || fail "$(cat "$work/configure.log")"
cmake --build "$build" --target replay_fuzzer

# The fuzzer plays in a folder of its own with the six good die pictures; what it finds is
# kept in the build folder, the corpus it grows in the scratch folder.
cp "$here"/../assets/imgdie[1-6].bmp "$work/"
mkdir -p "$work/corpus"
cd "$work"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$build/replay_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
    -dict="$here/replay.dict" -artifact_prefix="$build/" -print_final_stats=1 \
    "$work/corpus" "$here/corpus" && exit 0
for artifact in "$build"/{crash,leak,timeout,oom}-*; do
    [[ -f $artifact ]] && printf '=== %s, a script for pipfall-replay:\n%s\n' "$artifact" "$(cat "$artifact")"
done
exit 1
