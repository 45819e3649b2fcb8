#!/bin/sh
# Screenshot series of the scoreboard's scores and penalties under a private
# Xvfb: after reset, after Home's four shido, after two waza-ari for Visitor,
# and with a side picture. Usage: scores.sh <build dir> <output dir>
set -eu

BUILD=${1:?build directory}
OUT=${2:?output directory}
PROGRAM="$BUILD/korvelin"
GRAB="$BUILD/tools/grabscreen"
mkdir -p "$OUT"

. "$(dirname "$0")/../../scripts/lib/xserver.sh"
xserver_start 1280x1024x24
xserver_private_home

start_board() {
    "$PROGRAM" bypass >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    for _ in $(seq 100); do
        WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" --name Korvelin 2>/dev/null | head -n 1) && [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    # No window manager runs here: hand the board the keyboard focus.
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
    sleep 1
}

stop_board() {
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    # The next start shows a fresh contest, not the one kept from this run.
    rm -rf "$XDG_DATA_HOME"
}

keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}

shot() {
    sleep 0.5
    "$GRAB" "$OUT/$1.png" 0 0 700 520
}

# 1: after reset (R on the contest clock, which has the focus at start).
start_board
keys r
shot 01-after-reset

# 2: Home's four shido. Tab order from the clock: two osaekomi containers,
# medical Home, medical Visitor, ippon Home, W/Y Home, W/Y Visitor, ippon
# Visitor, then the Home shido panel (11 Tabs).
keys $(for _ in $(seq 11); do printf 'Tab '; done)
keys plus plus plus plus
shot 02-home-four-shido

# 3: reset, then two waza-ari for Visitor: on nledWVisitor type 1, then + 1.
keys r
keys shift+Tab shift+Tab shift+Tab
keys 1 plus 1
shot 03-visitor-two-waza-ari
stop_board

# 4: with a side picture (the program's own icon, drawn at build time).
cp "$BUILD/packaging/icons/256x256/apps/korvelin.png" "$WORK/home.png"
cat >"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[PicSettings]
HomePic=$WORK/home.png
INI
start_board
shot 04-home-picture
stop_board

# 5: a visible selection frame (yellow, 3 pixels) on the contest clock, then
# on Home's waza-ari display after a Home ippon by two waza-ari moved it to
# the ippon mark.
cat >>"$XDG_CONFIG_HOME/Korvelin/Korvelin.ini" <<INI
[ColorSettings]
LEDSelected=65535
LEDSelectedWidth=3
INI
start_board
shot 05-frame-on-clock
keys Tab Tab Tab Tab Tab Tab
shot 06-frame-on-home-waza-ari
keys 2
shot 07-frame-on-home-ippon
stop_board
