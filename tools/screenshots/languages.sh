#!/bin/sh
# The board and the options dialog (on its tab with the Language list) in
# several languages, taken from the real program on a private Xvfb server:
# a contest under way at 1280 x 720 with the default side names, then F2.
# Usage: tools/screenshots/languages.sh [build folder] [output folder] [codes...]
# (codes default to "de fr ja"; files board-<code>.png and options-<code>.png)
set -eu
cd "$(dirname "$0")/../.."
BUILD=${1:-build}
OUT=${2:-shots}
shift 2 2>/dev/null || shift $#
CODES=${*:-de fr ja}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
[ -x "$PROGRAM" ] && [ -x "$GRAB" ] || {
    echo "languages.sh: build korvelin-app and grabscreen first" >&2
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
    sleep 0.2
}
key() {
    xdotool key "$@"
    sleep 0.2
}

for code in $CODES; do
    cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[TextSettings]
TitleText=Spring Club Cup
Language=$code
INI
    rm -rf "$XDG_DATA_HOME"
    "$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin$' | head -n 1)
    xdotool windowsize --sync "$WINDOW" 1280 720 2>/dev/null || xdotool windowsize "$WINDOW" 1280 720
    xdotool windowmove "$WINDOW" 0 0
    xdotool windowfocus "$WINDOW"
    sleep 0.5
    click 7260 5900        # Visitor's shido panel: a shido
    sleep 0.6              # beyond the double-click interval
    click 7260 5900        # and a second
    click 1627 4400        # Home's waza-ari display
    key 1
    click 4740 2070        # the contest clock
    key s
    sleep 1.3
    key Left               # osaekomi for Home
    sleep 2.2
    key s
    xdotool mousemove 1279 799
    sleep 0.5
    "$GRAB" "$OUT/board-$code.png" 0 0 1280 720

    # The options dialog, on the tab that holds the Language list (the
    # fifth: first in the upper row while the first tab is open).
    key F2
    DIALOG=
    tries=0
    while [ -z "$DIALOG" ] && [ $tries -lt 100 ]; do
        DIALOG=$(xdotool search --onlyvisible --pid "$APP_PID" --name '.' 2>/dev/null \
            | while read -r id; do [ "$id" != "$WINDOW" ] && echo "$id"; done | tail -n 1) || true
        tries=$((tries + 1))
        [ -n "$DIALOG" ] || sleep 0.1
    done
    [ -n "$DIALOG" ] || { echo "languages.sh: no options dialog" >&2; exit 1; }
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
    xdotool mousemove $((X + 58)) $((Y + 17)) click 1
    sleep 0.5
    "$GRAB" "$OUT/options-$code.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    echo "languages.sh: wrote $OUT/board-$code.png and $OUT/options-$code.png"
done
