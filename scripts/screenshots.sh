#!/bin/sh
# Renders every window offscreen, connected to a simulated Orvex, into
# <output folder>: the main window, each wizard page, the quadrotor and
# airplane dialog and the Advance Menu. The pictures are taken by the GUI
# tests whose names end in "Screenshot(s)".
#
#   scripts/screenshots.sh [build folder] [output folder] [test filter]
#
# e.g. scripts/screenshots.sh build screenshots MainFrame.MainWindowScreenshot
# for the main window alone.
set -eu
build=${1:-build}
out=${2:-screenshots}
filter=${3:-*Screenshot*}
if [ ! -x "$build/tests/gui_tests" ]; then
    echo "no $build/tests/gui_tests: run scripts/build.sh first" >&2
    exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
QT_QPA_PLATFORM=offscreen QUILLON_SCREENSHOT_DIR="$out" \
    "$build/tests/gui_tests" --gtest_filter="$filter"
echo "wrote $(ls "$out" | wc -l) pictures to $out"
