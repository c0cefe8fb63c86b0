#!/bin/sh
# Renders every window offscreen, connected to a simulated Orvex, into
# <output folder>: the main window, each wizard page, the Advance Menu, the
# quadrotor and airplane dialog and the About box.
#
#   scripts/screenshots.sh [build folder] [output folder] [window name]
#
# e.g. scripts/screenshots.sh build screenshots main for the main window alone.
set -eu
build=${1:-build}
out=${2:-screenshots}
tool="$build/tests/quillon-screenshots"
if [ ! -x "$tool" ]; then
    echo "no $tool: run scripts/build.sh quillon-screenshots first" >&2
    exit 1
fi
QT_QPA_PLATFORM=offscreen "$tool" "$out" ${3:+"$3"}
