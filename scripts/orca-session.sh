#!/usr/bin/env bash
# Hears the program through the Orca screen reader: for each key script it
# starts a private X server (Xvfb), a D-Bus session, the accessibility bus,
# openbox, a simulated Orvex at 9600 baud, Orca (silent synth, debug log) and
# the program, plays the keys with xdotool and writes a report of what Orca
# said after each step. A developer tool; CI does not run it.
#
#   scripts/orca-session.sh [--build DIR] [--out DIR] KEYSCRIPT...
#
# Key script lines (# starts a comment):
#   key KEYS...   xdotool key, e.g. "key Tab", "key shift+Tab", "key KP_Up"
#   type TEXT     xdotool type
#   wait SECONDS  sleep
#   mark NAME     a heading in the report; speech after it is listed under it
#   include FILE  the steps of another key script (beside this one)
#   repeat N STEP, repeat FIRST-LAST STEP   the step N times; {n} in the
#                 step (and in an included file) is the repeat's number
#   focus [ROLE:]NAME  focus the program's control of that accessible name
#                 through the accessibility bus (a known place to start from)
#   shell COMMAND run COMMAND with bash in the session (HOME is the session's),
#                 e.g. to make a file the journey opens
#   sim OPTIONS   more options for this journey's orvex-sim, e.g. "sim
#                 --bootloader" (read before the session starts, anywhere)
# For each KEYSCRIPT the out folder (default /tmp/orca-reports) gets
# NAME.report.txt (speech per mark, each line timed from the key before it),
# NAME.log (Orca's debug log with the steps interleaved), NAME.orca.log,
# NAME.steps (for scripts/orca-report.py) and NAME.stderr (what the
# simulator, the program and Orca printed).
# As root the sessions run as the user "pilot" (created if missing).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$here/../build"
out=/tmp/orca-reports
while [ $# -gt 0 ]; do
    case $1 in
        --build) build=$2; shift 2 ;;
        --out) out=$2; shift 2 ;;
        --) shift; break ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
build="$(cd "$build" && pwd)"
for tool in Xvfb dbus-run-session openbox orca xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
for bin in src/app/quillon sim/orvex-sim; do
    [ -x "$build/$bin" ] || { echo "no $build/$bin: build quillon and orvex-sim" >&2; exit 1; }
done
mkdir -p "$out"
out="$(cd "$out" && pwd)"
scripts=()
for f in "$@"; do scripts+=("$(cd "$(dirname "$f")" && pwd)/$(basename "$f")"); done

if [ "$(id -u)" -eq 0 ]; then
    user=pilot
    id -u "$user" >/dev/null 2>&1 || useradd -m "$user"
    # The user must pass every folder above the build, the scripts and out.
    for start in "$build" "$here" "${scripts[@]}"; do
        dir="$start"
        while [ "$dir" != / ]; do
            dir="$(dirname "$dir")"
            runuser -u "$user" -- test -x "$dir" || chmod o+x "$dir"
        done
    done
    chown -R "$user": "$out"
    exec runuser -u "$user" -- env PATH="$PATH" "$0" --build "$build" --out "$out" "${scripts[@]}"
fi

if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "an Orca of $(id -un) is already running; Orca allows one per user" >&2
    exit 1
fi

free_display() {
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
    done
    return 1
}

now() { date +%s.%N; }

# One step; every step goes to the steps file as "EPOCH KIND TEXT". {n} in a
# step stands for the number of the repeat it runs in.
step() { # <kind> <arg> <key script> <steps file>
    local kind=$1 arg=${2//\{n\}/${n:-}} steps=$4 count rest first last
    case $kind in
        '' | '#'*) ;;
        key)
            echo "$(now) key $arg" >>"$steps"
            # shellcheck disable=SC2086 # "key Tab Tab" presses two keys
            xdotool key --delay 60 $arg
            ;;
        type) echo "$(now) type $arg" >>"$steps"; xdotool type --delay 80 "$arg" ;;
        wait) sleep "$arg" ;;
        mark) echo "$(now) mark $arg" >>"$steps" ;;
        shell) echo "$(now) shell $arg" >>"$steps"; bash -c "$arg" ;;
        sim) ;; # taken when the simulator starts
        focus)
            echo "$(now) focus $arg" >>"$steps"
            echo "$(now) note $(/usr/bin/python3 "$here/orca/focus.py" "$arg" 2>&1)" >>"$steps"
            ;;
        include) play "$(dirname "$3")/$arg" "$steps" ;;
        repeat) # repeat COUNT|FIRST-LAST STEP...
            local n # the steps it runs see this one
            read -r count rest <<<"$2"
            first=${count%-*} last=${count#*-}
            [ "$count" = "$last" ] && first=1
            for ((n = first; n <= last; n++)); do step "${rest%% *}" "${rest#* }" "$3" "$steps" || return; done
            ;;
        *) echo "unknown step '$kind' in $3" >&2; return 2 ;;
    esac
}

