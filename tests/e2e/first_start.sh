#!/usr/bin/env bash
# A first start (a store with neither a font size nor a window size) shows the whole "Double Click
# Me": at 100 points where the screen has room, smaller where even the screen is too small;
# centred, and with nothing stored. The settings window and its font dialog do not open under the
# timer window, which stays above them. (The screen is large enough for both to fit beside it.)
source "$(dirname "$0")/lib.sh" "$@"

start_display --size 2560x1440

# apart "X Y WIDTH HEIGHT" "X Y WIDTH HEIGHT": true when the rectangles share no pixel.
apart() {
    local ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$1"
    read -r bx by bw bh <<<"$2"
    ((ax >= bx + bw || bx >= ax + aw || ay >= by + bh || by >= ay + ah))
}

# The text is black and fills a good part of the client area, and no black pixel lies on the
# client area's outermost rows and columns: a text cut off by the window would reach them.
whole_text_shown() {
    local x y width height
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    (($(probe count "$x" "$y" "$width" "$height" 000000) > width * height / 10)) &&
        (($(probe count "$x" "$y" 1 "$height" 000000) == 0)) &&
        (($(probe count $((x + width - 1)) "$y" 1 "$height" 000000) == 0)) &&
        (($(probe count "$x" "$y" "$width" 1 000000) == 0)) &&
        (($(probe count "$x" $((y + height - 1)) "$width" 1 000000) == 0))
}

centred() {
    local x y width height area_x area_y area_width area_height
    read -r area_x area_y area_width area_height < <(work_area)
    read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
    near "$((2 * x + width)) $((2 * y + height))" \
        "$((2 * area_x + area_width)) $((2 * area_y + area_height))" 4
}

# shown_window NAME: the id of the program's visible window of that name, once there is one.
SHOWN=
shown_window() {
    SHOWN=$({ xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name "$1" 2>/dev/null || true; } |
        head -n 1)
    [[ -n $SHOWN ]] && is_viewable "$SHOWN"
}

note "a first start"
write_settings
start_tavrio
wait_until 10 "the window to be centred on the screen" centred
check_soon "the whole Double Click Me shows" whole_text_shown
read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
timer="$x $y $width $height"
# 100-point text is some 970 pixels wide.
check "at 100 points, as no font size is stored ($width pixels wide)" test "$width" -gt 970
check "nothing is stored" test ! -e "$SETTINGS_FILE"

note "the settings window"
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
xdotool mousemove $((x + 4)) $((y + 4)) click --repeat 2 --delay 80 1
wait_until 10 "the settings window to open" shown_window '^Tavrio Settings'
settings=$SHOWN
framed() { [[ -n $(window_property "$1" _NET_FRAME_EXTENTS) ]]; }
wait_until 10 "the settings window to be framed" framed "$settings"
opened=$(outer_geometry "$settings")
check "it opens beside the timer window ($opened), not under it ($timer)" \
    apart "$opened" "$timer"
check_eq "the timer window stays above it" "$(topmost_client)" "$TAVRIO_WINDOW"

note "the font dialog"
read -r x y width height < <(client_geometry "$settings")
# The font button, as the settings window's design places it.
xdotool mousemove $((x + 24 + 136)) $((y + 392 + 12)) click 1
wait_until 10 "the font dialog to open" shown_window '^Font$'
dialog=$SHOWN
wait_until 10 "the font dialog to be framed" framed "$dialog"
opened=$(outer_geometry "$dialog")
check "it opens beside the timer window ($opened), not under it ($timer)" \
    apart "$opened" "$timer"
check_eq "the timer window stays above it" "$(topmost_client)" "$TAVRIO_WINDOW"
xdotool key Escape
closed() { ! is_viewable "$dialog"; }
wait_until 10 "the font dialog to close" closed
stop_tavrio

note "a screen too small for 100-point text: a scale of 3 leaves 853 x 480 logical pixels"
export QT_SCALE_FACTOR=3
write_settings
start_tavrio
wait_until 10 "the window to be centred on the screen" centred
check_soon "the whole Double Click Me shows, smaller" whole_text_shown
read -r area_x area_y area_width area_height < <(work_area)
read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
check "the whole window lies on the screen" \
    test "$x" -ge "$area_x" -a $((x + width)) -le $((area_x + area_width))
terminate_tavrio
check "nothing is stored" test ! -e "$SETTINGS_FILE"

finish
