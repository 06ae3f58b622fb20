#!/usr/bin/env bash
# Builds the fuzz targets (clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for a while, a few at a time, starting from its seed corpus in fuzz/corpus/.
# Fails when any target reports a finding; the finding's log and input are kept and named.
# Usage: fuzz/run.sh [seconds per target, default 60] [target ...]   (default: every target)
# FUZZ_PARALLEL sets how many targets run at once (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
parallel=${FUZZ_PARALLEL:-2}

cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*Fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

results=$(mktemp -d /tmp/rudezaze-fuzz.XXXXXX)
run_target() {
  local target=$1 work=$results/$1
  mkdir -p "$work/corpus" "$work/artifacts"
  local status=0
  local seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")
  build-fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "${seeds[@]}" >"$work/log" 2>&1 || status=$?
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
    echo "$target: FINDING (log $work/log, input in $work/artifacts/)"
    tail -n 60 "$work/log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
