#!/bin/sh
# Renders every picture of res/src/<id>.svg into res/png/<id>.png at the size the SVG declares, and
# each translated one of res/src/<lang>/<id>.svg into res/png/<lang>/<id>.png.
# The SVGs are written by src/generate.py; pass --no-generate to render hand-edited SVGs as they are.
# Needs python3 and rsvg-convert (Debian package librsvg2-bin) with the DejaVu fonts (fonts-dejavu-core)
# and, for the Chinese pictures, WenQuanYi Micro Hei (fonts-wqy-microhei).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src="$here/src"
out="$here/png"

if [ "${1:-}" != "--no-generate" ]; then
    python3 "$src/generate.py"
fi
command -v rsvg-convert >/dev/null || { echo "render.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }
mkdir -p "$out"

png_size() {  # width x height from the PNG header
    python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"
}

count=0
render() {  # render <svg> <png>
    svg=$1
    id=$(basename "$svg" .svg)
    w=$(sed -n 's/^<svg [^>]*width="\([0-9]*\)".*/\1/p' "$svg" | head -n 1)
    h=$(sed -n 's/^<svg [^>]*height="\([0-9]*\)".*/\1/p' "$svg" | head -n 1)
    if [ -z "$w" ] || [ -z "$h" ]; then
        echo "render.sh: $svg declares no pixel size" >&2
        exit 1
    fi
    tmp="$(dirname "$2")/.$id.png.tmp"
    rsvg-convert --width="$w" --height="$h" --format=png --output="$tmp" "$svg"
    got=$(png_size "$tmp")
    if [ "$got" != "${w}x${h}" ]; then
        rm -f "$tmp"
        echo "render.sh: $svg rendered as $got, wanted ${w}x${h}" >&2
        exit 1
    fi
    mv "$tmp" "$2"
    count=$((count + 1))
}

for svg in "$src"/*.svg; do
    render "$svg" "$out/$(basename "$svg" .svg).png"
done
for dir in "$src"/*/; do
    lang=$(basename "$dir")
    mkdir -p "$out/$lang"
    rm -f "$out/$lang"/*.png  # a picture that lost its text falls back to the English one
    for svg in "$dir"*.svg; do
        [ -e "$svg" ] || continue
        render "$svg" "$out/$lang/$(basename "$svg" .svg).png"
    done
done
echo "render.sh: $count pictures in $out"
