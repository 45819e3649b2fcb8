# A private X server for the project's shell scripts. After `set -eu`:
#
#   . "$here/lib/xserver.sh"
#   xserver_start 1920x1080x24      # WIDTHxHEIGHTxDEPTH
#   xserver_private_home            # optional: an empty settings store
#
# xserver_start makes a scratch folder $WORK, starts Xvfb on a free display
# (-displayfd, never a fixed number: other runs may be going on), waits until
# it takes clients and exports DISPLAY and QT_QPA_PLATFORM=xcb, with
# XAUTHORITY and WAYLAND_DISPLAY dropped. At exit, also on Ctrl-C or TERM,
# the program in $APP_PID (if any) is killed, the script's own
# xserver_cleanup_more runs (if it defines one), the X server is killed and
# $WORK removed. Needs xvfb and x11-utils (xdpyinfo).

WORK=
APP_PID=
XSERVER_PID=

xserver_cleanup() {
    if [ -n "$APP_PID" ]; then kill "$APP_PID" 2>/dev/null || true; fi
    if command -v xserver_cleanup_more >/dev/null 2>&1; then xserver_cleanup_more || true; fi
    if [ -n "$XSERVER_PID" ]; then kill "$XSERVER_PID" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    if [ -n "$WORK" ]; then rm -rf "$WORK"; fi
}
trap xserver_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

xserver_start() { # WIDTHxHEIGHTxDEPTH
    for tool in Xvfb xdpyinfo; do
        command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }
    done
    WORK=$(mktemp -d)
    # Xvfb picks a free display and writes its number to the pipe once it
    # listens; if it ends first, the read meets the end of the pipe.
    mkfifo "$WORK/displayfd"
    Xvfb -displayfd 3 -noreset -nolisten tcp -ac -screen 0 "$1" 3>"$WORK/displayfd" >"$WORK/xvfb.log" 2>&1 &
    XSERVER_PID=$!
    xserver_number=
    read -r xserver_number <"$WORK/displayfd" || true
    if [ -z "$xserver_number" ]; then
        cat "$WORK/xvfb.log" >&2
        echo "Xvfb did not start" >&2
        exit 1
    fi
    export DISPLAY=":$xserver_number"
    export QT_QPA_PLATFORM=xcb
    unset XAUTHORITY WAYLAND_DISPLAY
    xserver_tries=0
    until xdpyinfo >/dev/null 2>&1; do
        xserver_tries=$((xserver_tries + 1))
        [ "$xserver_tries" -lt 500 ] || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 1; }
        sleep 0.01
    done
}

# A home of its own under $WORK, so the operator's real settings stay
# untouched and the program starts with the default settings. Called again,
# it empties that home: no settings and no contest kept from a run before.
xserver_private_home() {
    [ -n "$WORK" ] || { echo "xserver_private_home: call xserver_start first" >&2; exit 1; }
    export HOME="$WORK/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    export XDG_DATA_HOME="$HOME/.local/share"
    rm -rf "$HOME"
    mkdir -p "$XDG_CONFIG_HOME/Korvelin" "$XDG_DATA_HOME"
}
