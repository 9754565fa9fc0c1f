# shellcheck shell=bash disable=SC2034 # share and app_id are for the checks that source it
# Sourced by the desktop checks: installs the build given as $1 under /usr in a temporary
# root, as a package would lay it out, and removes it when the check ends.
build="$(realpath "$1")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"
app_id=io.github.gridlet.Gridlet

# fail MESSAGE: ends the check with MESSAGE on standard error.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
