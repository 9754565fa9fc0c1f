#!/usr/bin/env bash
# The installed launcher is valid and everything it names is installed with it: the program,
# the icon and the file types.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

launcher="$share/applications/$app_id.desktop"
[ -f "$launcher" ] || fail "no launcher at ${launcher#"$stage"}"
# Warnings and hints count as failures too: the launcher has no reason for any.
report=$(desktop-file-validate "$launcher" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

value() { sed -n "s/^$1=//p" "$launcher"; }

program=$(value Exec | cut -d ' ' -f 1)
[ -x "$stage/usr/bin/$program" ] || fail "Exec names '$program', which is not installed in bin"

icon=$(value Icon)
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named '$icon'"
for size in 16 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no ${size}px icon '$icon'"
done

# Every type the launcher opens must be defined by the installed file types or the desktop's.
types=$(value MimeType | tr ';' ' ')
[ -n "$types" ] || fail "the launcher opens no file type"
for type in $types; do
    grep -q "<mime-type type=\"$type\">" "$share/mime/packages/$app_id.xml" \
        /usr/share/mime/packages/freedesktop.org.xml ||
        fail "the launcher opens $type, which no installed file type defines"
done
echo "launcher valid; program, icons and file types installed"
