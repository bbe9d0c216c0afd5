#!/bin/bash
# A whole search run of the real window over this machine's drives, side by
# side with find over the same mounts, on a warm cache. The window runs under
# Xvfb and is driven as a user drives it: the term comes on the command line,
# xdotool presses Enter, and the run counts as done when its results file
# has been saved. The mounts for find are the drives the run's report heads.
# A run of each to warm up, then RUNS of each, alternating; the medians are
# compared. The last line is "ratio: X", the window's time over find's.
# Needs xvfb-run (Debian xvfb) and xdotool.
#
#   bench/window-vs-find.sh [TERM]
#   RUNS=5 PAARVINDER=build-x/paarvinder bench/window-vs-find.sh zqxj
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

term=${1:-zqxj}
runs=${RUNS:-5}
program=$(realpath "${PAARVINDER:-$(dirname "$0")/../build/paarvinder}")
if [ ! -x "$program" ]; then
  echo "no program at $program (build it, or set PAARVINDER)" >&2
  exit 1
fi
for tool in xdotool find; do
  command -v "$tool" > /dev/null || { echo "$tool is needed" >&2; exit 1; }
done
results_folder=$(dirname "$program")
if [ ! -w "$results_folder" ]; then
  results_folder=${XDG_DATA_HOME:-$HOME/.local/share}/Paarvinder
fi
report=""  # the last saved results file

now() { date +%s.%N; }
seconds() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.3f\n", e - s }'; }

window_once() {
  local pid window marker start end
  marker=$(mktemp)
  "$program" "$term" 2> /dev/null &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --name '^Paarvinder$' | head -n 1)
  xdotool windowfocus --sync "$window"
  sleep 0.5
  touch "$marker"
  start=$(now)
  xdotool key Return
  # Saving renames a new file into place, so the day's file is newer than
  # the marker once the run has saved.
  until report=$(find "$results_folder" -maxdepth 1 -name 'Zoekresultaten(*).rtf' -newer "$marker" | head -n 1) &&
        [ -n "$report" ]; do
    sleep 0.01
  done
  end=$(now)
  kill "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
  rm -f "$marker"
  seconds "$start" "$end"
}

mounts=()
find_once() {
  local start end
  start=$(now)
  find "${mounts[@]}" -xdev > /dev/null 2>&1 || true
  end=$(now)
  seconds "$start" "$end"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

window_once > /dev/null
# The drives the run searched, from its headings: "We zoeken ... <root>  (<label>)".
mapfile -t mounts < <(grep -a -o 'We zoeken [^\\}]*' "$report" | sed -E 's/^We zoeken (op de [a-z ]+|in drive) //; s/  \(.*$//')
find_once > /dev/null

window_times=()
find_times=()
for ((i = 0; i < runs; i++)); do
  window_times+=("$(window_once)")
  find_times+=("$(find_once)")
done

ours=$(printf '%s\n' "${window_times[@]}" | median)
theirs=$(printf '%s\n' "${find_times[@]}" | median)
echo "term: $term"
echo "mounts: ${mounts[*]}"
echo "window (s): ${window_times[*]}"
echo "find (s): ${find_times[*]}"
echo "median window: $ours s"
echo "median find: $theirs s"
awk -v o="$ours" -v f="$theirs" 'BEGIN { printf "ratio: %.3f\n", o / f }'
