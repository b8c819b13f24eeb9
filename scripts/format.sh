#!/usr/bin/env bash
# Formats the C++ sources with the checked-in .clang-format.
#   scripts/format.sh          rewrite the files in place
#   scripts/format.sh --check  list the files that differ; exit 1 if any
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG_FORMAT=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}
[[ -n "$CLANG_FORMAT" ]] || { echo "clang-format not found (Debian: clang-format-14)" >&2; exit 2; }
mapfile -d '' files < <(find src app tests plugins examples bench fonts \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)
if [[ "${1:-}" == "--check" ]]; then
  differ=0
  for f in "${files[@]}"; do
    if ! "$CLANG_FORMAT" --style=file "$f" | cmp -s - "$f"; then
      echo "$f"
      differ=$((differ + 1))
    fi
  done
  if [[ $differ -gt 0 ]]; then
    echo "$differ of ${#files[@]} files differ from .clang-format; run scripts/format.sh" >&2
    exit 1
  fi
  echo "${#files[@]} files formatted"
else
  "$CLANG_FORMAT" --style=file -i "${files[@]}"
fi
