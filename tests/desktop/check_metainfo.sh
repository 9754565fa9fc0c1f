#!/usr/bin/env bash
# The installed AppStream metainfo is valid, alone and together with the launcher it names.
set -euo pipefail
# shellcheck source=tests/desktop/staged_install.sh
source "$(dirname "$0")/staged_install.sh"

metainfo="$share/metainfo/$app_id.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo at ${metainfo#"$stage"}"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
# The tree check finds a launchable that names no installed launcher.
report=$(appstreamcli validate-tree --no-net "$stage" 2>&1) || fail "validate-tree: $report"

grep -q "<binary>gridlet</binary>" "$metainfo" || fail "metainfo provides no gridlet binary"
[ -x "$stage/usr/bin/gridlet" ] || fail "the binary the metainfo provides is not installed"
echo "metainfo valid"
