#!/usr/bin/env bash
# Builds the .deb with scripts/package.sh, has lintian check it as Debian does, then checks
# what lintian cannot know: the game and its pictures agree on the data folder; the launcher
# starts the game there, and it and the AppStream description pass their own validators; the
# game is stripped with its debug information in -dbgsym under its build id; the package
# carries the build's version and the run-time packages no library link names.
#
# Usage: tests/packaging_check.sh SOURCE-DIR BUILD-DIR   (BUILD-DIR holds pipfall-replay)
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
for tool in dpkg-buildpackage dh dpkg-deb lintian desktop-file-validate appstreamcli file readelf strings; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"; exit 77; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$source_dir/scripts/package.sh" --no-setup --dist "$stage/dist"
deb=$(ls "$stage"/dist/pipfall_*.deb)
root=$stage/root
dpkg-deb -x "$deb" "$root"
lintian --info --fail-on error,warning "$deb"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-liberation; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package ($depends)"
done
# Qt's own translations give the German and French message boxes their buttons' words.
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] ||
    fail "the package does not recommend qt6-translations-l10n"

# (Whole outputs, read after the fact: grep -q stopping early would break the pipe.)
game=$root/usr/games/pipfall
kind=$(file "$game")
grep -q ', stripped' <<<"$kind" || fail "the game is not stripped: $kind"
build_id=$(readelf -n "$game" | sed -n 's/^ *Build ID: //p')
debug_files=$(dpkg-deb -c "$(ls "$stage"/dist/pipfall-dbgsym_*.*deb)")
grep -q "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug\$" <<<"$debug_files" ||
    fail "the -dbgsym package has no debug information for build id '$build_id'"

data=$root/usr/share/pipfall
for picture in imgdie{1..6}.bmp imgdie{1..6}@2x.png; do
    cmp -s "$source_dir/assets/$picture" "$data/$picture" || fail "$data/$picture is not the die picture"
done
texts=$(strings -e l "$game") # the game's own texts are UTF-16
grep -qx /usr/share/pipfall <<<"$texts" || fail "the game does not look in /usr/share/pipfall"
(cd "$data" && QT_QPA_PLATFORM=offscreen "$build/pipfall-replay" </dev/null >/dev/null) ||
    fail "the die pictures in the data folder cannot be read"

launcher=$root/usr/share/applications/io.github.pipfall.Pipfall.desktop
metainfo=$root/usr/share/metainfo/io.github.pipfall.Pipfall.metainfo.xml
desktop-file-validate "$launcher"
appstreamcli validate --pedantic --no-net "$metainfo"
grep -qx 'Exec=/usr/games/pipfall' "$launcher" && grep -qx 'Path=/usr/share/pipfall' "$launcher" ||
    fail "the launcher does not start /usr/games/pipfall in /usr/share/pipfall"
icon=$(sed -n 's/^Icon=//p' "$launcher")
for size in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
    [ -f "$root/usr/share/icons/hicolor/$size" ] || fail "the package lacks the icon $size"
done
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream description lists no release $version"
! zgrep -q '@[A-Z_]*@' "$root/usr/share/man/man6/pipfall.6.gz" || fail "the manual page holds an unfilled @NAME@"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$root/usr/share/doc/pipfall/copyright" || fail "copyright is not in the machine-readable format"
echo "packaging: $(basename "$deb"), $(stat -c %s "$deb") bytes, depends on: $depends"
