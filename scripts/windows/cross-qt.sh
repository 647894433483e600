#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source (the version the machine's
# host tools have), and GoogleTest beside it, into a cache folder outside the repository:
#   ${TAVRIO_CACHE:-${XDG_CACHE_HOME:-~/.cache}/tavrio}/<version and options>/{qt,gtest}
# Prints that folder. A folder is used only once its "complete" mark is there, so an
# interrupted build starts again from scratch. Needs the packages of `scripts/setup.sh test`.
# About 45 minutes of two cores the first time; nothing afterwards.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../../cmake/mingw-w64-x86_64.cmake

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_androiddeployqt=OFF
)
key=$(printf '%s\n' "$qt_version" "${qt_options[@]}" | sha256sum | cut -c1-12)
cache=${TAVRIO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavrio}/qt-${qt_version%%+*}-mingw-$key
if [[ -f $cache/complete ]]; then
    echo "$cache"
    exit 0
fi

log() { echo "cross-qt: $*" >&2; }
rm -rf "$cache"
mkdir -p "$cache"
work=$(mktemp -d "$cache.work.XXXXXX")
trap 'rm -rf "$work"' EXIT

# deb-src entries derived from the machine's own deb entries, in a private apt state: the
# machine's apt configuration and lists stay as they are.
fetch_source() {
    local apt=$work/apt
    mkdir -p "$apt/sources.list.d" "$apt/lists/partial"
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$apt/sources.list.d/$(basename "$file")"
    done
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt/sources.list.d/main.list"
    fi
    local options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
        -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
        -o "APT::Sandbox::User=root")
    apt-get "${options[@]}" -qq update
    (cd "$work" && apt-get "${options[@]}" -qq source --download-only "qt6-base=$qt_version")
    # Unpacking a "3.0 (quilt)" source applies Debian's patches too.
    dpkg-source --no-check -x "$work"/qt6-base_*.dsc "$work/src" >/dev/null 2>&1
}

log "fetching qt6-base $qt_version"
fetch_source
log "configuring (log: $cache/build.log)"
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$cache/qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_options[@]}" \
    >"$cache/build.log" 2>&1
log "building: about 45 minutes of two cores, once"
cmake --build "$work/build" -j "$(nproc)" >>"$cache/build.log" 2>&1
cmake --install "$work/build" >>"$cache/build.log" 2>&1

log "building GoogleTest"
cmake -S /usr/src/googletest -B "$work/gtest" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache/gtest" -Dgtest_disable_pthreads=OFF \
    >>"$cache/build.log" 2>&1
cmake --build "$work/gtest" >>"$cache/build.log" 2>&1
cmake --install "$work/gtest" >>"$cache/build.log" 2>&1

# Qt's own translations are the same on every system: the host's (qt6-translations-l10n), where
# the cross-built Qt looks for them.
mkdir -p "$cache/qt/translations"
cp /usr/share/qt6/translations/qtbase_*.qm "$cache/qt/translations"

touch "$cache/complete"
echo "$cache"
