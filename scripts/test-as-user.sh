#!/usr/bin/env bash
# Runs the built suite (build/) as an unprivileged user. As root it creates
# that user (CI_USER, default quillon-ci) if needed, hands it the build tree
# and lets it reach the checkout's folders; as any other user it runs the
# suite as that user.
set -euo pipefail
cd "$(dirname "$0")/.."
run_suite() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
}
if [ "$(id -u)" -ne 0 ]; then
    run_suite
    exit
fi
user="${CI_USER:-quillon-ci}"
id -u "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
checkout="$(pwd)"
chown -R "$user": "$checkout/build"
# Every folder above the checkout must be passable for the user.
dir="$checkout"
while [ "$dir" != / ]; do
    dir="$(dirname "$dir")"
    runuser -u "$user" -- test -x "$dir" || chmod o+x "$dir"
done
runtime="/tmp/$user-runtime"
install -d -m 700 -o "$user" "$runtime"
runuser -u "$user" -- env HOME="$(getent passwd "$user" | cut -d: -f6)" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$checkout/build" --output-on-failure -j "$(nproc)" --timeout 300
