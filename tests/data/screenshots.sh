#!/usr/bin/env bash
# The screenshots that the metainfo names (the README shows one of them) show the program as it
# is: scripts/screenshots.sh makes them afresh, and each must match the one in docs/ by size and
# by its record (the size and caption of each window, and the texts the windows show), and be of
# the size the metainfo states.
#   screenshots.sh BUILD-DIR SOURCE-DIR
set -euo pipefail
build=${1:?usage: screenshots.sh BUILD-DIR SOURCE-DIR} source=${2:?source folder}
metainfo=$build/data/org.tavrio.Tavrio.metainfo.xml
out=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-shots.XXXXXX")
trap 'rm -rf "$out"' EXIT

"$source/scripts/screenshots.sh" "$build" "$out" >"$out/log" 2>&1 || { cat "$out/log"; exit 1; }
record() { python3 "$source/scripts/png-record.py" read "$1"; }
failures=0
pictures=$(grep -oE '/[a-z-]+\.png</image>' "$metainfo" | sed 's|^/||; s|</image>$||')
[[ -n $pictures ]] || { echo "not ok - the metainfo names its screenshots"; exit 1; }
for name in $pictures; do
    if diff -u --label "docs/$name" --label "made now" <(record "$source/docs/$name") \
        <(record "$out/$name"); then
        echo "ok - docs/$name shows the program as it is"
    else
        echo "not ok - docs/$name shows the program as it is (scripts/screenshots.sh makes it anew)"
        failures=$((failures + 1))
    fi
    size=$(record "$source/docs/$name" | sed -n 1p)
    if grep -F "/$name<" "$metainfo" | grep -qF "width=\"${size%x*}\" height=\"${size#*x}\""; then
        echo "ok - the metainfo states the size of $name, $size"
    else
        echo "not ok - the metainfo states the size of $name, $size"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
