#!/usr/bin/env bash
# The Windows build, tested under Wine: cross-compiles Tavrio for 64-bit Windows with warnings as
# errors, against a Qt built once into a cache outside the repository (cross-qt.sh), runs the
# tests under Wine in a private prefix (the core and widget tests, and end-to-end checks of
# Tavrio.exe on a virtual display), packs the installer and the zip into build/windows, and checks
# what the zip holds (tests/windows/package_contents.sh).
# scripts/test.sh runs it after the Linux build; the packages come from scripts/setup.sh test.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=build/windows
jobs=$(nproc)

cache=$(scripts/windows/cross-qt.sh)
export TAVRIO_QT_PREFIX=$cache/qt TAVRIO_GTEST_PREFIX=$cache/gtest

runtime=$(echo /usr/lib/gcc/x86_64-w64-mingw32/*-posix):/usr/x86_64-w64-mingw32/lib
export WINEPREFIX=$root/$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A program under Wine, as ctest runs each test program: the prefix, Qt's and the runtime's DLLs.
emulator="$root/scripts/windows/wine-run.sh;$WINEPREFIX;$TAVRIO_QT_PREFIX/bin:$runtime"

# The prefix is made once, before builds that run programs in it, and whole before the lasting
# server is started for it (with a server started first, some test programs lost their
# connection to it). Wine's server and services are
# started here, apart from the pipes of the programs the build and ctest run (which would
# otherwise wait for the services that inherit them), and stopped at the end.
mkdir -p "$build"
if [[ ! -d $WINEPREFIX ]]; then
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1 &
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot </dev/null >/dev/null 2>&1

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIO_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$TAVRIO_QT_PREFIX;$TAVRIO_GTEST_PREFIX" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTAVRIO_LRELEASE=/usr/lib/qt6/bin/lrelease -DTAVRIO_LUPDATE=/usr/lib/qt6/bin/lupdate \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" -DTAVRIO_WINDOWS_RUNTIME="${runtime//:/;}"
cmake --build "$build" -j "$jobs"

# The widget tests draw on Qt's offscreen platform, which on Windows reads its fonts from one
# folder: the fonts the Linux tests use.
mkdir -p "$build/fonts"
ln -sf /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/wqy/*.ttc "$build/fonts"
export QT_QPA_FONTDIR="Z:$root/$build/fonts"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
(cd "$build" && cpack -G "NSIS;ZIP" >/dev/null)
tests/windows/package_contents.sh "$build"/Tavrio-*-win64.zip .
ls "$build"/Tavrio-*-win64.*
