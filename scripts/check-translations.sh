#!/usr/bin/env bash
# Fails when a text the windows translate has no finished entry in a
# translations/*.ts file, or a file still holds texts the sources no longer
# have. lupdate runs on a copy, so the files in the tree stay as they are;
# `cmake --build build --target update_translations` brings them in step.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same sources as the update_translations target (src/app/CMakeLists.txt).
mapfile -t sources < <(
  find src/widgets src/params_ui src/airframe src/wizard src/app -name '*.cpp' -o -name '*.h'
  find src/link src/params src/firmware -name '*.cpp'
)
status=0
for ts in translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$LUPDATE" -silent -locations none -I src "${sources[@]}" -ts "$copy" >/dev/null
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  vanished=$(grep -c 'type="vanished"\|type="obsolete"' "$copy" || true)
  total=$(grep -c '<source>' "$copy" || true)
  echo "$ts: $total texts, $unfinished without a finished translation, $vanished no longer in the sources"
  if ((unfinished + vanished)); then
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' | sed 's/^ */  /' || true
    status=1
  fi
done
exit $status
