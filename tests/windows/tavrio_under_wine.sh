#!/usr/bin/env bash
# Tavrio.exe under Wine, run from the folder the installer and the zip hold, on a private X display
# with openbox and in a private Wine prefix, checked from outside as a user would see it: the timer
# window shows and stays above a window activated after it, --print counts down to a target stored
# in the registry, a title typed into the settings window is stored there, and a second start
# hands over to the first; dragged by any point, it follows the pointer.
#   tavrio_under_wine.sh DEPLOY_FOLDER
set -euo pipefail

EXE=$(realpath "${1:?the folder with Tavrio.exe}")/Tavrio.exe
[[ -f $EXE ]] || { echo "no $EXE" >&2; exit 2; }
DIR=$(mktemp -d "${TMPDIR:-/tmp}/tavrio-wine.XXXXXX")
readonly EXE DIR
readonly SETTINGS='HKCU\Software\Tavrio\Tavrio\Settings'
export HOME=$DIR/home WINEPREFIX=$DIR/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"
PIDS=()
FAILURES=0

cleanup() {
    local status=$? index
    wineserver -k 2>/dev/null || true
    for ((index = ${#PIDS[@]} - 1; index >= 0; index--)); do
        kill "${PIDS[index]}" 2>/dev/null || true
        wait "${PIDS[index]}" 2>/dev/null || true
    done
    ((status == 0)) || cat "$DIR"/*.log >&2 2>/dev/null || true
    rm -rf "$DIR"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() { echo "FAIL: $*" >&2 && exit 1; }
check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what" && FAILURES=$((FAILURES + 1)); fi
}
# wait_until SECONDS WHAT COMMAND...: polls the condition; fails the test when time runs out.
wait_until() {
    local deadline=$((SECONDS + $1)) what=$2
    shift 2
    until "$@" >/dev/null; do
        ((SECONDS < deadline)) || fail "timed out waiting for $what"
        sleep 0.1
    done
}

start_display() {
    : >"$DIR/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$DIR/display" >"$DIR/xvfb.log" 2>&1 &
    PIDS+=($!)
    display_chosen() { (($(wc -l <"$DIR/display") >= 1)); }
    wait_until 20 "Xvfb" display_chosen
    export DISPLAY=:$(<"$DIR/display")
    openbox --sm-disable >"$DIR/openbox.log" 2>&1 &
    PIDS+=($!)
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_until 20 "openbox" managed
}

# Tavrio's shown window whose caption starts so: the timer window ("Tavrio To ..."), the settings
# window.
shown_window() {
    local id found=1
    for id in $(xdotool search --onlyvisible --name "^$1" 2>/dev/null); do
        xprop -id "$id" WM_CLASS | grep -q '"tavrio.exe"' && echo "$id" && found=0
    done
    return $found
}
timer_window() { shown_window 'Tavrio To '; }
settings_window() { shown_window 'Tavrio Settings'; }
stacking_index() {
    xprop -root _NET_CLIENT_LIST_STACKING | tr -s ', ' '\n' | grep -n '^0x' |
        awk -F: -v id="$(printf '0x%x' "$1")" '$2 == id { print $1 }'
}
# reg.exe writes Windows' line ends.
stored() { wine reg query "$SETTINGS" /v "$1" 2>/dev/null | tr -d '\r' | awk -v key="$1" '$1 == key { print $3 }'; }

start_display
# A new prefix, made on this display: Wine's desktop and tray then belong to it.
wineboot -i >"$DIR/wineboot.log" 2>&1
wine reg add "$SETTINGS" /v tvDate /d "$(date +%F -d '+3 days')" /f >/dev/null

countdown=$(wine "$EXE" --print 2>"$DIR/print.log" | tr -d '\r')
check "--print counts down to the stored target: '$countdown'" \
    grep -Eq '^2:[0-9]{2}:[0-9]{2}:[0-9]{2}$' <<<"$countdown"

wine "$EXE" >"$DIR/tavrio.log" 2>&1 &
PIDS+=($!)
wait_until 60 "the timer window" timer_window
TIMER=$(timer_window)
xev -geometry 500x300+0+0 -name below >/dev/null 2>&1 &
PIDS+=($!)
below_shown() { BELOW=$(xdotool search --onlyvisible --name '^below$' 2>/dev/null); }
wait_until 20 "the window below" below_shown
xdotool windowactivate --sync "$BELOW"
above_the_other() {
    local timer below
    timer=$(stacking_index "$TIMER") below=$(stacking_index "$BELOW")
    [[ -n $timer && -n $below ]] && ((timer > below))
}
# Both are managed a moment after they show.
wait_until 20 "the timer window above the window activated after it" above_the_other
check "the timer window stays above a window activated after it" above_the_other

position_of() { xdotool getwindowgeometry "$1" | awk '/Position/ { sub(",", " ", $2); print $2 }'; }
read -r x y < <(position_of "$TIMER")
xdotool mousemove --sync --window "$TIMER" 40 40 mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove_relative --sync 20 10
done
xdotool mouseup 1
dragged() { [[ $(position_of "$TIMER") == "$((x + 100)) $((y + 50))" ]]; }
wait_until 20 "the timer window to follow the pointer" dragged
check "the timer window is dragged by a point of its own" dragged

second_start() { timeout 30 wine "$EXE" >"$DIR/second.log" 2>&1; }
check "a second start hands over to the first and ends" second_start
check "one timer window is left" test "$(timer_window | wc -l)" -eq 1

# Wine takes a click where it last saw the pointer: the pointer is moved first, on its own; and
# as a user would, the double-click is made again if no window came.
xdotool mousemove --sync --window "$TIMER" 20 20
double_clicked() {
    xdotool click --repeat 2 --delay 80 1
    local deadline=$((SECONDS + 5))
    until settings_window >/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
wait_until 20 "the settings window on a double-click" double_clicked
SETTINGS_WINDOW=$(settings_window)
# The settings window opens with the keyboard in its title box.
xdotool type --delay 50 "Party"
stored_title() { [[ $(stored What) == Party ]]; }
wait_until 20 "the typed title in the registry" stored_title
check "a title typed into the settings window is stored in the registry" stored_title

# The hidden background: Wine leaves the window's colour key out as Windows does (through an X
# shape), over a window below that takes the whole screen.
wineserver -k
for setting in tvHide=True FontSize=36 FontBold=True FontColor=255; do
    wine reg add "$SETTINGS" /v "${setting%%=*}" /d "${setting#*=}" /f >/dev/null
done
xev -geometry 1280x800+0+0 -name under >"$DIR/under.log" 2>&1 &
PIDS+=($!)
under_shown() { xdotool search --onlyvisible --name '^under$'; }
wait_until 20 "the window under the timer window" under_shown
wine "$EXE" >"$DIR/hidden.log" 2>&1 &
PIDS+=($!)
wait_until 60 "the timer window with its background hidden" timer_window
TIMER=$(timer_window)
# The timer window's middle row on the screen: its height "Y", then its pixels as "X RRGGBB".
middle_row() {
    local x y width height
    read -r x y width height < <(xwininfo -id "$TIMER" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width/ { w = $2 } /Height/ { h = $2 } END { print x, y, w, h }')
    echo $((y + height / 2))
    xwd -root -silent | python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
header = struct.unpack(">25I", data[:100])
size, order, bpp, per_line, colours = header[0], header[7], header[11], header[12], header[19]
start = size + 12 * colours
x0, y, w = (int(a) for a in sys.argv[1:4])
for x in range(x0, x0 + w):
    at = start + y * per_line + x * bpp // 8
    value = int.from_bytes(data[at:at + 4], "little" if order == 0 else "big")
    print(x, "%06X" % (value & 0xFFFFFF))' "$x" $((y + height / 2)) "$width"
}
# first_of COLOUR: the first pixel of that colour in the middle row, as "X Y".
first_of() { middle_row | awk -v colour="$1" 'NR == 1 { y = $1 } $2 == colour && !x { x = $1 } END { if (x) print x, y }'; }
presses_under() { grep -c ButtonPress "$DIR/under.log" || true; }
text_shown() { [[ -n $(first_of FF0000) ]]; }
wait_until 20 "the countdown in red" text_shown
check "no pixel of the key colour shows" test -z "$(first_of 000001)"
read -r text_x row_y < <(first_of FF0000)
presses=$(presses_under)
# On the first digit, then just left of it, where the window under shows.
xdotool mousemove --sync "$text_x" "$row_y" click 1 mousemove --sync $((text_x - 4)) "$row_y" click 1
reached_under() { (($(presses_under) > presses)); }
wait_until 20 "the click beside the text to reach the window under" reached_under
check "a click beside the text reaches the window under, one on the text does not" \
    test "$(presses_under)" -eq $((presses + 1))

((FAILURES == 0)) || fail "$FAILURES checks failed"
