#!/bin/sh
# CPU use of the whole program while the contest clock runs, with the board
# at 1366 x 768 on a laptop screen and the audience display filling a
# 1920 x 1080 projector beside it, and the same board alone for comparison.
# A private Xvfb of 3286 x 1080 is split into the two monitors with xrandr;
# `korvelin [--audience] bypass` runs there with an empty settings store, S
# starts the clock (xdotool) and the process's CPU time (utime + stime from
# /proc/<pid>/stat) is measured over the given seconds.
#
#   bench/cpu_audience.sh [path/to/korvelin] [seconds]
#
# Needs xvfb, x11-xserver-utils (xrandr) and xdotool. Prints figures only.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/korvelin}
seconds=${2:-30}

[ -x "$program" ] || { echo "no program at $program (build target korvelin-app)" >&2; exit 1; }
for tool in xrandr xdotool xdpyinfo xwd; do
    command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

. "$here/../scripts/lib/xserver.sh"
xserver_start 3286x1080x24
xrandr --setmonitor laptop 1366/361x768/203+0+0 screen >/dev/null
xrandr --setmonitor projector 1920/508x1080/286+1366+0 none >/dev/null

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }

measure() { # label, options...
    label=$1; shift
    # A fresh store each time: the contest the last run left is not brought back.
    xserver_private_home
    "$program" "$@" bypass >/dev/null 2>&1 &
    APP_PID=$!
    window=$(xdotool search --sync --onlyvisible --name '^Korvelin$' | head -n 1)
    xdotool windowsize --sync "$window" 1366 768 2>/dev/null || xdotool windowsize "$window" 1366 768
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 1
    xdotool key s
    audience=$(xdotool search --onlyvisible --name '^Korvelin audience display$' 2>/dev/null | head -n 1 || true)
    # The window watched must change from second to second now, or the
    # clock did not start (or the audience display does not follow it).
    watched=${audience:-$window}
    sleep 0.2
    first=$(xwd -silent -id "$watched" | md5sum)
    sleep 1.2
    [ "$first" != "$(xwd -silent -id "$watched" | md5sum)" ] || { echo "$label: the clock shows no change" >&2; exit 1; }
    start_cpu=$(cpu); start_time=$(date +%s.%N)
    sleep "$seconds"
    end_cpu=$(cpu); end_time=$(date +%s.%N)
    kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    awk -v c0="$start_cpu" -v c1="$end_cpu" -v t0="$start_time" -v t1="$end_time" -v hz="$ticks" \
        -v label="$label" -v audience="${audience:+ (audience window $audience)}" 'BEGIN {
        cpu = (c1 - c0) / hz; wall = t1 - t0;
        printf "%s%s: %.2f s CPU over %.1f s = %.2f %% of one core (target <= 1 %%)\n", label, audience, cpu, wall, 100 * cpu / wall
    }'
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=
}

measure "board 1366x768 + audience 1920x1080" --audience
measure "board 1366x768 alone"
