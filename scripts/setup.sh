#!/usr/bin/env bash
# Installs, with apt-get, whatever Pipfall needs to build, play and test that is not there yet.
# Safe to run again and again: with everything present it changes nothing and needs no network.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # The translations: lupdate and lrelease, their CMake functions, and Qt's own texts
    # (a message box's OK) in German and French.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    fonts-liberation
    xvfb xauth xdotool x11-utils imagemagick
    clang libclang-rt-14-dev
    desktop-file-utils appstream
    # scripts/package.sh builds the .deb with debhelper; the packaging test reads it with
    # dpkg-deb, `file`, readelf and strings (binutils) and lexgrog (man-db); `--check` runs
    # lintian on it.
    debhelper dpkg-dev file binutils man-db lintian
    # bench/run.sh measures peak memory with /usr/bin/time.
    time
    # tests/e2e_keyboard.sh: a private D-Bus, the AT-SPI bus and registry, a window manager
    # and Python's AT-SPI bindings, to hear the game as a screen reader does.
    dbus at-spi2-core openbox python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != installed ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These packages are missing and there is no sudo to install them: ${missing[*]}" >&2
    echo "Install them as root with: apt-get install ${missing[*]}" >&2
    exit 1
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y \
    "${missing[@]}"
