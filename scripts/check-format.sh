#!/bin/sh
# Fails when a C++ file differs from what clang-format makes of it.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src app tests bench tools -name '*.cpp' -o -name '*.h')
status=0
for file in $files; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (run clang-format -i $file)"
        status=1
    fi
done
exit $status
