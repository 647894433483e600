#!/usr/bin/env bash
# One Tavrio per user and display: a second start hands its request to the one running and ends
# with success (plain: the timer window back; --settings: the settings window opened and made
# active, also while the user works in another window); --print and --version never do; a Tavrio
# killed outright never blocks the next start; two starts at the same moment make one Tavrio; and
# the channel between them costs no network library.
source "$(dirname "$0")/lib.sh" "$@"

start_display

# Every window of a Tavrio on this display that the window manager manages, of any process.
managed_windows_named() {
    local window count=0
    for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' && count=$((count + 1))
    done
    echo "$count"
}
# second_start ARGUMENT...: a later start, in the foreground, as from a terminal or a launcher;
# its exit status in SECOND_STATUS.
second_start() {
    SECOND_STATUS=0
    timeout 30 env "${TAVRIO_ENV[@]}" "$TAVRIO" "$@" >>"$E2E_DIR/second.log" 2>&1 ||
        SECOND_STATUS=$?
}

note "a second start with --settings while the user works in another window"
start_tavrio
without_network_library() { ! grep -Eq 'libQt6Network|libgssapi' "/proc/$TAVRIO_PID/maps"; }
check "the running Tavrio has no Qt Network or Kerberos library loaded" without_network_library
start_window_below 300 200 950 550
click 1100 650
below_active() { [[ $(active_client) == "$BELOW_WINDOW" ]]; }
wait_until 10 "the window below to take the activation" below_active
second_start --settings
check_eq "the second start ends with success" "$SECOND_STATUS" 0
check "the first Tavrio runs on" tavrio_running
wait_until 10 "the settings window to become active" settings_window_active
pass_check "the first Tavrio's settings window is open and active"
check_eq "one timer window on the display" "$(managed_windows_named '^Tavrio To ')" 1

note "again, with the settings window open behind the window below"
click 1100 650
wait_until 10 "the window below to take the activation back" below_active
second_start --settings
check_eq "the second start ends with success" "$SECOND_STATUS" 0
wait_until 10 "the settings window to become active again" settings_window_active
pass_check "the open settings window is made active"
check_eq "one settings window on the display" "$(managed_windows_named '^Tavrio Settings')" 1

note "a plain second start brings a minimised timer window back"
xdotool windowminimize "$TAVRIO_WINDOW"
wait_until 10 "the window manager to minimise the timer window" timer_window_iconic
second_start
check_eq "the second start ends with success" "$SECOND_STATUS" 0
wait_until 10 "the timer window to come back" timer_window_restored
pass_check "the timer window is back"
check_eq "still one timer window" "$(managed_windows_named '^Tavrio To ')" 1

note "--print and --version answer themselves, even while the running one cannot"
kill -STOP "$TAVRIO_PID"
printed=$(timeout 10 "$TAVRIO" --print 2>&1) || true
version=$(timeout 10 "$TAVRIO" --version 2>&1) || true
kill -CONT "$TAVRIO_PID"
check_eq "--print prints the countdown" "$printed" "Double Click Me"
check_eq "--version prints the version" "$version" "Tavrio 1.2.0"

note "kill -9, then a new start at once"
kill -KILL "$TAVRIO_PID"
wait "$TAVRIO_PID" 2>/dev/null || true
TAVRIO_PID=
TAVRIO_WINDOW=
leftovers=("$XDG_RUNTIME_DIR"/tavrio-*)
check "the killed Tavrio left its socket behind" test -S "${leftovers[0]}"
started=$SECONDS
start_tavrio
check "a new Tavrio starts ($((SECONDS - started)) s)" tavrio_running
second_start --settings
check_eq "and a later start reaches it" "$SECOND_STATUS" 0
wait_until 10 "the new Tavrio's settings window to open" settings_window_active
pass_check "its settings window opens"
stop_tavrio

note "two starts at the same moment"
env "${TAVRIO_ENV[@]}" "$TAVRIO" >>"$E2E_DIR/tavrio.log" 2>&1 &
first=$!
env "${TAVRIO_ENV[@]}" "$TAVRIO" >>"$E2E_DIR/tavrio.log" 2>&1 &
second=$!
E2E_PIDS+=("$first" "$second")
one_ended() { ! kill -0 "$first" 2>/dev/null || ! kill -0 "$second" 2>/dev/null; }
wait_until 30 "one of the two to hand over and end" one_ended
if kill -0 "$first" 2>/dev/null; then
    TAVRIO_PID=$first ended=$second
else
    TAVRIO_PID=$second ended=$first
fi
status=0
wait "$ended" || status=$?
check_eq "the one that handed over ended with success" "$status" 0
wait_until 20 "the other's timer window to appear" tavrio_window_shown
check "the other runs on" tavrio_running
check_eq "one timer window on the display" "$(managed_windows_named '^Tavrio To ')" 1
stop_tavrio

finish
