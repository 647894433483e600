#!/usr/bin/env bash
# Installs the Debian packages Tavrio needs that this machine lacks.
#   scripts/setup.sh run    what building and running the program needs
#   scripts/setup.sh test   that, plus what the tests, the fuzzer and the format check need,
#                           and the Windows cross build with Wine to test it
# Installing needs root: as root apt-get runs directly, otherwise through sudo.
set -euo pipefail

# libcanberra-dev: the sound when the time comes (its header; the program loads the library only
# when it first plays).
run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev libxcb-xfixes0-dev
    libcanberra-dev
    qt6-l10n-tools qt6-translations-l10n
    fonts-liberation2
)
# fonts-wqy-microhei: the Chinese and Japanese texts are measured in a font that has them.
# lintian and man-db check the package and the manual page; libfaketime stops the clock for the
# screenshots.
test_packages=(
    libgtest-dev fonts-wqy-microhei
    clang libclang-rt-14-dev clang-format
    xvfb openbox xdotool x11-utils x11-apps x11-xserver-utils picom
    dbus-daemon dbus-bin desktop-file-utils appstream dpkg-dev file trayer
    at-spi2-core python3 python3-pyatspi
    lintian man-db libfaketime
)
# The Windows build: a cross compiler, Qt's source (fetched by apt), Wine to
# run the tests and the program, NSIS for the installer, and the locale sources
# (locales) from which the test under Wine makes the German locale it runs in.
windows_packages=(
    mingw-w64 g++-mingw-w64-x86-64-posix ninja-build dpkg-dev wine wine64 nsis zip unzip
    locales
)

profile=${1:-run}
packages=("${run_packages[@]}")
if [[ $profile == test ]]; then
    packages+=("${test_packages[@]}" "${windows_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Installing packages needs root or sudo." >&2; exit 1; }
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
