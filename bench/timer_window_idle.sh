#!/usr/bin/env bash
# What Tavrio's timer window costs while it only counts down, beside a floor program (a label in
# an always-on-top tool window, updated by a repeating one-second timer) measured in the same
# run on the same display:
#   start-up     exec to the first mapped window
#   memory       resident set 5 s after the window is mapped, and of it the unique set (USS:
#                pages no other process maps, which ending the program gives back) and of that
#                what the program wrote itself (private dirty: heap, stacks, relocated data).
#                The clean part of the USS is library code that no other process on the machine
#                maps at the time: it grows and shrinks with other Qt programs running, where
#                the written part does not.
#   window       the client size; Tavrio's comes from the settings below, the floor's is fixed
#   CPU          utime + stime of all threads over the idle period, in % of one core
#   wake-ups     voluntary + involuntary context switches of all threads, per second, and of
#                them the involuntary ones (preempted: more the busier the machine)
#   display lag  how long after the wall clock's second boundary the displayed second changes
# Tavrio runs four times per round: background shown, hidden (tvHide=1), hidden while a
# compositor (picom) draws the display, where the hidden background is truly transparent, and
# ten countdowns with the background shown (one tick for all: the wake-ups should not grow).
#
#   bench/timer_window_idle.sh [--runs N] [--idle SECONDS] [--build DIR] [--before REVISION]
#
# Builds a release Tavrio and the benchmark's programs in DIR (build/bench), runs them on a
# private Xvfb with openbox, and prints median (min-max) of every figure. --before also builds
# REVISION (say, the commit before a change) and measures it with the background shown, and
# hidden with and without the compositor, in every round.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
runs=5
idle=60
build=$repo/build/bench
before=

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
    exit 2
}
while (($#)); do
    case $1 in
    --runs) runs=${2:?}; shift 2 ;;
    --idle) idle=${2:?}; shift 2 ;;
    --build) build=${2:?}; shift 2 ;;
    --before) before=${2:?}; shift 2 ;;
    *) usage ;;
    esac
done
[[ $runs =~ ^[1-9][0-9]*$ && $idle =~ ^[1-9][0-9]*$ ]] || usage

source "$repo/bench/build.sh"
floor=$build/programs/tavrio-floor

# The end-to-end harness gives the private display, home and settings, and ends all it started.
source "$repo/tests/e2e/lib.sh" "$build/tavrio/app/tavrio" "$build/programs/tavrio-probe"
start_display

results=$E2E_DIR/results
clock_ticks=$(getconf CLK_TCK)
readonly results clock_ticks
: >"$results"

# cpu_ticks PID: utime + stime of the process, all its threads, in clock ticks.
cpu_ticks() {
    sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# thread_switches PID: one line per thread, "name switches involuntary".
thread_switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v name="$(<"$task/comm")" '/^(non)?voluntary_ctxt_switches/ { sum += $2 }
            /^nonvoluntary_ctxt_switches/ { involuntary = $2 }
            END { gsub(/ /, "_", name); print name, sum, involuntary }' "$task/status"
    done
}

# display_lag WINDOW: for each second seen change within five seconds, how many ms after the
# second boundary the window's client area first changed; the median of those.
display_lag() {
    local x y width height
    read -r x y width height < <(client_geometry "$1")
    probe changes "$x" "$y" "$width" "$height" 5500 |
        awk '{ second = int($1 / 1000); if (!(second in first)) first[second] = $1 - second * 1000 }
            END { for (s in first) print first[s] }' | sort -n |
        awk '{ lag[NR] = $1 } END { if (NR) printf "%.1f\n", lag[int((NR + 1) / 2)]; else print "nan" }'
}

