#!/bin/sh
# A screenshot of the board and its audience display side by side: a private
# Xvfb of 3286 x 1080 split into a 1366 x 768 laptop monitor and a
# 1920 x 1080 projector beside it, `korvelin --audience bypass` on it with an
# empty settings store, a few seconds of a contest played with real keys
# (a typed contest length, a shido, a waza-ari, the clock running), then the
# whole X screen written as a PNG.
#
#   scripts/audience-screenshot.sh [path/to/korvelin] [out.png]
#
# Needs xvfb, x11-xserver-utils (xrandr), x11-apps (xwd), xdotool, python3.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/korvelin}
out=${2:-audience-screenshot.png}

[ -x "$program" ] || { echo "no program at $program (build target korvelin-app)" >&2; exit 1; }
for tool in xrandr xdotool xdpyinfo xwd python3; do
    command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

. "$here/lib/xserver.sh"
xserver_start 3286x1080x24
xserver_private_home
xrandr --setmonitor laptop 1366/361x768/203+0+0 screen >/dev/null
xrandr --setmonitor projector 1920/508x1080/286+1366+0 none >/dev/null

"$program" --audience bypass >"$WORK/app.log" 2>&1 &
APP_PID=$!
window=$(xdotool search --sync --onlyvisible --name '^Korvelin$' | head -n 1)
xdotool windowsize --sync "$window" 1366 768 2>/dev/null || xdotool windowsize "$window" 1366 768
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1

keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
}
# On the contest clock (focused at start): 4 minutes, then start it.
keys 4 Return s
# Tab order from the clock: two osaekomi containers, medical Home, medical
# Visitor, ippon Home, W/Y Home, W/Y Visitor, ippon Visitor, Home shido.
keys Tab Tab Tab Tab Tab Tab
keys 1
keys Tab Tab Tab Tab Tab plus
sleep 3.3

xwd -root -silent | python3 "$here/xwd2png.py" "$out"
echo "wrote $out (board on the left at 1366 x 768, audience display on the right at 1920 x 1080)"
