#!/usr/bin/env bash
# The layering check must pass on the tree and fail, naming the file and line, on a scratch
# copy with one upward include planted in it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$here/checkLayers.sh" "$root" >/dev/null

for folder in core proxy library; do cp -r "$root/$folder" "$scratch/"; done
echo '#include "library/metaClassFactoryC.h"' >>"$scratch/core/metaTreeC.h"
planted_line=$(wc -l <"$scratch/core/metaTreeC.h")
if output=$("$here/checkLayers.sh" "$scratch" 2>&1); then
  echo "self-test: the planted upward include was not found" >&2
  exit 1
fi
grep -q "^core/metaTreeC.h:$planted_line: core/ must not include library/" <<<"$output" || {
  echo "self-test: the failure did not name the planted include:" >&2
  echo "$output" >&2
  exit 1
}
echo "layering check self-test: passed"
