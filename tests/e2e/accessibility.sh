#!/usr/bin/env bash
# What a screen reader gets, read from outside over the AT-SPI accessibility bus of a private
# session bus, as Orca reads it: the roles and names of the windows, the countdown in words and
# how often its name changes, the calendar's named parts, weekdays and dated days, the border-style
# list named by its label, and the donation link's press action. The settings window is made
# while the screen reader listens, as when a user opens it: what is read then is what stays. The
# calendar's moves from the keyboard tell the day moved to, on a page that the wheel scrolls
# unless the calendar has the keyboard.
source "$(dirname "$0")/lib.sh" "$@"

readonly PYTHON=/usr/bin/python3 TREE=$ATSPI_TREE
start_display
start_accessibility_bus

# What Tavrio hands the browser goes to a stand-in that writes it down.
mkdir -p "$E2E_DIR/bin"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$E2E_DIR/opened" >"$E2E_DIR/bin/xdg-open"
chmod +x "$E2E_DIR/bin/xdg-open"
# Accessibility is on through the bus's IsEnabled, as when a screen reader runs; the variable
# makes sure of it for a program that asks the bus before it answers on a busy machine.
TAVRIO_ENV=("PATH=$E2E_DIR/bin:$PATH" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)

TREE_TEXT=
read_tree() { TREE_TEXT=$("$PYTHON" "$TREE" dump "$TAVRIO_PID" 2>&1); }
# has DEPTH ROLE NAME: the tree holds an object of that role and name at that depth.
has() { grep -qxF "$1"$'\t'"$2"$'\t'"$3"$'\t'"${4:-}" <<<"$TREE_TEXT"; }
tree_has() { read_tree && has "$@"; }
# wait_for_tree SECONDS WHAT DEPTH ROLE NAME: as wait_until, showing the tree it last read.
wait_for_tree() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until tree_has "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${seconds}s waiting for $what; the tree:
$TREE_TEXT"
        sleep 0.1
    done
}
check_has() {
    local what=$1
    shift
    if has "$@"; then pass_check "$what"; else fail_check "$what" "not in the tree:" "$TREE_TEXT"; fi
}

note "no target: the windows as a screen reader finds them"
write_settings "What=Launch" "FontSize=24" "Width=6000" "Height=2400"
start_tavrio
wait_for_tree 20 "the timer window on the accessibility bus" 1 frame "Tavrio To Launch" SetFocus
env "${TAVRIO_ENV[@]}" "$TAVRIO" --settings
wait_for_tree 20 "the settings window on the accessibility bus" 1 dialog "Tavrio Settings v1.2.0"
check_has "the timer window is a frame named by its caption" 1 frame "Tavrio To Launch" SetFocus
check_has "the countdown says what it shows" 2 label "Double Click Me"
check_has "the settings window is a dialog named by its caption" 1 dialog "Tavrio Settings v1.2.0"
check_has "the calendar's grid of days is named" 6 table "Target date" SetFocus
check_has "the month before is named" 7 "push button" "Previous month" Press
check_has "the month after is named" 7 "push button" "Next month" Press
check_has "the year box is named" 7 "spin button" "Year" SetFocus,Increase,Decrease
check_has "the day names head the columns" 7 "table column header" Monday
month=$(date +%-m) year=$(date +%Y)
check_has "the first of this month reads as a full date" 7 "table cell" \
    "$(LC_ALL=C.UTF-8 date -d "$year-$month-01" '+%A, %-d %B %Y')"
check_has "the border-style list is named by its label" 5 "combo box" "Border Style" \
    ShowMenu,SetFocus
check_has "the donation picture is a link that can be pressed" 5 link Donate Press,SetFocus
check "no role of a window is a filler" bash -c '! grep -qP "^1\tfiller" <<<"$0"' "$TREE_TEXT"

note "the donation link pressed from outside"
"$PYTHON" "$TREE" press "$TAVRIO_PID" link Donate
address_opened() { [[ -s $E2E_DIR/opened ]]; }
wait_until 10 "the donation address to be handed to the browser" address_opened
check "it opens the donation page as a click does" grep -q '^https://www.paypal.com/' \
    "$E2E_DIR/opened"
