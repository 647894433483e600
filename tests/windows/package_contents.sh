#!/usr/bin/env bash
# What the zip of the Windows build ships, unpacked: no larger than a stripped build, no debug
# information in any program or library, Qt's translations for Tavrio's languages and no others,
# and every licence file the notice names.
#   package_contents.sh ZIP SOURCE_FOLDER
set -euo pipefail
zip=$(realpath "${1:?the zip}")
source_folder=$(realpath "${2:?the source folder}")
DIR=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-zip.XXXXXX")
trap 'rm -rf "$DIR"' EXIT
FAILURES=0
check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what" && FAILURES=$((FAILURES + 1)); fi
}
(cd "$DIR" && unzip -q "$zip")
folder=$(echo "$DIR"/*/)

# Unstripped, the libraries alone took 68 MB.
size=$(du -sb "$folder" | cut -f1)
check "unpacked, $((size / 1000000)) MB, no more than 40 MB" test "$size" -le 40000000
with_debug_sections() {
    local file
    while IFS= read -r -d '' file; do
        if [[ $(x86_64-w64-mingw32-objdump -h "$file") == *' .debug_'* ]]; then
            echo "${file#"$folder"}"
        fi
    done < <(find "$folder" \( -iname '*.dll' -o -iname '*.exe' \) -print0)
}
debug=$(with_debug_sections | tr '\n' ' ')
check "no program or library with debug sections: $debug" test -z "$debug"

wanted=$(cd "$source_folder/translations" && ls tavrio_*.ts |
    sed 's/^tavrio_\(.*\)\.ts$/qtbase_\1.qm/' | grep -vx qtbase_en.qm | sort)
check "Qt's translations for Tavrio's languages alone" \
    test "$(cd "$folder/translations" && ls | sort)" == "$wanted"

named=$(grep -o 'licenses/[A-Za-z0-9._-]*\.txt' "$folder/NOTICE.txt" | sort -u)
missing() {
    local file
    for file in LICENSE.txt $named; do [[ -s $folder/$file ]] || echo "$file"; done
}
unshipped=$(missing)
check "the notice names licence files ($(echo $named)), each shipped: missing $unshipped" \
    test -z "$unshipped"

((FAILURES == 0)) || { echo "$FAILURES checks failed" >&2; exit 1; }
