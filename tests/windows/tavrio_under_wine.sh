#!/usr/bin/env bash
# Tavrio.exe under Wine, run from the folder the installer and the zip hold, on a private X display
# with openbox and in a private Wine prefix, checked from outside as a user would see it: the timer
# window shows and stays above a window activated after it, --print counts down to a target stored
# in the registry, --help in German comes through a pipe as UTF-8, a title typed into the settings
# window is stored there, a second start hands over to the first, --exit ends it (storing the place
# it was dragged to), the settings window lies whole on the screen at twice the scale, and the
# hidden background is cut out at border styles 5 and 0; dragged by any point, it follows the
# pointer.
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
# check_soon SECONDS WHAT COMMAND...: a check of what comes about a moment later.
check_soon() {
    wait_until "$@"
    echo "ok: $2"
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

# Wine takes the user's language from the Unix locale: a German one, made here.
localedef -i de_DE -f UTF-8 "$DIR/de_DE.UTF-8" 2>/dev/null || true
german_help_is_utf8() {
    LOCPATH=$DIR LC_ALL=de_DE.UTF-8 wine "$EXE" --help 2>/dev/null | python3 -c '
import sys
text = sys.stdin.buffer.read().decode("utf-8")
sys.exit(0 if any(ord(c) > 127 for c in text) else 1)'
}
check "--help in German comes through a pipe as UTF-8" german_help_is_utf8

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
check_soon 20 "the timer window stays above a window activated after it" above_the_other

position_of() { xdotool getwindowgeometry "$1" | awk '/Position/ { sub(",", " ", $2); print $2 }'; }
read -r x y < <(position_of "$TIMER")
xdotool mousemove --sync --window "$TIMER" 40 40 mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove_relative --sync 20 10
done
xdotool mouseup 1
dragged() { [[ $(position_of "$TIMER") == "$((x + 100)) $((y + 50))" ]]; }
check_soon 20 "the timer window is dragged by a point of its own" dragged

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
check_soon 20 "a title typed into the settings window is stored in the registry" stored_title

# As the installer does before it replaces the files: the place the window was dragged to is stored
# on the way out.
ended() { timeout 30 wine "$EXE" --exit >"$DIR/exit.log" 2>&1; }
check "--exit ends the running Tavrio and waits for it" ended
check "the place it was dragged to is stored by then" test -n "$(stored Left)"
no_timer_window() { ! timer_window; }
wait_until 10 "the timer window to go" no_timer_window

# At twice the scale the settings window, taller than the screen, is cut short to lie whole on it
# with the frame Wine draws (a double-click below that frame's caption opens it).
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
wine "$EXE" >"$DIR/scaled.log" 2>&1 &
PIDS+=($!)
wait_until 60 "the timer window at twice the scale" timer_window
xdotool mousemove --sync --window "$(timer_window)" 40 120
wait_until 20 "the settings window at twice the scale" double_clicked
on_screen() {
    xwininfo -id "$(settings_window)" | awk '/Absolute upper-left Y/ { y = $4 } /Height/ { h = $2 }
        END { exit !(y >= 0 && y + h <= 800) }'
}
check "at twice the scale the settings window lies whole on the screen" on_screen
wineserver -k || true
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null

# The hidden background: Wine leaves the window's colour key out as Windows does, through an X
# shape, over a window below that takes the whole screen. The shape is read from the X server:
# grabs of the screen's pixels (xwd -root) were seen to disagree with the screen under Wine.
for setting in tvHide=True FontSize=36 FontBold=True FontColor=255; do
    wine reg add "$SETTINGS" /v "${setting%%=*}" /d "${setting#*=}" /f >/dev/null
done
xev -geometry 1280x800+0+0 -name under >"$DIR/under.log" 2>&1 &
PIDS+=($!)
under_shown() { xdotool search --onlyvisible --name '^under$'; }
wait_until 20 "the window under the timer window" under_shown
presses_under() { grep -c ButtonPress "$DIR/under.log" || true; }
# The timer window's middle row as its shape cuts it: "Y WIDTH SHAPED ON BESIDE", the row's height
# on the screen, the window's width, how many of the row's pixels are in the shape, and the
# screen's X of the middle of the first stroke of the text and of the gap before it. A window
# frame Wine draws itself (border style 5) is in the shape too, at the edges: a press there
# resizes the window, so no stroke touching an edge counts.
shaped_row() {
    local x y width height
    read -r x y width height < <(xwininfo -id "$TIMER" |
        awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
             /Width/ { w = $2 } /Height/ { h = $2 } END { print x, y, w, h }')
    python3 - "$TIMER" "$x" "$y" "$width" "$height" <<'PYTHON'
import ctypes, sys
window, x, y, width, height = (int(a) for a in sys.argv[1:])
class Rectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]
x11, xext = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXext.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
xext.XShapeGetRectangles.restype = ctypes.POINTER(Rectangle)
xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                     ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
count, ordering = ctypes.c_int(), ctypes.c_int()
shape = xext.XShapeGetRectangles(x11.XOpenDisplay(None), window, 0, count, ordering)
row = height // 2
inside = sorted({column for r in shape[:count.value] if r.y <= row < r.y + r.height
                 for column in range(max(r.x, 0), min(r.x + r.width, width))})
runs = []
for column in inside:
    if runs and runs[-1][1] == column:
        runs[-1][1] = column + 1
    else:
        runs.append([column, column + 1])
strokes = [i for i, (start, end) in enumerate(runs) if start > 0 and end < width]
if not strokes:
    print(y + row, width, len(inside), -1, -1)
else:
    start, end = runs[strokes[0]]
    gap_start = runs[strokes[0] - 1][1] if strokes[0] > 0 else 0
    print(y + row, width, len(inside), x + (start + end) // 2, x + (gap_start + start) // 2)
PYTHON
}
cut_out() {
    local row_y width shaped on beside
    read -r row_y width shaped on beside < <(shaped_row)
    ((shaped > 0 && shaped < width / 2 && on >= 0))
}
for border in 5 0; do
    wineserver -k || true
    wine reg add "$SETTINGS" /v BS /d "$border" /f >/dev/null
    wine "$EXE" >"$DIR/hidden-$border.log" 2>&1 &
    PIDS+=($!)
    wait_until 60 "the timer window at border style $border" timer_window
    TIMER=$(timer_window)
    check_soon 20 "border style $border: the shape holds the text and leaves the background out" cut_out
    read -r row_y width shaped on beside < <(shaped_row)
    presses=$(presses_under)
    # On the first stroke of the text, then beside it, where the window under shows.
    xdotool mousemove --sync "$on" "$row_y" click 1 mousemove --sync "$beside" "$row_y" click 1
    reached_under() { (($(presses_under) > presses)); }
    wait_until 20 "the click beside the text to reach the window under" reached_under
    check "border style $border: a click beside the text reaches the window under, not one on it" \
        test "$(presses_under)" -eq $((presses + 1))
done

# A second countdown, in a subkey of its own: its own window, and a line of its own in --print --all.
wineserver -k || true
wine reg add "$SETTINGS" /v Countdowns /d Countdown2 /f >/dev/null
wine reg add "${SETTINGS%Settings}Countdown2" /v What /d Exam /f >/dev/null
wine reg add "${SETTINGS%Settings}Countdown2" /v tvDate /d "$(date +%F -d '+5 days')" /f >/dev/null
printed_all=$(wine "$EXE" --print --all 2>"$DIR/print-all.log" | tr -d '\r' | cut -f1 | paste -sd ' ')
check "--print --all prints a line for each countdown: '$printed_all'" test "$printed_all" = "Party Exam"
wine "$EXE" >"$DIR/two.log" 2>&1 &
PIDS+=($!)
two_windows() { (($(timer_window | wc -l) == 2)); }
check_soon 60 "each countdown has its own timer window" two_windows

((FAILURES == 0)) || fail "$FAILURES checks failed"
