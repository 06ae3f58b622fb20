#!/usr/bin/env bash
# Line and branch coverage of the tests, per library folder (those of cmake/layers.txt), as a
# table. Branches that only throw and branches gcc marks unreachable are not counted.
#
#   tools/coverage.sh [FOLDER]     builds in FOLDER (default build-coverage) in Debug with gcc's
#                                  coverage counters, runs every test, prints the table
#   tools/coverage.sh --report FOLDER
#                                  prints the table of a build made with -DRUDEZAZE_COVERAGE=ON
#                                  whose tests have run (counts add up over runs)
#
# Needs gcovr (Debian package gcovr). Exits non-zero when a step fails; the table is printed
# whenever counts were written, also after failed tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}

status=0
if [ "${1-}" = --report ]; then
  build=${2:?usage: tools/coverage.sh --report FOLDER}
else
  build=${1:-build-coverage}
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRUDEZAZE_COVERAGE=ON
  cmake --build "$build" -j"$jobs"
  find "$build" -name '*.gcda' -delete
  ctest --test-dir "$build" -j"$jobs" --output-on-failure || status=$?
fi
build=$(cd "$build" && pwd)

command -v gcovr >/dev/null || {
  echo "coverage: gcovr is missing (apt-get install gcovr)" >&2
  exit 1
}
[ -n "$(find "$build" -name '*.gcda' -print -quit)" ] || {
  echo "coverage: no counts in $build (configure it with -DRUDEZAZE_COVERAGE=ON and run its tests)" >&2
  exit 1
}

folders=()
while IFS= read -r line; do
  line=${line%%#*}
  [[ $line =~ ^([a-z0-9]+): ]] && folders+=("${BASH_REMATCH[1]}")
done <"$root/cmake/layers.txt"

filters=()
for folder in "${folders[@]}"; do filters+=(--filter "$folder/"); done

# One row per source file: file,lines,lines run,%,branches,branches taken,%,... ; summed per
# top folder and printed in the order of cmake/layers.txt.
cd "$root"
gcovr --root "$root" --object-directory "$build" "${filters[@]}" -j "$jobs" \
  --exclude-throw-branches --exclude-unreachable-branches --csv |
  awk -F, -v order="${folders[*]}" '
    function percent(part, whole) { return whole ? sprintf("%5.1f%%", 100 * part / whole) : "    -" }
    NR == 1 { next }
    {
      split($1, path, "/")
      lines[path[1]] += $2; run[path[1]] += $3
      branches[path[1]] += $5; taken[path[1]] += $6
    }
    END {
      printf "%-10s %7s %8s %10s %10s\n", "folder", "lines", "of", "branches", "of"
      count = split(order, names, " ")
      for (i = 1; i <= count; ++i) {
        f = names[i]
        printf "%-10s %7s %8d %10s %10d\n", f, percent(run[f], lines[f]), lines[f], percent(taken[f], branches[f]), branches[f]
        allLines += lines[f]; allRun += run[f]; allBranches += branches[f]; allTaken += taken[f]
      }
      printf "%-10s %7s %8d %10s %10d\n", "all", percent(allRun, allLines), allLines, percent(allTaken, allBranches), allBranches
    }'
exit "$status"
