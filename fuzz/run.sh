#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for a while, a few at a time, starting from its seed corpus in fuzz/corpus/.
# Fails when any target reports a finding; the finding's log and input are kept in
# build-fuzz/findings/<target>/ and named. Its scratch folder (below $TMPDIR, else /tmp) is
# removed however the run ends.
# Usage: fuzz/run.sh [seconds per target, default 60] [target ...]   (default: every target)
# Exit codes: 0 no finding, 1 a finding or a failed build, 2 usage.
# FUZZ_PARALLEL sets how many targets run at once (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

known=()
for source in fuzz/*Fuzz.cpp; do known+=("$(basename "$source" .cpp)"); done

usage() {
  echo "fuzz/run.sh: $1" >&2
  echo "usage: fuzz/run.sh [seconds per target, default 60] [target ...]" >&2
  echo "targets: ${known[*]}" >&2
  exit 2
}

seconds=${1:-60}
shift || true
[[ $seconds =~ ^[1-9][0-9]*$ ]] || usage "the seconds must be a positive whole number, not \"$seconds\""
parallel=${FUZZ_PARALLEL:-2}
[[ $parallel =~ ^[1-9][0-9]*$ ]] || usage "FUZZ_PARALLEL must be a positive whole number, not \"$parallel\""

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${known[@]}")
for target in "${targets[@]}"; do
  [[ " ${known[*]} " == *" $target "* ]] || usage "no fuzz target \"$target\""
done

cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# On any exit, interrupted or not: stop the targets still running, then remove the scratch folder.
results=
cleanup() {
  local pids
  pids=$(jobs -p)
  [ -z "$pids" ] || kill $pids 2>/dev/null || true
  wait 2>/dev/null || true
  [ -z "$results" ] || rm -rf "$results"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
results=$(mktemp -d "${TMPDIR:-/tmp}/rudezaze-fuzz.XXXXXX")

# Runs in a subshell of its own; stopped, it stops its target first.
run_target() {
  local target=$1 work=$results/$1
  mkdir -p "$work/corpus" "$work/artifacts"
  local status=0
  local seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")
  # A hang is an input that has not returned after a minute.
  build-fuzz/"$target" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1 &
  local fuzzer=$!
  trap 'kill "$fuzzer" 2>/dev/null; exit 143' TERM
  wait "$fuzzer" || status=$?
  echo "$status" >"$work/status"
}

running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$parallel" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
wait

passed=0
failed=0
for target in "${targets[@]}"; do
  work=$results/$target
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  if [ "$(cat "$work/status")" = 0 ]; then
    passed=$((passed + 1))
    echo "$target: ${runs:-0} executions in ${seconds} s, no finding"
  else
    failed=$((failed + 1))
    kept=build-fuzz/findings/$target
    rm -rf "$kept"
    mkdir -p "$kept"
    cp "$work/log" "$kept/log"
    cp -r "$work/artifacts" "$kept/artifacts"
    echo "$target: FINDING (log $kept/log, input in $kept/artifacts/)"
    tail -n 60 "$work/log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
