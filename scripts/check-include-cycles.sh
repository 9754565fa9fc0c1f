#!/usr/bin/env bash
# No two files of a folder reach each other through their includes: a file's header and its
# source count as one unit, and each include of another unit of the folder, by the folder's own
# path under src/ ("toolkit/core/name.h"), is an edge. Prints the cycle and fails when there is
# one. Without folders, every folder under src/.
#   check-include-cycles.sh [source root] [folder...]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
shift || true
if [ $# -gt 0 ]; then
    folders=("$@")
else
    mapfile -t folders < <(find src -mindepth 1 -type d | sort)
fi

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
