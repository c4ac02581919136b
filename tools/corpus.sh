#!/usr/bin/env bash
# Records what pipfall-replay writes for a fixed corpus of scripts, in English and German, so
# that a change which must not alter the game's behaviour can be checked byte for byte:
#
#   tools/corpus.sh record OUT-DIR path/to/pipfall-replay    # before the change
#   tools/corpus.sh record NEW-DIR path/to/pipfall-replay    # after it
#   diff -r OUT-DIR NEW-DIR                                   # must print nothing
#
# The corpus: 70 seeded random scripts of valid play, the fuzzer's seed scripts, a set of
# script errors, and play against a folder of spoilt die pictures. For each script and
# language it keeps standard output, standard error and the exit status.
set -euo pipefail

if [[ $# -ne 3 || $1 != record ]]; then
    echo "usage: $0 record OUT-DIR PIPFALL-REPLAY" >&2
    exit 2
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
replay=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
pictures=$(dirname "$replay")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/scripts" "$work/good" "$work/spoilt"
cp "$pictures"/imgdie[1-6].bmp "$work/good/"
cp "$pictures"/imgdie[1-6].bmp "$work/spoilt/"
head -c 40 "$pictures/imgdie3.bmp" >"$work/spoilt/imgdie3.bmp"

for seed in $(seq 1 70); do
    awk -v total=$((100 + (seed * 97) % 1900)) -v seed="$seed" \
        -f "$source_dir/tests/support/randomscript.awk" >"$work/scripts/random$seed.txt"
done
for seed in "$source_dir"/fuzz/corpus/*.txt; do
    cp "$seed" "$work/scripts/seed-$(basename "$seed")"
done
errors=(
    'up udBet\nfly away\n'
    'click cmdRoll now\n'
    'die 7\n'
    'click lblOR(7)\n'
    'click CMDROLL\n'
    'up udBet\n\nclick cmdRoll\n'
    'down cmdRoll\n'
    'die\n'
)
for i in "${!errors[@]}"; do
    printf "${errors[$i]}" >"$work/scripts/error$i.txt"
done

# run NAME SCRIPT PICTURE-DIR LANGUAGE-ENV...
run() {
    local name=$1 script=$2 dir=$3
    shift 3
    local status=0
    (cd "$dir" && env -u LC_ALL -u LC_MESSAGES "$@" "$replay" <"$script" \
        >"$out/$name.out" 2>"$out/$name.err") || status=$?
    echo "$status" >"$out/$name.rc"
    # The pictures' folder is a new one each time: name it the same in every recording.
    sed -i "s|$work|WORK|g" "$out/$name.err"
}

for script in "$work"/scripts/*.txt; do
    base=$(basename "$script" .txt)
    run "en-$base" "$script" "$work/good" LANG=C.UTF-8 LANGUAGE=
    run "de-$base" "$script" "$work/good" LANG=de_DE.UTF-8 LANGUAGE=de
done
for script in "$work"/scripts/random1.txt "$work"/scripts/seed-*.txt; do
    base=$(basename "$script" .txt)
    run "en-spoilt-$base" "$script" "$work/spoilt" LANG=C.UTF-8 LANGUAGE=
    run "de-spoilt-$base" "$script" "$work/spoilt" LANG=de_DE.UTF-8 LANGUAGE=de
done
echo "$(find "$out" -type f | wc -l) files, $(cat "$out"/*.out | wc -l) state lines in $out"
