#!/usr/bin/env bash
# Several countdowns as a user makes them: from the pop-up menu, each given its own title, target,
# opacity and border style in its own settings window; all back after a restart, each where it
# was; the middle one removed for good; a second start brings every window back; --print --all
# prints a line for each. A settings file of one countdown is left as it was, byte for byte.
source "$(dirname "$0")/lib.sh" "$@"

start_display

# managed_timer_windows [TITLE]: the ids of the shown timer windows the window manager manages
# (whose caption names TITLE, when given).
managed_timer_windows() {
    local window
    for window in $(xdotool search --all --onlyvisible --pid "$TAVRIO_PID" \
        --name "^${TIMER_CAPTION}${1:-.*}\$" 2>/dev/null); do
        xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' && echo "$window"
    done
}
timer_window_named() { managed_timer_windows "$1" | head -n 1; }
timer_windows() { managed_timer_windows | wc -l; }

# menu_on WINDOW KEY: chooses an entry of WINDOW's pop-up menu by its mnemonic.
menu_on() {
    local x y width height shown
    read -r x y width height < <(client_geometry "$1")
    shown=$(visible_tavrio_windows)
    menu_open() { (($(visible_tavrio_windows) > shown)); }
    xdotool mousemove $((x + 4)) $((y + 4)) click 3
    wait_until 10 "the pop-up menu to open" menu_open
    xdotool key "$2"
}

# new_countdown_from WINDOW TITLE DATE OPACITY_STEPS STYLE_STEPS: New Countdown on the window's
# menu, then in the settings window that opens for it: the title typed, the date, the slider a
# few pages down and the border-style list a few entries up, as the keyboard does it;
# Escape.
new_countdown_from() {
    local windows
    windows=$(timer_windows)
    more_windows() { (($(timer_windows) > windows)) && settings_window_active; }
    menu_on "$1" n
    wait_until 10 "a new timer window and its settings window" more_windows
    xdotool type "$2"
    xdotool key Tab
    xdotool type "$3"
    xdotool key Tab Tab Tab
    local step
    for ((step = 0; step < $4; step++)); do xdotool key Next; done
    titled() { [[ -n $(timer_window_named "$1") ]]; }
    wait_until 10 "the timer window named $2" titled "$2"
    xdotool key Tab
    # Each style makes the timer window anew: the next key waits for the new one.
    local old
    remade() { [[ -n $(timer_window_named "$1") && $(timer_window_named "$1") != "$old" ]] &&
        settings_window_active; }
    for ((step = 0; step < $5; step++)); do
        old=$(timer_window_named "$2")
        xdotool key Up
        wait_until 10 "the timer window made anew" remade "$2"
    done
    xdotool key Escape
    settings_gone() { [[ -z $(settings_window) ]]; }
    wait_until 10 "the settings window to close" settings_gone
}

restart() {
    exit_by_menu
    start_tavrio
    all_back() { (($(timer_windows) == $1)); }
    wait_until 10 "$1 timer windows" all_back "$1"
    # The first countdown's window: the one Exit is chosen on, which stays.
    TAVRIO_WINDOW=$(timer_window_named Holiday)
}

opacity_of() {
    window_property "$(timer_window_named "$1")" _NET_WM_WINDOW_OPACITY
}

note "One countdown: its file is read and left as it was"
write_settings "What=Holiday" "tvDate=2031-07-01" "Left=1500" "Top=1500" "FontSize=24" \
    "Width=6000" "Height=2400"
cp "$SETTINGS_FILE" "$E2E_DIR/one.conf"
start_tavrio
exit_by_menu
check "the file of one countdown is unchanged after Exit" cmp "$E2E_DIR/one.conf" "$SETTINGS_FILE"

note "Two more from the menu, each with its own title, target, opacity and border style"
start_tavrio
new_countdown_from "$TAVRIO_WINDOW" Exam 6/1/2030 2 2
new_countdown_from "$(timer_window_named Exam)" Release 3/4/2032 4 3
check_eq "three timer windows" "$(timer_windows)" 3
declare -A place
for title in Holiday Exam Release; do place[$title]=$(outer_geometry "$(timer_window_named "$title")"); done
check "the new windows do not lie on the first" \
    test "${place[Exam]}" != "${place[Holiday]}" -a "${place[Release]}" != "${place[Exam]}"

note "Restarted: each as it was left"
restart 3
for title in Holiday Exam Release; do
    check_eq "$title where it was" "$(outer_geometry "$(timer_window_named "$title")")" "${place[$title]}"
done
check "each its own opacity" test "$(opacity_of Exam)" != "$(opacity_of Release)" -a \
    -n "$(opacity_of Exam)"
# Exam's Fixed Dialog has a fixed size, Release's Sizable none.
fixed_size() { xprop -id "$(timer_window_named "$1")" WM_NORMAL_HINTS | grep -q 'maximum size'; }
styles_differ() { fixed_size Exam && ! fixed_size Release; }
check "each its own border style" styles_differ
check_eq "--print --all, a line for each" "$("$TAVRIO" --print --all | cut -f1)" \
    "$(printf 'Holiday\nExam\nRelease')"

note "The middle one removed, after the question"
menu_on "$(timer_window_named Exam)" r
# A message box of Tavrio's, captioned with its name alone.
message_shown() { [[ -n $(xdotool search --onlyvisible --pid "$TAVRIO_PID" --name '^Tavrio$') ]]; }
wait_until 10 "the question" message_shown
xdotool key Return
exam_gone() { [[ -z $(timer_window_named Exam) ]]; }
wait_until 10 "the removed countdown's window to go" exam_gone
restart 2
check_eq "it does not come back" "$("$TAVRIO" --print --all | cut -f1)" "$(printf 'Holiday\nRelease')"
check "its group is gone from the file" bash -c "! grep -q '^What=Exam' '$SETTINGS_FILE'"

note "A countdown whose values do not read starts without them, the user told, the others whole"
exit_by_menu
cp "$SETTINGS_FILE" "$E2E_DIR/two.conf"
printf '\n[Countdown9]\nWhat=Broken\nBS=9\ntvTrans=lots\n' >>"$SETTINGS_FILE"
sed -i 's/^Countdowns=.*/& Countdown9/' "$SETTINGS_FILE"
start_tavrio
wait_until 10 "the message about the unreadable values" message_shown
xdotool key Return
three() { (($(timer_windows) == 3)); }
check_soon "the broken countdown's window beside the others" three
TAVRIO_WINDOW=$(timer_window_named Holiday)
exit_by_menu
check "the values that do not read stay as they were" grep -qx 'tvTrans=lots' "$SETTINGS_FILE"
cp "$E2E_DIR/two.conf" "$SETTINGS_FILE"
start_tavrio
TAVRIO_WINDOW=$(timer_window_named Holiday)

note "A second start brings every window back, opaque"
"$TAVRIO"
opaque() { [[ -z $(opacity_of Release) || $(opacity_of Release) == 4294967295 ]]; }
check_soon "the translucent countdown is opaque again" opaque
check "the first is still there" test -n "$(timer_window_named Holiday)"

exit_by_menu
finish
