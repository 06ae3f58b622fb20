#!/usr/bin/env bash
# fuzz/run.sh refuses wrong arguments as a usage error (exit 2) that names the known targets,
# before it builds anything or makes a scratch folder.
# Usage: runUsageTest.sh <fuzz/run.sh>
set -uo pipefail

run=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
for arguments in "1 noSuchTarget" "1 identifierFuzz noSuchTarget" "soon" "0"; do
  TMPDIR=$scratch "$run" $arguments >"$scratch/out" 2>&1 </dev/null
  status=$?
  if [ "$status" -ne 2 ] || ! grep -q '^usage: fuzz/run.sh' "$scratch/out" ||
    ! grep -q '^targets: .*identifierFuzz.*treeReaderFuzz' "$scratch/out" ||
    [ -n "$(find "$scratch" -mindepth 1 -not -name out)" ]; then
    echo "fuzz/run.sh $arguments: exit $status, expected 2 with a usage line naming the targets and no scratch folder:"
    cat "$scratch/out"
    failed=1
  fi
done
exit "$failed"
