#!/usr/bin/env bash
# The command line from a terminal: --version, an unknown option and a --target that does not read
# without a display; on a display --settings with one of Qt's own options that would otherwise set
# the caption, and --target, --title and --new in a new start and in a later one.
source "$(dirname "$0")/lib.sh" "$@"

note "without a display"
check_eq "--version names the version" "$(env -u DISPLAY "$TAVRIO" --version)" "Tavrio 1.2.0"
status=0
message=$(env -u DISPLAY "$TAVRIO" --no-such-option 2>&1 >/dev/null) || status=$?
check_eq "an unknown option ends with status 2" "$status" 2
check "and names the option ($message)" grep -q -- "no-such-option" <<<"$message"

write_settings What=Exam tvDate=2099-12-24 tvTime=17:00:00
cp "$SETTINGS_FILE" "$E2E_DIR/before.conf"
status=0
message=$(env -u DISPLAY "$TAVRIO" --target "friday at" 2>&1 >/dev/null) || status=$?
check_eq "a --target that does not read ends with status 2" "$status" 2
check "and names the text ($message)" grep -qF '"friday at"' <<<"$message"
check "the settings file is byte for byte as it was" cmp -s "$SETTINGS_FILE" "$E2E_DIR/before.conf"
write_settings

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

caption_is() { [[ $(window_property "$TAVRIO_WINDOW" _NET_WM_NAME) == "\"$TIMER_CAPTION$1\"" ]]; }
# later ARGUMENT...: a later start, as from a launcher; its output in LATER, its status in STATUS.
later() {
    STATUS=0
    LATER=$(timeout 30 env "${TAVRIO_ENV[@]}" "$TAVRIO" "$@" 2>&1) || STATUS=$?
}

note "--target and --title in a new start"
write_settings
start_tavrio --title Exam --target "24 dec 2099 5pm"
check "the moment is printed" grep -qx 2099-12-24T17:00:00 "$E2E_DIR/tavrio.log"
check_eq "the target date is stored" "$(read_setting tvDate)" 2099-12-24
check_eq "the target time is stored" "$(read_setting tvTime)" 17:00:00
check "the caption names the title" caption_is Exam

note "--target and --title handed to the running Tavrio"
later --title Lunch --target "2099-06-01 12:30"
check_eq "the later start prints the moment" "$LATER" 2099-06-01T12:30:00
check "the running one's caption names the new title" caption_is Lunch
days_left() { echo $((($(date -d '2099-06-01 12:30' +%s) - $(date +%s)) / 86400)); }
before=$(days_left) printed=$("$TAVRIO" --print) after=$(days_left)
check "a following --print counts to it ($printed)" \
    test "${printed%%:*}" -ge "$after" -a "${printed%%:*}" -le "$before"
later --target "friday at"
check_eq "one that does not read ends with status 2" "$STATUS" 2
check "and the running one keeps its title" caption_is Lunch
check_eq "and its stored target" "$(read_setting tvDate)" 2099-06-01

note "--new --title Tea --target \"in 4 min\": a kitchen timer"
later --new --title Tea --target "in 4 min"
check_eq "the later start ends with success ($LATER)" "$STATUS" 0
tea_shown() {
    xdotool search --onlyvisible --pid "$TAVRIO_PID" --name "^${TIMER_CAPTION}Tea\$" >/dev/null
}
wait_until 10 "a timer window for Tea" tea_shown
check "the first countdown keeps its title" caption_is Lunch
check "Tea has a group of its own" grep -qx What=Tea "$SETTINGS_FILE"
stop_tavrio

finish
