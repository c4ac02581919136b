#!/usr/bin/env bash
# Builds the .deb with scripts/package.sh and checks what a player's machine would get: the
# game in /usr/games, stripped, its debug information only in the -dbgsym package; the die
# pictures in the data folder the game looks in; the launcher, icons and AppStream
# description, valid; the manual page; a DEP-5 copyright pointing at the GPL-3 in
# common-licenses; a changelog and a description as apt shows them.
#
# Usage: tests/packaging_check.sh SOURCE-DIR BUILD-DIR   (BUILD-DIR holds pipfall-replay)
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)

for tool in dpkg-buildpackage dh dpkg-deb dpkg-parsechangelog desktop-file-validate appstreamcli \
    file readelf strings lexgrog; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

"$source_dir/scripts/package.sh" --no-setup --dist "$stage/dist"
deb=$(ls "$stage"/dist/pipfall_*.deb)
dbgsym=$(ls "$stage"/dist/pipfall-dbgsym_*.*deb)
root=$stage/root
dpkg-deb -x "$deb" "$root"

# The package: its name, the version the build carries, what it depends on.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(dpkg-deb -f "$deb" Package)" = pipfall ] || fail "the package is not named pipfall"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
    fail "the package is version $(dpkg-deb -f "$deb" Version), the build $version"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation libc6; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package ($depends)"
done
# Qt's own translations give the German and French message boxes their buttons' words.
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] ||
    fail "the package does not recommend qt6-translations-l10n"

# The description as apt shows it: a summary, then lines under 80 columns, none of them
# starting with a stray character from a joined list.
description=$(dpkg-deb -f "$deb" Description)
long=$(tail -n +2 <<<"$description")
[ -n "$long" ] || fail "the package has no long description"
if awk 'length($0) >= 80' <<<"$long" | grep -q .; then
    fail "description lines of 80 columns or more: $(awk 'length($0) >= 80' <<<"$long")"
fi
grep -qv '^ ' <<<"$long" && fail "a description line does not start with a blank"
grep -q '^ *;' <<<"$long" && fail "a description line starts with a semicolon"

# The game: in /usr/games alone, stripped, with its debug information in the -dbgsym package
# under its build id.
game=$root/usr/games/pipfall
[ -x "$game" ] || fail "the package has no /usr/games/pipfall"
[ ! -e "$root/usr/bin/pipfall" ] || fail "the game is in /usr/bin too"
# (Whole outputs, read after the fact: grep -q stopping early would break the pipe.)
kind=$(file "$game")
grep -q ', stripped' <<<"$kind" || fail "the game is not stripped: $kind"
sections=$(readelf -S --wide "$game")
grep -q '\.debug_' <<<"$sections" && fail "the game carries debug sections"
build_id=$(readelf -n "$game" | sed -n 's/^ *Build ID: //p')
[ -n "$build_id" ] || fail "the game has no build id"
debug_files=$(dpkg-deb -c "$dbgsym")
grep -q "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug\$" <<<"$debug_files" ||
    fail "the -dbgsym package has no debug information for build id $build_id"

# The die pictures, in the data folder the game was built to look in, and a working
# directory the game can play in.
for face in 1 2 3 4 5 6; do
    for picture in "imgdie$face.bmp" "imgdie$face@2x.png"; do
        cmp -s "$source_dir/assets/$picture" "$root/usr/share/pipfall/$picture" ||
            fail "/usr/share/pipfall/$picture is not the die picture"
    done
done
texts=$(strings -e l "$game") # the game's own texts are UTF-16
grep -qx /usr/share/pipfall <<<"$texts" || fail "the game does not name /usr/share/pipfall"
(cd "$root/usr/share/pipfall" && QT_QPA_PLATFORM=offscreen "$build/pipfall-replay" </dev/null >/dev/null) ||
    fail "the die pictures in the data folder cannot be read"

# The launcher starts /usr/games/pipfall in the data folder; the AppStream description names
# it, gives the licence and the content rating, and lists this version among its releases.
launcher=$root/usr/share/applications/io.github.pipfall.Pipfall.desktop
metainfo=$root/usr/share/metainfo/io.github.pipfall.Pipfall.metainfo.xml
desktop-file-validate "$launcher"
grep -qx 'Exec=/usr/games/pipfall' "$launcher" || fail "the launcher does not run /usr/games/pipfall"
grep -qx 'Path=/usr/share/pipfall' "$launcher" ||
    fail "the launcher does not start the game in /usr/share/pipfall"
icon=$(sed -n 's/^Icon=//p' "$launcher")
for size in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
    [ -f "$root/usr/share/icons/hicolor/$size" ] || fail "the package lacks the icon $size"
done
appstreamcli validate --pedantic --no-net "$metainfo"
grep -q '<launchable type="desktop-id">io.github.pipfall.Pipfall.desktop</launchable>' "$metainfo" ||
    fail "the AppStream description does not name the launcher"
grep -q '<content_attribute id="money-gambling">mild</content_attribute>' "$metainfo" ||
    fail "the content rating does not say the game gambles with play money"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the AppStream description does not give the licence as GPL-3.0-or-later"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the AppStream description lists no release $version"

# The manual page pipfall(6): its name line, no options, the files it reads, the rules.
page=$root/usr/share/man/man6/pipfall.6.gz
[ -f "$page" ] || fail "the package has no manual page pipfall(6)"
whatis=$(lexgrog "$page")
grep -q ': "pipfall - ' <<<"$whatis" || fail "the manual page has no name line: $whatis"
text=$(zcat "$page")
for section in SYNOPSIS DESCRIPTION OPTIONS RULES FILES; do
    grep -qx "\.SH $section" <<<"$text" || fail "the manual page has no $section section"
done
grep -q 'takes no options' <<<"$text" || fail "the manual page does not say the game takes no options"
grep -q '/usr/share/pipfall' <<<"$text" || fail "the manual page does not name the data folder"
if grep -q '@[A-Z_]*@' <<<"$text"; then
    fail "the manual page holds an unfilled @NAME@"
fi

# copyright: DEP-5, the GPL-3.0-or-later by reference to common-licenses, not its full text.
copyright=$root/usr/share/doc/pipfall/copyright
[ "$(head -n 1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "copyright is not in the machine-readable format"
grep -qx 'License: GPL-3.0-or-later' "$copyright" || fail "copyright names no GPL-3.0-or-later"
grep -qF '/usr/share/common-licenses/GPL-3' "$copyright" ||
    fail "copyright does not point at /usr/share/common-licenses/GPL-3"
grep -q 'TERMS AND CONDITIONS' "$copyright" && fail "copyright holds the licence's full text"

# The changelog: this version on top, and every version before it.
changelog=$root/usr/share/doc/pipfall/changelog.gz
[ -f "$changelog" ] || fail "the package has no changelog.gz"
zcat "$changelog" >"$stage/changelog"
versions=$(dpkg-parsechangelog -l "$stage/changelog" --all --format rfc822 | sed -n 's/^Version: //p')
if [ "$(head -n 1 <<<"$versions")" != "$version" ] || [ "$(tail -n 1 <<<"$versions")" != 1.0 ]; then
    fail "the changelog does not run from $version down to 1.0: $(tr "\n" " " <<<"$versions")"
fi

echo "packaging: $(basename "$deb"), $(stat -c %s "$deb") bytes, depends on: $depends"
