#!/usr/bin/env bash
# The Debian package CPack makes from the build: it holds the program, the launcher, the
# metainfo, the icons and the manual page, depends on the Qt libraries the program links, and
# lintian finds no error and no warning in it (the other tags it finds are shown).
#   debian_package.sh BUILD-DIR
set -euo pipefail
build=${1:?usage: debian_package.sh BUILD-DIR}
out=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-deb.XXXXXX")
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
package=$(find "$out" -maxdepth 1 -name 'tavrio_*.deb' | head -n 1)
[[ -n $package ]] || { echo "no package made"; cat "$out/cpack.log"; exit 1; }

failures=0
contents=$(dpkg-deb --contents "$package" | awk '{ print $6 }')
for file in ./usr/bin/tavrio \
    ./usr/share/applications/org.tavrio.Tavrio.desktop \
    ./usr/share/metainfo/org.tavrio.Tavrio.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.tavrio.Tavrio.png \
    ./usr/share/icons/hicolor/scalable/apps/org.tavrio.Tavrio.svg \
    ./usr/share/man/man1/tavrio.1.gz; do
    if grep -qxF "$file" <<<"$contents"; then
        echo "ok - the package holds $file"
    else
        echo "not ok - the package holds $file"
        failures=$((failures + 1))
    fi
done
depends=$(dpkg-deb --field "$package" Depends)
if grep -q 'libqt6widgets6' <<<"$depends"; then
    echo "ok - it depends on the Qt libraries ($depends)"
else
    echo "not ok - it depends on the Qt libraries ($depends)"
    failures=$((failures + 1))
fi
version=$(dpkg-deb --field "$package" Version)
if [[ $version == 1.2.0* ]]; then
    echo "ok - version $version"
else
    echo "not ok - version $version"
    failures=$((failures + 1))
fi
if lintian --fail-on error,warning --display-info --pedantic "$package" >"$out/lintian.log" 2>&1
then
    echo "ok - lintian finds no error and no warning"
else
    echo "not ok - lintian finds no error and no warning"
    failures=$((failures + 1))
fi
sed 's/^/    /' "$out/lintian.log"
exit $((failures > 0))
