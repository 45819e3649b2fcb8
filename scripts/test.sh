#!/bin/sh
# Installs what is missing, checks the formatting, builds Korvelin with its
# tests and runs them; then runs them again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Set KORVELIN_SKIP_SANITIZERS=1 to skip the
# second run while working.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== formatting"
scripts/check-format.sh

jobs="$(nproc)"

echo "== build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
scripts/check-windows.sh && scripts/package-test.sh build

if [ "${KORVELIN_SKIP_SANITIZERS:-0}" != "1" ]; then
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKORVELIN_SANITIZE=ON >/dev/null
    cmake --build build-asan -j"$jobs"
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure -j"$jobs"
    scripts/fuzz-smoke.sh 30
fi
echo "== all tests passed"
