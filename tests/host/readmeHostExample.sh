#!/usr/bin/env bash
# The README's host example as a newcomer uses it: its source must be host/sampleHost.cpp
# byte for byte, and its compile-and-run line, taken from the README as written, must build
# the host against the built library and show the sample document. The line runs in a scratch
# tree that mirrors the source folder, with build/ pointing at this build.
# Usage: readmeHostExample.sh <source folder> <build folder>
set -euo pipefail

source=$(cd "$1" && pwd)
binary=$(cd "$2" && pwd)
readme=$source/README.md

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The first C++ block of the README is the example's source.
sed -n '/^```cpp$/,/^```$/p' "$readme" | sed '1d;$d' >"$scratch/example.cpp"
if ! cmp -s "$scratch/example.cpp" "$source/host/sampleHost.cpp"; then
  echo "the README's example differs from host/sampleHost.cpp:"
  diff "$scratch/example.cpp" "$source/host/sampleHost.cpp" || true
  exit 1
fi

mapfile -t lines < <(grep -E '^    g\+\+ ' "$readme" | sed 's/^    //')
if [ ${#lines[@]} -ne 1 ]; then
  echo "the README must show exactly one compile line (an indented line starting with g++), found ${#lines[@]}"
  exit 1
fi
echo "README: ${lines[0]}"

tree=$scratch/tree
mkdir "$tree"
for entry in "$source"/*; do
  [ "$(basename "$entry")" = build ] || ln -s "$entry" "$tree/"
done
ln -s "$binary" "$tree/build"
cd "$tree"
output=$(bash -c "${lines[0]}")
rm -f "$binary/myHost"
case $output in
  *"class key: DRAWING"*) echo "the example ran and showed the sample document" ;;
  *)
    echo "the example did not show the sample document:"
    echo "$output"
    exit 1
    ;;
esac
