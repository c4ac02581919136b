#!/usr/bin/env bash
# Builds the .deb with scripts/package.sh, has lintian check it as Debian does (a game left
# unstripped among the rest), then checks what lintian cannot know: the game and its pictures
# agree on the data folder; the launcher starts the game there, and it and the AppStream
# description pass their own validators; the debug information is in -dbgsym under the game's
# build id; the package carries the build's version and the run-time packages no library link
# names.
#
# Usage: tests/packaging_check.sh SOURCE-DIR BUILD-DIR   (BUILD-DIR holds pipfall-replay)
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
source "$(dirname "$0")/e2e_session.sh"
require_tools dpkg-buildpackage dh dpkg-deb lintian desktop-file-validate appstreamcli readelf strings
# has TEXT PATTERN WHAT: grep -E's PATTERN matches a line of TEXT, else WHAT fails. (On the
# whole text: grep -q stopping early in a pipe would break it.)
has() { grep -q -E -- "$2" <<<"$1" || fail "$3"; }

"$source_dir/scripts/package.sh" --no-setup --dist "$work/dist"
deb=$(ls "$work"/dist/pipfall_*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"
lintian --info --fail-on error,warning "$deb"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
has "$(dpkg-deb -f "$deb" Version)" "^$version\$" "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
has "$depends" qt6-qpa-plugins "the package does not depend on qt6-qpa-plugins ($depends)"
has "$depends" fonts-liberation "the package does not depend on fonts-liberation ($depends)"
# Qt's own translations give the German and French message boxes their buttons' words.
has "$(dpkg-deb -f "$deb" Recommends)" '^qt6-translations-l10n$' "qt6-translations-l10n not recommended"

game=$root/usr/games/pipfall
build_id=$(readelf -n "$game" | sed -n 's/^ *Build ID: //p')
has "$(dpkg-deb -c "$(ls "$work"/dist/pipfall-dbgsym_*.*deb)")" \
    "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug\$" "no debug information for build id '$build_id'"

data=$root/usr/share/pipfall
for picture in imgdie{1..6}.bmp imgdie{1..6}@2x.png; do
    cmp -s "$source_dir/assets/$picture" "$data/$picture" || fail "$data/$picture is not the die picture"
done
has "$(strings -e l "$game")" '^/usr/share/pipfall$' "the game does not look in /usr/share/pipfall" # UTF-16
(cd "$data" && QT_QPA_PLATFORM=offscreen "$build/pipfall-replay" </dev/null >/dev/null) ||
    fail "the die pictures in the data folder cannot be read"

launcher=$root/usr/share/applications/io.github.pipfall.Pipfall.desktop
metainfo=$root/usr/share/metainfo/io.github.pipfall.Pipfall.metainfo.xml
desktop-file-validate "$launcher"
appstreamcli validate --pedantic --no-net "$metainfo"
has "$(cat "$launcher")" '^Exec=/usr/games/pipfall$' "the launcher does not start /usr/games/pipfall"
has "$(cat "$launcher")" '^Path=/usr/share/pipfall$' "the launcher does not start the game in /usr/share/pipfall"
icon=$(sed -n 's/^Icon=//p' "$launcher")
for size in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
    [ -f "$root/usr/share/icons/hicolor/$size" ] || fail "the package lacks the icon $size"
done
has "$(cat "$metainfo")" "<release version=\"$version\"" "the AppStream description lists no release $version"
! zgrep -q '@[A-Z_]*@' "$root/usr/share/man/man6/pipfall.6.gz" || fail "the manual page holds an unfilled @NAME@"
has "$(cat "$root/usr/share/doc/pipfall/copyright")" '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "copyright is not in the machine-readable format"
echo "packaging: $(basename "$deb"), $(stat -c %s "$deb") bytes, depends on: $depends"
