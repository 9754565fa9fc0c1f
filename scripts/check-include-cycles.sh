#!/usr/bin/env bash
# No two files of a folder reach each other through their includes: a file's header and its
# source count as one unit, and each include of another unit of the folder is an edge. Prints
# the cycle and fails when there is one.
#   check-include-cycles.sh [source root] [folder...]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
shift || true
folders=("${@:-src/app}")

status=0
for folder in "${folders[@]}"; do
    edges=$(for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        unit=$(basename "${file%.*}")
        echo "$unit $unit"
        sed -n "s|^#include \"${folder#src/}/\([^\"/]*\)\.h\".*|\1|p" "$file" |
            while read -r included; do
                [ "$included" = "$unit" ] || echo "$unit $included"
            done
    done)
    if ! cycle=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$cycle" ]; then
        echo "include cycle in $folder:"
        echo "$cycle" | sed -n 's/^tsort: //p' | grep -v "input contains a loop" | sed 's/^/  /'
        status=1
    fi
done
exit $status
