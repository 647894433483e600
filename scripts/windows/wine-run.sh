#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: ctest's emulator for the test programs, and the
# end-to-end tests' way to start Tavrio.exe. Wine keeps Unix QT_* variables from Windows programs
# (a Linux Qt's settings would mislead a Windows Qt); the ones meant for the program are handed on
# under the names Wine passes as they are (WINEQT_*).
#   wine-run.sh PREFIX DLL-FOLDERS PROGRAM [ARGUMENT...]
# PREFIX is the private Wine prefix; DLL-FOLDERS the Unix folders of the DLLs the program needs
# (Qt's, the compiler's runtime), separated by ":".
set -euo pipefail
export WINEPREFIX=$1
WINEPATH=
IFS=: read -ra folders <<<"$2"
for folder in "${folders[@]}"; do
    WINEPATH+="${WINEPATH:+;}Z:${folder//\//\\}"
done
export WINEPATH
shift 2
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Mono or Gecko, which the tests do not use.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Qt Test writes to the debugger's output when there is no console.
export WINEQT_FORCE_STDERR_LOGGING=1
for name in $(compgen -e); do
    if [[ $name == QT_* ]]; then
        export "WINE$name=${!name}"
    fi
done
exec wine "$@"
