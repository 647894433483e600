#!/usr/bin/env bash
# Keeps the translations in translations/ in step with the sources, with Qt's lupdate.
#   scripts/translations.sh             after texts changed in the code: every .ts file gains the
#                                       new texts (unfinished, to be translated) and loses the
#                                       ones no longer used
#   scripts/translations.sh add LANG    starts a new language, e.g. "pl" or "pt_PT"
#   scripts/translations.sh check DIR   what the test does to its copies of the .ts files in DIR:
#                                       as the first, but a text no longer used stays, marked
#                                       "vanished", for the test to find
# English has a file of its own that holds only the texts with plural forms (%n).
set -euo pipefail
folder=
[[ ${1:-} == check ]] && folder=$(realpath "${2:?a folder}")
cd "$(dirname "$0")/.."

lupdate=${LUPDATE:-}
if [[ -z $lupdate ]]; then
    bins=$(qtpaths6 --query QT_INSTALL_BINS 2>/dev/null || qmake6 -query QT_INSTALL_BINS 2>/dev/null ||
        true)
    lupdate=${bins:+$bins/}lupdate
fi
command -v "$lupdate" >/dev/null || { echo "missing: Qt's lupdate (qt6-l10n-tools)" >&2; exit 2; }

# Every folder whose code shows texts; core/ has none (it holds no Qt).
readonly SOURCES=(app module platform settings_file settings_window timer_window)

# update [-no-obsolete] FILE...
update() {
    local options=(-silent -locations none -source-language en -extensions cpp,h)
    if [[ $1 == -no-obsolete ]]; then
        options+=("$1")
        shift
    fi
    local file
    for file in "$@"; do
        local only_plurals=()
        [[ $(basename "$file") == tavrio_en.ts ]] && only_plurals=(-pluralonly)
        # No line numbers: a change of code elsewhere in a file leaves the translations unchanged.
        "$lupdate" "${options[@]}" "${only_plurals[@]}" "${SOURCES[@]}" -ts "$file"
    done
}

case ${1:-} in
'') update -no-obsolete translations/tavrio_*.ts ;;
check) update "$folder"/tavrio_*.ts ;;
add)
    language=${2:?a language, e.g. pl or pt_PT}
    [[ -e translations/tavrio_$language.ts ]] && { echo "tavrio_$language.ts exists" >&2; exit 1; }
    update -no-obsolete "translations/tavrio_$language.ts"
    echo "translations/tavrio_$language.ts: translate it (e.g. with linguist), then build and test"
    ;;
*)
    sed -n '2,10p' "$0" >&2
    exit 2
    ;;
esac
