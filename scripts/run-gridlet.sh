#!/usr/bin/env bash
# Starts the editor; without a display it explains how to get one instead of failing obscurely.
set -euo pipefail
program="$1"; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "gridlet is a desktop program and needs a display, but none is set (DISPLAY is empty)." >&2
    echo "On a machine without a screen, run it under a virtual one:" >&2
    echo "    xvfb-run -a $program $*" >&2
    exit 1
fi
exec "$program" "$@"
