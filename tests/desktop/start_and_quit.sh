#!/usr/bin/env bash
# On an X display: starts PROGRAM, waits for its main window, taps Escape and exits with the
# program's exit code (124 when a step times out).
#   start_and_quit.sh PROGRAM
set -euo pipefail
# shellcheck source=scripts/x11-session.sh
source "$(dirname "$0")/../../scripts/x11-session.sh"

"$1" &
pid=$!
if ! main=$(x11_wait_window '^gridlet v2 0\.9f$' 20); then
    kill "$pid" 2>/dev/null || true
    exit 124
fi
x11_type "$main" Escape
x11_wait_exit "$pid" 10
