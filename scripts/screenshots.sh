#!/bin/sh
# Renders every window offscreen, connected to a simulated Orvex, into
# <output folder>: the main window, each wizard page, the Advance Menu, the
# quadrotor and airplane dialog, the About box and Qt's own file dialog.
#
#   scripts/screenshots.sh [build folder] [output folder] [window name] [--variant NAME] [--lang CODE]
#
# Variants: light (the default: a 1920x1200 desktop), dark (the same with a
# dark desktop palette), 1366x768 (a laptop screen) and scale2 (a 1280x1024
# screen at QT_SCALE_FACTOR=2); "--variant all" makes the four, each into its
# own subfolder of the output folder.
# --lang zh_CN shows the windows in Simplified Chinese (as far as they are translated).
# e.g. scripts/screenshots.sh build screenshots main for the main window alone,
#      scripts/screenshots.sh build screenshots --variant all for the four sets.
set -eu
variant=light
lang=
set -- "$@" --end
while [ "$1" != --end ]; do
    if [ "$1" = --variant ]; then
        [ "$2" != --end ] || { echo "--variant needs a name" >&2; exit 2; }
        variant=$2
        shift 2
    elif [ "$1" = --lang ]; then
        [ "$2" != --end ] || { echo "--lang needs a code" >&2; exit 2; }
        lang=$2
        shift 2
    else
        set -- "$@" "$1"
        shift
    fi
done
shift
build=${1:-build}
out=${2:-screenshots}
tool="$build/tests/quillon-screenshots"
if [ ! -x "$tool" ]; then
    echo "no $tool: run scripts/build.sh quillon-screenshots first" >&2
    exit 1
fi

shoot() { # <variant> <output folder>
    case $1 in
        light) QT_QPA_PLATFORM=offscreen "$tool" "$2" ${3:+"$3"} ${lang:+--lang "$lang"} ;;
        dark) QT_QPA_PLATFORM=offscreen "$tool" "$2" ${3:+"$3"} ${lang:+--lang "$lang"} --dark ;;
        1366x768) QT_QPA_PLATFORM=offscreen "$tool" "$2" ${3:+"$3"} ${lang:+--lang "$lang"} --screen 1366x768 ;;
        scale2) QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$tool" "$2" ${3:+"$3"} ${lang:+--lang "$lang"} --screen 1280x1024 ;;
        *)
            echo "unknown variant $1 (light, dark, 1366x768, scale2, all)" >&2
            exit 2
            ;;
    esac
}

if [ "$variant" = all ]; then
    for v in light dark 1366x768 scale2; do shoot "$v" "$out/$v" "${3:-}"; done
else
    shoot "$variant" "$out" "${3:-}"
fi
