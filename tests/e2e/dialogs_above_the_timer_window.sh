#!/usr/bin/env bash
# On the screens most people have, a first start's timer window (fitted to "Double Click Me" at
# 100 points) is about as wide as the screen. The settings window (a double-click) and the font
# dialog (its font button) open wholly on the screen, and no Tavrio window stacked above them
# covers any part of them; once they close the timer window is above every other window again.
source "$(dirname "$0")/lib.sh" "$@"

# WIDTHxHEIGHT SCALE
readonly SCREENS=("1024x768 1" "1366x768 1" "1920x1080 1" "1920x1080 2")

# overlap "X Y WIDTH HEIGHT" "X Y WIDTH HEIGHT": the rectangles share a pixel.
overlap() {
    local ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$1"
    read -r bx by bw bh <<<"$2"
    ((ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah))
}

# uncovered WINDOW: framed, wholly on the work area, and no window of Tavrio's that the window
# manager stacks above it (the timer window, the settings window) overlaps it.
uncovered() {
    local window=$1 rect x y width height area_x area_y area_width area_height above=no id
    [[ -n $(window_property "$window" _NET_FRAME_EXTENTS) ]] || return 1
    rect=$(outer_geometry "$window")
    read -r x y width height <<<"$rect"
    read -r area_x area_y area_width area_height < <(work_area)
    ((x >= area_x && y >= area_y && x + width <= area_x + area_width &&
        y + height <= area_y + area_height)) || return 1
    for id in $(root_property _NET_CLIENT_LIST_STACKING | grep -o "0x[0-9a-f]*"); do
        id=$(printf '%d' "$id")
        if [[ $above == yes && " $TAVRIO_WINDOWS " == *" $id "* ]] &&
            overlap "$rect" "$(outer_geometry "$id")"; then
            return 1
        fi
        [[ $id == "$window" ]] && above=yes
    done
    return 0
}

# shown CAPTION: the program's window of that caption is on screen; SHOWN names it.
SHOWN=
shown() {
    SHOWN=$({ xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name "$1" 2>/dev/null ||
        true; } | head -n 1)
    TAVRIO_WINDOWS=$(xdotool search --all --onlyvisible --pid "$TAVRIO_PID" 2>/dev/null | xargs)
    [[ -n $SHOWN ]] && is_viewable "$SHOWN"
}
gone() { ! is_viewable "$1"; }
timer_on_top() { [[ $(topmost_client) == "$TAVRIO_WINDOW" ]]; }

for screen in "${SCREENS[@]}"; do
    read -r size scale <<<"$screen"
    note "$size at a scale of $scale"
    start_display --size "$size"
    TAVRIO_ENV=("QT_SCALE_FACTOR=$scale")
    write_settings
    start_tavrio
    # Another program's window, which the timer window must stay above.
    start_window_below 200 150 20 20
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    xdotool mousemove $((x + width / 2)) $((y + height / 2)) click --repeat 2 --delay 80 1
    wait_until 10 "the settings window to open" shown '^Tavrio Settings'
    settings=$SHOWN
    wait_until 10 "the settings window to have the keyboard" settings_window_active
    check_soon "the settings window is whole and uncovered" uncovered "$settings"
    # Seven tabs from the title box to the font button.
    xdotool key Tab Tab Tab Tab Tab Tab Tab space
    wait_until 10 "the font dialog to open" shown '^Font$'
    check_soon "the font dialog is whole and uncovered" uncovered "$SHOWN"
    xdotool key Escape
    wait_until 10 "the font dialog to close" gone "$SHOWN"
    wait_until 10 "the settings window to have the keyboard again" settings_window_active
    xdotool key Escape
    wait_until 10 "the settings window to close" gone "$settings"
    check_soon "the timer window is above every other window again" timer_on_top
    stop_tavrio
done

finish