# measure NAME CLASS PROGRAM: one start of a program with the settings written before.
measure() {
    local name=$1 class=$2 program=$3
    local watch=$E2E_DIR/map-$name
    probe map-time "$class" 30000 >"$watch" &
    local watcher=$!
    wait_until 10 "the probe to watch the display" grep -q ready "$watch"

    local started=$EPOCHREALTIME
    "$program" >"$E2E_DIR/$name.log" 2>&1 &
    local pid=$!
    E2E_PIDS+=("$pid")
    wait "$watcher" || fail "$name: no window was mapped"
    local startup
    startup=$(awk -v mapped="$(tail -n 1 "$watch")" -v started="$started" \
        'BEGIN { printf "%.1f", mapped - started * 1000 }')

    sleep 5
    local rss uss written cpu_before cpu_after
    read -r rss uss written < <(awk '/^Rss:/ { rss = $2 } /^Private_Clean:/ { clean = $2 }
        /^Private_Dirty:/ { dirty = $2 }
        END { printf "%.1f %.1f %.1f\n", rss / 1024, (clean + dirty) / 1024, dirty / 1024 }' \
        "/proc/$pid/smaps_rollup")
    cpu_before=$(cpu_ticks "$pid")
    thread_switches "$pid" >"$E2E_DIR/threads-before"
    sleep "$idle"
    cpu_after=$(cpu_ticks "$pid")
    thread_switches "$pid" >"$E2E_DIR/threads-after"

    local cpu wakeups preempted
    cpu=$(awk -v ticks=$((cpu_after - cpu_before)) -v hz="$clock_ticks" -v s="$idle" \
        'BEGIN { printf "%.3f", 100 * ticks / hz / s }')
    # Threads are matched by name; one that came or went counts from zero.
    awk -v s="$idle" -v name="$name" '
        NR == FNR { before[$1] += $2; next }
        { after[$1] += $2 }
        END { for (t in after) printf "%s thread:%s %.3f\n", name, t, (after[t] - before[t]) / s }' \
        "$E2E_DIR/threads-before" "$E2E_DIR/threads-after" >>"$results"
    wakeups=$(awk -v s="$idle" 'NR == FNR { b += $2; next } { a += $2 }
        END { printf "%.3f", (a - b) / s }' "$E2E_DIR/threads-before" "$E2E_DIR/threads-after")
    preempted=$(awk -v s="$idle" 'NR == FNR { b += $3; next } { a += $3 }
        END { printf "%.3f", (a - b) / s }' "$E2E_DIR/threads-before" "$E2E_DIR/threads-after")

    local window lag size
    window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    lag=$(display_lag "$window")
    size=$(client_geometry "$window" | awk '{ print $3 "x" $4 }')

    kill "$pid"
    wait "$pid" 2>/dev/null || true
    printf '%s %s\n' "$name startup" "$startup" "$name memory" "$rss" "$name uss" "$uss" \
        "$name written" "$written" "$name cpu" "$cpu" "$name wakeups" "$wakeups" \
        "$name preempted" "$preempted" "$name lag" "$lag" "$name size" "$size" >>"$results"
    echo "  $name: start-up $startup ms, $rss MiB (USS $uss, written $written), CPU $cpu %," \
        "$wakeups wake-ups/s ($preempted preempted), lag $lag ms, client $size"
}

# Bold red 24-point text counting down to a target three days ahead: red, so that with the
# background hidden the text still shows against the black root. The window fits this text in
# the design's client size, 312x94, which is the floor's: the window's buffers cost the same. (At
# the first start's 100-point text the window is about 1,040x185 and costs 1 MiB more.)
readonly LOOK=("tvDate=$(date +%F -d '+3 days')" "FontSize=24" "FontBold=True" "FontColor=255")
# hidden_variants SUFFIX: the hidden background of this build and of the one before, if asked.
hidden_variants() {
    write_settings "${LOOK[@]}" "tvHide=1"
    measure "hidden$1" tavrio "$TAVRIO"
    if [[ -n $before ]]; then
        measure "before-hidden$1" tavrio "$build/before/app/tavrio"
    fi
}
# ten_countdowns: the look above for the first countdown and nine more, in a grid of windows.
ten_countdowns() {
    write_settings "${LOOK[@]}" "Countdowns=$(printf 'Countdown%d ' {2..10} | sed 's/ $//')"
    local number
    for number in {2..10}; do
        printf '\n[Countdown%d]\n' "$number"
        printf '%s\n' "${LOOK[@]}" "What=Countdown $number" \
            "Left=$(((number % 3) * 400 * 15))" "Top=$(((number / 3) * 150 * 15))"
    done >>"$SETTINGS_FILE"
}
for ((run = 1; run <= runs; run++)); do
    echo "Run $run of $runs (idle ${idle}s each):"
    write_settings
    measure floor tavrio-floor "$floor"
    write_settings "${LOOK[@]}"
    measure shown tavrio "$TAVRIO"
    if [[ -n $before ]]; then
        measure before-shown tavrio "$build/before/app/tavrio"
    fi
    ten_countdowns
    measure ten tavrio "$TAVRIO"
    hidden_variants ""
    start_compositor
    hidden_variants "-picom"
    stop_compositor
done

source "$repo/bench/summary.sh"

names=(shown ten hidden hidden-picom)
[[ -z $before ]] || names+=(before-shown before-hidden before-hidden-picom)
names+=(floor)
echo
printf '%-34s' "median (min-max) of $runs runs"
printf ' %-22s' "${names[@]}"
echo
for figure in startup memory uss written cpu wakeups preempted lag size; do
    case $figure in
    startup) label="start-up to first map (ms)" ;;
    memory) label="resident memory after 5 s (MiB)" ;;
    uss) label="unique memory (USS, MiB)" ;;
    written) label="of which written (MiB)" ;;
    cpu) label="CPU while idle (% of one core)" ;;
    wakeups) label="wake-ups/s, all threads" ;;
    preempted) label="of which preempted/s" ;;
    lag) label="display lag after the second (ms)" ;;
    size) label="client size (px)" ;;
    esac
    printf '%-34s' "$label"
    for name in "${names[@]}"; do
        if [[ $figure == size ]]; then
            # Sizes are not numbers to take the median of: each size seen, once.
            printf ' %-22s' "$(awk -v name="$name" '$1 == name && $2 == "size" { print $3 }' \
                "$results" | sort -u | paste -sd ' ')"
        else
            printf ' %-22s' "$(summary "$name" "$figure")"
        fi
    done
    echo
done

echo
echo "Wake-ups/s by thread, median of $runs runs:"
for name in "${names[@]}"; do
    awk -v name="$name" '$1 == name && $2 ~ /^thread:/ { print substr($2, 8) }' "$results" |
        sort -u | while read -r thread; do
        printf '  %-20s %-20s %s\n' "$name" "$thread" "$(summary "$name" "thread:$thread")"
    done
done
