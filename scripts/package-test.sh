#!/bin/sh
# Builds the Debian package from a build folder (default: build) and tests it
# as a club would meet it: lintian without errors, the desktop entry and the
# metainfo valid, the package unpacked into a temporary root and the unpacked
# program started with "bypass" on a private Xvfb server: the board window
# must appear, and the buzzer and help files must lie beside the running
# executable, with the guides and translations of every language; served on
# the network (--serve), it must answer /state on loopback with the contest
# as JSON. As root on a CI machine (CI=true) the package is also really
# installed with apt, started from /usr/bin and removed again.
# Usage: scripts/package-test.sh [build folder]
set -eu
cd "$(dirname "$0")/.."
BUILD=${1:-build}

fail() {
    echo "package-test: $*" >&2
    exit 1
}

for tool in cpack lintian desktop-file-validate appstreamcli dpkg-deb Xvfb xdotool xwininfo curl; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
[ -f "$BUILD/CMakeCache.txt" ] || fail "$BUILD is not a configured build folder"

echo "== package"
cmake --build "$BUILD" -j"$(nproc)" >/dev/null
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB >/dev/null) || fail "cpack failed"
DEB=$(ls "$BUILD"/package/korvelin_*.deb)
[ -f "$DEB" ] || fail "no package built"
VERSION=$(sed -n 's/^project(Korvelin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-deb -f "$DEB" Version)" = "$VERSION" ] || fail "package version is not $VERSION"
dpkg-deb -f "$DEB" Depends | grep -q 'libqt6widgets6' || fail "the dependencies were not computed"
for library in libqt6httpserver6 libqt6websockets6 libmosquitto1; do
    dpkg-deb -f "$DEB" Depends | grep -q "$library" || fail "the package does not depend on $library"
done
echo "$DEB: $(dpkg-deb -f "$DEB" Depends)"

echo "== lintian"
lintian --fail-on error "$DEB"

INSTALLED=
xserver_cleanup_more() {
    if [ -n "$INSTALLED" ]; then dpkg -r korvelin >/dev/null 2>&1 || true; fi
}
. scripts/lib/xserver.sh
xserver_start 1280x1024x24

echo "== unpacked into $WORK/root"
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
for file in usr/lib/korvelin/korvelin usr/lib/korvelin/korvelin-services.so usr/lib/korvelin/buzzer.wav usr/lib/korvelin/korvelinhelpfile.rtf \
    usr/lib/korvelin/korvelinhelpfile.de.rtf usr/lib/korvelin/korvelinhelpfile.ja.rtf \
    usr/lib/korvelin/translations/korvelin_de.qm usr/lib/korvelin/translations/korvelin_ja.qm \
    usr/share/applications/com.brontique.Korvelin.desktop usr/share/metainfo/com.brontique.Korvelin.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/korvelin.svg usr/share/icons/hicolor/48x48/apps/korvelin.png \
    usr/share/man/man1/korvelin.1.gz usr/share/doc/korvelin/copyright; do
    [ -f "$ROOT/$file" ] || fail "/$file is missing from the package"
done
[ -x "$ROOT/usr/bin/korvelin" ] || fail "the launcher /usr/bin/korvelin does not lead to the program"
grep -q "version=\"$VERSION\"" "$ROOT/usr/share/metainfo/com.brontique.Korvelin.metainfo.xml" \
    || fail "the metainfo does not name version $VERSION"
desktop-file-validate "$ROOT/usr/share/applications/com.brontique.Korvelin.desktop"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/com.brontique.Korvelin.metainfo.xml"

# Starts a program with bypass and a home of its own; checks its board window
# and the files beside the running executable.
check_program() {
    launcher=$1
    expected_folder=$2
    home="$WORK/home-$(basename "$expected_folder")-$$"
    mkdir -p "$home"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" "$launcher" bypass >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Korvelin$' | head -n 1) \
        || { cat "$WORK/app.log" >&2; fail "$launcher: no board window"; }
    xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "$launcher: the board is not shown"
    xwininfo -id "$window" | grep -q 'Width: 632' || fail "$launcher: the board is not at its design size"
    folder=$(dirname "$(readlink "/proc/$APP_PID/exe")")
    [ "$folder" = "$expected_folder" ] || fail "$launcher runs from $folder, not $expected_folder"
    [ -f "$folder/buzzer.wav" ] || fail "no buzzer.wav beside $folder/korvelin"
    [ -f "$folder/korvelinhelpfile.rtf" ] || fail "no korvelinhelpfile.rtf beside $folder/korvelin"
    for language in de es fr it nl pt ja; do
        [ -f "$folder/translations/korvelin_$language.qm" ] || fail "no translations/korvelin_$language.qm beside $folder/korvelin"
        [ -f "$folder/korvelinhelpfile.$language.rtf" ] || fail "no korvelinhelpfile.$language.rtf beside $folder/korvelin"
    done
    [ ! -e "$folder/translations/korvelin_pseudo.qm" ] || fail "the test language was packaged"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    echo "$launcher: board shown, running from $folder with its buzzer, help and translation files"
}

# Starts a program with bypass --serve on a free port and fetches /state.
check_served() {
    launcher=$1
    home="$WORK/home-served-$$"
    mkdir -p "$home"
    port=$(awk 'BEGIN { srand(); print 20000 + int(rand() * 20000) }')
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        "$launcher" bypass --serve="$port" >"$WORK/served.log" 2>&1 &
    APP_PID=$!
    tries=0
    until state=$(curl -s -m 1 "http://127.0.0.1:$port/state") && [ -n "$state" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 200 ] || { cat "$WORK/served.log" >&2; fail "$launcher --serve=$port: no /state"; }
        sleep 0.1
    done
    echo "$state" | grep -q '"version":1' || fail "$launcher: /state is not the contest: $state"
    echo "$state" | grep -q '"shown":"2:00"' || fail "$launcher: /state does not show 2:00: $state"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    echo "$launcher --serve=$port: /state answers $state"
}

echo "== the unpacked program"
check_program "$ROOT/usr/bin/korvelin" "$ROOT/usr/lib/korvelin"
check_served "$ROOT/usr/bin/korvelin"
for option in bypass --audience --serve --help; do
    "$ROOT/usr/bin/korvelin" --help | grep -q -- "$option" || fail "korvelin --help does not list $option"
done

# The end-to-end start from the splash, against the unpacked program.
if [ -x "$BUILD/tests/tst_endtoend" ]; then
    KORVELIN_PROGRAM="$ROOT/usr/bin/korvelin" "$BUILD/tests/tst_endtoend" splashClick_opensTheBoard
fi

if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = "true" ]; then
    if dpkg-query -W -f='${Status}' korvelin 2>/dev/null | grep -q "install ok installed"; then
        echo "== korvelin is installed on this machine already: the real installation is not tried"
    else
        echo "== installed with apt, started, removed"
        INSTALLED=yes
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$(realpath "$DEB")" >/dev/null
        check_program /usr/bin/korvelin /usr/lib/korvelin
        check_served /usr/bin/korvelin
        dpkg -r korvelin >/dev/null
        INSTALLED=
        if [ -e /usr/lib/korvelin ] || [ -e /usr/bin/korvelin ]; then
            fail "dpkg -r left files behind"
        fi
    fi
fi
echo "== package test passed"
