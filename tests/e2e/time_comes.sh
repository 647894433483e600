#!/usr/bin/env bash
# When the time comes, end to end: the notification (with Open Settings, pressed on the stand-in
# notification service) and the sound (a stand-in for libcanberra) come once, the display counts
# up, and a daily target moves a day ahead in the settings file. The clock is Tavrio's alone to
# jump (libfaketime, offset from the real one by what $CLOCK holds): forward as after a sleep, and
# back, which announces nothing again. The display is read in words, as a screen reader reads it.
source "$(dirname "$0")/lib.sh" "$@"

readonly SINK=${E2E_TOOLS[0]:?usage: time_comes.sh TAVRIO PROBE NOTIFICATION-SINK FAKE-CANBERRA-DIR}
readonly NOTIFICATIONS=$E2E_DIR/notifications.log SOUNDS=$E2E_DIR/sounds.log CLOCK=$E2E_DIR/clock
faketime=$(compgen -G '/usr/lib/*/faketime/libfaketime.so.1' | head -n 1) ||
    fail "missing: libfaketime (scripts/setup.sh test)"
TAVRIO_ENV=("LD_PRELOAD=$faketime" "FAKETIME_TIMESTAMP_FILE=$CLOCK" FAKETIME_NO_CACHE=1
    FAKETIME_DONT_FAKE_MONOTONIC=1 "LD_LIBRARY_PATH=${E2E_TOOLS[1]}" "TAVRIO_FAKE_SOUND_LOG=$SOUNDS"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)

start_display
start_accessibility_bus
"$SINK" --actions >"$NOTIFICATIONS" 2>>"$E2E_DIR/sink.log" &
E2E_PIDS+=($!)
sink_ready() { grep -qx ready "$NOTIFICATIONS"; }
wait_until 10 "the stand-in notification service to take its name" sink_ready

# clock SECONDS: Tavrio's clock that far ahead of the real one from now on.
clock() { echo "+$1" >"$CLOCK"; }
lines() { grep -c "$1" "$2" || true; }
at_least() { (($(lines "$1" "$2") >= $3)); }
# says PATTERN: the countdown's words, in SPOKEN, match the pattern (grep -P); check_says WHAT
# PATTERN: they do at the next tick or within seconds.
SPOKEN=
says() {
    SPOKEN=$(/usr/bin/python3 "$ATSPI_TREE" texts "$TAVRIO_PID" 2>/dev/null | awk -F '\t' '
        $1 == 2 && $2 == "label" { print $3; exit }')
    grep -qP "$1" <<<"$SPOKEN"
}
check_says() {
    local deadline=$((SECONDS + 5))
    until says "$2" || ((SECONDS >= deadline)); do sleep 0.05; done
    check "$1 ($SPOKEN)" grep -qP "$2" <<<"$SPOKEN"
}
# Tavrio ended, and the stand-in has handled everything sent to it: the counts are final.
all_in() {
    terminate_tavrio
    "$SINK" --ping 2>>"$E2E_DIR/sink.log" || fail "the stand-in notification service did not answer"
}
# start_with_target SECONDS KEY=VALUE...: a target that many seconds ahead, on that moment's date.
start_with_target() {
    TARGET_AT=$(($(date +%s) + $1))
    clock 0
    : >"$SOUNDS"
    write_settings "What=Launch" "tvDate=$(date +%F -d "@$TARGET_AT")" \
        "tvTime=$(date +%T -d "@$TARGET_AT")" tvSound=True FontSize=24 Width=6000 Height=2400 "${@:2}"
    start_tavrio
}

note "two seconds ahead, with the sound, counting up"
start_with_target 2 tvAfter=1
wait_until 10 "the notification" at_least '^Tavrio	' "$NOTIFICATIONS" 1
wait_until 10 "the sound" at_least '^play alarm-clock-elapsed$' "$SOUNDS" 1
check "it offers Open Settings" grep -q '	settings=Open Settings	' "$NOTIFICATIONS"
clock 70
check_says "after the first minute the display counts up" '^1 minute, \d+ seconds since$'
printed=$(env -u DISPLAY "${TAVRIO_ENV[@]}" "$TAVRIO" --print)
check "and prints as it shows ($printed)" grep -qxE '\+0:00:01:[0-5][0-9]' <<<"$printed"
"$SINK" --press "$(tail -n 1 "$NOTIFICATIONS" | cut -f5)" settings ||
    fail "could not press Open Settings"
settings_shown() { [[ -n $(settings_window) ]]; }
wait_until 10 "Open Settings to open the settings window" settings_shown
all_in
check_eq "one notification" "$(lines '^Tavrio	' "$NOTIFICATIONS")" 1
check_eq "one sound" "$(lines '^play ' "$SOUNDS")" 1

note "a daily target"
start_with_target 2 tvRepeat=1
wait_until 10 "the notification" at_least '^Tavrio	' "$NOTIFICATIONS" 2
clock 70
check_says "after the first minute it counts to the next day" '^23 hours, 58 minutes(, \d+ seconds?)? left$'
check_setting_soon "the stored date moves a day ahead" tvDate "$(date +%F -d "@$((TARGET_AT + 86400))")"
all_in
check_eq "one notification more" "$(lines '^Tavrio	' "$NOTIFICATIONS")" 2
check_eq "one sound" "$(lines '^play ' "$SOUNDS")" 1

note "the clock jumps over the target, back before it, and over it again"
start_with_target 3600
clock 7200
check_says "a jump forward shows the moment at the next tick" '^Congrats!!!$'
wait_until 10 "the notification" at_least '^Tavrio	' "$NOTIFICATIONS" 3
clock 0
check_says "a jump back counts down again" '^(59 minutes, \d+ seconds?|1 hour) left$'
clock 7200
check_says "and the target passes once more" '^Congrats!!!$'
all_in
check_eq "it was announced once" "$(lines '^Tavrio	' "$NOTIFICATIONS")" 3
check_eq "and played once" "$(lines '^play ' "$SOUNDS")" 1

finish
