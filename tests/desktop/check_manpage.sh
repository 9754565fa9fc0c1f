#!/usr/bin/env bash
# The installed man page is compressed as Debian wants and formats without a warning.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

page="$share/man/man1/gridlet.1.gz"
[ -f "$page" ] || fail "no man page at ${page#"$stage"}"
gzip -t "$page" || fail "the man page is not a valid gzip file"
report=$(zcat "$page" | groff -man -ww -z -t -Tutf8 2>&1) || fail "groff: $report"
[ -z "$report" ] || fail "groff: $report"
text=$(zcat "$page" | groff -man -Tutf8 -P -cbou 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES; do
    grep -q "^$section" <<<"$text" || fail "the man page has no $section section"
done
echo "man page formats cleanly"
