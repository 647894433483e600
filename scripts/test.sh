#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test: unit, widget and
# end-to-end tests (which start their own Xvfb), the format check, the fuzzer for a minute, and
# the Windows build under Wine (scripts/windows/test.sh; the first run builds Qt for Windows).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
jobs=$(nproc)

cmake -S . -B build/ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIO_WARNINGS_AS_ERRORS=ON
cmake --build build/ci -j "$jobs"
ctest --test-dir build/ci --output-on-failure -j "$jobs"

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVRIO_CORE_ONLY=ON -DTAVRIO_BUILD_TESTS=OFF -DTAVRIO_FUZZ=ON
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure

scripts/windows/test.sh
