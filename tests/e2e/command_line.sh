#!/usr/bin/env bash
# The command line from a terminal: --version and an unknown option without a display, and on a
# display --settings with one of Qt's own options that would otherwise set the caption.
source "$(dirname "$0")/lib.sh" "$@"

note "without a display"
check_eq "--version names the version" "$(env -u DISPLAY "$TAVRIO" --version)" "Tavrio 1.2.0"
status=0
message=$(env -u DISPLAY "$TAVRIO" --no-such-option 2>&1 >/dev/null) || status=$?
check_eq "an unknown option ends with status 2" "$status" 2
check "and names the option ($message)" grep -q -- "no-such-option" <<<"$message"

note "--settings, with Qt's -qwindowtitle"
start_display
start_tavrio -qwindowtitle Elsewhere --settings
check_eq "the caption still names the event" "$(window_property "$TAVRIO_WINDOW" _NET_WM_NAME)" \
    '"Tavrio To ??"'
settings_shown() {
    xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name '^Tavrio Settings v1\.2\.0$' \
        >/dev/null 2>&1
}
wait_until 10 "the settings window to open with the timer window" settings_shown
pass_check "the settings window opens as well"
stop_tavrio

finish
