#!/bin/sh
# Renders the main window, connected to a simulated Orvex (orvex-sim, unpaced),
# offscreen into <output folder>/main.png.
#
#   scripts/screenshot-main.sh [build folder] [output folder]
#
# Defaults: build folder ./build, output folder ./screenshots. The picture is
# taken by the GUI test MainFrame.MainWindowScreenshot, which starts the
# simulator on a pseudo terminal, presses Connect and waits for the handshake.
set -eu

build=${1:-build}
out=${2:-screenshots}

if [ ! -x "$build/tests/gui_tests" ]; then
    echo "no $build/tests/gui_tests: build it first (ninja -C $build gui_tests)" >&2
    exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)

QT_QPA_PLATFORM=offscreen QUILLON_SCREENSHOT_DIR="$out" \
    "$build/tests/gui_tests" --gtest_filter='MainFrame.MainWindowScreenshot'
echo "wrote $out/main.png"
