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

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for _ in $(seq 100); do
    grep -q . "$WORK/display" 2>/dev/null && break
    sleep 0.1
done
export DISPLAY=":$(head -n 1 "$WORK/display")"
unset WAYLAND_DISPLAY XAUTHORITY 2>/dev/null || true

# A home of its own, so the operator's real settings stay untouched.
export HOME="$WORK/home"
export XDG_CONFIG_HOME="$HOME/.config"
mkdir -p "$XDG_CONFIG_HOME/Korvelin"
cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=Spring Club Cup
HomeText=Home
VisitorText=Visitor
INI

QT_QPA_PLATFORM=xcb "$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
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
