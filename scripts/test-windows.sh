#!/usr/bin/env bash
# The Windows program's tests, under Wine on a virtual display: the binding's conformance tests
# (the Windows build's ctest), then the real gridlet.exe driven with xdotool beside the Qt program,
# and its conversions from the command line beside the Linux program's.
#   test-windows.sh WINDOWS_BUILD LINUX_BUILD
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
windows_build="$(realpath "$1")"
linux_build="$(realpath "$2")"

if [ -z "${GRIDLET_WINE_DISPLAY:-}" ]; then
    GRIDLET_WINE_DISPLAY=1 exec "$root/scripts/with-display.sh" "$0" "$@"
fi

started=$SECONDS
# A prefix of its own, made anew: nothing of an earlier run or of the user's Wine. No Mono or
# Gecko: their installers would wait for an answer.
export WINEPREFIX="$windows_build/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver --wait
echo "Wine prefix made in $((SECONDS - started)) s"

# The binding's tests with windows Wine frames itself: with no window manager on the display,
# Wine would wait two seconds for one at every window that closes.
x11_driver='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11_driver" /v Managed /d N /f >/dev/null 2>&1
(cd "$windows_build" && ctest --output-on-failure)
# The program as a desktop shows it: each X window the client area and its menu bar.
wine reg delete "$x11_driver" /v Managed /f >/dev/null 2>&1
bash "$root/tests/windows/check_tall_font.sh" "$windows_build/gridlet.exe" "$linux_build/gridlet"
bash "$root/tests/windows/check_program.sh" "$windows_build/gridlet.exe" "$linux_build/gridlet"
# Conversions from the command line: the same files and words as the Linux program's.
bash "$root/tests/windows/check_convert.sh" "$windows_build/gridlet.exe" "$linux_build/gridlet"
wineserver --kill || true
echo "The Windows part took $((SECONDS - started)) s"
