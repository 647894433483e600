#!/usr/bin/env bash
# The timer window's opacity as stored, seen through a compositor: the property a compositor
# reads, and the pixels it then draws; at opacity 0 the window also lets clicks through.
source "$(dirname "$0")/lib.sh" "$@"

start_display --compositor
face=$(probe button-face)
readonly face
# A place over nothing but the desktop, or over the window below when there is one.
readonly PLACE=("Left=4500" "Top=3000" "Width=9000" "Height=3000")

# channel RRGGBB INDEX: one colour channel (0 red, 1 green, 2 blue) as a number.
channel() { echo $((16#${1:$((2 * $2)):2})); }

# blended RRGGBB OPACITY: true when the colour is, channel by channel, within 3 of the face
# colour drawn at that opacity over the desktop (where picom paints a background of its own).
blended() {
    local index expected actual desktop
    desktop=$(probe pixel 5 5)
    for index in 0 1 2; do
        expected=$((($(channel "$face" "$index") * $2 + $(channel "$desktop" "$index") * (255 - $2)) / 255))
        actual=$(channel "$1" "$index")
        ((actual - expected <= 3 && expected - actual <= 3)) || return 1
    done
}

client_colour() {
    local x y width height
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    probe dominant "$x" "$y" "$width" "$height"
}

client_colour_is() { [[ $(client_colour) == "$1" ]]; }
client_blended() { blended "$(client_colour)" "$1"; }

note "opacity 128"
write_settings "tvTrans=128" "${PLACE[@]}"
start_tavrio
check_eq "the window asks for opacity 128/255" \
    "$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)" 2155905152
check_soon "the compositor draws the background half through to the desktop" \
    client_blended 128
stop_tavrio

note "opacity 255"
write_settings "tvTrans=255" "${PLACE[@]}"
start_tavrio
# Qt drops the property for a fully opaque window rather than writing 0xFFFFFFFF.
check_eq "the window carries no opacity" "$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)" ""
check_soon "the background is drawn opaque" client_colour_is "$face"
stop_tavrio

note "an opacity that is not a number"
write_settings "tvTrans=letters" "${PLACE[@]}"
start_tavrio
check_eq "the window is taken as opaque, not hidden" \
    "$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)" ""
check_soon "and drawn opaque" client_colour_is "$face"
stop_tavrio

note "opacity 0, over another window"
start_window_below 700 300 250 150
write_settings "tvTrans=0" "${PLACE[@]}"
start_tavrio
check_eq "the window asks for opacity 0" "$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)" 0
check_soon "the window below shows where the timer window is" client_colour_is FFFFFF
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
presses=$(presses_below)
click $((x + width / 2)) $((y + height / 2))
reached_below() { (($(presses_below) > presses)); }
wait_until 5 "a click on the invisible timer window to reach the window below" reached_below
pass_check "a click on the invisible window reaches the window below"
stop_tavrio

finish
