#!/usr/bin/env bash
# "Hide Background": only the countdown floats over what lies below, with a compositor (true
# transparency), without one (a shaped window), and when one starts or stops while Tavrio runs.
# Over a white and over a black window, every pixel of the timer window's client area is a blend
# of the text's colour and the window behind (no fringe of the dark background colour), with
# blended edges only where a compositor draws; clicks beside the text and between its glyphs reach
# the window below, clicks on the text and on the frame's title bar do not; the whole-window
# opacity still applies.
source "$(dirname "$0")/lib.sh" "$@"

readonly RED=FF0000
# Bold red 24-point digits, three days ahead, in a 600 x 200 window over the windows below.
readonly LOOK=("tvHide=1" "tvDate=$(date +%F -d '+3 days')" "FontSize=24" "FontBold=True"
    "FontColor=255" "Left=4500" "Top=3000" "Width=9000" "Height=3000")
declare -A BEHIND=([white]=FFFFFF [black]=000000)

# One row a case: name | compositor at the start | then, while Tavrio runs | opacity |
# the edges (clean: text or behind only; blended: also between; half: the text at half
# strength; none: nothing drawn) | whether clicks on the text and the frame reach the window below.
CASES=(
    "no compositor|no|-|255|clean|no"
    "picom|yes|-|255|blended|no"
    "picom, opacity 128|yes|-|128|half|no"
    "picom, opacity 0|yes|-|0|none|yes"
    "picom started while Tavrio runs|no|start|255|blended|no"
    "picom stopped while Tavrio runs|yes|stop|255|clean|no"
    "no compositor, grown a pixel twice|no|grow|255|clean|no"
)

start_display

client_rect() { client_geometry "$TAVRIO_WINDOW"; }

# edges_are KIND BEHIND: the client area over a window of colour BEHIND looks as KIND says.
edges_are() {
    local outliers partial strongest
    read -r outliers partial strongest < <(probe blend $(client_rect) "$RED" "$2")
    LAST_BLEND="$outliers pixels no blend, $partial between, strongest $strongest%"
    ((outliers == 0)) || return 1
    case $1 in
    clean) ((partial == 0 && strongest == 100)) ;;
    blended) ((partial > 0 && strongest >= 95)) ;;
    half) ((strongest >= 40 && strongest <= 60)) ;;
    none) ((strongest <= 5)) ;;
    esac
}

has_bounding_shape() {
    xwininfo -shape -id "$TAVRIO_WINDOW" | grep -q 'Window shape extents:'
}

# Points on the text, beside it, between its glyphs and on the title bar, found where the text
# shows in full; a translucent case clicks where an earlier case found them (same look, same
# place). They are taken from the days ("2:"), which do not change while the test runs.
find_points() {
    local x y width height
    read -r x y width height < <(probe bounds $(client_rect) "$RED")
    BESIDE_POINT="$((x - 8)) $((y + height / 2))"
    TEXT_POINT=$(probe find "$x" "$y" $((width / 5)) "$height" "$RED") || fail "no solid text"
    BETWEEN_POINT=$(probe find "$x" "$y" $((width / 5)) "$height" FFFFFF) || fail "no gap in the text"
    local top
    read -r x y width _ < <(client_rect)
    read -r _ _ top _ < <(frame_extents "$TAVRIO_WINDOW")
    FRAME_POINT="$((x + width / 2)) $((y - top / 2))"
}

run_case() {
    local name compositor change opacity edges through behind failures
    IFS='|' read -r name compositor change opacity edges through <<<"$1"
    note "$name"
    [[ $compositor == yes ]] && start_compositor
    start_window_below 800 400 200 150
    local look=("${LOOK[@]}") # a target long past, "Congrats!!!", for a text that does not change
    [[ $change == grow ]] && look[1]="tvDate=2000-01-01"
    write_settings "${look[@]}" "tvTrans=$opacity"
    start_tavrio
    case $change in
    start) start_compositor ;;
    stop) stop_compositor ;;
    grow)
        # One of the two leaves the centred text where it was.
        local step width height
        for step in 1 2; do
            read -r _ _ width height < <(client_rect)
            xdotool windowsize "$TAVRIO_WINDOW" $((width + 1)) "$height"
            grown() { [[ $(client_rect | cut -d' ' -f3) == $((width + 1)) ]]; }
            wait_until 10 "the window to grow by a pixel" grown
            check_soon "$name: grown by $step, the edges are clean" edges_are clean FFFFFF
        done
        ;;
    esac
    for behind in white black; do
        if [[ $behind == black ]]; then
            stop_window_below
            start_window_below 800 400 200 150 black
        fi
        failures=$E2E_FAILURES
        check_soon "$name, over $behind: the edges are $edges" edges_are "$edges" "${BEHIND[$behind]}"
        ((E2E_FAILURES == failures)) || note "last seen: $LAST_BLEND"
        [[ $behind == black || $opacity != 255 ]] || find_points
    done
    local shaped=no
    [[ $edges == clean ]] && shaped=yes
    check_eq "$name: a bounding shape only without a compositor" \
        "$(has_bounding_shape && echo yes || echo no)" $shaped

    local presses expected
    presses=$(presses_below)
    expected=$((presses + 2))
    [[ $through == yes ]] && expected=$((presses + 4))
    # The clicks on the text and the frame first: they would be logged before the others.
    click $TEXT_POINT
    click $FRAME_POINT
    click $BESIDE_POINT
    click $BETWEEN_POINT
    reached_below() { (($(presses_below) >= expected)); }
    wait_until 10 "the clicks beside and between the glyphs to reach the window below" reached_below
    check_eq "$name: clicks between glyphs and beside reach below, on text and frame: $through" \
        "$(presses_below)" "$expected"

    stop_tavrio
    stop_window_below
    [[ -z $E2E_COMPOSITOR_PID ]] || stop_compositor
}

for row in "${CASES[@]}"; do
    run_case "$row"
done

finish
