#!/bin/sh
# CPU of the program while the contest clock runs on a full-HD board that is
# served on the network: first with no viewer, then with 10 board pages open
# in headless Chromium (one browser, ten tabs of /). Measures the process's
# CPU time (utime + stime from /proc/<pid>/stat) over the given seconds each.
#
#   bench/cpu_web.sh [path/to/korvelin] [seconds]
#
# Needs xvfb, x11-utils, xdotool, curl and chromium. Loopback only. Prints
# figures only.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/korvelin}
seconds=${2:-30}
port=18391

[ -x "$program" ] || { echo "no program at $program (build target korvelin-app)" >&2; exit 1; }
for tool in xdotool curl chromium; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

BROWSER_PID=
xserver_cleanup_more() {
    if [ -n "$BROWSER_PID" ]; then kill "$BROWSER_PID" 2>/dev/null || true; fi
}
. "$here/../scripts/lib/xserver.sh"
xserver_start 1920x1080x24
xserver_private_home

"$program" bypass --serve=$port >/dev/null 2>&1 &
APP_PID=$!
window=$(xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin' | head -n 1)
xdotool windowsize --sync "$window" 1920 1080 || xdotool windowsize "$window" 1920 1080
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
tries=0
until curl -s -m 1 "http://127.0.0.1:$port/state" >/dev/null; do
    tries=$((tries + 1)); [ "$tries" -lt 100 ] || { echo "the board is not served" >&2; exit 1; }
    sleep 0.1
done
# Nine minutes on the clock, and start it.
xdotool key --window "$window" 9 Return s
curl -s "http://127.0.0.1:$port/state" | grep -q '"running":true' || { echo "the clock did not start" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }
measure() { # label
    c0=$(cpu); t0=$(date +%s.%N)
    sleep "$seconds"
    c1=$(cpu); t1=$(date +%s.%N)
    kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$ticks" -v label="$1" 'BEGIN {
        printf "%s: %.2f s CPU over %.1f s = %.2f %% of one core\n", label, (c1 - c0) / hz, t1 - t0, 100 * (c1 - c0) / hz / (t1 - t0)
    }'
}
sleep 1
none=$(measure "served, no viewer")
echo "$none"

chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$WORK/chromium" --remote-debugging-address=127.0.0.1 \
    --remote-debugging-port=0 --window-size=1920,1080 about:blank >/dev/null 2>&1 &
BROWSER_PID=$!
tries=0
until [ -s "$WORK/chromium/DevToolsActivePort" ]; do
    tries=$((tries + 1)); [ "$tries" -lt 300 ] || { echo "chromium does not start" >&2; exit 1; }
    sleep 0.1
done
debug=$(head -n 1 "$WORK/chromium/DevToolsActivePort")
for i in 1 2 3 4 5 6 7 8 9 10; do
    curl -s -X PUT "http://127.0.0.1:$debug/json/new?http://127.0.0.1:$port/" >/dev/null
done
sleep 3
ten=$(measure "served, 10 board pages open")
echo "$ten"
echo "$none" "$ten" | awk '{ for (i = 1; i <= NF; ++i) if ($i == "%") p[++n] = $(i - 1) }
    END { printf "10 viewers cost %.2f %% of one core more than none (target <= 0.5 %%)\n", p[2] - p[1] }'
