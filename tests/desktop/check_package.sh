#!/usr/bin/env bash
# The Debian package of the build given as $1: CPack makes it, its dependencies are the Debian
# packages of the libraries the program links, lintian finds nothing to complain of, it unpacks
# into a scratch root, and the program from it starts on a virtual display and ends on Escape
# with exit code 0.
set -euo pipefail
build="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$scratch/cpack.log")"
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb="${debs[0]}"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/gridlet ./usr/share/applications/io.github.gridlet.Gridlet.desktop \
    ./usr/share/metainfo/io.github.gridlet.Gridlet.metainfo.xml \
    ./usr/share/mime/packages/io.github.gridlet.Gridlet.xml \
    ./usr/share/icons/hicolor/scalable/apps/io.github.gridlet.Gridlet.svg \
    ./usr/share/icons/hicolor/scalable/mimetypes/application-x-gridlet-project.svg \
    ./usr/share/man/man1/gridlet.1.gz ./usr/share/doc/gridlet/copyright \
    ./usr/share/doc/gridlet/changelog.gz; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done

# Debian's own checks of a package, errors and warnings both.
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
        fail "lintian: $(grep -v 'root privileges' "$scratch/lintian.log")"
fi

root="$scratch/root"
dpkg -x "$deb" "$root"
# A run path into the build tree would make the package work here and nowhere else.
! readelf -d "$root/usr/bin/gridlet" | grep -Eq 'RPATH|RUNPATH' || fail "the program has a run path"

status=0
"$here/../../scripts/with-display.sh" "$here/start_and_quit.sh" "$root/usr/bin/gridlet" ||
    status=$?
[ "$status" -eq 0 ] || fail "the packaged program ended with exit code $status"
echo "$(basename "$deb"): installs, depends on $depends, starts and ends on Escape"
