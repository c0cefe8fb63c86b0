#!/bin/sh
# Renders the program icon (res/src/157.svg, the same picture the window uses)
# into the PNG sizes of the hicolor theme. The PNGs are committed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
command -v rsvg-convert >/dev/null || { echo "render-icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    rsvg-convert --width="$size" --height="$size" --format=png --output="$here/icons/$size.png" "$here/../res/src/157.svg"
done
