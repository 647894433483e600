#!/usr/bin/env bash
# The tray icon under a real system tray (trayer): its menu's items chosen as a user would, by
# right-clicking the icon and picking from the menu with the keyboard.
source "$(dirname "$0")/lib.sh" "$@"

command -v trayer >/dev/null || fail "missing tool: trayer (scripts/setup.sh test)"
readonly AUTOSTART_ENTRY=$XDG_CONFIG_HOME/autostart/org.tavrio.Tavrio.desktop

start_display
trayer --edge top --align right --widthtype pixel --width 120 --height 32 \
    >"$E2E_DIR/trayer.log" 2>&1 &
E2E_PIDS+=($!)
tray_running() { xdotool search --class trayer >/dev/null 2>&1; }
wait_until 10 "the system tray to start" tray_running

ICON_X= ICON_Y=
# Tavrio's is the only icon in the tray: the one window of real size in trayer's panel.
icon_docked() {
    local panel line size position width height
    panel=$(xdotool search --name '^panel$' 2>/dev/null | head -n 1)
    [[ -n $panel ]] || return 1
    # "  0x400026 (has no name): ()  22x30+97+1  +1257+1"
    line=$(xwininfo -children -id "$panel" | grep -E '^ +0x[0-9a-f]+ ' | grep -v ' 1x1+' |
        head -n 1) || return 1
    size=$(grep -oE '[0-9]+x[0-9]+\+' <<<"$line" | head -n 1)
    position=$(awk '{ print $NF }' <<<"$line")
    width=${size%x*} height=${size#*x} height=${height%+}
    ICON_X=$(($(cut -d+ -f2 <<<"$position") + width / 2))
    ICON_Y=$(($(cut -d+ -f3 <<<"$position") + height / 2))
    ((width > 1))
}
# choose ITEM: right-clicks the icon and picks the menu's ITEM-th entry (separators skipped).
# A press that comes while Qt is still closing the previous menu is taken for that menu's
# outside click, so the click is repeated until the menu is open.
choose() {
    local before attempt keys=()
    before=$(visible_tavrio_windows)
    menu_open() { (($(visible_tavrio_windows) > before)); }
    for attempt in 1 2 3; do
        xdotool mousemove "$ICON_X" "$ICON_Y" click 3
        for _ in $(seq 20); do
            menu_open && break 2
            sleep 0.1
        done
    done
    menu_open || fail "the tray menu did not open"
    for ((i = 0; i < $1; i++)); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
}
readonly SETTINGS=1 SHOW_TIMER=2 NOTIFY=4 START_WITH_SESSION=5 EXIT=6

note "an invisible timer window"
write_settings "tvTrans=0"
start_tavrio
wait_until 10 "the tray icon to dock" icon_docked
check_eq "the window is invisible" "$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)" 0

choose $SHOW_TIMER
# Fully opaque: no opacity property, or the full value (Qt leaves one or the other).
opaque() {
    local opacity
    opacity=$(window_property "$TAVRIO_WINDOW" _NET_WM_WINDOW_OPACITY)
    [[ -z $opacity || $opacity == 4294967295 ]]
}
wait_until 5 "Show Timer Window to make the window opaque" opaque
pass_check "Show Timer Window brings it back fully opaque"
check_eq "without storing the opacity" "$(read_setting tvTrans)" 0

note "a minimised timer window"
xdotool windowminimize "$TAVRIO_WINDOW"
wait_until 10 "the window manager to minimise the window" timer_window_iconic
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_until 10 "a click on the icon to bring the window back" timer_window_restored
pass_check "a click on the icon brings back a minimised window"
xdotool windowminimize "$TAVRIO_WINDOW"
wait_until 10 "the window manager to minimise the window again" timer_window_iconic
choose $SHOW_TIMER
wait_until 10 "Show Timer Window to bring the window back" timer_window_restored
pass_check "Show Timer Window brings back a minimised window"

note "Start With Session"
choose $START_WITH_SESSION
wait_until 5 "the autostart entry to be written" test -f "$AUTOSTART_ENTRY"
check_eq "the entry starts this program" "$(sed -n 's/^Exec=//p' "$AUTOSTART_ENTRY")" "\"$TAVRIO\""
check "the entry is valid" desktop-file-validate "$AUTOSTART_ENTRY"
choose $START_WITH_SESSION
entry_gone() { [[ ! -e $AUTOSTART_ENTRY ]]; }
wait_until 5 "the autostart entry to be removed" entry_gone
pass_check "choosing it again removes the entry"

note "Notify When Time Comes"
choose $NOTIFY
notify_off() { [[ $(read_setting tvNotify) == False ]]; }
wait_until 5 "the notification to be turned off" notify_off
pass_check "unticking it stores tvNotify=False"

note "Settings"
choose $SETTINGS
settings_shown() { [[ -n $(settings_window) ]]; }
wait_until 5 "the settings window to open" settings_shown
pass_check "Settings opens the settings window"

note "Exit"
choose $EXIT
wait_until 10 "Tavrio to end" tavrio_ended
status=0
wait "$TAVRIO_PID" || status=$?
check_eq "Exit ends the program with success" "$status" 0
TAVRIO_PID=

note "Exit with nothing moved or changed"
write_settings "Left=1500" "Top=1200" "Width=6000" "Height=2400" "FontSize=24" "tvTrans=200"
cp "$SETTINGS_FILE" "$E2E_DIR/before.conf"
start_tavrio
wait_until 10 "the tray icon to dock" icon_docked
choose $EXIT
wait_until 10 "Tavrio to end" tavrio_ended
wait "$TAVRIO_PID" || true
TAVRIO_PID=
check "the settings file is left as it was, byte for byte" \
    cmp "$E2E_DIR/before.conf" "$SETTINGS_FILE"

finish
