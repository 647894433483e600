#!/usr/bin/env bash
# Every way out keeps the place the user moved the timer window to, as closing does: Exit on the
# pop-up menu, SIGTERM (the end of a session, a service manager), `tavrio --exit` (a script, an
# installer) and the display going away (the X connection closing at log-out). A way out with the
# window where it was placed writes nothing.
source "$(dirname "$0")/lib.sh" "$@"

readonly TWIPS_PER_PIXEL=15
readonly PLACE=("Left=1500" "Top=1200" "Width=6000" "Height=2400" "FontSize=24")

start_display

start_placed() {
    write_settings "${PLACE[@]}"
    start_tavrio
    at_stored_place() { outer_geometry_near "$TAVRIO_WINDOW" "100 80 400 160" 0; }
    wait_until 10 "the window at its stored place" at_stored_place
}

# drag_by_mouse DX DY: drags the window by its label with the left button, as a user does.
drag_by_mouse() {
    local x y width height from_x from_y
    read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
    local goal="$((x + $1)) $((y + $2)) $width $height"
    read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
    from_x=$((x + width / 2)) from_y=$((y + height / 2))
    xdotool mousemove "$from_x" "$from_y" mousedown 1
    xdotool mousemove $((from_x + $1 / 2)) $((from_y + $2 / 2))
    xdotool mousemove $((from_x + $1)) $((from_y + $2)) mouseup 1
    dragged() { [[ $(outer_geometry "$TAVRIO_WINDOW") == "$goal" ]]; }
    wait_until 10 "the window to follow the pointer to $goal" dragged
}

# The outer place of the timer window as it is to be stored, in twips.
place_in_twips() {
    local x y width height
    read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
    echo "$((x * TWIPS_PER_PIXEL)) $((y * TWIPS_PER_PIXEL))"
}

stored_place() {
    echo "$(read_setting Left) $(read_setting Top)"
}

note "Exit on the pop-up menu after a drag"
start_placed
drag_by_mouse 120 90
expected=$(place_in_twips)
exit_by_menu
check_eq "the dragged place is stored" "$(stored_place)" "$expected"

note "SIGTERM with the window where it was placed"
start_placed
cp "$SETTINGS_FILE" "$E2E_DIR/before.conf"
terminate_tavrio
check "the settings file is left as it was, byte for byte" \
    cmp "$E2E_DIR/before.conf" "$SETTINGS_FILE"

note "SIGTERM after a move by the window manager"
start_placed
xdotool windowmove "$TAVRIO_WINDOW" 300 200
moved() { [[ $(outer_geometry "$TAVRIO_WINDOW") != "100 80 "* ]]; }
wait_until 10 "the window to move" moved
expected=$(place_in_twips)
terminate_tavrio
check_eq "the moved place is stored" "$(stored_place)" "$expected"
check_eq "and nothing else changed" "$(read_setting Width) $(read_setting Height)" "6000 2400"

note "tavrio --exit after a drag"
start_placed
drag_by_mouse 80 -40
expected=$(place_in_twips)
check "tavrio --exit ends the running Tavrio and waits for it" "$TAVRIO" --exit
# Ended, whether or not the shell has collected it yet.
gone() { [[ ! -e /proc/$TAVRIO_PID ]] || grep -q '^State:.*Z' "/proc/$TAVRIO_PID/status"; }
check "the running Tavrio has ended by then" gone
check "with success" wait "$TAVRIO_PID"
check_eq "the dragged place is stored" "$(stored_place)" "$expected"
TAVRIO_PID=

note "the display going away after a drag"
start_placed
drag_by_mouse -60 100
expected=$(place_in_twips)
kill "$E2E_XVFB_PID"
wait_until 10 "Tavrio to end with its display" tavrio_ended
wait "$TAVRIO_PID" || true
TAVRIO_PID=
check_eq "the dragged place is stored" "$(stored_place)" "$expected"

finish
