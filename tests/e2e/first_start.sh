#!/usr/bin/env bash
# A first start (a store with neither a font size nor a window size) shows the whole "Double Click
# Me": at 100 points where the screen has room, smaller where even the screen is too small;
# centred, and with nothing stored.
source "$(dirname "$0")/lib.sh" "$@"

start_display --size 2560x1440

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

note "a first start"
write_settings
start_tavrio
wait_until 10 "the window to be centred on the screen" centred
check_soon "the whole Double Click Me shows" whole_text_shown
read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
# 100-point text is some 970 pixels wide.
check "at 100 points, as no font size is stored ($width pixels wide)" test "$width" -gt 970
check "nothing is stored" test ! -e "$SETTINGS_FILE"

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
