#!/usr/bin/env bash
# Builds Pipfall and runs the whole test suite twice: once in build/ with warnings as errors,
# once in build-asan/ under AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero
# when a build or any test fails, and ends with one line "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1

jobs=$(nproc)
passed=0
failed=0
skipped=0

# Any sanitizer finding ends the test that made it, and so fails it. Leak checking stays on:
# the game, the replay driver and the tests free what they allocate, and so does Qt's
# offscreen platform; only the D-Bus connection that Qt opens under a real X server keeps a
# block to the end, and that one library is suppressed (scripts/lsan.supp).
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# run_suite DIR CMAKE-OPTIONS...: configures, builds and tests one build directory.
run_suite() {
    local dir=$1
    shift
    echo "=== $dir: configure and build"
    if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" ||
        ! cmake --build "$dir" -j "$jobs"; then
        echo "=== $dir: the build failed"
        failed=$((failed + 1))
        return
    fi
    echo "=== $dir: tests"
    local report="$dir/ctest-junit.xml"
    rm -f "$report"
    (cd "$dir" && ctest --output-on-failure --output-junit ctest-junit.xml)
    if [[ ! -f "$report" ]]; then
        echo "=== $dir: ctest wrote no report"
        failed=$((failed + 1))
        return
    fi
    # <testsuite ... tests="T" failures="F" disabled="D" skipped="S" ...>
    local head tests failures skips
    head=$(tr '\n\t' '  ' <"$report" | grep -o '<testsuite [^>]*>' | head -n 1)
    tests=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$head")
    failures=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$head")
    skips=$(sed -n 's/.* skipped="\([0-9]*\)".*/\1/p' <<<"$head")
    tests=${tests:-0} failures=${failures:-0} skips=${skips:-0}
    if ((tests == 0)); then
        echo "=== $dir: no test ran"
        failed=$((failed + 1))
        return
    fi
    echo "=== $dir: $((tests - failures - skips)) passed, $failures failed, $skips skipped"
    passed=$((passed + tests - failures - skips))
    failed=$((failed + failures))
    skipped=$((skipped + skips))
}

run_suite build -DPIPFALL_WERROR=ON -DPIPFALL_SANITIZE=OFF
run_suite build-asan -DPIPFALL_WERROR=ON -DPIPFALL_SANITIZE=ON

if ((skipped > 0)); then
    echo "$passed passed, $failed failed, $skipped skipped"
else
    echo "$passed passed, $failed failed"
fi
((failed == 0))