stop_tavrio

note "a target ahead: the time left in words, its name steady from second to second"
# Twenty seconds from now, in the local time the program counts in.
target=$(($(date +%s) + 20))
write_settings "tvDate=$(date -d "@$target" +%F)" "tvTime=$(date -d "@$target" +%T)" \
    "FontSize=24" "Width=6000" "Height=2400"
start_tavrio
spoken_seconds() {
    read_tree && grep -qP '^2\tlabel\t([0-9]+ seconds?) left\t$' <<<"$TREE_TEXT"
}
wait_until 20 "the countdown in words" spoken_seconds
check "the countdown reads as words, not digits ($(grep -P '^2\tlabel' <<<"$TREE_TEXT"))" \
    grep -qP '^2\tlabel\t[0-9]+ seconds? left\t$' <<<"$TREE_TEXT"
changes=$("$PYTHON" "$TREE" name-changes "$TAVRIO_PID" label "" 3)
check_eq "its name did not change in 3 seconds of ticking" "$changes" 0
wait_for_tree 40 "the countdown to say the time has come" 2 label "Congrats!!!"
check "it says so within seconds of the target, not a minute later" \
    test "$(date +%s)" -le $((target + 5))
stop_tavrio

note "the calendar, as a screen reader hears it from the keyboard, on a page that scrolls"
# At a scale of 2 the settings window is smaller than its page. Qt 6.4 tells places in its pixels.
write_settings "tvDate=2027-03-25" "FontSize=24" "Width=6000" "Height=2400"
TAVRIO_ENV+=(QT_SCALE_FACTOR=2)
start_tavrio --settings
wait_for_tree 20 "the calendar on the accessibility bus" 6 table "Target date" SetFocus
grid() { "$PYTHON" "$TREE" extents "$TAVRIO_PID" table "Target date"; }
grid_top() { grid | cut -d' ' -f2; }
wheel_down_over_the_grid() { read -r x y w h < <(grid) && xdotool mousemove $((2 * x + w)) \
    $((2 * y + h)) click 5; }
top=$(grid_top)
wheel_down_over_the_grid
scrolled() { (($(grid_top) < top)); }
check_soon "the wheel over the calendar scrolls the page while the keyboard is elsewhere" scrolled
check "and leaves the month as it was" tree_has 7 "push button" March ShowMenu
"$PYTHON" "$TREE" focuses "$TAVRIO_PID" 60 >"$E2E_DIR/focuses" &
E2E_PIDS+=($!)
heard_last() { [[ $(tail -n 1 "$E2E_DIR/focuses") == "$1" ]]; }
wait_until 10 "the screen reader to listen" heard_last listening
"$PYTHON" "$TREE" focus "$TAVRIO_PID" table "Target date"
heard="Target date"
wait_until 10 "the grid to take the focus" heard_last "$heard"
for move in "Right 03-26" "Down 04-02" "Page_Down 05-02" "Page_Up 04-02" "Up 03-26" "Left 03-25"; do
    read -r key day <<<"$move"
    heard+=$'\n'$(date -d "2027-$day" '+%A, %-d %B %Y')
    xdotool key "$key"
    wait_until 10 "$key to take the focus to $day" heard_last "${heard##*$'\n'}"
done
check_eq "each move names the day it moves to, and no other" \
    "$(grep -v '^listening$' "$E2E_DIR/focuses" | uniq)" "$heard"
top=$(grid_top)
wheel_down_over_the_grid
wait_until 10 "the wheel to turn the month" heard_last "Sunday, 25 April 2027"
check_eq "with the keyboard in the calendar the wheel turns the month, not the page" \
    "$(grid_top)" "$top"
check "Qt finds the day of every event it sends" \
    bash -c '! grep -q "Cannot create accessible" "$0"' "$E2E_DIR/tavrio.log"
stop_tavrio

finish
