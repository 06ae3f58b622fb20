#!/usr/bin/env bash
# Runs the sample host once and checks what a user sees: the exit code, a text its standard
# output must hold, and the texts its standard error must hold (none given: it must be empty).
# Usage: sampleHostCheck.sh <exit code> <stdout text or -> <host> [host argument ...] -- [stderr text ...]
set -uo pipefail

expected=$1 wantedOut=$2 host=$3
shift 3
arguments=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  arguments+=("$1")
  shift
done
[ $# -gt 0 ] && shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$host" "${arguments[@]}" >"$scratch/out" 2>"$scratch/err"
status=$?

failed=0
complain() {
  echo "sampleHostCheck: $*"
  failed=1
}
[ "$status" -eq "$expected" ] || complain "exit code $status, expected $expected"
if [ "$wantedOut" != "-" ] && ! grep -qF -- "$wantedOut" "$scratch/out"; then
  complain "standard output lacks \"$wantedOut\""
fi
if [ $# -eq 0 ]; then
  [ -s "$scratch/err" ] && complain "standard error is not empty"
fi
for wanted in "$@"; do
  grep -qF -- "$wanted" "$scratch/err" || complain "standard error lacks \"$wanted\""
done
if [ "$failed" -ne 0 ]; then
  echo "--- standard output"
  cat "$scratch/out"
  echo "--- standard error"
  cat "$scratch/err"
fi
exit "$failed"
