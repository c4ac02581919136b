#!/usr/bin/env bash
# Builds Pipfall for 64-bit Windows on Debian 12: dist/pipfall-<version>-setup.exe (NSIS) and
# dist/pipfall-<version>-windows.zip. Installs what is missing first.
#
# Debian ships no Qt for Windows, so the first run builds Debian's own qtbase source as a static
# MinGW library (half an hour to an hour on two cores) into a cache outside the checkout,
# ${XDG_CACHE_HOME:-~/.cache}/pipfall-windows, keyed by Qt's version and its configure options;
# later runs reuse it and take a few minutes. `scripts/windows.sh --qt-only` stops once Qt is
# there. JOBS=N sets the build's parallel jobs (the number of cores by default).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
jobs=${JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pipfall-windows
toolchain=$top/packaging/windows/toolchain.cmake

if [[ $(id -u) -eq 0 ]]; then as_root=(); else as_root=(sudo); fi
apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=900 "$@"
}

# --- What the build needs ----------------------------------------------------------------
# The cross compiler, NSIS, zip; Debian's Linux Qt for the host tools (moc, rcc, uic, lrelease)
# and Qt's German and French texts. For the checks (tests/windows_check.sh): Wine, Xvfb and
# the tools that click and photograph, the German locale, and the Liberation fonts, which
# Wine offers where Windows has Arial.
packages=(
    build-essential cmake ninja-build dpkg-dev perl python3
    mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    nsis zip
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    wine wine64 xvfb xauth xdotool x11-utils imagemagick locales fonts-liberation
)
missing=()
for package in "${packages[@]}"; do
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) == installed ]] ||
        missing+=("$package")
done
# Wine's 32-bit half: a new Wine prefix sets it up, and Wine's own tools (reg) are 32-bit.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
    missing+=(wine32:i386)
elif [[ $(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null) != installed ]]; then
    missing+=(wine32:i386)
fi
# qtbase's source comes from Debian's source packages, which a fresh system's apt knows nothing of.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
    echo "Adding Debian's source packages to apt (deb-src)"
    sources=/etc/apt/sources.list.d/pipfall-deb-src.sources
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
        'Suites: bookworm bookworm-updates' 'Components: main' \
        'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${as_root[@]}" tee "$sources" >/dev/null
    missing+=(.update)
fi
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt_get update
    missing=("${missing[@]/.update/}")
    apt_get install -y --no-install-recommends ${missing[*]}
fi

# Wine takes the Windows locale from the system's: the German check needs de_DE.UTF-8 there.
if ! locale -a | grep -qx de_DE.utf8; then
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen
fi

# --- Qt for Windows, built once ----------------------------------------------------------
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_options=(
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Only Core, Gui and Widgets, with their own copies of the libraries they use.
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    # Debian's source leaves out the tablet header.
    -DFEATURE_tabletevent=OFF
)
patches=("$top"/packaging/windows/qtbase-*.patch)
key=$( (echo "$qt_version" "${qt_options[*]}"; cat "$toolchain" "${patches[@]}") | sha256sum | cut -c1-12)
qt=$cache/qt-${qt_version%%[-+]*}-$key
if [[ ! -e $qt/.complete ]]; then
    echo "Building Qt $qt_version for Windows into $qt (once; about half an hour)"
    start=$SECONDS
    work=$cache/build-$key # an interrupted build goes on where it stopped
    if [[ ! -f $work/build/build.ninja ]]; then
        rm -rf "$work" "$qt"
        mkdir -p "$work"
        (cd "$work" && apt-get source --only-source "qt6-base=$qt_version")
        source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
        for patch in "${patches[@]}"; do
            patch -d "$source" -p1 <"$patch"
        done
        cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DCMAKE_INSTALL_PREFIX="$qt" "${qt_options[@]}"
    fi
    cmake --build "$work/build" -j "$jobs"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$qt/.complete"
    echo "Qt built in $((SECONDS - start)) s"
fi
[[ ${1-} == --qt-only ]] && exit 0

# --- The game ------------------------------------------------------------------------------
build=$top/build-windows
# Optimised for size, with debug information that the build moves out of the programs.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_CXX_FLAGS="-ffunction-sections -fdata-sections -g" \
    -DBUILD_TESTING=OFF -DPIPFALL_WERROR=ON
cmake --build "$build" -j "$jobs" --target pipfall pipfall-replay die_pictures

# --- The installer and the zip -------------------------------------------------------------
version=$(sed -n 's/^project(Pipfall VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$build/Pipfall # the zip unpacks into a folder Pipfall
rm -rf "$stage"
mkdir -p "$stage" dist
cp "$build/pipfall.exe" "$stage/"
cp assets/imgdie[1-6].bmp assets/imgdie[1-6]@2x.png "$stage/"
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
setup=dist/pipfall-$version-setup.exe
zip=dist/pipfall-$version-windows.zip
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$top/$setup" \
    packaging/windows/pipfall.nsi
rm -f "$zip"
(cd "$build" && zip -q -X -r "$top/$zip" Pipfall)
ls -l "$setup" "$zip" "$build/pipfall.exe" "$build/pipfall-replay.exe"
