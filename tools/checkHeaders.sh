#!/usr/bin/env bash
# Fails, naming each header, when a header of the library's folders (those of cmake/layers.txt,
# subfolders included) does not compile alone: each is the only include of a one-line
# translation unit, compiled for syntax with the build's warnings as errors.
# Usage: tools/checkHeaders.sh [root]   (root defaults to the repository; CXX picks the compiler,
# JOBS how many run at once, all cores by default).
set -euo pipefail
root=$(cd "${1:-"$(dirname "$0")/.."}" && pwd)
compiler=${CXX:-g++}
jobs=${JOBS:-$(nproc)}

folders=()
while IFS= read -r line; do
  line=${line%%#*}
  [[ $line =~ ^([a-z0-9]+): ]] && [ -d "$root/${BASH_REMATCH[1]}" ] && folders+=("${BASH_REMATCH[1]}")
done <"$root/cmake/layers.txt"

headers=$(cd "$root" && find "${folders[@]}" -name '*.h' | sort)
count=$(wc -l <<<"$headers")

# One header per call; a failing header prints its name and the compiler's first lines.
check() {
  local header=$1 errors
  if ! errors=$(echo "#include \"$header\"" |
    "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I"$root" -x c++ - 2>&1); then
    printf 'header does not compile alone: %s\n%s\n' "$header" "$(head -n 5 <<<"$errors")"
    return 1
  fi
}
export -f check
export root compiler

if xargs -P"$jobs" -n 1 bash -c 'check "$0"' <<<"$headers"; then
  echo "all $count headers compile alone"
else
  echo "headers that do not compile alone are named above"
  exit 1
fi
