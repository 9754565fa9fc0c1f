#!/usr/bin/env bash
# gridlet.exe's start-up under Wine beside a bare Win32 window, and its size, on a virtual
# display with a Wine prefix of the Windows build's own.
#   bench-windows.sh WINDOWS_BUILD LINUX_BUILD [runs]
set -euo pipefail
windows_build="$(realpath "$1")"
linux_build="$(realpath "$2")"
if [ -z "${GRIDLET_WINE_DISPLAY:-}" ]; then
    GRIDLET_WINE_DISPLAY=1 exec "$(dirname "$(realpath "$0")")/with-display.sh" "$0" "$@"
fi
export WINEPREFIX="$windows_build/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$WINEPREFIX" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
# One Wine server for all the runs, as a desktop session has.
wineserver --persistent=60
"$linux_build/bench/windows_startup_bench" "$windows_build/bench/windows/startup_probe_bare.exe" \
    "$windows_build/bench/windows/startup_probe_gridlet.exe" "$windows_build/gridlet.exe" "${3:-11}"
wineserver --kill || true
