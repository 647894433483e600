#!/usr/bin/env bash
# What the timer window shows and where it takes the mouse: the countdown in the stored colour,
# ticking once a second, on the button-face background or, with the background hidden, alone
# over the window below (hidden_background.sh looks at its edges and at the clicks there).
source "$(dirname "$0")/lib.sh" "$@"

readonly RED=FF0000
# Three days ahead, so the label counts d:hh:mm:ss; bold red 24-point text leaves most of the
# 600 x 200 window empty.
readonly LOOK=("tvDate=$(date +%F -d '+3 days')" "FontSize=24" "FontBold=True" "FontColor=255"
    "Left=4500" "Top=3000" "Width=9000" "Height=3000")

start_display
face=$(probe button-face)
readonly face

client_pixels() {
    local x y width height
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    probe "$1" "$x" "$y" "$width" "$height" "${@:2}"
}
client_colour_is() { [[ $(client_pixels dominant) == "$1" ]]; }
# Bold 24-point digits cover some thousand pixels; a clipped or vanished text far fewer.
text_shown() { (($(client_pixels count "$RED") > 300)); }

# ticks_every_second: watched for three and a half seconds, which take in at least three
# second boundaries, the label changes in three different seconds.
ticks_every_second() {
    local x y width height seconds
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    seconds=$(probe changes "$x" "$y" "$width" "$height" 3500 | awk '{ print int($1 / 1000) }' |
        sort -u | wc -l)
    note "the display changed in $seconds different seconds"
    ((seconds >= 3))
}

note "background shown"
start_window_below 700 300 250 150
write_settings "${LOOK[@]}"
start_tavrio
check_soon "the background is the button-face colour" client_colour_is "$face"
check_soon "the countdown is drawn in the stored colour" text_shown
check "the display changes every second" ticks_every_second
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
presses=$(presses_below)
click $((x + 10)) $((y + 10))
click $((x + width / 2)) $((y + height + 40))
reached_below() { (($(presses_below) > presses)); }
wait_until 5 "a click beside the timer window to reach the window below" reached_below
check_eq "a click on the shown background stays with the timer window" \
    "$(presses_below)" $((presses + 1))
stop_tavrio

note "background hidden"
write_settings "${LOOK[@]}" "tvHide=1"
start_tavrio
check_soon "the window below shows through the background" client_colour_is FFFFFF
check_soon "the countdown is drawn in the stored colour" text_shown
check "the display changes every second" ticks_every_second
check "and still shows the whole countdown after the ticks" text_shown
stop_tavrio

finish
