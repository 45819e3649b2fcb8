#!/bin/sh
# Builds the rich-text reader's fuzz target with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) in build-fuzz/ and runs it on
# the seed corpus for a while. A finding stops the run with a non-zero exit
# and leaves the input in build-fuzz/.
# Usage: scripts/fuzz-smoke.sh [seconds]   (30 by default)
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

DURATION=${1:-30}
echo "== fuzzing the rich-text reader for $DURATION s"
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# New inputs go to a scratch folder; the seeds in the repository stay as they are.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp data/korvelinhelpfile.rtf "$WORK/"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-fuzz/fuzz_rtfreader -max_total_time="$DURATION" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/rtf.dict -artifact_prefix=build-fuzz/ -print_final_stats=1 "$WORK" fuzz/corpus/rtfreader
