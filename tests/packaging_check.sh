#!/usr/bin/env bash
# Installs the build into a staging folder and builds the .deb, then checks what a player's
# machine would get: the program, the die pictures in the data folder, a launcher that
# starts the game in that folder, the icons, the AppStream description and the licence,
# all valid.
set -euo pipefail
build=$(cd "$1" && pwd)

for tool in desktop-file-validate appstreamcli dpkg-deb cpack dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root
launcher=usr/share/applications/io.github.pipfall.Pipfall.desktop
metainfo=usr/share/metainfo/io.github.pipfall.Pipfall.metainfo.xml
for file in usr/bin/pipfall $launcher $metainfo usr/share/doc/pipfall/copyright \
    usr/share/icons/hicolor/scalable/apps/pipfall.svg \
    usr/share/icons/hicolor/48x48/apps/pipfall.png \
    usr/share/icons/hicolor/256x256/apps/pipfall.png; do
    [ -f "$root/$file" ] || fail "$file is not installed"
done
for face in 1 2 3 4 5 6; do
    [ -f "$root/usr/share/pipfall/imgdie$face.bmp" ] || fail "imgdie$face.bmp is not installed"
done
grep -qx 'Path=/usr/share/pipfall' "$root/$launcher" ||
    fail "the launcher does not start the game in its data folder"
grep -qx 'Exec=pipfall' "$root/$launcher" || fail "the launcher does not run pipfall"
grep -q '<launchable type="desktop-id">io.github.pipfall.Pipfall.desktop</launchable>' "$root/$metainfo" ||
    fail "the AppStream description does not name the launcher"
grep -q '<content_attribute id="money-gambling">mild</content_attribute>' "$root/$metainfo" ||
    fail "the content rating does not say the game gambles with play money"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/$metainfo" ||
    fail "the AppStream description does not give the licence as GPL-3.0-or-later"
cmp -s /usr/share/common-licenses/GPL-3 "$root/usr/share/doc/pipfall/copyright" ||
    fail "the installed copyright file is not the text of the GPL-3.0"
desktop-file-validate "$root/$launcher"
appstreamcli validate --pedantic --no-net "$root/$metainfo"

# The installed data folder is a working directory the game can play in.
(cd "$root/usr/share/pipfall" && QT_QPA_PLATFORM=offscreen "$build/pipfall-replay" </dev/null >/dev/null) ||
    fail "the die pictures in the data folder cannot be read"

(cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >/dev/null)
deb=$(ls "$stage"/deb/*.deb)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/pipfall ./usr/share/pipfall/imgdie3.bmp ./$launcher ./$metainfo \
    ./usr/share/doc/pipfall/copyright ./usr/share/icons/hicolor/scalable/apps/pipfall.svg; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation libc6; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package ($depends)"
done
[ "$(dpkg-deb -f "$deb" Package)" = pipfall ] || fail "the package is not named pipfall"
mkdir "$stage/unpacked"
dpkg-deb -x "$deb" "$stage/unpacked"
grep -qx 'Path=/usr/share/pipfall' "$stage/unpacked/$launcher" ||
    fail "the packaged launcher does not start the game in /usr/share/pipfall"
echo "packaging: $(basename "$deb") depends on: $depends"
