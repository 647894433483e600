#!/usr/bin/env bash
# The timer window's place and size at scales 1, 1.5 and 2, set by QT_SCALE_FACTOR or by the
# desktop's Xft.dpi. The store holds twips of logical pixels, frame included: what is stored at one
# scale opens where it lies at the next; a move and a resize are stored as the user left them; and
# five starts and closes in a row leave the settings file as it was, byte for byte (a start writes
# no size, and a window not moved writes no place).
source "$(dirname "$0")/lib.sh" "$@"

readonly TWIPS_PER_PIXEL=15

start_display

# SCALE (as NUMERATOR DENOMINATOR) and how it is set.
readonly SCALES=(
    "1 1 QT_SCALE_FACTOR=1"
    "3 2 Xft.dpi=144"
    "2 1 QT_SCALE_FACTOR=2"
)

use_scale() {
    case $1 in
    QT_SCALE_FACTOR=*)
        export QT_SCALE_FACTOR=${1#*=}
        set_xft_dpi 96
        ;;
    Xft.dpi=*)
        unset QT_SCALE_FACTOR
        set_xft_dpi "${1#*=}"
        ;;
    esac
}

# stored_outer NUMERATOR DENOMINATOR: the stored outer geometry in device pixels at that scale.
stored_outer() {
    local value result=()
    for key in Left Top Width Height; do
        value=$(read_setting "$key") || fail "no $key stored"
        result+=($(((value * $1 + TWIPS_PER_PIXEL * $2 / 2) / (TWIPS_PER_PIXEL * $2))))
    done
    echo "${result[*]}"
}

# The place and size the test moves the window to: on the screen at every scale (1280 x 800 device
# pixels are 640 x 400 logical ones at 2).
write_settings "Left=1500" "Top=1200" "Width=6000" "Height=2400"
target_x=60
for entry in "${SCALES[@]}"; do
    read -r numerator denominator how <<<"$entry"
    note "at $how"
    use_scale "$how"

    expected=$(stored_outer "$numerator" "$denominator")
    start_tavrio
    # A pixel either way: the client area lies on whole logical pixels, the frame on device ones.
    placed() { outer_geometry_near "$TAVRIO_WINDOW" "$expected" 2; }
    wait_until 10 "the window at $expected (now $(outer_geometry "$TAVRIO_WINDOW"))" placed
    pass_check "$how: the window opens where the store has it ($expected)"

    before=$(<"$SETTINGS_FILE")
    target_x=$((target_x + 40))
    xdotool windowsize "$TAVRIO_WINDOW" $((300 * numerator / denominator)) \
        $((100 * numerator / denominator))
    resized() { [[ $(read_setting Width) != "$(sed -n 's/^Width=//p' <<<"$before")" ]]; }
    wait_until 10 "the new size to be stored" resized
    sized=$(outer_geometry "$TAVRIO_WINDOW")
    xdotool windowmove "$TAVRIO_WINDOW" "$target_x" 50
    moved() { [[ $(outer_geometry "$TAVRIO_WINDOW") != "$sized" ]]; }
    wait_until 10 "the window to move" moved
    read -r x y width height < <(outer_geometry "$TAVRIO_WINDOW")
    close_tavrio
    check "$how: the move and the resize are stored in twips of logical pixels" \
        near "$(stored_outer "$numerator" "$denominator")" "$x $y $width $height" 1

    stored=$(<"$SETTINGS_FILE")
    expected=$(stored_outer "$numerator" "$denominator")
    unchanged=0
    for cycle in 1 2 3 4 5; do
        start_tavrio
        wait_until 10 "restart $cycle to place the window at $expected" placed
        close_tavrio
        [[ $(<"$SETTINGS_FILE") == "$stored" ]] && unchanged=$((unchanged + 1))
    done
    check_eq "$how: five starts and closes leave the settings file as it was" "$unchanged" 5
done

finish
