#!/usr/bin/env bash
# The timer window's place and size: restored from the store (in twips, frame included), stored
# again when the user resizes it and when it is closed, the same after a restart, and never left
# off the screen, not even in part when a monitor is taken away.
source "$(dirname "$0")/lib.sh" "$@"

command -v xrandr >/dev/null || fail "missing tool: xrandr (scripts/setup.sh test)"
readonly TWIPS_PER_PIXEL=15

# Room for two monitors side by side, made later.
start_display --size 2560x800

note "a stored place and size"
write_settings "Left=1500" "Top=1200" "Width=6000" "Height=2400"
start_tavrio
check_eq "the window, frame included, is where and as large as stored" \
    "$(outer_geometry "$TAVRIO_WINDOW")" "100 80 400 160"

note "resized by the user"
read -r left right top bottom < <(frame_extents "$TAVRIO_WINDOW")
xdotool windowsize "$TAVRIO_WINDOW" 500 200
expected_width=$(((500 + left + right) * TWIPS_PER_PIXEL))
expected_height=$(((200 + top + bottom) * TWIPS_PER_PIXEL))
stored_size() { [[ "$(read_setting Width) $(read_setting Height)" == "$1 $2" ]]; }
wait_until 10 "the new outer size $expected_width x $expected_height twips to be stored" \
    stored_size "$expected_width" "$expected_height"
pass_check "the new outer size is stored in twips"

note "moved, then closed with Alt+F4"
xdotool windowmove "$TAVRIO_WINDOW" 230 170
moved_to() { [[ $(outer_geometry "$TAVRIO_WINDOW") != "100 80 "* ]]; }
wait_until 10 "the window to move" moved_to
read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
close_tavrio
check_eq "the frame's top-left corner is stored in twips" \
    "$(read_setting Left) $(read_setting Top)" \
    "$((x * TWIPS_PER_PIXEL)) $((y * TWIPS_PER_PIXEL))"
check_eq "the size stored on resizing is left as it was" \
    "$(read_setting Width) $(read_setting Height)" "$expected_width $expected_height"

note "started again"
start_tavrio
check_eq "the window comes back at the same place with the same size, frame included" \
    "$(outer_geometry "$TAVRIO_WINDOW")" "$x $y $width $height"
close_tavrio
check_eq "and a second restart would not see it grow" \
    "$(read_setting Width) $(read_setting Height)" "$expected_width $expected_height"

note "a place stored far outside the screen"
write_settings "Left=300000" "Top=300000" "Width=6000" "Height=2400"
start_tavrio
read -r area_x area_y area_width area_height < <(work_area)
read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
check "the whole window, frame included, is on the screen ($x $y ${width}x$height)" \
    test "$x" -ge "$area_x" -a "$y" -ge "$area_y" \
    -a $((x + width)) -le $((area_x + area_width)) -a $((y + height)) -le $((area_y + area_height))
check_eq "with its stored size" "$width $height" "400 160"
stop_tavrio

note "a monitor taken away"
xrandr --setmonitor left 1280/340x800/210+0+0 screen >/dev/null
xrandr --setmonitor right 1280/340x800/210+1280+0 none >/dev/null
write_settings "Left=30000" "Top=3000" "Width=6000" "Height=2400"
start_tavrio
at_stored_place() { outer_geometry_near "$TAVRIO_WINDOW" "2000 200 400 160" 0; }
wait_until 10 "the window at its place on the right monitor" at_stored_place
xrandr --delmonitor right
on_left_monitor() {
    local x y width height
    read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
    ((x >= 0 && x + width <= 1280 && y >= 0 && y + height <= 800))
}
wait_until 10 "the whole window, frame included, on the left monitor" on_left_monitor
pass_check "the whole window comes onto the monitor that is left, not a sliver of it"
stop_tavrio

finish
