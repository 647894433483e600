#!/usr/bin/env bash
# The desktop notification when the time comes, against a stand-in notification service on a
# private session bus: one when the countdown passes the target, none again after a restart, one
# at start-up for a target that passed while Tavrio was not running, none when turned off, and
# no harm when no service is there.
source "$(dirname "$0")/lib.sh" "$@"

readonly SINK=${E2E_TOOLS[0]:?usage: notification.sh TAVRIO PROBE NOTIFICATION-SINK}
readonly NOTIFICATIONS=$E2E_DIR/notifications.log

start_display

address_file=$E2E_DIR/bus-address
dbus-daemon --session --nofork --nopidfile --address="unix:path=$E2E_DIR/bus" \
    --print-address=3 3>"$address_file" >"$E2E_DIR/dbus.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 "the private session bus to start" test -s "$address_file"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address_file")

SINK_PID=
start_sink() {
    : >"$NOTIFICATIONS"
    "$SINK" >"$NOTIFICATIONS" 2>>"$E2E_DIR/sink.log" &
    SINK_PID=$!
    E2E_PIDS+=("$SINK_PID")
    sink_ready() { grep -qx ready "$NOTIFICATIONS"; }
    wait_until 10 "the stand-in notification service to take its name" sink_ready
}
received() {
    grep -c "^Tavrio	" "$NOTIFICATIONS" || true
}
received_at_least() { (($(received) >= $1)); }
# Tavrio ended the ordinary way, and the stand-in has handled everything sent to it before: the
# count of notifications is final.
all_received() {
    terminate_tavrio
    "$SINK" --ping 2>>"$E2E_DIR/sink.log" || fail "the stand-in notification service did not answer"
}
# target_in SECONDS: TARGET holds the stored date and time of the moment that many seconds from
# now (ago, if negative), TARGET_AT that moment; the date is the moment's own, so that a midnight
# on the way changes nothing.
target_in() {
    TARGET_AT=$(($(date +%s) + $1))
    TARGET=("tvDate=$(date +%F -d "@$TARGET_AT")" "tvTime=$(date +%T -d "@$TARGET_AT")")
}
# past SECONDS: the clock has passed that moment (seconds since the epoch).
past() { (($(date +%s) >= $1)); }
# Tavrio has decided about the target that passed: it records the target as handled (announced,
# or not to be announced) when it decides.
decided() { read_setting tvNotified >/dev/null; }

start_sink

note "the countdown passes the target"
target_in 3
write_settings "What=Launch" "${TARGET[@]}"
start_tavrio
wait_until 10 "a notification when the time comes" received_at_least 1
# Two more seconds of "Congrats!!!", in which no second notification may come.
wait_until 10 "the clock to pass the target by two seconds" past $((TARGET_AT + 2))
announced=$(read_setting tvNotified) || fail "the announced target was not stored"
all_received
check_eq "exactly one notification" "$(received)" 1
check "it names the title ($(cut -f2- "$NOTIFICATIONS" | tail -n 1))" \
    grep -q "^Tavrio	Tavrio To Launch	.*Launch" "$NOTIFICATIONS"

note "restarted after the time came"
# Tavrio decides at its first display, before its window shows.
start_tavrio
all_received
check_eq "no second notification for the same target" "$(received)" 1

note "a target that passed while Tavrio was not running"
target_in -60
write_settings "What=Review" "${TARGET[@]}" "tvNotified=$announced"
start_tavrio
wait_until 10 "a notification at start-up" received_at_least 2
check "it names the new title" grep -q "^Tavrio	Tavrio To Review	" "$NOTIFICATIONS"
stop_tavrio

note "turned off"
target_in 2
write_settings "What=Quiet" "${TARGET[@]}" "tvNotify=False"
start_tavrio
wait_until 10 "Tavrio to decide about the target once it passed" decided
all_received
check_eq "no notification" "$(received)" 2

note "no notification service"
kill "$SINK_PID"
wait "$SINK_PID" 2>/dev/null || true
target_in 2
write_settings "What=Alone" "${TARGET[@]}"
start_tavrio
wait_until 10 "Tavrio to decide about the target once it passed" decided
check "Tavrio goes on counting without it" tavrio_running
check_eq "and still shows its window" "$(tavrio_window_of)" "$TAVRIO_WINDOW"
stop_tavrio

finish
