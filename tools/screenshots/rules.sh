#!/bin/sh
# Screenshots of the board under each rule set, taken from the real program
# on a private Xvfb server at 1280 x 720: Classic during a contest, IJF 2018
# in golden score (two shido for Visitor: lamps S1, S2 and H) and IJF 2025
# after golden score, with Visitor's winner mark lit by a yuko.
# Usage: tools/screenshots/rules.sh [build folder] [output folder]
set -eu
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=${2:-screenshots-rules}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
[ -x "$PROGRAM" ] && [ -x "$GRAB" ] || {
    echo "rules.sh: build korvelin-app and grabscreen first" >&2
    exit 1
}
mkdir -p "$OUT"

. scripts/lib/xserver.sh
xserver_start 1280x800x24

# Design positions (twips of the 9480 x 6795 board) to screen pixels.
at() {
    echo "$(($1 * 1280 / 9480)) $(($2 * 720 / 6795))"
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

# start RULESET: the program on a fresh store with that rule set.
start() {
    xserver_private_home
    cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=$1
[RuleSettings]
RuleSet=$1
INI
    "$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin$' | head -n 1)
    xdotool windowsize --sync "$WINDOW" 1280 720 2>/dev/null || xdotool windowsize "$WINDOW" 1280 720
    xdotool windowmove "$WINDOW" 0 0
    xdotool windowfocus "$WINDOW"
    sleep 0.8
}
# shot NAME: grabs the board and ends the program.
shot() {
    xdotool mousemove 1279 799
    sleep 0.6
    "$GRAB" "$OUT/$1.png" 0 0 1280 720
    echo "rules.sh: wrote $OUT/$1.png"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
}
typed_length() { # a contest of a few seconds
    click 4740 2070
    key "$@" Return
}

# Classic: as the README's board, a contest under way.
start Classic
click 7260 5900            # Visitor's shido panel: a shido
click 7260 5900            # and a second: Home's yuko
click 1627 4400            # Home's waza-ari display
key 1
click 4740 2070
key s
sleep 1.3
key s
shot classic-contest

# IJF 2018: level at the end of time, golden score running up.
start "IJF 2018"
click 7260 5900
click 7260 5900            # two shido for Visitor: no score for Home
typed_length 0 period 0 2
key s
sleep 3                    # time runs out: golden score
key s
sleep 2.4
key s
shot ijf2018-golden-score

# IJF 2025: a waza-ari each, golden score, then a yuko for Visitor wins.
start "IJF 2025"
click 1627 4400
key 1
click 6367 4400
key 1
typed_length 0 period 0 2
key s
sleep 3
key s
sleep 1.6
click 7447 4400            # Visitor's yuko display
key 1
shot ijf2025-golden-score-winner
