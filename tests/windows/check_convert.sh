#!/usr/bin/env bash
# gridlet.exe --convert under Wine writes the same files as the Linux program, byte for byte,
# says the same on standard error and ends with the same statuses; UTF-8 names included.
#   check_convert.sh GRIDLET_EXE LINUX_GRIDLET   (with WINEPREFIX set)
set -euo pipefail
exe="$(realpath "$1")"
linux="$(realpath "$2")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/linux" "$scratch/windows"
cp "$root/tests/data/malformed/psf2-damaged-header.psf" "$scratch/linux/damaged.psf"
cp "$scratch/linux/damaged.psf" "$scratch/windows/"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# both STATUS ARGUMENTS...: each program in its own folder, with relative names; the same exit
# status and the same words on standard error (Windows ends its lines with CR LF).
both() {
    local wanted=$1 status=0
    shift
    (cd "$scratch/linux" && env -u DISPLAY QT_QPA_PLATFORM= "$linux" "$@" 2>said) || status=$?
    [ "$status" = "$wanted" ] || fail "gridlet $* ended with $status, not $wanted"
    status=0
    (cd "$scratch/windows" && wine "$exe" "$@" 2>said.crlf) || status=$?
    [ "$status" = "$wanted" ] || fail "gridlet.exe $* ended with $status, not $wanted"
    tr -d '\r' <"$scratch/windows/said.crlf" >"$scratch/windows/said"
    cmp -s "$scratch/linux/said" "$scratch/windows/said" ||
        fail "gridlet.exe $* said: $(cat "$scratch/windows/said"), not: $(cat "$scratch/linux/said")"
}

both 0 --convert --charset c64-caps - c64.png
both 0 --convert c64.png c64.64c # the picture read through the system's codec
for output in c64.psf c64.bdf c64.bmp c64.c c64.bas; do both 0 --convert c64.64c "$output"; done
both 0 --convert --range 32-127 --asm z80-db c64.bdf letters.s
both 0 --convert --charset ibm-pc-cga - cga.psf # with its Unicode table
both 0 --convert --charset zx80 --size 1024 - "шрифт.fnt"
both 0 --convert "шрифт.fnt" zx80.64c
both 1 --convert damaged.psf out.fnt
grep -q "^gridlet: Open File: not read:damaged.psf$" "$scratch/windows/said" ||
    fail "gridlet.exe said nothing of the damaged input"
both 2 --convert c64.64c out.xyz
both 3 --convert c64.64c no-such-folder/out.fnt
for file in c64.png c64.64c c64.psf c64.bdf c64.bmp c64.c c64.bas letters.s cga.psf \
    "шрифт.fnt" zx80.64c; do
    cmp "$scratch/linux/$file" "$scratch/windows/$file" || fail "gridlet.exe wrote another $file"
done
[ ! -e "$scratch/windows/out.fnt" ] || fail "gridlet.exe left an output after a wrong conversion"
version=$(wine "$exe" --version | tr -d '\r')
[ "$version" = "gridlet v2 0.9f" ] || fail "gridlet.exe --version printed $version"
echo "gridlet.exe converts as the Linux program does"
