#!/bin/sh
# Screenshot of the help window under a private Xvfb: starts the board with
# "bypass", presses F1 and saves the help window as a PNG.
# Usage: help.sh <build dir> <output png>
set -eu

BUILD=${1:?build directory}
OUT=${2:?output png}
PROGRAM="$BUILD/korvelin"

. "$(dirname "$0")/../../scripts/lib/xserver.sh"
xserver_start 1280x1024x24
xserver_private_home

find_window() { # pid, exact window name
    for _ in $(seq 100); do
        for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$2" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.1
    done
    echo "no window named $2" >&2
    return 1
}

"$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
APP_PID=$!
BOARD=$(find_window "$APP_PID" Korvelin)
# No window manager runs here: hand the board the keyboard focus, then F1.
xdotool windowfocus --sync "$BOARD" 2>/dev/null || xdotool windowfocus "$BOARD"
xdotool key --clearmodifiers F1
HELP=$(find_window "$APP_PID" "Korvelin Help")
sleep 1
import -window "$HELP" "$OUT"
echo "saved $OUT"
