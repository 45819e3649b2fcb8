#!/bin/sh
# Keeps the Windows build honest on Linux: every source file of the program
# that a Windows build compiles (the *_win.cpp files and every file with
# Windows branches, that is all but the *_x11.cpp files) goes through the
# mingw-w64 cross compiler with the project's warnings as errors. Qt for
# Windows is not packaged for Debian, so this is a syntax-only check against
# the Qt headers at hand (treated as system headers); what it proves is that
# our own code, Windows headers and Windows branches included, compiles.
set -eu
cd "$(dirname "$0")/.."

CXX=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$CXX" >/dev/null 2>&1; then
    echo "check-windows: $CXX is missing (Debian package g++-mingw-w64-x86-64-posix)" >&2
    exit 1
fi
QT_INCLUDE=$(pkg-config --variable=includedir Qt6Core 2>/dev/null || true)
if [ -z "$QT_INCLUDE" ] || [ ! -d "$QT_INCLUDE/QtCore" ]; then
    echo "check-windows: the Qt 6 headers are missing (Debian package qt6-base-dev)" >&2
    exit 1
fi

version=$(sed -n 's/^project(Korvelin VERSION \([0-9]*\)\.\([0-9]*\)\.\([0-9]*\).*/\1 \2 \3/p' CMakeLists.txt)
set -- $version
if [ $# -ne 3 ]; then
    echo "check-windows: no version in CMakeLists.txt" >&2
    exit 1
fi
major=$1 minor=$2 patch=$3

# Only Mosquitto's own header from the system's include folder: the rest of
# /usr/include is Linux's.
MOSQUITTO_INCLUDE=$(mktemp -d)
trap 'rm -rf "$MOSQUITTO_INCLUDE"' EXIT
if [ -f /usr/include/mosquitto.h ]; then
    cp /usr/include/mosquitto.h "$MOSQUITTO_INCLUDE/"
else
    echo "check-windows: mosquitto.h is missing (Debian package libmosquitto-dev)" >&2
    exit 1
fi

failed=0
checked=0
for source in $(find src app -name '*.cpp' ! -name '*_x11.cpp' | sort); do
    checked=$((checked + 1))
    if ! "$CXX" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror \
        -DKORVELIN_VERSION_MAJOR="$major" -DKORVELIN_VERSION_MINOR="$minor" -DKORVELIN_VERSION_PATCH="$patch" \
        -isystem "$QT_INCLUDE" -isystem "$QT_INCLUDE/QtCore" -isystem "$QT_INCLUDE/QtGui" \
        -isystem "$QT_INCLUDE/QtWidgets" -isystem "$QT_INCLUDE/QtMultimedia" \
        -isystem "$QT_INCLUDE/QtNetwork" -isystem "$QT_INCLUDE/QtHttpServer" -isystem "$QT_INCLUDE/QtWebSockets" \
        -DQT_WEBSOCKETS_LIB -isystem "$MOSQUITTO_INCLUDE" \
        -Isrc "$source"; then
        echo "check-windows: $source does not compile for Windows" >&2
        failed=$((failed + 1))
    fi
done
windows_only=$(find src -name '*_win.cpp' | wc -l)
echo "check-windows: $checked files for Windows ($windows_only *_win.cpp), $failed failed"
[ "$failed" -eq 0 ]
