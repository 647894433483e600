#!/usr/bin/env bash
# How Tavrio keeps up while the user types a title into the settings window, on a disk that is
# slow to sync (bench/slow-disk: every fsync and fdatasync made DELAY ms longer), beside the same
# run on the disk as it is, measured in turn within every round:
#   keystroke to caption  from each key event to the timer window's caption change, both as the
#                         X server stamps them (a client watching the key presses and the
#                         timer window's _NET_WM_NAME)
#   countdown lag         how long after each wall-clock second the countdown's pixels change,
#                         for the seconds while typing
#   settings window       from the double-click on the timer window (its second press) to the
#                         settings window mapped, by the X server's clock
#   font dialog           from the press on the font button to the font dialog mapped (Qt acts
#                         on the release, which xdotool sends 12 ms after the press)
#   exit                  from Alt+F4 on the timer window, right after typing, to the process's end
#   syncs                 fdatasync and fsync calls while typing and closing (slow disk only)
# Each round types 40 characters at 10 a second with xdotool into the title box, on a private
# Xvfb with openbox, with Debian's fonts-noto-core among the fonts (a font list as long as on a
# desktop with many languages; fetched into DIR when it is not installed).
#
#   bench/typing_on_a_slow_disk.sh [--runs N] [--delay MS] [--build DIR] [--before REVISION]
#
# Builds a release Tavrio and the benchmark's programs in DIR (build/bench); --before also builds
# REVISION (say, the commit before a change) and measures it the same way in every round. Prints
# per round, then the median (min-max) over the rounds of each round's median, p95 and max.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
runs=5
delay=30
build=$repo/build/bench
before=

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
    exit 2
}
while (($#)); do
    case $1 in
    --runs) runs=${2:?}; shift 2 ;;
    --delay) delay=${2:?}; shift 2 ;;
    --build) build=${2:?}; shift 2 ;;
    --before) before=${2:?}; shift 2 ;;
    *) usage ;;
    esac
done
[[ $runs =~ ^[1-9][0-9]*$ && $delay =~ ^[0-9]+$ ]] || usage

# 40 characters that need no Shift key, so that every key press changes the caption once.
readonly TEXT="summer party at the lake house at eight."
readonly TWIPS_PER_PIXEL=15

source "$repo/bench/build.sh"
slow_sync=$build/programs/libtavrio-slow-sync.so
programs=("current=$build/tavrio/app/tavrio")
[[ -z $revision ]] || programs+=("$revision=$build/before/app/tavrio")

# fonts-noto-core as installed, or unpacked into the build folder and added to the system's
# fonts for the programs started here only.
if ! dpkg-query -W -f='${Status}' fonts-noto-core 2>/dev/null | grep -q 'install ok installed'; then
    fonts=$build/fonts
    if [[ ! -d $fonts/root/usr/share/fonts ]]; then
        echo "Fetching fonts-noto-core into $fonts ..."
        mkdir -p "$fonts/root"
        (cd "$fonts" && apt-get download fonts-noto-core >/dev/null 2>&1)
        dpkg-deb -x "$fonts"/fonts-noto-core_*.deb "$fonts/root"
    fi
    cat >"$fonts/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$fonts/root/usr/share/fonts</dir>
  <cachedir>$fonts/cache</cachedir>
</fontconfig>
EOF
    export FONTCONFIG_FILE=$fonts/fonts.conf
fi
families=$(fc-list : family | sort -u | wc -l)
echo "$families font families"

# The end-to-end harness gives the private display, home and settings, and ends all it started.
source "$repo/tests/e2e/lib.sh" "$build/tavrio/app/tavrio" "$build/programs/tavrio-probe"
start_display
results=$E2E_DIR/results
: >"$results"

# stats: "median p95 max" of the numbers on standard input (p95 by the nearest rank).
stats() {
    sort -g | awk '{ v[NR] = $1 }
        END { if (!NR) { print "nan nan nan"; exit }
              m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              r = int(0.95 * NR); if (r < 0.95 * NR) r++
              printf "%.1f %.1f %.1f\n", m, v[r], v[NR] }'
}

# map_after WINDOW COMMAND...: runs the command (a click in WINDOW) and prints how many ms after
# the last press in WINDOW a window of Tavrio's was mapped, by the X server's clock.
map_after() {
    local window=$1 watch=$E2E_DIR/map-after
    shift
    : >"$watch"
    # Not through the probe function, whose subshell would hide the probe's status.
    "$PROBE" input-to-map "$window" tavrio 10000 >"$watch" &
    local watcher=$!
    wait_until 10 "the probe to watch the display" grep -q ready "$watch"
    "$@"
    wait "$watcher" || fail "no window was mapped after: $*"
    tail -n 1 "$watch"
}

