#!/bin/sh
# The README's and the metainfo's screenshot of the board, taken from the real
# program on a private Xvfb server: a contest under way at 1280 x 720, with a
# board name, two shido for Visitor (so Home has a yuko), a waza-ari for Home
# and an osaekomi for Home stopped with the clock.
# Usage: tools/screenshots/board.sh [build folder] [output png]
set -eu
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=${2:-packaging/screenshots/board.png}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
[ -x "$PROGRAM" ] && [ -x "$GRAB" ] || {
    echo "board.sh: build korvelin-app and grabscreen first" >&2
    exit 1
}
mkdir -p "$(dirname "$OUT")"

. scripts/lib/xserver.sh
xserver_start 1280x800x24
xserver_private_home
cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=Spring Club Cup
HomeText=Home
VisitorText=Visitor
INI

"$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
APP_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin$' | head -n 1)
xdotool windowsize --sync "$WINDOW" 1280 720 2>/dev/null || xdotool windowsize "$WINDOW" 1280 720
xdotool windowmove "$WINDOW" 0 0
xdotool windowfocus "$WINDOW"
sleep 0.5

# Design positions (twips of the 9480 x 6795 board) to screen pixels.
at() {
    echo "$(($1 * 1280 / 9480)) $(($2 * 720 / 6795))"
}
click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(at "$1" "$2") click 1
    sleep 0.2
}
key() {
    xdotool key "$@"
    sleep 0.2
}

click 7260 5900            # Visitor's shido panel: a shido
click 7260 5900            # and a second: Home's yuko
click 1627 4400            # Home's waza-ari display
key 1
click 4740 2070            # the contest clock
key s
sleep 1.3
key Left                   # osaekomi for Home
sleep 3.2
key s                      # the clock stops, and the hold with it
xdotool mousemove 1279 799
sleep 0.5
"$GRAB" "$OUT" 0 0 1280 720
echo "board.sh: wrote $OUT"