play() { # <key script> <steps file>
    local kind arg
    while read -r kind arg || [ -n "$kind" ]; do
        step "$kind" "$arg" "$1" "$2" || return
    done <"$1"
}

# Inside the D-Bus session: the accessibility bus, the desktop, the unit, the
# reader and the program, then the keys.
session() { # <work folder> <key script>
    local work=$1 pids=()
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >"$work/openbox.out" 2>&1 &
    pids+=($!)
    local simOptions
    # shellcheck disable=SC2207 # "sim --bootloader --nak-block 3" gives several words
    simOptions=($(sed -n 's/^sim //p' "$2"))
    "$build/sim/orvex-sim" --baud 9600 --name orvex-sim "${simOptions[@]}" >"$work/sim.out" 2>&1 &
    pids+=($!)
    # Orca starts only where no other Orca of the user runs: the last session's must be gone.
    for _ in $(seq 100); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.2; done
    orca --debug-file "$work/orca.log" -u "$work/orca-prefs" >"$work/orca.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do grep -q 'ORCA: Starting registry' "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
    sleep 1
    echo "$(now) mark start" >>"$work/steps"
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/src/app/quillon" >"$work/quillon.out" 2>&1 &
    pids+=($!)
    local program=$!
    xdotool search --sync --onlyvisible --name '^Quillon 2.0$' windowactivate --sync >/dev/null 2>&1 || true
    sleep 3 # the window's first speech
    play "$2" "$work/steps" || true
    sleep 3 # the last step's speech
    echo "$(now) mark end" >>"$work/steps"
    if ! kill -0 "$program" 2>/dev/null; then # a crash shows as 128 + the signal
        wait "$program"
        echo "quillon ended before the key script did: status $?" | tee -a "$work/quillon.out" >&2
    fi
    stop "${pids[@]}"
}

stop() { # <pid>... : last started first; a second's grace, then SIGKILL
    local i alive
    for ((i = $#; i >= 1; i--)); do kill "${!i}" 2>/dev/null || true; done
    for _ in $(seq 30); do
        alive=0
        for i; do kill -0 "$i" 2>/dev/null && alive=1; done
        [ $alive = 1 ] || return 0
        sleep 0.1
    done
    kill -9 "$@" 2>/dev/null || true
    wait "$@" 2>/dev/null || true
}

run_one() { # <key script>
    local name work display xvfb
    name="$(basename "$1" .keys)"
    work="$(mktemp -d -t orca-session.XXXXXX)"
    mkdir -p "$work/home" "$work/run" "$work/orca-prefs"
    chmod 700 "$work/run"
    cp "$here/orca/silent_synth.py" "$work/orca-prefs/"
    cat >"$work/orca-prefs/user-settings.conf" <<'EOF'
{"general": {"speechServerFactory": "silent_synth", "enableKeyEcho": false,
             "enableTutorialMessages": false,
             "profile": ["Default", "default"], "activeProfile": ["Default", "default"],
             "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"],
                          "speechServerFactory": "silent_synth", "enableKeyEcho": false}},
 "pronunciations": {}, "keybindings": {}}
EOF
    display=$(free_display)
    Xvfb ":$display" -screen 0 1920x1200x24 -nolisten tcp >"$work/xvfb.out" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    echo "$name: session on :$display in $work"
    export -f session step play now stop
    export here
    HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_DATA_HOME="$work/home/.local/share" DISPLAY=":$display" TZ=UTC LANG=C.UTF-8 \
        GTK_A11Y=atspi NO_AT_BRIDGE=0 build="$build" \
        dbus-run-session -- bash -c 'session "$@"' session "$work" "$1" 2>"$work/session.err" || true
    stop "$xvfb"
    cp "$work/orca.log" "$out/$name.orca.log"
    cp "$work/steps" "$out/$name.steps"
    tail -n +1 "$work"/{sim,quillon,orca}.out "$work/session.err" >"$out/$name.stderr" 2>/dev/null || true
    /usr/bin/python3 "$here/orca-report.py" "$work/steps" "$work/orca.log" \
        --merged "$out/$name.log" >"$out/$name.report.txt"
    echo "$name: $out/$name.report.txt"
    rm -rf "$work"
}

for s in "${scripts[@]}"; do run_one "$s"; done
