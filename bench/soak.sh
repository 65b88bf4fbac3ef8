#!/usr/bin/env bash
# Unattended soak of the attract demo under Xvfb (not part of CI). The title starts a
# demo match after 15 s without input and the demo returns to it, over and over.
# Reports the loop's caught-up and dropped updates, resident memory at the start of each
# demo (flat after the first) and the CPU use; any sanitizer report fails the run.
# Usage: bench/soak.sh [minutes]          plain build, default 10 minutes
#        BUILD=build-asan bench/soak.sh 30
set -euo pipefail
minutes=${1:-10}
source "$(dirname "$0")/game-harness.sh"
start_display
start_game
wait_line "stage 3 takes input" 60 >/dev/null

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
start_cpu=$(cpu_ticks)
start_time=$SECONDS
end_time=$((SECONDS + minutes * 60))
rss=()
while [ $SECONDS -lt $end_time ]; do
  kill -0 "$game_pid" 2>/dev/null || { echo "the game ended during the soak" >&2; break; }
  shown=$(grep -c "stage 1 on screen" "$work/run/trace" || true)
  if [ "$shown" -gt ${#rss[@]} ]; then
    rss+=("$(awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status")")
    echo "demo ${#rss[@]} at $((SECONDS - start_time)) s: resident ${rss[-1]} kB"
  fi
  sleep 0.2
done
cpu=$(( $(cpu_ticks) - start_cpu ))
wall=$((SECONDS - start_time))

# End on the title, where Escape saves and quits.
titles=$(grep -c "stage 3 takes input" "$work/run/trace" || true)
wait_line "stage 3 takes input" 120 "$titles" >/dev/null || true
status=0
stop_game || status=$?

echo "---"
echo "$BUILD, $minutes min: ${#rss[@]} demos, exit status $status"
grep -F "loop:" "$work/run/trace" || echo "no loop counts (the game did not end by itself)"
if [ ${#rss[@]} -gt 1 ]; then
  later=("${rss[@]:1}")
  low=$(printf '%s\n' "${later[@]}" | sort -n | head -n1)
  high=$(printf '%s\n' "${later[@]}" | sort -n | tail -n1)
  echo "resident at each demo's start: first ${rss[0]} kB, later ${low}..${high} kB (spread $((high - low)) kB)"
fi
echo "CPU: $(awk -v c="$cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.1f s in %d s, %.1f%% of one core", c / t, w, 100 * c / t / w }')"
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: " "$work/run/trace" "$work/run/stdout"; then
  echo "sanitizer report:"
  grep -hE -A20 "ERROR: |runtime error:" "$work/run/trace" "$work/run/stdout" | head -60
  exit 1
fi
[ "$status" -eq 0 ]
