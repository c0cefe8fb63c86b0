#!/usr/bin/env bash
# Sets up what is missing, builds, starts a simulated Orvex (paced at 9600
# baud) and the program. Pick "orvex-sim" in the port list and press Connect.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh quillon orvex-sim quillon-cli

B=build
# The simulator registers its port under the runtime folder; make sure the
# program and the simulator agree on it (and Qt finds one).
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -un)}
mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
simlog=$(mktemp -t orvex-sim.XXXXXX.log)
"$B/sim/orvex-sim" --baud 9600 --name orvex-sim >"$simlog" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$simlog"' EXIT
for _ in $(seq 50); do grep -q '^PORT ' "$simlog" && break; sleep 0.1; done
echo "Simulated Orvex on $(sed -n 's/^PORT //p' "$simlog") (listed as orvex-sim)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it under a virtual one, e.g. 'xvfb-run -a scripts/run.sh'."
  echo "Meanwhile, the command-line companion against the simulator:"
  "$B/cli/quillon-cli" info orvex-sim
  exit 0
fi
"$B/src/app/quillon"
