#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing gridlet need; with
# "editor", only those that building and running the editor need.
# Only what is missing is installed; without root it prints the command to run instead.
set -euo pipefail

editor_packages=(g++ cmake ninja-build make pkg-config qt6-base-dev libgl-dev libpng-dev librsvg2-bin)
packages=(
    "${editor_packages[@]}"
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth
    python3-pil
    desktop-file-utils appstream librsvg2-bin groff-base dpkg-dev xdotool imagemagick
    lintian xclip
    kbd xfonts-utils console-setup-linux pcf2bdf cc65 acme z80asm fuse-emulator-utils
    g++-mingw-w64-x86-64-posix wine wine64
    libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1
)

if [ "${1:-}" = editor ]; then
    packages=("${editor_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

command="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "gridlet needs these Debian packages: ${missing[*]}" >&2
    echo "Run as root:  $command" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
