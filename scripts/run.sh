#!/bin/sh
# Installs what is missing, builds Korvelin and starts it. Arguments are
# passed on (for example: scripts/run.sh bypass).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target korvelin-app
exec build/korvelin "$@"
