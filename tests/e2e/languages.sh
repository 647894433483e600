#!/usr/bin/env bash
# Tavrio in German and in Russian, as a user with LANGUAGE set gets it: the command line (with
# Qt's own words in --help), --print, the timer window's caption, the settings window, and the
# pop-up menu, whose translated mnemonic ends the program. The regional forms stay those of the
# locale (C here). E2E_SHOT_DIR=folder keeps a screenshot of each settings window, to look at.
source "$(dirname "$0")/lib.sh" "$@"

# check_language LANGUAGE CAPTION SETTINGS NO_TARGET USAGE DESCRIPTION EXIT_KEY
check_language() {
    local language=$1 caption=$2 settings=$3 no_target=$4 usage=$5 description=$6 exit_key=$7
    note "LANGUAGE=$language"
    check_eq "--print prints the window's text in the language" \
        "$(LANGUAGE=$language env -u DISPLAY "$TAVRIO" --print)" "$no_target"
    local help
    help=$(LANGUAGE=$language env -u DISPLAY "$TAVRIO" --help)
    check_eq "--help's usage line is Qt's, translated" "$(sed -n 1p <<<"$help")" "$usage"
    check_eq "--help describes Tavrio in the language" "$(sed -n 2p <<<"$help")" "$description"
    check_eq "--version stays as it is" "$(LANGUAGE=$language env -u DISPLAY "$TAVRIO" --version)" \
        "Tavrio 1.2.0"

    TIMER_CAPTION=$caption
    # A small countdown, so that the timer window, kept above, leaves the settings window free.
    write_settings "FontSize=12"
    TAVRIO_ENV=("LANGUAGE=$language")
    start_tavrio
    TAVRIO_ENV=()
    check_eq "the timer window's caption is in the language" \
        "$(window_property "$TAVRIO_WINDOW" _NET_WM_NAME)" "\"$caption??\""

    local x y width height
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    xdotool mousemove $((x + 10)) $((y + 10)) click --repeat 2 --delay 80 1
    settings_window=
    settings_shown() {
        settings_window=$({ xdotool search --all --onlyvisible --pid "$TAVRIO_PID" \
            --name "^$settings v1\\.2\\.0\$" 2>/dev/null || true; } | head -n 1)
        [[ -n $settings_window ]] && is_viewable "$settings_window"
    }
    wait_until 10 "the settings window \"$settings v1.2.0\"" settings_shown
    pass_check "the settings window's caption is in the language"
    xdotool windowmove --sync "$settings_window" 900 100
    if [[ -n ${E2E_SHOT_DIR:-} ]]; then
        local sx sy
        read -r sx sy width height < <(client_geometry "$settings_window")
        drawn() { [[ $(probe dominant "$sx" "$sy" "$width" "$height") != 000000 ]]; }
        wait_until 10 "the settings window to be drawn" drawn
        probe shot "$E2E_SHOT_DIR/settings-$language.png" "$sx" "$sy" "$width" "$height"
    fi

    # The settings window stays open, beside the timer window: Exit ends both.
    exit_by_menu "$exit_key"
    pass_check "Exit, by its mnemonic in the language, ends the program with success"
}

start_display
# A key of the US keyboard made to type the Cyrillic letter of the Russian Exit's mnemonic, before
# anything runs: xdotool would map one itself while the menu is open, and openbox, reloading its
# key bindings for the new map, could drop the key.
xmodmap -e "keycode 248 = Cyrillic_ve Cyrillic_VE" || fail "could not map a key to Cyrillic_ve"
cyrillic_mapped() { xmodmap -pk | grep -q Cyrillic_ve; }
wait_until 10 "the Cyrillic key to be mapped" cyrillic_mapped

check_language de 'Tavrio bis ' 'Tavrio-Einstellungen' 'Hier doppelklicken' \
    'Aufruf: tavrio [Optionen]' \
    'Zählt in einem durchscheinenden Fenster, das immer im Vordergrund bleibt, bis zu einem Datum und einer Uhrzeit herunter.' \
    b
check_language ru 'Tavrio — ' 'Настройки Tavrio' 'Дважды щёлкните здесь' \
    'Использование: tavrio [параметры]' \
    'Обратный отсчёт до заданных даты и времени в полупрозрачном окне поверх всех окон.' \
    Cyrillic_ve

finish
