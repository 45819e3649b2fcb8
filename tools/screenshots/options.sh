#!/bin/sh
# Pictures of the options dialog, one per tab, and of the key chooser (its
# prompt, then its refusal), taken under a private Xvfb that the test starts
# on a free display. Usage: options.sh <build dir> <output dir>
set -eu

BUILD=${1:?build directory}
OUT=${2:?output directory}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
cmake --build "$BUILD" --target tst_optionsrealx >/dev/null
KORVELIN_SCREENSHOT_DIR="$OUT" "$BUILD/tests/tst_optionsrealx" screenshots
ls "$OUT"/options-*.png "$OUT"/choosekey-*.png
