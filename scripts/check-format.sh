#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format}
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
else
    mapfile -t files < <(find core platform settings_file module timer_window settings_window app tests bench \
        -name '*.cpp' -o -name '*.h' 2>/dev/null)
fi
existing=()
for file in "${files[@]}"; do [[ -f $file ]] && existing+=("$file"); done
"$clang_format" --dry-run --Werror "${existing[@]}"
echo "format: ${#existing[@]} files clean"
