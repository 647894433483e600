#!/usr/bin/env bash
# tavrio --print: the countdown for the stored target as a line of text, with no display, for a
# target the user typed into the settings window; --watch a line every second; the time since the
# target or to a repeating target's next occurrence where the user chose so; a settings file that
# cannot be read is an error, not a countdown.
source "$(dirname "$0")/lib.sh" "$@"

readonly TWIPS_PER_PIXEL=15

# print_text [ARGUMENT...]: what tavrio --print writes, run as from a terminal with no display.
print_text() {
    env -u DISPLAY "$TAVRIO" --print "$@"
}

note "nothing stored yet"
write_settings
check_eq "it prints what the window shows with no target" "$(print_text)" "Double Click Me"

note "a target typed into the settings window"
start_display
start_tavrio
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
xdotool mousemove $((x + 10)) $((y + 10)) click --repeat 2 --delay 80 1
settings_shown() {
    SETTINGS_WINDOW=$(settings_window)
    [[ -n $SETTINGS_WINDOW ]]
}
wait_until 10 "the settings window to open on a double-click" settings_shown
# Out of the timer window's way, so that clicks meant for the settings window land on it.
xdotool windowmove --sync "$SETTINGS_WINDOW" 700 100
read -r sx sy swidth sheight < <(client_geometry "$SETTINGS_WINDOW")
# click_field LEFT TOP: a click into the text box whose design place (in twips) is given.
click_field() {
    click $((sx + $1 / TWIPS_PER_PIXEL + 8)) $((sy + $2 / TWIPS_PER_PIXEL + 8))
}
target_day=$(date +%F -d '+3 days')
click_field 240 1320 # the date box
xdotool key ctrl+a type --delay 30 "$target_day"
stored_date() { [[ -n $(read_setting tvDate) ]]; }
timeout 10 xdotool windowactivate --sync "$SETTINGS_WINDOW" key Alt_L+F4 2>/dev/null ||
    fail "could not close the settings window"
wait_until 10 "the target to be stored as the settings window closes" stored_date
stop_tavrio

# Three days ahead at midnight: two whole days and some hours are left (one day and some, once a
# midnight has passed since the date was typed).
readonly LEFT='[12]:[0-2][0-9]:[0-5][0-9]:[0-5][0-9]'
text=$(print_text)
check "it prints the days, hours, minutes and seconds left ($text)" grep -qxE "$LEFT" <<<"$text"
status=0
print_text >/dev/null || status=$?
check_eq "and ends with success" "$status" 0

note "--watch"
lines=$(timeout 3.6 env -u DISPLAY "$TAVRIO" --print --watch || true)
count=$(wc -l <<<"$lines")
check "it prints a line every second ($count lines in 3.6 s)" test "$count" -ge 4 -a "$count" -le 5
check "every line a countdown" test "$(grep -cxE "$LEFT" <<<"$lines")" -eq "$count"
check "each line a different second" test "$(sort -u <<<"$lines" | wc -l)" -ge "$((count - 1))"

note "a target that has passed"
write_settings "tvDate=2001-09-10" "tvTime=6:00:00 PM"
check_eq "it prints what the window shows when the time has come" "$(print_text)" "Congrats!!!"

note "counting up, a repeating target, and choices that do not read"
# target_ago SECONDS: the stored target that many seconds ago, on that moment's own date.
target_ago() {
    local at=$(($(date +%s) - $1))
    echo "tvDate=$(date +%F -d "@$at")" "tvTime=$(date +%T -d "@$at")"
}
read -ra TARGET < <(target_ago $((2 * 3600 + 120)))
write_settings "${TARGET[@]}" "tvAfter=1"
text=$(print_text)
check "count up prints the time since the target ($text)" grep -qxE '\+0:02:0[23]:[0-5][0-9]' <<<"$text"
write_settings "${TARGET[@]}" "tvRepeat=1" "tvAfter=1"
before=$(cat "$SETTINGS_FILE")
text=$(print_text)
check "a daily target prints the time to its next occurrence ($text)" \
    grep -qxE '0:21:5[78]:[0-5][0-9]' <<<"$text"
check_eq "and moves nothing in the file" "$(cat "$SETTINGS_FILE")" "$before"
write_settings "${TARGET[@]}" "tvRepeat=9" "tvAfter=up"
check_eq "choices that do not read are the defaults" "$(print_text)" "Congrats!!!"

note "a settings file that cannot be read"
rm -f "$SETTINGS_FILE"
mkdir -p "$SETTINGS_FILE"
status=0
message=$(print_text 2>&1 >/dev/null) || status=$?
check "it fails with a non-zero status ($status)" test "$status" -ne 0
check "and says which file and why ($message)" grep -q "Tavrio.conf" <<<"$message"
rmdir "$SETTINGS_FILE"

finish
