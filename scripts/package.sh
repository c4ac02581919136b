#!/usr/bin/env bash
# Builds the release .deb of the checkout this script stands in, into dist/: the game alone,
# with Debian's debhelper (debian/), stripped, its debug information in a separate -dbgsym
# package beside it. Installs what it needs first, as the other scripts do.
#
# Usage: scripts/package.sh [--check] [--dist DIR] [--no-setup]
#   --check     then runs lintian on the package and its autopkgtest (debian/tests/) with the
#               package installed, and builds the last commit twice more from two clean
#               clones in other folders to show the .deb comes out byte for byte the same
#               (slow: three builds in all; the clones skip the tests)
#   --dist DIR  writes the packages to DIR instead of dist/
#   --no-setup  installs nothing (for the packaging test, which checks its tools itself)
#
# The package is built from the files git knows of, as they are in the working tree; its
# time stamps come from the last commit (SOURCE_DATE_EPOCH), so the same commit gives the
# same .deb wherever and whenever it is built. The build runs the quick tests, unless
# DEB_BUILD_OPTIONS=nocheck says not to; the package is the same either way.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

check=false
setup=true
dist=$top/dist
while (($#)); do
    case $1 in
    --check) check=true ;;
    --no-setup) setup=false ;;
    --dist)
        dist=${2:?--dist needs a folder}
        shift
        ;;
    *)
        sed -n '/^# Usage/,/^#   --no-setup/s/^# \{0,1\}//p' "$0" >&2
        exit 2
        ;;
    esac
    shift
done
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)

! $setup || scripts/setup.sh

# Nothing of the machine that builds may reach the package: not its umask, time zone or
# language, nor the time of the build.
umask 022
export TZ=UTC LC_ALL=C.UTF-8
unset LANGUAGE
SOURCE_DATE_EPOCH=$(git -C "$top" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# Of the caller's build options only nocheck passes: the others would change the package.
nocheck=
[[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && nocheck="nocheck "
DEB_BUILD_OPTIONS="${nocheck}parallel=$(nproc)"
export DEB_BUILD_OPTIONS

# dpkg-buildpackage writes beside the source folder, so build in a folder of its own.
work=$(mktemp -d "${TMPDIR:-/tmp}/pipfall-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
source=$work/pipfall
mkdir "$source"
git -C "$top" ls-files -z --cached --others --exclude-standard |
    (cd "$top" && while IFS= read -r -d '' file; do
        if [[ -e "$file" ]]; then printf '%s\0' "$file"; fi # not those deleted
    done) |
    tar -C "$top" --null -T - -cf - | tar -C "$source" -xf -
# The files' own times and modes are those of the checkout, the times not of the commit
# (dpkg-deb lowers only later times to SOURCE_DATE_EPOCH), the modes after its umask.
find "$source" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
chmod -R u=rwX,go=rX "$source"

echo "=== building the package in $source"
(cd "$source" && dpkg-buildpackage -b -us -uc) >"$work/build.log" 2>&1 || {
    tail -n 60 "$work/build.log"
    echo "=== the package build failed" >&2
    exit 1
}
# What the build's own run of the quick tests said, or that it skipped them.
grep -E '^[0-9]+% tests passed' "$work/build.log" || echo "the quick tests: skipped ($DEB_BUILD_OPTIONS)"
rm -f "$dist"/pipfall_*.deb "$dist"/pipfall-dbgsym_*.*deb
cp "$work"/pipfall_*.deb "$work"/pipfall-dbgsym_*.*deb "$dist"/
deb=$(ls "$dist"/pipfall_*.deb)
echo "=== built $(du -h "$deb" | cut -f1) $deb"
(cd "$dist" && sha256sum pipfall_*.deb pipfall-dbgsym_*.*deb)

$check || exit 0

echo "=== lintian"
lintian --info --fail-on error,warning "$deb"
echo "lintian: no error and no warning"

# The autopkgtest, as Debian's CI runs it: autopkgtest installs the package (with what the
# test depends on) on this machine, which needs root, and runs debian/tests/ against it.
echo "=== autopkgtest"
if ! command -v autopkgtest >/dev/null; then
    $setup || { echo "=== autopkgtest is not installed (apt-get install autopkgtest)" >&2; exit 1; }
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y autopkgtest
fi
autopkgtest "$deb" "$top" -- null

echo "=== reproducibility: the last commit, built from two clean clones"
commit=$(git -C "$top" rev-parse HEAD)
sums=()
# The second clone is checked out, and built, under a umask that leaves its files private.
clones=("$work/first" "$work/a/second/clone/in/a/deeper/folder")
masks=(022 077)
for i in 0 1; do
    clone=${clones[i]}
    (umask "${masks[i]}" && git clone -q "$top" "$clone" &&
        git -C "$clone" checkout -q --detach "$commit" &&
        DEB_BUILD_OPTIONS=nocheck "$clone/scripts/package.sh" --no-setup --dist "$clone/out") \
        >"$work/clone.log" 2>&1 || {
        tail -n 60 "$work/clone.log"
        echo "=== the build in $clone failed" >&2
        exit 1
    }
    sums+=("$(cd "$clone/out" && sha256sum pipfall_*.deb)")
done
printf '%s\n' "${sums[@]}"
if [[ "${sums[0]}" != "${sums[1]}" ]]; then
    echo "=== the two builds differ" >&2
    if command -v diffoscope >/dev/null; then
        diffoscope "${clones[0]}"/out/pipfall_*.deb "${clones[1]}"/out/pipfall_*.deb || true
    else
        echo "apt-get install diffoscope, and run this again, to see how" >&2
    fi
    exit 1
fi
echo "reproducible: the two builds of $commit are identical"
if [[ -z "$(git -C "$top" status --porcelain)" ]]; then
    cmp -s "$deb" "$(ls "${clones[0]}"/out/pipfall_*.deb)" ||
        { echo "=== dist/ differs from the clean clones' build of the same commit" >&2; exit 1; }
    echo "and so is $deb"
fi
