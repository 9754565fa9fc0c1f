#!/usr/bin/env bash
# Each library sees only the headers of its own level and the levels below it, and each test
# program only those of the library it tests and below (with the headless binding). Prints
# every include that crosses the levels and fails when there is one.
#   check-levels.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# folder: the libraries whose headers its files may include
declare -A may_include=(
    [src/model]="model"
    [src/toolkit]="toolkit"
    [src/toolkit/core]="toolkit toolkit/core"
    [src/toolkit/posix]="toolkit toolkit/core"
    [src/toolkit/windows]="toolkit toolkit/core"
    [src/toolkit/headless]="toolkit toolkit/headless"
    [src/toolkit/qt]="toolkit toolkit/qt"
    [src/editing]="model editing"
    [src/charmap]="model charmap"
    [src/files]="model files"
    [src/files/windows]="model files"
    [src/views]="model toolkit views"
    [src/app]="model toolkit editing charmap files views app"
    [src]="app toolkit"
    [src/toolkit/win32]="toolkit toolkit/win32"
    [tests/toolkit]="toolkit toolkit/core toolkit/headless"
    [tests/toolkit/posix]="toolkit toolkit/core"
    [tests/toolkit/windows]="toolkit toolkit/core"
    [tests/conformance]="toolkit"
    [tests/conformance/headless]="toolkit toolkit/headless"
    [tests/conformance/qt]="toolkit toolkit/qt"
    [tests/conformance/win32]="toolkit toolkit/win32"
    [tests/model]="model"
    [tests/editing]="model editing"
    [tests/charmap]="model charmap"
    [tests/files]="model files"
    [tests/views]="model toolkit views"
    [tests/support]="model toolkit toolkit/headless editing charmap files views app"
    [tests/app]="model toolkit toolkit/core toolkit/headless editing charmap files views app"
    [tests/robustness]="model toolkit toolkit/headless editing charmap files views app"
    [tests/allocation]="model toolkit toolkit/headless editing charmap files views app"
    [fuzz]="model toolkit files"
)

# The library a quoted include names: the toolkit's core and its bindings are libraries of their
# own, apart from its contract.
library_of() {
    case "$1" in
    toolkit/core/*) echo toolkit/core ;;
    toolkit/qt/*) echo toolkit/qt ;;
    toolkit/headless/*) echo toolkit/headless ;;
    toolkit/win32/*) echo toolkit/win32 ;;
    *) echo "${1%%/*}" ;;
    esac
}

crossings=0
for folder in "${!may_include[@]}"; do
    allowed=" ${may_include[$folder]} "
    for file in "$folder"/*.cpp "$folder"/*.h; do
        [ -e "$file" ] || continue
        while IFS= read -r included; do
            case "$included" in */*) ;; *) continue ;; esac
            library=$(library_of "$included")
            case "$library" in
            model | toolkit | toolkit/core | toolkit/qt | toolkit/headless | toolkit/win32 | editing | charmap | files | views | app) ;;
            *) continue ;; # a test helper or an embedded table
            esac
            if [[ "$allowed" != *" $library "* ]]; then
                echo "$file includes \"$included\", above its level"
                crossings=$((crossings + 1))
            fi
        done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    done
done
exit $((crossings > 0))
