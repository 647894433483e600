#!/usr/bin/env bash
# The title typed into the settings window on a disk that is slow to sync (every fsync and
# fdatasync made 30 ms longer): the caption follows the keys, a kill -9 while typing leaves a
# whole settings file whose title is the start of what was typed, and Exit right after typing
# leaves the whole title stored. On a disk that takes longer than the program waits at its end,
# Exit says what it could not save and ends with failure; so it does after a write that failed.
#   title_on_a_slow_disk.sh TAVRIO PROBE SLOW_SYNC_LIBRARY
source "$(dirname "$0")/lib.sh" "$@"

SLOW_SYNC=$(realpath "${E2E_TOOLS[0]:?the slow-sync library}")
readonly SLOW_SYNC TWIPS_PER_PIXEL=15
readonly TITLE="Summer party at the lake house at eight!"

start_display

# start_on_slow_disk [DELAY]: Tavrio with the slow-sync library (30 ms unless given), on an empty
# store; the settings window opened with a double-click, moved out of the timer window's way, and
# its title box focused.
start_on_slow_disk() {
    write_settings
    LD_PRELOAD=$SLOW_SYNC TAVRIO_SYNC_DELAY_MS=${1:-30} start_tavrio
    read -r x y _ _ < <(client_geometry "$TAVRIO_WINDOW")
    xdotool mousemove $((x + 10)) $((y + 10)) click --repeat 2 --delay 80 1
    wait_until 10 "the settings window to open on a double-click" settings_shown
    xdotool windowmove --sync "$SETTINGS_WINDOW" 700 100
    read -r sx sy _ _ < <(client_geometry "$SETTINGS_WINDOW")
    # The title box's design place, in twips: 240, 480.
    click $((sx + 240 / TWIPS_PER_PIXEL + 8)) $((sy + 480 / TWIPS_PER_PIXEL + 8))
}

settings_shown() {
    SETTINGS_WINDOW=$(settings_window)
    [[ -n $SETTINGS_WINDOW ]]
}

caption() {
    window_property "$TAVRIO_WINDOW" _NET_WM_NAME
}

# Whole: Qt reads it without complaint (--print fails on a damaged file), and it ends where a
# line ends, as every file Tavrio writes does.
file_whole() {
    env -u DISPLAY "$TAVRIO" --print >/dev/null 2>"$E2E_DIR/print.log" &&
        [[ $(tail -c 1 "$SETTINGS_FILE" | od -An -c | tr -d ' ') == '\n' ]]
}

# The stored title; a title that starts or ends with a blank is stored in quotes.
stored_title() {
    local text
    text=$(read_setting What) || return 1
    [[ $text == \"*\" ]] && text=${text:1:-1}
    printf '%s\n' "$text"
}

note "kill -9 while typing"
start_on_slow_disk
xdotool type --delay 100 "$TITLE" &
typist=$!
E2E_PIDS+=("$typist")
typed_some() { [[ $(caption) == '"Tavrio To '"${TITLE:0:15}"* ]] && read_setting What >/dev/null; }
wait_until 20 "a third of the title to be typed and some of it stored" typed_some
kill -9 "$TAVRIO_PID"
wait "$TAVRIO_PID" 2>/dev/null || true
TAVRIO_PID=
wait "$typist" 2>/dev/null || true
check "the settings file is whole" file_whole
stored=$(stored_title || true)
check "the stored title \"$stored\" is the start of what was typed" \
    test -n "$stored" -a "${TITLE:0:${#stored}}" == "$stored"

# exit_by_menu_status: chooses Exit from the timer window's menu by its mnemonic, waits for the
# end, and leaves the exit status in STATUS.
exit_by_menu_status() {
    local x y
    read -r x y _ _ < <(client_geometry "$TAVRIO_WINDOW")
    local menus_before
    menus_before=$(xdotool search --onlyvisible --pid "$TAVRIO_PID" 2>/dev/null | wc -l)
    xdotool mousemove $((x + 10)) $((y + 10)) click 3
    menu_open() { (($(xdotool search --onlyvisible --pid "$TAVRIO_PID" 2>/dev/null | wc -l) > menus_before)); }
    wait_until 10 "the timer window's menu to open" menu_open
    xdotool key x
    wait_until 20 "Tavrio to end after Exit" tavrio_ended
    STATUS=0
    wait "$TAVRIO_PID" || STATUS=$?
    TAVRIO_PID=
}

note "Exit right after typing"
start_on_slow_disk
xdotool type --delay 100 "$TITLE"
whole_caption() { [[ $(caption) == "\"Tavrio To $TITLE\"" ]]; }
wait_until 10 "the caption to show the whole title" whole_caption
pass_check "the caption follows the keys"
exit_by_menu_status
check_eq "Exit ends the program with success" "$STATUS" 0
check_eq "the whole title is stored" "$(stored_title)" "$TITLE"
check "the settings file is whole" file_whole

note "Exit while the disk has not taken the title"
start_on_slow_disk 8000
xdotool type "P"
typed() { [[ $(caption) == '"Tavrio To P"' ]]; }
wait_until 10 "the caption to show the title" typed
exit_by_menu_status
check_eq "Exit ends the program with failure" "$STATUS" 1
check "and says what it could not save" grep -q 'could not save the title ("What")' \
    "$E2E_DIR/tavrio.log"

note "Exit after a write that failed"
# A file where the settings' folder would be: every write fails.
rm -rf "$XDG_CONFIG_HOME/Tavrio" && : >"$XDG_CONFIG_HOME/Tavrio"
start_tavrio
read -r x y _ _ < <(client_geometry "$TAVRIO_WINDOW")
xdotool mousemove $((x + 10)) $((y + 10)) click --repeat 2 --delay 80 1
wait_until 10 "the settings window to open" settings_window_active
xdotool type "P"
message() { xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name '^Tavrio$' 2>/dev/null; }
wait_until 10 "the message that the title could not be saved" message
xdotool key Return
gone() { [[ -z $(message) ]]; }
wait_until 10 "the message to close" gone
exit_by_menu_status
check_eq "Exit ends the program with failure" "$STATUS" 1

finish
