#!/usr/bin/env bash
# Builds Pipfall for the browser on Debian 12: dist/web/ (the page, its code and Qt's loader,
# to serve from any static web server) and dist/pipfall-<version>-web.zip; beside them, in
# build-web/, pipfall-replay.js, the replay driver for node. Installs what is missing first.
#
# Debian ships no Qt for WebAssembly, so the first run builds Debian's own qtbase source with
# Debian's Emscripten, static and single-threaded, into a cache outside the checkout,
# ${XDG_CACHE_HOME:-~/.cache}/pipfall-web, keyed by Qt's version, its configure options, its
# patches and Emscripten's version; later runs reuse it. JOBS=N sets the build's parallel jobs
# (the number of cores by default).
#
# Usage: scripts/web.sh [--qt-only]
#   --qt-only   stops once Qt is there
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

qt_only=false
case ${1-} in
'') ;;
--qt-only) qt_only=true ;;
*)
    sed -n '/^# Usage/,/^#   --qt-only/s/^# \{0,1\}//p' "$0" >&2
    exit 2
    ;;
esac
jobs=${JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pipfall-web

source "$top/scripts/qtsource.sh"

# --- What the build needs ----------------------------------------------------------------
# Emscripten with its system libraries prebuilt, binaryen's optimizer and node; Debian's Linux
# Qt for the host tools (moc, rcc, uic, lrelease) and Qt's German and French texts; the fonts
# built into the page and the tool that cuts them down. For the checks (tests/web_check.sh):
# Chromium, its driver and Selenium, and ImageMagick to read the screenshots.
packages=(
    build-essential cmake ninja-build dpkg-dev perl python3 zip
    emscripten binaryen nodejs node-acorn
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-liberation fonts-dejavu-core fonttools
    chromium chromium-driver python3-selenium imagemagick
)
install_missing "${packages[@]}"

# Emscripten's optimizer runs under node and needs Debian's node modules (acorn), which a node
# looks for only on NODE_PATH.
export NODE_PATH=/usr/share/nodejs
emscripten_version=$(emcc --version | sed -n '1s/.* \([0-9][0-9.]*\) .*/\1/p')
# Qt's build asks the Emscripten SDK (EMSDK) for Emscripten's version and its CMake files;
# Debian's Emscripten is no SDK, so a folder of the SDK's shape points at it.
emscripten_cmake=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
export EMSDK=$cache/emsdk
mkdir -p "$EMSDK/emscripten"
echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$EMSDK/.emscripten"
ln -sfn "$(command -v emcc)" "$EMSDK/emscripten/emcc"
ln -sfn /usr/share/emscripten/cmake "$EMSDK/emscripten/cmake"

# --- Qt for WebAssembly, built once ------------------------------------------------------
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
qt_options=(
    -DCMAKE_TOOLCHAIN_FILE="$emscripten_cmake"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON
    -DFEATURE_thread=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Only Core, Gui and Widgets (and the browser's WebGL, which Qt draws the canvas with),
    # with their own copies of the libraries they use.
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
    # Debian's source leaves out the tablet header.
    -DFEATURE_tabletevent=OFF
)
patches=("$top"/packaging/web/qtbase-*.patch)
key=$( (echo "$qt_version" "$emscripten_version" "${qt_options[*]}"; cat "${patches[@]}") |
    sha256sum | cut -c1-12)
qt=$cache/qt-${qt_version%%[-+]*}-$key
build_qt "$qt" "$cache/build-$key" "$jobs" "${patches[@]}" -- "${qt_options[@]}"
! $qt_only || exit 0

build_as_of_last_commit

# --- The game ------------------------------------------------------------------------------
build=$top/build-web
start=$SECONDS
# The replay driver names no folder of its own when a die picture is missing: the installed
# game's folder is the Linux build's default one, as the corpus of replays expects.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$emscripten_cmake" -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_INSTALL_PREFIX=/usr/local \
    -DBUILD_TESTING=OFF -DPIPFALL_WERROR=ON
cmake --build "$build" -j "$jobs" --target pipfall pipfall-replay die_pictures

# --- The page and the zip ------------------------------------------------------------------
version=$(sed -n 's/^project(Pipfall VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
web=dist/web
rm -rf "$web"
mkdir -p "$web"
cp "$build/pipfall.js" "$build/pipfall.wasm" "$qt/plugins/platforms/qtloader.js" \
    packaging/icons/48/pipfall.png "$web/"
# The page knows the size of the code it loads, for its progress bar.
sed "s/@PIPFALL_WASM_BYTES@/$(stat -c %s "$web/pipfall.wasm")/" web/index.html >"$web/index.html"
chmod 644 "$web"/*
find "$web" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
zip=dist/pipfall-$version-web.zip
rm -f "$zip"
(cd dist && find web | LC_ALL=C sort | zip -q -X "$top/$zip" -@)
echo "Game built in $((SECONDS - start)) s"
for file in "$web"/*; do
    printf '%-24s %9d bytes, %9d gzip-compressed\n' "${file#"$web"/}" "$(stat -c %s "$file")" \
        "$(gzip -9 -n -c "$file" | wc -c)"
done
ls -l "$zip" "$build/pipfall-replay.js" "$build/pipfall-replay.wasm"
