#!/usr/bin/env bash
# The installed file types: ".fnt", ".map", ".64c", ".gridlet" and the other editors' projects
# gridlet opens are known by extension only, under type names of our own that no other installed
# package defines; a project of any of them has gridlet's project icon.
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
for glob in charpad-project:ctm vchar64-project:vchar64proj petmate:petmate; do
    grep -qx "50:application/x-gridlet-${glob%%:*}:\*\.${glob#*:}" "$mime/globs2" ||
        fail ".${glob#*:} is not a ${glob%%:*} file"
done
for type in project charpad-project vchar64-project petmate; do
    grep -qx "application/x-gridlet-$type:application-x-gridlet-project" "$mime/icons" ||
        fail "a $type has not the project's icon"
done
[ "$(grep -vc '^#' "$mime/globs2")" -eq 7 ] || fail "unexpected globs: $(cat "$mime/globs2")"
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
