#!/usr/bin/env bash
# The pictures of Tavrio in docs/, made from the running program: on a private X display (Xvfb
# with openbox) of a stated size, in English, with a made-up event and the clock stopped at one
# moment (libfaketime), so that every run shows the same countdown and calendar.
#   scripts/screenshots.sh [BUILD-DIR [FOLDER]]     (defaults: build/ci and docs)
#
#   timer-window.png     800x450  the timer window on the desktop
#   settings-window.png  800x640  the settings window beside it (also the README's picture)
#
# BUILD-DIR needs the tests built (tavrio-probe takes the pictures). Each picture carries its
# record (scripts/png-record.py): the size and caption of every window of Tavrio and the texts
# its windows show, read from outside over the accessibility bus as a screen reader reads them.
# tests/data/screenshots.sh makes the pictures afresh and compares the records with docs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build/ci}")
folder=$(realpath "${2:-$root/docs}")
source "$root/tests/e2e/lib.sh" "$build/app/tavrio" "$build/tests/e2e/tavrio-probe"

faketime=$(compgen -G '/usr/lib/*/faketime/libfaketime.so.1' | head -n 1) ||
    fail "missing: libfaketime (scripts/setup.sh test)"
command -v xsetroot >/dev/null || fail "missing: xsetroot (scripts/setup.sh test)"
# Monday 7 December 2026, 12:16:22; the event on Thursday at nine.
TAVRIO_ENV=("LD_PRELOAD=$faketime" "FAKETIME=2026-12-07 12:16:22" FAKETIME_DONT_FAKE_MONOTONIC=1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
readonly EVENT=("What=Launch Day" tvDate=2026-12-10 tvTime=09:00:00 FontName=Arial FontBold=True
    FontColor=8388608)

# tree_holds CAPTION...: the accessibility tree, read into TREE, holds a window of each caption.
TREE=
tree_holds() {
    TREE=$(/usr/bin/python3 "$ATSPI_TREE" texts "$TAVRIO_PID" 2>/dev/null) || return 1
    local caption
    for caption in "$@"; do
        awk -F '\t' -v caption="$caption" '$1 == 1 && $3 == caption { found = 1 }
            END { exit !found }' <<<"$TREE" || return 1
    done
}

# shot NAME X Y WIDTH HEIGHT WINDOW...: that part of the screen as NAME.png, with its record: each
# window's size and caption, then what the program's windows show.
shot() {
    local name=$1 area=("${@:2:4}")
    shift 5
    local window captions=() sizes=() width height
    for window in "$@"; do
        captions+=("$(window_property "$window" _NET_WM_NAME | sed 's/^"//; s/"$//')")
    done
    wait_until 20 "the accessibility tree to hold the windows" tree_holds "${captions[@]}"
    for window in "$@"; do
        read -r _ _ width height < <(client_geometry "$window")
        sizes+=("window ${width}x${height} $(window_property "$window" _NET_WM_NAME)")
    done
    probe shot "$folder/$name.png" "${area[@]}" || fail "could not take $name.png"
    printf '%s\n' "${sizes[@]}" "$TREE" |
        python3 "$root/scripts/png-record.py" write "$folder/$name.png"
    note "$folder/$name.png"
}

settings_window_settled() {
    local window
    window=$(settings_window)
    [[ -n $window ]] && is_viewable "$window" &&
        [[ -n $(window_property "$window" _NET_FRAME_EXTENTS) ]]
}

mkdir -p "$folder"
start_display --size 800x640
xsetroot -solid '#3b5068'
start_accessibility_bus

note "the timer window alone, in the middle of the top 800x450"
# Places and sizes in twips, 15 to a pixel: a 560x150 window at 120,140.
write_settings "${EVENT[@]}" FontSize=48 Left=1800 Top=2100 Width=8400 Height=2250
start_tavrio
shot timer-window 0 0 800 450 "$TAVRIO_WINDOW"
stop_tavrio

note "the settings window beside it"
# A 400x120 window at 16,40, which leaves room for the settings window on its right.
write_settings "${EVENT[@]}" FontSize=36 Left=240 Top=600 Width=6000 Height=1800
start_tavrio --settings
wait_until 20 "the settings window to be framed" settings_window_settled
shot settings-window 0 0 800 640 "$TAVRIO_WINDOW" "$(settings_window)"