settings_shown() {
    SETTINGS_WINDOW=$({ xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name '^Tavrio Settings' \
        2>/dev/null || true; } | head -n 1)
    [[ -n $SETTINGS_WINDOW ]]
}

font_dialog_shown() {
    xdotool search --all --onlyvisible --pid "$TAVRIO_PID" --name '^Font$' >/dev/null 2>&1
}

font_dialog_focused() {
    [[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == Font ]]
}

record() {
    printf '%s %s %s\n' "$1" "$2" "$3" >>"$results"
}

# measure NAME PROGRAM [SLOW]: one round of typing, with the slow-sync library when SLOW is given.
measure() {
    local name=$1 program=$2 slow=${3:-}
    local log=$E2E_DIR/syncs-$name
    rm -f "$log"
    write_settings "tvDate=$(date +%F -d '+3 days')" "FontSize=24"
    if [[ -n $slow ]]; then
        LD_PRELOAD=$slow_sync TAVRIO_SYNC_DELAY_MS=$delay TAVRIO_SYNC_LOG=$log \
            "$program" >>"$E2E_DIR/tavrio.log" 2>&1 &
    else
        "$program" >>"$E2E_DIR/tavrio.log" 2>&1 &
    fi
    TAVRIO_PID=$!
    E2E_PIDS+=("$TAVRIO_PID")
    wait_until 20 "the timer window of $name" tavrio_window_shown
    E2E_LAST_GEOMETRY=
    E2E_STEADY_POLLS=0
    wait_until 10 "the timer window to settle" tavrio_window_settled
    local timer=$TAVRIO_WINDOW x y width height
    read -r x y width height < <(client_geometry "$timer")

    local settings_ms
    xdotool mousemove $((x + 10)) $((y + 10))
    settings_ms=$(map_after "$timer" xdotool click --repeat 2 --delay 80 1)
    wait_until 10 "the settings window" settings_shown
    xdotool windowmove --sync "$SETTINGS_WINDOW" 700 100
    local sx sy
    read -r sx sy _ _ < <(client_geometry "$SETTINGS_WINDOW")
    click $((sx + 240 / TWIPS_PER_PIXEL + 8)) $((sy + 480 / TWIPS_PER_PIXEL + 8))

    # Started directly rather than through the probe function, whose subshell a kill would not
    # pass on to the probe.
    local keys=$E2E_DIR/keys-$name changes=$E2E_DIR/changes-$name
    : >"$keys"
    : >"$changes"
    "$PROBE" keys-and-caption "$SETTINGS_WINDOW" "$timer" 30000 >"$keys" &
    local key_watcher=$!
    "$PROBE" changes "$x" "$y" "$width" "$height" 30000 >"$changes" &
    local change_watcher=$!
    E2E_PIDS+=("$key_watcher" "$change_watcher")
    wait_until 10 "the probe to watch the keys" grep -q ready "$keys"
    # Typing starts just after a second's change is seen, so every round covers the same seconds.
    wait_until 10 "the countdown to change" test -s "$changes"
    local started=$EPOCHREALTIME
    xdotool type --delay 100 "$TEXT"
    local ended=$EPOCHREALTIME
    whole_title() { [[ $(window_property "$timer" _NET_WM_NAME) == "\"Tavrio To $TEXT\"" ]]; }
    wait_until 30 "the caption to show the whole title" whole_title
    # One more change of the countdown, for the seconds of a window that fell behind.
    local shown=$EPOCHREALTIME
    changed_since() { awk -v since="$shown" '$1 > since * 1000 { found = 1 } END { exit !found }' "$changes"; }
    wait_until 10 "the countdown to change once more" changed_since
    kill "$key_watcher" "$change_watcher" 2>/dev/null || true
    wait "$key_watcher" "$change_watcher" 2>/dev/null || true

    # The n-th caption change follows the n-th key press.
    local latency lag
    latency=$(awk '$1 == "key" { key[++k] = $2 } $1 == "caption" { caption[++c] = $2 }
        END { for (i = 1; i <= c && i <= k; i++) print caption[i] - key[i]
              if (k != c) printf "%d keys, %d captions\n", k, c > "/dev/stderr" }' "$keys" |
        stats)
    # For each second that began while typing: when the countdown's pixels changed after it.
    lag=$(awk -v from="$started" -v to="$ended" '{ seen[NR] = $1 }
        END { for (second = int(from) + 1; second < to; second++)
                  for (i = 1; i <= NR; i++)
                      if (seen[i] >= second * 1000) { print seen[i] - second * 1000; break } }' \
        "$changes" | stats)

    local font_ms
    read -r fx fy _ _ < <(client_geometry "$SETTINGS_WINDOW")
    # The font button's design place, in twips: 360, 5880, 4095 wide.
    font_ms=$(map_after "$SETTINGS_WINDOW" \
        click $((fx + (360 + 4095 / 2) / TWIPS_PER_PIXEL)) $((fy + 5880 / TWIPS_PER_PIXEL + 10)))
    wait_until 10 "the font dialog to have the keyboard" font_dialog_focused
    xdotool key Escape
    font_dialog_closed() { ! font_dialog_shown; }
    wait_until 10 "the font dialog to close" font_dialog_closed

    # Closed right after typing a title again: the closing waits until everything is on disk.
    timeout 10 xdotool windowactivate --sync "$SETTINGS_WINDOW" ||
        fail "could not activate the settings window"
    click $((sx + 240 / TWIPS_PER_PIXEL + 8)) $((sy + 480 / TWIPS_PER_PIXEL + 8))
    xdotool key ctrl+a type --delay 20 "$TEXT"
    timeout 10 xdotool windowactivate --sync "$timer" || fail "could not activate the timer window"
    local closing=$EPOCHREALTIME
    xdotool key alt+F4
    wait "$TAVRIO_PID" || true
    local exit_ms
    exit_ms=$(awk -v from="$closing" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (to - from) * 1000 }')
    TAVRIO_PID=
    [[ $(read_setting What) == "$TEXT" ]] || fail "$name: the title was not stored whole"

    local syncs=-
    if [[ -f $log ]]; then
        syncs="$(grep -c '^fdatasync' "$log" || true)/$(grep -c '^fsync' "$log" || true)"
    fi
    read -r key_median key_p95 key_max <<<"$latency"
    read -r lag_median lag_p95 lag_max <<<"$lag"
    for figure in key_median key_p95 key_max lag_median lag_p95 lag_max settings_ms font_ms \
        exit_ms; do
        record "$name" "$figure" "${!figure}"
    done
    record "$name" syncs "$syncs"
    printf '  %-18s keystroke to caption %s / %s / %s ms, countdown lag %s / %s / %s ms,\n' \
        "$name" "$key_median" "$key_p95" "$key_max" "$lag_median" "$lag_p95" "$lag_max"
    printf '  %-18s settings window %s ms, font dialog %s ms, exit %s ms, syncs %s\n' \
        "" "$settings_ms" "$font_ms" "$exit_ms" "$syncs"
}

names=()
for entry in "${programs[@]}"; do
    names+=("${entry%%=*}" "${entry%%=*},slow")
done
for ((run = 1; run <= runs; run++)); do
    echo "Round $run of $runs (median / p95 / max):"
    for entry in "${programs[@]}"; do
        name=${entry%%=*} program=${entry#*=}
        measure "$name" "$program"
        measure "$name,slow" "$program" slow
    done
done

source "$repo/bench/summary.sh"

echo
echo "median (min-max) over $runs rounds; \",slow\": every sync $delay ms longer; $families font families"
printf '%-30s' ""
for name in "${names[@]}"; do printf ' %-20s' "$name"; done
echo
for figure in key_median key_p95 key_max lag_median lag_p95 lag_max settings_ms font_ms exit_ms \
    syncs; do
    case $figure in
    key_median) label="keystroke to caption, median" ;;
    key_p95) label="  p95 (ms)" ;;
    key_max) label="  max (ms)" ;;
    lag_median) label="countdown lag, median" ;;
    lag_p95) label="  p95 (ms)" ;;
    lag_max) label="  max (ms)" ;;
    settings_ms) label="double-click to settings (ms)" ;;
    font_ms) label="font button to dialog (ms)" ;;
    exit_ms) label="Alt+F4 to the end (ms)" ;;
    syncs) label="syncs: file/folder" ;;
    esac
    printf '%-30s' "$label"
    for name in "${names[@]}"; do
        if [[ $figure == syncs ]]; then
            printf ' %-20s' "$(awk -v name="$name" '$1 == name && $2 == "syncs" { printf "%s ", $3 }' "$results")"
        else
            printf ' %-20s' "$(summary "$name" "$figure")"
        fi
    done
    echo
done
