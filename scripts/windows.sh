#!/usr/bin/env bash
# Builds Pipfall for 64-bit Windows on Debian 12: dist/pipfall-<version>-setup.exe (NSIS) and
# dist/pipfall-<version>-windows.zip. Installs what is missing first.
#
# Debian ships no Qt for Windows, so the first run builds Debian's own qtbase source as a static
# MinGW library (half an hour to an hour on two cores) into a cache outside the checkout,
# ${XDG_CACHE_HOME:-~/.cache}/pipfall-windows, keyed by Qt's version and its configure options;
# later runs reuse it and take a few minutes. JOBS=N sets the build's parallel jobs (the
# number of cores by default).
#
# Usage: scripts/windows.sh [--qt-only | --check]
#   --qt-only   stops once Qt is there
#   --check     then builds the last commit twice more, from two clean clones in other folders
#               and under another umask, and fails unless pipfall.exe, pipfall-replay.exe, the
#               installer and the zip come out byte for byte the same (slow: three builds)
#
# The build is reproducible: its time stamps (the programs' headers, the files in the
# installer and in the zip) are the last commit's (SOURCE_DATE_EPOCH), and neither the
# checkout's folder, the umask, the time zone nor the language reaches what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

qt_only=false
check=false
case ${1-} in
'') ;;
--qt-only) qt_only=true ;;
--check) check=true ;;
*)
    sed -n '/^# Usage/,/^#   --check/s/^# \{0,1\}//p' "$0" >&2
    exit 2
    ;;
esac
jobs=${JOBS:-$(nproc)}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pipfall-windows
toolchain=$top/packaging/windows/toolchain.cmake

source "$top/scripts/qtsource.sh"

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
# Wine's 32-bit half: a new Wine prefix sets it up, and Wine's own tools (reg) are 32-bit.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
    apt_get update
fi
install_missing "${packages[@]}" wine32:i386

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
build_qt "$qt" "$cache/build-$key" "$jobs" "${patches[@]}" -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${qt_options[@]}"
! $qt_only || exit 0

# Nothing of the machine that builds may reach what the game's build writes: not its umask,
# time zone or language, nor the time of the build. Every time stamp is the last commit's:
# the linker and objcopy write it into the programs' headers (and their checksums follow),
# rcc into the resources it builds in, and the files in the installer and the zip carry it.
# (Qt, above, is built without it: its cache serves every commit.)
build_as_of_last_commit
# A compiler cache told to (ccache's base_dir) would hand the compiler relative file names,
# which then land in the debug information: the folders are mapped above, not by it.
export CCACHE_BASEDIR=

# --- The game ------------------------------------------------------------------------------
build=$top/build-windows
# A build of another commit starts afresh: that commit's time is in the programs and in the
# resources, which ninja would not remake for a new time alone.
if [[ -d $build && $(cat "$build/source-date-epoch" 2>/dev/null) != "$SOURCE_DATE_EPOCH" ]]; then
    rm -rf "$build"
fi
mkdir -p "$build"
echo "$SOURCE_DATE_EPOCH" >"$build/source-date-epoch"
# Optimised for size, with debug information that the build moves out of the programs. The
# debug information names the source and Qt's headers by where they are in the checkout and
# in the cache (./, /pipfall-windows/), not by where the two are on this machine, nor do the
# file names in the programs (__FILE__): the debug file's checksum is in the program.
flags="-ffunction-sections -fdata-sections -g -ffile-prefix-map=$top=. -ffile-prefix-map=$cache=/pipfall-windows"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
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
# The staged files get the modes of a umask 022 and the last commit's time, which the installer
# gives the files it installs and the zip the files it unpacks.
chmod 755 "$stage" "$stage/pipfall.exe"
find "$stage" -type f ! -name pipfall.exe -exec chmod 644 {} +
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
setup=dist/pipfall-$version-setup.exe
zip=dist/pipfall-$version-windows.zip
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$top/$setup" \
    "$top/packaging/windows/pipfall.nsi"
# The zip lists the files in a fixed order, with their modes and times only (-X: no owner,
# no extended time stamps; the time in the local time of the zip format, here UTC).
rm -f "$zip"
(cd "$build" && find Pipfall | LC_ALL=C sort | zip -q -X "$top/$zip" -@)
ls -l "$setup" "$zip" "$build/pipfall.exe" "$build/pipfall-replay.exe"
(cd "$top" && sha256sum "${build#"$top"/}"/pipfall.exe "${build#"$top"/}"/pipfall-replay.exe "$setup" "$zip")

$check || exit 0

# --- Reproducibility: the last commit, built twice more from clean clones -------------------
echo "=== reproducibility: the last commit, built from two clean clones"
commit=$(git -C "$top" rev-parse HEAD)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/pipfall-windows.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
# The four files, as a clone's build leaves them.
outputs=(build-windows/pipfall.exe build-windows/pipfall-replay.exe "$setup" "$zip")
# The second clone is checked out, and built, under a umask that leaves its files private,
# later, in a deeper folder. Both compile everything themselves: no compiler cache.
clones=("$scratch/first" "$scratch/a/second/clone/in/a/deeper/folder")
masks=(022 077)
sums=()
for i in 0 1; do
    clone=${clones[i]}
    (umask "${masks[i]}" && git clone -q "$top" "$clone" &&
        git -C "$clone" checkout -q --detach "$commit" &&
        CCACHE_DISABLE=1 "$clone/scripts/windows.sh") >"$scratch/clone.log" 2>&1 || {
        tail -n 60 "$scratch/clone.log"
        echo "=== the build in $clone failed" >&2
        exit 1
    }
    sums+=("$(cd "$clone" && sha256sum "${outputs[@]}")")
done
printf '%s\n' "${sums[@]}"
if [[ "${sums[0]}" != "${sums[1]}" ]]; then
    echo "=== the two builds differ" >&2
    for output in "${outputs[@]}"; do
        cmp -s "${clones[0]}/$output" "${clones[1]}/$output" && continue
        echo "$output: $(cmp -l "${clones[0]}/$output" "${clones[1]}/$output" 2>/dev/null | wc -l) bytes differ" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope "${clones[0]}/$output" "${clones[1]}/$output" | head -n 100 || true
        fi
    done
    command -v diffoscope >/dev/null ||
        echo "apt-get install diffoscope, and run this again, to see how" >&2
    exit 1
fi
echo "reproducible: the two builds of $commit are identical"
if [[ -z "$(git -C "$top" status --porcelain)" ]]; then
    for output in "${outputs[@]}"; do
        cmp -s "$top/$output" "${clones[0]}/$output" ||
            { echo "=== $output differs from the clean clones' build of the same commit" >&2; exit 1; }
    done
    echo "and so is this checkout's build"
fi
