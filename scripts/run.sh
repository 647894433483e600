#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Tavrio.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTAVRIO_BUILD_TESTS=OFF
cmake --build build/release -j "$(nproc)"
exec build/release/app/tavrio "$@"
