#!/bin/sh
# CPU of the board while the contest clock runs on a full-HD board: once on
# no broker, once publishing as mat 1 to a private Mosquitto broker on the
# loopback interface (the state every second the clock shows, retained),
# with a hall tool subscribed to everything the board publishes. Measures
# the board's CPU time (utime + stime from /proc/<pid>/stat) over the given
# seconds each.
#
#   bench/cpu_mqtt.sh [path/to/korvelin] [seconds]
#
# Needs xvfb, x11-utils, xdotool and mosquitto. Loopback only. Prints
# figures only.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/korvelin}
seconds=${2:-30}
mosquitto=$(command -v mosquitto || echo /usr/sbin/mosquitto)

[ -x "$program" ] || { echo "no program at $program (build target korvelin-app)" >&2; exit 1; }
[ -x "$mosquitto" ] || { echo "mosquitto is not installed" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is not installed" >&2; exit 1; }

BROKER_PID=
HALL_PID=
xserver_cleanup_more() {
    for pid in $BROKER_PID $HALL_PID; do kill "$pid" 2>/dev/null || true; done
}
. "$here/../scripts/lib/xserver.sh"
xserver_start 1920x1080x24

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'listener %s 127.0.0.1\nallow_anonymous true\nuser %s\n' "$port" "$(id -un)" >"$WORK/mosquitto.conf"
"$mosquitto" -c "$WORK/mosquitto.conf" >"$WORK/mosquitto.log" 2>&1 &
BROKER_PID=$!

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }

# run LABEL ARGUMENTS...: the board on an empty settings store, full HD,
# nine minutes on the clock and the clock started; its CPU over $seconds.
run() {
    label=$1
    shift
    xserver_private_home
    "$program" bypass "$@" >/dev/null 2>&1 &
    APP_PID=$!
    window=$(xdotool search --all --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin' | head -n 1)
    xdotool windowsize --sync "$window" 1920 1080 || xdotool windowsize "$window" 1920 1080
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 1
    xdotool key --window "$window" 9 Return s
    sleep 2
    c0=$(cpu); t0=$(date +%s.%N)
    sleep "$seconds"
    c1=$(cpu); t1=$(date +%s.%N)
    kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended" >&2; exit 1; }
    kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v hz="$ticks" -v label="$label" 'BEGIN {
        printf "%s: %.2f s CPU over %.1f s = %.3f %% of one core\n", label, (c1 - c0) / hz, t1 - t0, 100 * (c1 - c0) / hz / (t1 - t0)
    }'
}

off=$(run "clock running, publishing off")
echo "$off"
# A hall view listening to the broker, so the board's messages go somewhere.
mkdir -p "$WORK/hall/.config/Korvelin"
HOME="$WORK/hall" XDG_CONFIG_HOME="$WORK/hall/.config" "$program" --hall --broker="127.0.0.1:$port" >/dev/null 2>&1 &
HALL_PID=$!
on=$(run "clock running, publishing on as mat 1" --mat=1 --broker="127.0.0.1:$port")
echo "$on"
echo "$off" "$on" | awk '{ for (i = 1; i <= NF; ++i) if ($i == "%") p[++n] = $(i - 1) }
    END { printf "publishing costs %.3f %% of one core more than none (target <= 0.1 %%)\n", p[2] - p[1] }'
