#!/usr/bin/env bash
# Runs the whole end-to-end suite RUNS times in a row (10 unless told) with two CPU-bound
# processes running beside it, as on a busy machine, and stops at the first failure: the suite
# has to pass every time, with no retry. Prints how long each run and the whole took.
#   tests/e2e/under_load.sh BUILD_DIR [RUNS]
# BUILD_DIR is a build folder with the tests built (scripts/test.sh makes build/ci).
set -euo pipefail

if [[ $# -lt 1 || $# -gt 2 || ! -f $1/CTestTestfile.cmake ]]; then
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 2
fi
readonly BUILD=$1 RUNS=${2:-10}

BURNERS=()
stop_burners() {
    local pid
    for pid in "${BURNERS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${BURNERS[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_burners EXIT
trap 'exit 130' INT TERM

for _ in 1 2; do
    bash -c 'while :; do :; done' &
    BURNERS+=($!)
done

started=$SECONDS
for ((run = 1; run <= RUNS; run++)); do
    run_started=$SECONDS
    if ! ctest --test-dir "$BUILD" -L e2e --output-on-failure; then
        echo "run $run of $RUNS FAILED, after $((SECONDS - started)) s in all" >&2
        exit 1
    fi
    echo "run $run of $RUNS passed in $((SECONDS - run_started)) s"
done
echo "$RUNS runs in a row passed in $((SECONDS - started)) s, beside two CPU-bound processes"
