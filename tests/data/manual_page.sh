#!/usr/bin/env bash
# The manual page as man and mandb read it: no warning from groff, a NAME line that lexgrog
# parses, and the same options as the program's --help.
#   manual_page.sh TAVRIO PAGE.1.gz
set -euo pipefail
tavrio=${1:?usage: manual_page.sh TAVRIO PAGE.1.gz} page=${2:?manual page}
failures=0
report() {
    if [[ $2 == yes ]]; then
        echo "ok - $1"
    else
        echo "not ok - $1"
        failures=$((failures + 1))
    fi
}

warnings=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
report "man --warnings has nothing to say${warnings:+: $warnings}" \
    "$([[ -z $warnings ]] && echo yes)"
whatis=$(lexgrog "$page") && parsed=yes || parsed=no
report "lexgrog reads its NAME: $whatis" $parsed
# Long options, as the page's OPTIONS spell them in roff (\-\-print) and as --help lists them.
documented=$(zcat "$page" | sed -n '/^\.SH OPTIONS/,/^\.SH /p' | grep -oE -- '\\-\\-[a-z]+' |
    tr -d '\\' | sort -u | xargs)
offered=$(LANGUAGE=en "$tavrio" --help | grep -oE -- '--[a-z]+' | sort -u | xargs)
report "it names the options of --help ($offered; it names $documented)" \
    "$([[ $documented == "$offered" ]] && echo yes)"
exit $((failures > 0))
