#!/usr/bin/env bash
# Fails, naming file and line, on every #include in the library's folders that cmake/layers.txt
# does not allow: a folder includes itself and the folders it declares, and what those
# declare in turn. Every top folder holding sources must be declared there, except the ones
# that stand beside the library (tests/, bench/, fuzz/, host/) and build trees.
# Usage: tools/checkLayers.sh [root]   (root defaults to the repository).
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
graph="$root/cmake/layers.txt"

declare -A uses=()
while IFS= read -r line; do
  line=${line%%#*}
  [[ $line =~ ^([a-z0-9]+):(.*)$ ]] || continue
  uses[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
done <"$graph"

# Everything a folder may include: itself and the closure of what it declares.
declare -A allowed=()
for folder in "${!uses[@]}"; do
  reach=" $folder "
  pending=(${uses[$folder]})
  while ((${#pending[@]} > 0)); do
    next=${pending[0]}
    pending=("${pending[@]:1}")
    [[ $reach == *" $next "* ]] && continue
    reach+="$next "
    pending+=(${uses[$next]-})
  done
  allowed[$folder]=$reach
done

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

for dir in "$root"/*/; do
  folder=$(basename "$dir")
  case $folder in tests | bench | fuzz | host | build*) continue ;; esac
  # sed reads the whole list: head would stop early and leave sort to die writing, which
  # pipefail turns into a silent exit.
  first=$(find "$dir" -type f \( -name '*.h' -o -name '*.cpp' \) | sort | sed -n 1p)
  [ -n "$first" ] || continue
  if [ -z "${uses[$folder]+set}" ]; then
    fail "${first#"$root"/}:1: $folder/ is not declared in cmake/layers.txt"
    continue
  fi
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    target=$(sed -E 's/^[^"]*"([^/"]+)\/.*/\1/' <<<"$rest")
    [[ ${allowed[$folder]} == *" $target "* ]] && continue
    if [ -n "${uses[$target]+set}" ]; then
      fail "${file#"$root"/}:$line: $folder/ must not include $target/: ${rest#*:}"
    else
      fail "${file#"$root"/}:$line: $target/ is not a folder declared in cmake/layers.txt: ${rest#*:}"
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$dir" \
             --include='*.h' --include='*.cpp' || true)
done

if ((failures > 0)); then
  echo "layering check: $failures include(s) or folder(s) that cmake/layers.txt does not allow" >&2
  exit 1
fi
echo "layering check: every include is allowed by cmake/layers.txt"
