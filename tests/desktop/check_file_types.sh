#!/usr/bin/env bash
# The installed file types: ".fnt", ".map", ".64c" and ".gridlet" are known by extension only,
# under type names of our own that no other installed package defines; a project has its icon.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

mime="$share/mime"
package="$mime/packages/$app_id.xml"
[ -f "$package" ] || fail "no file types at ${package#"$stage"}"
# Builds the database from our package alone; a malformed package is an error here.
report=$(XDG_DATA_DIRS="$share" update-mime-database "$mime" 2>&1) || fail "update-mime-database: $report"
[ -z "$report" ] || fail "update-mime-database: $report"

grep -qx '50:application/x-gridlet-font:\*\.fnt' "$mime/globs2" || fail ".fnt is not a gridlet font"
grep -qx '50:application/x-gridlet-charmap:\*\.map' "$mime/globs2" ||
    fail ".map is not a gridlet character map"
grep -qx '50:application/x-gridlet-c64-font:\*\.64c' "$mime/globs2" || fail ".64c is not a C64 font"
grep -qx '50:application/x-gridlet-project:\*\.gridlet' "$mime/globs2" ||
    fail ".gridlet is not a gridlet project"
grep -qx 'application/x-gridlet-project:application-x-gridlet-project' "$mime/icons" ||
    fail "a gridlet project has no icon of its own"
[ "$(grep -vc '^#' "$mime/globs2")" -eq 4 ] || fail "unexpected globs: $(cat "$mime/globs2")"
# Raw data has no signature: any content rule would misfire on other files.
! grep -q gridlet "$mime/magic" || fail "the file types carry content (magic) rules"

for type in $(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$package"); do
    case "$type" in
        application/x-gridlet-*) ;;
        *) fail "$type is not a type name of our own" ;;
    esac
    for other in /usr/share/mime/packages/*.xml; do
        [ "$(basename "$other")" = "$app_id.xml" ] && continue
        ! grep -q "type=\"$type\"" "$other" || fail "$type is already defined by $other"
    done
done
echo "file types by extension only, under our own names"
