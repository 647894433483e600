#!/usr/bin/env bash
# Everything from the keyboard, as a user without a mouse (or without a tray) reaches it: the
# timer window takes the focus, Shift+F10 and the Menu key open its menu, Return opens the
# settings window, the arrow keys move it (stored as a drag is); in the settings window a new
# border style (ten in a row) and the font dialog (opened beside the timer window) leave the
# settings window active and on top with the focus where it was, and Escape closes it, storing
# what closing stores.
source "$(dirname "$0")/lib.sh" "$@"

readonly TWIPS_PER_PIXEL=15
start_display
write_settings "BS=2" "Left=1500" "Top=1200" "Width=6000" "Height=2400" "FontSize=24"
start_tavrio

timer_active() { [[ $(active_client) == "$TAVRIO_WINDOW" ]]; }
no_settings_window() { [[ -z $(settings_window) ]]; }
# press KEY...: keys as a user types them, to whichever window has the keyboard.
press() { xdotool key "$@"; }

note "the timer window takes the focus with a click"
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
click $((x + 6)) $((y + 6))
wait_until 10 "the timer window to become active" timer_active
pass_check "a click activates the timer window"

note "Shift+F10 and the Menu key open the pop-up menu"
for keys in Shift_L+F10 Menu; do
    shown=$(visible_tavrio_windows)
    menu_open() { (($(visible_tavrio_windows) > shown)); }
    menu_closed() { (($(visible_tavrio_windows) == shown)); }
    press "$keys"
    wait_until 10 "$keys to open the menu" menu_open
    pass_check "$keys opens the pop-up menu"
    press Escape
    wait_until 10 "Escape to close the menu" menu_closed
done

note "a menu opened from the keyboard has its first entry active: Return chooses Settings"
wait_until 10 "the timer window to be active again" timer_active
press Shift_L+F10
wait_until 10 "Shift+F10 to open the menu" menu_open
press Return
wait_until 10 "Return to choose Settings" settings_window_active
pass_check "Return alone chooses the first entry"
press Escape
wait_until 10 "Escape to close the settings window" no_settings_window

note "Return opens the settings window"
wait_until 10 "the timer window to be active again" timer_active
press Return
wait_until 10 "the settings window to open and become active" settings_window_active
pass_check "Return opens the settings window, active"

note "Escape closes the settings window and stores what closing stores"
# The title box has the focus; four tabs lead to the opacity slider.
press Tab Tab Tab Tab Page_Down
press Escape
wait_until 10 "Escape to close the settings window" no_settings_window
pass_check "Escape closes the settings window"
wait_until 10 "the keyboard to be back on the timer window" timer_active
pass_check "and gives the keyboard back to the timer window"
opacity_stored() { [[ $(read_setting tvTrans) == 205 ]]; }
wait_until 10 "the opacity to be stored" opacity_stored
pass_check "and the opacity changed there is stored"

note "a new border style from the keyboard"
# Well away from the first click: two clicks at one spot a moment apart make a double-click.
click $((x + 60)) $((y + 6))
wait_until 10 "the timer window to become active" timer_active
press Return
wait_until 10 "the settings window to open" settings_window_active
old_window=$TAVRIO_WINDOW
# Five tabs from the title box to the border-style list.
press Tab Tab Tab Tab Tab Down
style_is() { [[ $(read_setting BS) == "$1" ]]; }
wait_until 10 "the new style to be stored" style_is 3
renewed() { tavrio_window_shown && [[ $TAVRIO_WINDOW != "$old_window" ]]; }
wait_until 10 "the timer window to be re-created" renewed
wait_until 10 "the settings window to be active again" settings_window_active
pass_check "the settings window is active again after the timer window was re-created"
old_window=$TAVRIO_WINDOW
press Down
wait_until 10 "a second Down to store the next style" style_is 4
pass_check "with the focus still on the list"
wait_until 10 "the timer window to be re-created again" renewed
settings_on_top() { settings_window_active && [[ $(topmost_client) == "$(settings_window)" ]]; }
for key in Down Up Up Up Up Down Down Down; do # from style 4 through 5, 1 and back to 4
    old_window=$TAVRIO_WINDOW
    press "$key"
    wait_until 10 "$key to re-create the timer window" renewed
    wait_until 10 "the settings window to be active and on top after $key" settings_on_top
done
pass_check "after ten new styles the settings window is active, on top, with the focus on the list"

note "the font dialog gives the settings window back"
font_dialog() {
    local window
    for window in $(xdotool search --all --onlyvisible --pid "$TAVRIO_PID" 2>/dev/null); do
        [[ $(window_property "$window" _NET_WM_NAME) == '"Tavrio Settings'* ]] && continue
        [[ $window == "$TAVRIO_WINDOW" ]] && continue
        xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' && FONT=$window && return 0
    done
    return 1
}
dialog_active() { font_dialog && ! settings_window_active && [[ $(active_client) != "$TAVRIO_WINDOW" ]]; }
# Two tabs from the list to the font button.
press Tab Tab space
wait_until 10 "the font dialog to open" dialog_active
# Centred over the settings window it would cover the timer window: it opens at its right, and
# stays there once framed.
E2E_LAST_GEOMETRY= E2E_STEADY_POLLS=0
framed_and_still() { TAVRIO_WINDOW=$FONT tavrio_window_settled; }
wait_until 10 "the font dialog to be framed and settled" framed_and_still
read -r tx ty tw _ < <(outer_geometry "$TAVRIO_WINDOW")
check_eq "the font dialog opens beside the timer window" \
    "$(outer_geometry "$FONT" | cut -d' ' -f1-2)" "$((tx + tw + 8)) $ty"
press Escape
wait_until 10 "the settings window to be active after Escape in the font dialog" settings_window_active
pass_check "after the font dialog the settings window is active"
press space
wait_until 10 "Space to open the font dialog again" dialog_active
pass_check "with the focus on the font button"
press Escape
wait_until 10 "the settings window to be active again" settings_window_active

press Escape
wait_until 10 "the settings window to close" no_settings_window

note "the arrow keys move the timer window"
read -r x y width height < <(client_geometry "$TAVRIO_WINDOW")
click $((x + 120)) $((y + 6))
wait_until 10 "the timer window to become active" timer_active
read -r left top width height < <(outer_geometry "$TAVRIO_WINDOW")
press Right Right Right Shift_L+Down
moved() { [[ $(outer_geometry "$TAVRIO_WINDOW") == "$((left + 3)) $((top + 10)) $width $height" ]]; }
wait_until 10 "the window to move 3 right and 10 down" moved
pass_check "a pixel a key, ten with Shift"

note "the place moved by keys is stored on the way out"
close_tavrio
check_eq "Left and Top are the moved place" "$(read_setting Left) $(read_setting Top)" \
    "$(((left + 3) * TWIPS_PER_PIXEL)) $(((top + 10) * TWIPS_PER_PIXEL))"

finish
