# Sourced by scripts/windows.sh and scripts/web.sh, which build the game against a Qt of their
# own: how they install what they need, and where both take Qt's source from.
#
# Debian's own qtbase source, the Qt the Linux build uses, is fetched once with apt-get source
# into ${XDG_CACHE_HOME:-~/.cache}/pipfall-qt-source/ and unpacked there (with Debian's
# patches); each build copies it and applies its own patches to the copy.

if [[ $(id -u) -eq 0 ]]; then as_root=(); else as_root=(sudo); fi
apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=900 "$@"
}

# install_missing PACKAGE...: installs those of the packages that are not installed, and makes
# Debian's source packages known to apt first, for Qt's source.
install_missing() {
    local missing=() package sources
    for package in "$@"; do
        [[ $(dpkg-query -W -f='${db:Status-Status}' "${package%%=*}" 2>/dev/null) == installed ]] ||
            missing+=("$package")
    done
    local update=false
    if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
        echo "Adding Debian's source packages to apt (deb-src)"
        sources=/etc/apt/sources.list.d/pipfall-deb-src.sources
        printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
            'Suites: bookworm bookworm-updates' 'Components: main' \
            'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
            "${as_root[@]}" tee "$sources" >/dev/null
        update=true
    fi
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        update=true
    fi
    if $update; then
        apt_get update
    fi
    if ((${#missing[@]})); then
        apt_get install -y --no-install-recommends "${missing[@]}"
    fi
}

# copy_qt_source DESTINATION PATCH...: DESTINATION becomes a copy of the source of the qtbase
# installed (qt6-base-dev), with the patches applied (each one -p1 from the source's top).
copy_qt_source() {
    local destination=$1 patch
    shift
    local qt_version
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    local shared=${XDG_CACHE_HOME:-$HOME/.cache}/pipfall-qt-source
    local unpacked=$shared/qt6-base-${qt_version}
    if [[ ! -e $unpacked/.complete ]]; then
        echo "Fetching Debian's qtbase $qt_version source into $shared"
        rm -rf "$unpacked" "$shared/fetch"
        mkdir -p "$shared/fetch"
        (cd "$shared/fetch" && apt-get source --only-source "qt6-base=$qt_version")
        mv "$(find "$shared/fetch" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -1)" \
            "$unpacked"
        rm -rf "$shared/fetch"
        touch "$unpacked/.complete"
    fi
    rm -rf "$destination"
    mkdir -p "$(dirname "$destination")"
    cp -a "$unpacked" "$destination"
    rm -f "$destination/.complete"
    for patch in "$@"; do
        patch -d "$destination" -p1 <"$patch"
    done
}

# build_qt PREFIX WORK JOBS PATCH... -- CMAKE_OPTION...: builds qtbase into PREFIX once, from
# a copy of its source with the patches, configured with the options, in WORK (where an
# interrupted build goes on where it stopped); does nothing when PREFIX holds a complete build.
build_qt() {
    local prefix=$1 work=$2 jobs=$3 patches=()
    shift 3
    while [[ $1 != -- ]]; do
        patches+=("$1")
        shift
    done
    shift
    [[ ! -e $prefix/.complete ]] || return 0
    echo "Building Qt into $prefix (once; half an hour or less)"
    local start=$SECONDS
    if [[ ! -f $work/build/build.ninja ]]; then
        rm -rf "$work" "$prefix"
        copy_qt_source "$work/qtbase" "${patches[@]}"
        cmake -S "$work/qtbase" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
    fi
    cmake --build "$work/build" -j "$jobs"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$prefix/.complete"
    echo "Qt built in $((SECONDS - start)) s"
}

# build_as_of_last_commit: nothing of the machine that builds reaches what the game's build
# writes (its umask, time zone, language), and every time stamp is the last commit's
# (SOURCE_DATE_EPOCH).
build_as_of_last_commit() {
    umask 022
    export TZ=UTC LC_ALL=C.UTF-8
    unset LANGUAGE
    SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
}
