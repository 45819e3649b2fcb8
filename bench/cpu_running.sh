#!/bin/sh
# CPU use of the program while the contest clock runs on a full-HD board.
# Starts a private Xvfb at 1920x1080, runs `korvelin bypass` on it with an
# empty settings store (default settings), sizes the window to 1920x1080,
# starts the clock with the S key (xdotool) and measures the process's CPU
# time (utime + stime from /proc/<pid>/stat) over 30 s.
#
#   bench/cpu_running.sh [path/to/korvelin] [seconds]
#
# Needs xvfb, x11-utils and xdotool. Prints figures only.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build-bench/korvelin}
seconds=${2:-30}

[ -x "$program" ] || { echo "no program at $program (build target korvelin-app)" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is not installed" >&2; exit 1; }

. "$here/../scripts/lib/xserver.sh"
xserver_start 1920x1080x24
xserver_private_home

"$program" bypass >/dev/null 2>&1 &
APP_PID=$!
window=$(xdotool search --sync --onlyvisible --name '^Korvelin$' | head -n 1)
xdotool windowsize --sync "$window" 1920 1080 || xdotool windowsize "$window" 1920 1080
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1
# A real key (XTest) to the focused board: S starts the contest clock.
xdotool key s
echo "window $window ($(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')), focus on $(xdotool getwindowfocus)"
# The board must change from second to second now, or the clock did not start.
if command -v xwd >/dev/null; then
    sleep 0.2
    first=$(xwd -silent -id "$window" | md5sum)
    sleep 1.2
    [ "$first" != "$(xwd -silent -id "$window" | md5sum)" ] || { echo "the contest clock did not start" >&2; exit 1; }
fi

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
sleep 1
start_cpu=$(cpu)
start_time=$(date +%s.%N)
sleep "$seconds"
end_cpu=$(cpu)
end_time=$(date +%s.%N)
kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }

awk -v c0="$start_cpu" -v c1="$end_cpu" -v t0="$start_time" -v t1="$end_time" -v hz="$ticks" 'BEGIN {
    cpu = (c1 - c0) / hz; wall = t1 - t0;
    printf "CPU while the clock runs: %.2f s over %.1f s = %.2f %% of one core (target <= 2 %%)\n", cpu, wall, 100 * cpu / wall
}'
