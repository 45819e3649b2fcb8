#!/bin/sh
# A screenshot of the hall view with four mats, one of them offline, taken
# from the real program on a private Xvfb server with a private Mosquitto
# broker on the loopback interface: four boards (mats 1 to 4) and the hall
# view at 1280 x 800. Mat 1 runs its clock after two shido and a waza-ari,
# mat 2 is in golden score, mat 3's board is killed (offline), mat 4 has a
# hold-down running.
# Usage: tools/screenshots/hall.sh [build folder] [output folder]
set -eu
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=${2:-screenshots-hall}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
[ -x "$PROGRAM" ] && [ -x "$GRAB" ] || {
    echo "hall.sh: build korvelin-app and grabscreen first" >&2
    exit 1
}
MOSQUITTO=$(command -v mosquitto || echo /usr/sbin/mosquitto)
[ -x "$MOSQUITTO" ] || { echo "hall.sh: mosquitto is not installed" >&2; exit 1; }
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

PIDS=
xserver_cleanup_more() {
    for pid in $PIDS; do kill "$pid" 2>/dev/null || true; done
}
. scripts/lib/xserver.sh
xserver_start 1920x1080x24

PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'listener %s 127.0.0.1\nallow_anonymous true\nuser %s\n' "$PORT" "$(id -un)" >"$WORK/mosquitto.conf"
"$MOSQUITTO" -c "$WORK/mosquitto.conf" >"$WORK/mosquitto.log" 2>&1 &
PIDS="$PIDS $!"
sleep 0.5

# Design positions (twips of the 9480 x 6795 board) to the board at its
# design size, 632 x 453 at the top left.
at() {
    echo "$(($1 * 632 / 9480)) $(($2 * 453 / 6795))"
}
click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$1" "$2") click 1
    sleep 0.6
}
key() {
    xdotool key "$@"
    sleep 0.3
}
typed_length() {
    click 4740 2070
    key "$@" Return
}

# board MAT RULESET HOME VISITOR: a board of its own home on the broker.
board() {
    home="$WORK/mat$1"
    mkdir -p "$home/.config/Korvelin"
    cat >"$home/.config/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=Mat $1
HomeText=$3
VisitorText=$4
[RuleSettings]
RuleSet=$2
INI
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        "$PROGRAM" bypass --mat="$1" --broker="127.0.0.1:$PORT" >"$WORK/mat$1.log" 2>&1 &
    BOARD_PID=$!
    PIDS="$PIDS $BOARD_PID"
    window=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$BOARD_PID" --name '^Korvelin' | head -n 1)
    xdotool windowsize "$window" 632 453
    xdotool windowmove "$window" 0 0
    xdotool windowraise "$window"
    xdotool windowfocus "$window"
    sleep 0.8
}

mkdir -p "$WORK/hall/.config/Korvelin"
HOME="$WORK/hall" XDG_CONFIG_HOME="$WORK/hall/.config" "$PROGRAM" --hall --broker="127.0.0.1:$PORT" \
    >"$WORK/hall.log" 2>&1 &
HALL_PID=$!
PIDS="$PIDS $HALL_PID"
HALL=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$HALL_PID" --name '^Korvelin hall' | head -n 1)
xdotool windowsize "$HALL" 1280 800
xdotool windowmove "$HALL" 640 0

board 1 Classic "TANAKA K." "MÜLLER B."
click 7260 5900            # Visitor's shido panel: a shido
click 7260 5900            # and a second: Home's yuko
click 1627 4400            # Home's waza-ari display
key 1
click 4740 2070
key s                      # the clock runs

board 2 "IJF 2025" "SILVA R." "PETROV D."
click 1627 4400
key 1
click 6367 4400
key 1                      # a waza-ari each
typed_length 0 period 0 2
key s
sleep 3                    # time runs out level: golden score
key s

board 3 Classic "KIM J." "DUBOIS L."
click 6367 4400
key 1
sleep 1
kill -9 "$BOARD_PID"       # the board is gone: the broker's last will

board 4 "IJF 2025" "NOVAK P." "ROSSI M."
click 2300 5900            # Home's shido panel
click 4740 2070
key s Right                # the clock runs, osaekomi for Visitor
sleep 4.3

"$GRAB" "$OUT/hall-four-mats.png" 640 0 1280 800
echo "hall.sh: wrote $OUT/hall-four-mats.png"
