#!/usr/bin/env bash
# The layering check must pass on the tree and fail, naming the file and line, on a scratch
# copy with each kind of fault planted in it: an include up the layers, an include from jobs/
# into draw2d/, a sideways include between two families that do not declare each other, and
# a folder of sources that cmake/layers.txt does not declare.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$here/checkLayers.sh" "$root" >/dev/null

for folder in cmake core jobs model3d library; do cp -r "$root/$folder" "$scratch/"; done
mkdir "$scratch/undeclared"
echo '#pragma once' >"$scratch/undeclared/newFamilyC.h"

# plant FILE INCLUDE: appends the include and prints the line it stands on.
plant() {
  echo "#include \"$2\"" >>"$scratch/$1"
  wc -l <"$scratch/$1"
}
expected=(
  "^core/metaTreeC.h:$(plant core/metaTreeC.h library/metaClassFactoryC.h): core/ must not include library/"
  "^jobs/iniText.h:$(plant jobs/iniText.h draw2d/m2dDocumentC.h): jobs/ must not include draw2d/"
  "^model3d/modelRegistries.h:$(plant model3d/modelRegistries.h jobs/iniText.h): model3d/ must not include jobs/"
  "^undeclared/newFamilyC.h:1: undeclared/ is not declared in cmake/layers.txt"
)

if output=$("$here/checkLayers.sh" "$scratch" 2>&1); then
  echo "self-test: the planted faults were not found" >&2
  exit 1
fi
for pattern in "${expected[@]}"; do
  grep -q "$pattern" <<<"$output" || {
    echo "self-test: no failure matching '$pattern' in:" >&2
    echo "$output" >&2
    exit 1
  }
done
echo "layering check self-test: passed"
