#!/bin/bash
# Our search run over ROOT side by side with find's walk of it, on a warm
# cache: a run of each to warm up, then RUNS runs of each, alternating; the
# medians are compared. The last line is "ratio: X", our time over find's.
#
#   bench/compare-find.sh ROOT TERM
#   RUNS=9 SWEEP_BENCH=build-x/bench/sweep_bench bench/compare-find.sh /usr zqxj
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 ROOT TERM" >&2
  exit 2
fi
root=$1
term=$2
runs=${RUNS:-5}
bench=${SWEEP_BENCH:-$(dirname "$0")/../build/bench/sweep_bench}
if [ ! -x "$bench" ]; then
  echo "no sweep_bench at $bench (build it, or set SWEEP_BENCH)" >&2
  exit 1
fi

ours_once() { "$bench" "$root" "$term" | awk '/^time:/ { print $2 }'; }
find_once() {
  local start end
  start=$(date +%s.%N)
  find "$root" -xdev -iname "*$term*" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f\n", e - s }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.6f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

ours_once > /dev/null
find_once > /dev/null
ours_times=()
find_times=()
for ((i = 0; i < runs; i++)); do
  ours_times+=("$(ours_once)")
  find_times+=("$(find_once)")
done

ours=$(printf '%s\n' "${ours_times[@]}" | median)
theirs=$(printf '%s\n' "${find_times[@]}" | median)

"$bench" "$root" "$term" | grep -E '^(folders|entries|hits):'
peak=$(/usr/bin/time -f '%M' "$bench" "$root" "$term" 2>&1 >/dev/null | tail -n 1)
echo "ours (s): ${ours_times[*]}"
echo "find (s): ${find_times[*]}"
echo "median ours: $ours s"
echo "median find: $theirs s"
echo "peak memory of our sweep: $peak KiB"
awk -v o="$ours" -v f="$theirs" 'BEGIN { printf "ratio: %.3f\n", o / f }'
