#!/bin/sh
# A short session of contests on the real program under a private Xvfb, then
# the Results window (F3) as a picture, and the day's results.csv beside it:
# a Classic ippon, an IJF 2025 waza-ari at the end of time, an IJF 2018 win
# in golden score, and a Classic contest reset without a winner after an
# undo. Names with commas, quotes and other scripts on purpose.
# Usage: tools/screenshots/results.sh [build folder] [output folder]
set -eu
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=${2:-screenshots-results}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
[ -x "$PROGRAM" ] && [ -x "$GRAB" ] || {
    echo "results.sh: build korvelin-app and grabscreen first" >&2
    exit 1
}
mkdir -p "$OUT"

. scripts/lib/xserver.sh
xserver_start 1280x800x24
xserver_private_home

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

# A text as the settings file keeps it: quoted, quotes and backslashes escaped.
ini() {
    printf '"%s"' "$(printf '%s' "$1" | sed 's/[\\"]/\\&/g')"
}
# contest RULESET HOME VISITOR: the program with these names and rules.
contest() {
    cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=Mat 2
HomeText=$(ini "$2")
VisitorText=$(ini "$3")
[RuleSettings]
RuleSet=$1
INI
    "$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin' | head -n 1)
    xdotool windowsize --sync "$WINDOW" 1280 720 2>/dev/null || xdotool windowsize "$WINDOW" 1280 720
    xdotool windowmove "$WINDOW" 0 0
    xdotool windowfocus "$WINDOW"
    sleep 0.8
}
# done: the reset key (the result is written at once), then the program ends.
finish() {
    click 4740 2070
    key r
    sleep 0.5
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
}
typed_length() { # a contest of a few seconds
    click 4740 2070
    key "$@" Return
}

# Classic: two shido for Visitor (Home's yuko), then ippon for Home.
contest Classic "Tanaka, Y." "O'Brien \"Ox\""
click 7260 5900
click 7260 5900
click 727 4447
finish

# IJF 2025: a waza-ari for Visitor, the time runs out.
contest "IJF 2025" "Müller" "山田 太郎"
click 6367 4400
key 1
typed_length 0 period 0 2
key s
sleep 3.5
finish

# IJF 2018: level at the end of time, a waza-ari for Home in golden score.
contest "IJF 2018" "Dubois, J.-P." "Kim"
typed_length 0 period 0 2
key s
sleep 3.5
key s
sleep 2.4
click 1627 4400
key 1
finish

# Classic: a yuko for Home taken back with Backspace, a yuko for Visitor,
# then the reset: a result without a winner.
contest Classic "Rossi" "Ivanova"
click 2707 4400
key 2
click 4740 2070
key BackSpace
click 7447 4400
key 1
finish

# The Results window over the board.
contest Classic "Next" "Contest"
key F3
RESULTS=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$APP_PID" --name '^Results$' | head -n 1)
xdotool windowmove "$RESULTS" 100 120
sleep 1
eval "$(xdotool getwindowgeometry --shell "$RESULTS")"
xdotool mousemove 1279 799
sleep 0.6
"$GRAB" "$OUT/results-window.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
echo "results.sh: wrote $OUT/results-window.png"
cp "$XDG_DATA_HOME/Korvelin/Korvelin/results.csv" "$OUT/results.csv"
echo "results.sh: wrote $OUT/results.csv"
