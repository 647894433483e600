#!/usr/bin/env bash
# The six border styles as the window manager sees them: frame or none, fixed or sizable, the
# kind of window, and for each the stored place and outer size, the topmost placement and the
# taskbar exclusion.
source "$(dirname "$0")/lib.sh" "$@"

start_display

# style: frame (yes/no), size (fixed/sizable/any), the first standard window type announced
# (Qt puts a KDE-only type before it for frameless windows). The fixed dialog is announced as a
# normal window: mutter lists a dialog that belongs to no window in the taskbar and the switcher.
readonly STYLES=(
    "0 no any NORMAL"
    "1 yes fixed NORMAL"
    "2 yes sizable NORMAL"
    "3 yes fixed NORMAL"
    "4 yes fixed UTILITY"
    "5 yes sizable UTILITY"
)

size_hint() {
    window_size_hints "$TAVRIO_WINDOW" | sed -n "s/^program specified $1 size: //p"
}

for entry in "${STYLES[@]}"; do
    read -r style framed sizing type <<<"$entry"
    note "border style $style"
    write_settings "BS=$style" "Left=1500" "Top=1200" "Width=6000" "Height=2400"
    start_tavrio
    window=$TAVRIO_WINDOW

    extents=$(frame_extents "$window")
    if [[ $framed == yes ]]; then
        check "style $style: framed ($extents)" test "$extents" != "0 0 0 0"
    else
        check_eq "style $style: no frame" "$extents" "0 0 0 0"
    fi
    check_eq "style $style: at the stored place with the stored outer size" \
        "$(outer_geometry "$window")" "100 80 400 160"

    actions=$(window_property "$window" _NET_WM_ALLOWED_ACTIONS)
    minimum=$(size_hint minimum)
    maximum=$(size_hint maximum)
    case $sizing in
    fixed)
        check "style $style: minimum size = maximum size ($minimum, $maximum)" \
            test -n "$minimum" -a "$minimum" == "$maximum"
        check "style $style: the window manager offers no resizing" \
            test "${actions/_NET_WM_ACTION_RESIZE/}" == "$actions"
        ;;
    sizable)
        check "style $style: no fixed size ($minimum, $maximum)" \
            test -z "$minimum" -o "$minimum" != "$maximum"
        check "style $style: the window manager offers resizing" \
            test "${actions/_NET_WM_ACTION_RESIZE/}" != "$actions"
        ;;
    esac

    types=$(window_property "$window" _NET_WM_WINDOW_TYPE)
    standard=$(tr -d ' ' <<<"$types" | tr , '\n' | grep -m 1 '^_NET_WM_WINDOW_TYPE_' || true)
    check_eq "style $style: window type ($types)" "$standard" "_NET_WM_WINDOW_TYPE_$type"
    check "style $style: kept above" has_wm_state "$window" _NET_WM_STATE_ABOVE
    check "style $style: out of the taskbar" has_wm_state "$window" _NET_WM_STATE_SKIP_TASKBAR
    stop_tavrio
done

finish
