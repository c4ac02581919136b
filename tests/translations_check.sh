#!/usr/bin/env bash
# The translations are complete: lupdate run over the code leaves the committed
# translations/*.ts as they are (every text the code marks has its entry, and no entry is left
# over), and none of their entries is unfinished or empty. Touches nothing in the checkout.
# Usage: translations_check.sh SOURCE-DIR LUPDATE SOURCE-FILE...
set -euo pipefail
source_dir=$1 lupdate=$2
shift 2
source "$(dirname "$0")/e2e_session.sh"
cp "$source_dir"/translations/*.ts "$work"/
"$lupdate" -silent -locations none -no-obsolete -I "$source_dir" "$@" -ts "$work"/*.ts
for ts in "$work"/*.ts; do
    ok "${ts##*/}: as lupdate leaves it" diff -u "$source_dir/translations/${ts##*/}" "$ts"
    ok "${ts##*/}: finished" not grep -n -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$ts"
done
((failures == 0)) || fail "run 'cmake --build build --target update_translations', then translate"
