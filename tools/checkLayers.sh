#!/usr/bin/env bash
# Fails, naming file and line, on any #include in the library's folders that points up the
# order of layers: a folder may include itself and the folders below it, nothing else.
# core/ and mzcom/ stand side by side and include neither each other. The families are
# ordered as their subsystems are. tests/, bench/, fuzz/ and host/ stand beside and are not
# checked. Usage: tools/checkLayers.sh [root]   (root defaults to the repository).
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}

declare -A rank=(
  [platform]=0 [memman]=1 [base]=2 [geom]=3 [core]=4 [mzcom]=4 [proxy]=5 [docproxy]=6
  [draw2d]=7 [model3d]=8 [sketchdiv]=9 [proxy3d]=10 [jobs]=11 [dlliface]=12 [library]=13
)

failures=0
for folder in "${!rank[@]}"; do
  [ -d "$root/$folder" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    target=$(sed -E 's/^[^"]*"([^/"]+)\/.*/\1/' <<<"$rest")
    [ -n "${rank[$target]+set}" ] || continue
    [ "$target" = "$folder" ] && continue
    if (( rank[$target] >= rank[$folder] )); then
      echo "${file#"$root"/}:$line: $folder/ must not include $target/: ${rest#*:}"
      failures=$((failures + 1))
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$root/$folder" \
             --include='*.h' --include='*.cpp' || true)
done

if (( failures > 0 )); then
  echo "layering check: $failures include(s) point up the order of layers" >&2
  exit 1
fi
echo "layering check: no include points up"
