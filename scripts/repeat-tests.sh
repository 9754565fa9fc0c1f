#!/usr/bin/env bash
# repeat-tests.sh N: runs the whole `make test` N times in a row, two tests at a time as on a
# 2-core machine, and reports each run; a test that fails in any run is a fault to find, never
# one to run again. Each run's output is kept in repeat-tests/run-K.log.
set -uo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
mkdir -p repeat-tests
failed=0
for ((run = 1; run <= runs; run++)); do
    start=$SECONDS
    if make test JOBS=2 >"repeat-tests/run-$run.log" 2>&1; then
        result="passed"
    else
        result="FAILED: $(grep -E '^\s+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Not Run)\)' \
            "repeat-tests/run-$run.log" | sed 's/^ *//' | tr '\n' ';')"
        failed=$((failed + 1))
    fi
    echo "run $run of $runs: $result ($((SECONDS - start)) s)"
done
echo "$((runs - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
