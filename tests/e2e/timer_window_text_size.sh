#!/usr/bin/env bash
# With no frame and the background hidden, 48-point bold text chosen in the font dialog shows
# whole (off the client area's outermost pixels), and Ctrl with the wheel over the text sizes it,
# FontSize and the window's size stored, and the same after a restart.
source "$(dirname "$0")/lib.sh" "$@"

start_display
# A font chosen before, at 12 points, in a window never sized: 312 x 94 pixels.
write_settings "BS=0" "tvHide=True" "FontColor=255" "FontSize=12" "tvDate=$(date +%F -d '+1000 days')"
start_tavrio

text_inside() {
    local x y w h tx ty tw th
    read -r x y w h < <(client_geometry "$TAVRIO_WINDOW")
    read -r tx ty tw th < <(probe bounds "$x" "$y" "$w" "$h" FF0000) || return 1
    ((tx > x && ty > y && tx + tw < x + w && ty + th < y + h))
}
outer_twips() { outer_geometry "$TAVRIO_WINDOW" | awk '{ print $3 * 15, $4 * 15 }'; }
size_stored() { [[ "$(read_setting Width) $(read_setting Height)" == "$(outer_twips)" ]]; }
# notch BUTTON: Ctrl and a notch of the wheel (4 up, 5 down) over the text, which alone takes the
# pointer; the window follows.
notch() {
    local before
    before=$(client_geometry "$TAVRIO_WINDOW")
    xdotool mousemove $(probe find $before FF0000) keydown Control_L click "$1" keyup Control_L
    resized() { [[ $(client_geometry "$TAVRIO_WINDOW") != "$before" ]]; }
    wait_until 10 "the window to follow the text" resized
}

note "48 points bold through the font dialog"
xdotool windowactivate --sync "$TAVRIO_WINDOW" key Return
wait_until 10 "the settings window to open" settings_window_active
xdotool key Tab Tab Tab Tab Tab Tab Tab space # from the title box to the font button
dialog_active() { [[ $(window_property "$(active_client)" _NET_WM_NAME) == '"Font"' ]]; }
wait_until 10 "the font dialog to open" dialog_active
xdotool key Alt_L+y type Bold
xdotool key Alt_L+s ctrl+a type 48
xdotool key Return Escape
check_setting_soon "FontSize is stored" FontSize 48
check_setting_soon "FontBold is stored" FontBold True
check_soon "the whole countdown lies within the client area" text_inside
check "and no size is stored, the window never sized" test -z "$(read_setting Width)"

note "three notches up and two down with Ctrl, and a restart"
for button in 4 4 4 5 5; do notch "$button"; done
check_setting_soon "FontSize is stored, 48 three steps up and two down" FontSize 53
check_soon "the size is stored" size_stored
terminate_tavrio
start_tavrio
check_soon "after a restart the size is as stored" size_stored
check_soon "and the whole countdown lies within the client area" text_inside

finish
