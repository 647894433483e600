#!/usr/bin/env bash
# On the screens most people have, a first start's timer window (fitted to "Double Click Me" at
# 100 points) is about as wide as the screen. The settings window (a double-click) and the font
# dialog (its font button) open wholly on the screen, and no Tavrio window stacked above them
# covers any part of them; once they close the timer window is above every other window again.
source "$(dirname "$0")/lib.sh" "$@"

readonly SCREENS=("1024x768 1" "1366x768 1" "1920x1080 1" "1920x1080 2") # WIDTHxHEIGHT SCALE

# overlap "X Y WIDTH HEIGHT" "X Y WIDTH HEIGHT": the rectangles share a pixel.
overlap() {
    local a b
    read -ra a <<<"$1" && read -ra b <<<"$2"
    ((a[0] < b[0] + b[2] && b[0] < a[0] + a[2] && a[1] < b[1] + b[3] && b[1] < a[1] + a[3]))
}

# uncovered WINDOW: framed, wholly on the work area, and no window of Tavrio's that the window
# manager stacks above it (from _NET_CLIENT_LIST_STACKING, bottom first) overlaps it.
uncovered() {
    local rect x y w h ax ay aw ah ours above=no id
    [[ -n $(window_property "$1" _NET_FRAME_EXTENTS) ]] || return 1
    rect=$(outer_geometry "$1")
    read -r x y w h <<<"$rect" && read -r ax ay aw ah < <(work_area)
    ((x >= ax && y >= ay && x + w <= ax + aw && y + h <= ay + ah)) || return 1
    ours=" $(xdotool search --all --onlyvisible --pid "$TAVRIO_PID" 2>/dev/null | xargs) "
    for id in $(root_property _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*'); do
        id=$((id))
        if [[ $above == yes && $ours == *" $id "* ]] &&
            overlap "$rect" "$(outer_geometry "$id")"; then
            return 1
        fi
        [[ $id == "$1" ]] && above=yes
    done
    return 0
}

FONT=
font_dialog_shown() {
    FONT=$(xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name '^Font$' 2>/dev/null |
        head -n 1)
    [[ -n $FONT ]]
}
font_dialog_gone() { ! is_viewable "$FONT"; }
no_settings_window() { [[ -z $(settings_window) ]]; }
timer_on_top() { [[ $(topmost_client) == "$TAVRIO_WINDOW" ]]; }

for screen in "${SCREENS[@]}"; do
    read -r size scale <<<"$screen"
    note "$size at a scale of $scale"
    start_display --size "$size"
    TAVRIO_ENV=("QT_SCALE_FACTOR=$scale")
    write_settings
    start_tavrio
    start_window_below 200 150 20 20 # another program's window, for the timer window to stay above
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click --repeat 2 --delay 80 1
    wait_until 10 "the settings window to open with the keyboard" settings_window_active
    check_soon "the settings window is whole and uncovered" uncovered "$(settings_window)"
    xdotool key Tab Tab Tab Tab Tab Tab Tab space # from the title box to the font button
    wait_until 10 "the font dialog to open" font_dialog_shown
    check_soon "the font dialog is whole and uncovered" uncovered "$FONT"
    xdotool key Escape
    wait_until 10 "the font dialog to close" font_dialog_gone
    wait_until 10 "the settings window to have the keyboard again" settings_window_active
    xdotool key Escape
    wait_until 10 "the settings window to close" no_settings_window
    check_soon "the timer window is above every other window again" timer_on_top
    stop_tavrio
done

finish
