#!/usr/bin/env bash
# The timer window as it starts: its caption, its place on an empty store, its design look, and
# its place above every other window and out of the taskbar.
source "$(dirname "$0")/lib.sh" "$@"

start_display

note "first start, empty store"
write_settings
start_tavrio
window=$TAVRIO_WINDOW

check_eq "the caption names no event yet" "$(window_property "$window" _NET_WM_NAME)" '"Tavrio To ??"'

read -r area_x area_y area_width area_height < <(work_area)
read -r x y width height < <(outer_geometry "$window")
check_near "the window, frame included, is centred across the screen" \
    $((2 * x + width)) $((2 * area_x + area_width)) 4
check_near "the window, frame included, is centred down the screen" \
    $((2 * y + height)) $((2 * area_y + area_height)) 4

state=$(window_property "$window" _NET_WM_STATE)
check "it is kept above other windows ($state)" has_wm_state "$window" _NET_WM_STATE_ABOVE
check "it stays out of the taskbar" has_wm_state "$window" _NET_WM_STATE_SKIP_TASKBAR
check_eq "it is a tool window (border style 5)" \
    "$(window_property "$window" _NET_WM_WINDOW_TYPE)" \
    "_NET_WM_WINDOW_TYPE_UTILITY, _NET_WM_WINDOW_TYPE_NORMAL"

read -r x y width height < <(client_geometry "$window")
face=$(probe button-face)
check_eq "the client area has the button-face background" "$(probe dominant "$x" "$y" "$width" "$height")" "$face"
# With no target the label reads "Double Click Me" in black at 100 points, cut off on both sides.
black=$(probe count "$x" "$y" "$width" "$height" 000000)
check "the label's black text fills part of the client area ($black pixels)" \
    test "$black" -gt $((width * height / 20))

note "another window started and activated"
start_window_below 300 200 20 20
timeout 10 xdotool windowactivate --sync "$BELOW_WINDOW" || fail "could not activate the other window"
check_eq "the other window is the active one" "$(active_client)" "$BELOW_WINDOW"
check_eq "the timer window is still the topmost one" "$(topmost_client)" "$window"
check "and still kept above" has_wm_state "$window" _NET_WM_STATE_ABOVE
stop_tavrio

note "a stored title"
write_settings "What=Party"
start_tavrio
check_eq "the caption names the event" "$(window_property "$TAVRIO_WINDOW" _NET_WM_NAME)" \
    '"Tavrio To Party"'
stop_tavrio

finish
