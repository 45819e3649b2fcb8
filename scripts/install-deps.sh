#!/bin/sh
# Installs the Debian 12 packages Korvelin needs to build, run and test.
# Does nothing when they are all present already.
set -eu

PACKAGES="cmake g++ make pkg-config
clang libclang-rt-14-dev imagemagick
qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev libegl-dev
qt6-httpserver-dev qt6-websockets-dev qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
libmosquitto-dev mosquitto chromium curl
libx11-dev libxtst-dev libxkbcommon-dev
fonts-liberation fonts-dejavu-core
xvfb xauth x11-utils x11-apps x11-xserver-utils xdotool
pulseaudio pulseaudio-utils gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
clang-format linux-perf
lintian desktop-file-utils appstream dpkg-dev file g++-mingw-w64-x86-64-posix"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
