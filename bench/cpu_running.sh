#!/bin/sh
# CPU use and wake-ups of the program on a full-HD board, idle and with the
# contest clock running. Starts a private Xvfb at 1920x1080, runs
# `korvelin bypass` on it with an empty settings store (default settings),
# sizes the window to 1920x1080, then measures over the given time
#   idle:    the board shown, clock stopped, nothing happening;
#   running: after S (xdotool) has started the contest clock.
# CPU is the time its threads ran, in nanoseconds (/proc/<pid>/task/*/
# schedstat; the 10 ms ticks of /proc/<pid>/stat are too coarse for figures
# of a tenth of a percent), for the whole program and for the board's own
# thread; the other threads are the X event reader and the journal writer.
# Wake-ups are the context switches of all its threads (voluntary +
# involuntary, from /proc/<pid>/task/*/status), a count that does not depend
# on the load of the machine the way CPU time does.
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
echo "window $window ($(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')), focus on $(xdotool getwindowfocus)"

ticks=$(getconf CLK_TCK)
# CPU time in ns: all threads, then the board's thread alone.
cpu() { cat /proc/"$APP_PID"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
main_cpu() { awk '{ print $1 }' "/proc/$APP_PID/task/$APP_PID/schedstat"; }
switches() { cat /proc/"$APP_PID"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'; }
# measure LABEL TARGET: CPU and wake-ups over $seconds.
measure() {
    start_cpu=$(cpu)
    start_main=$(main_cpu)
    start_switches=$(switches)
    start_time=$(date +%s.%N)
    sleep "$seconds"
    end_cpu=$(cpu)
    end_main=$(main_cpu)
    end_switches=$(switches)
    end_time=$(date +%s.%N)
    kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    awk -v label="$1" -v target="$2" -v c0="$start_cpu" -v c1="$end_cpu" -v m0="$start_main" -v m1="$end_main" \
        -v s0="$start_switches" -v s1="$end_switches" -v t0="$start_time" -v t1="$end_time" 'BEGIN {
        cpu = (c1 - c0) / 1e9; board = (m1 - m0) / 1e9; wall = t1 - t0;
        printf "CPU %-8s %.1f ms over %.1f s = %.3f %% of one core (target <= %s %%; board thread %.3f %%, others %.3f %%), %.1f wake-ups/s\n",
            label ":", 1000 * cpu, wall, 100 * cpu / wall, target, 100 * board / wall, 100 * (cpu - board) / wall, (s1 - s0) / wall
    }'
}

# Idle: the board up and settled, nothing happening.
sleep 2
measure idle 0.02

# A real key (XTest) to the focused board: S starts the contest clock.
xdotool key s
# The board must change from second to second now, or the clock did not start.
if command -v xwd >/dev/null; then
    sleep 0.2
    first=$(xwd -silent -id "$window" | md5sum)
    sleep 1.2
    [ "$first" != "$(xwd -silent -id "$window" | md5sum)" ] || { echo "the contest clock did not start" >&2; exit 1; }
fi
sleep 1
measure running 0.15
