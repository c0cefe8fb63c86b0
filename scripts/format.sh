#!/usr/bin/env bash
# Formats the C++ sources with clang-format (.clang-format at the top);
# --check only reports files that differ and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format)}
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  "$CLANG_FORMAT" --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files formatted"
else
  "$CLANG_FORMAT" -i "${files[@]}"
fi
