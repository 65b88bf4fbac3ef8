#!/usr/bin/env bash
# Start-up times of the real game under Xvfb, median of several runs (default 7):
#   start:  process start to the first frame, and to the first intro's first frame
#   match:  the last confirmation in character select (1P MODE) to the match's first
#           frame, whole and without the 500 ms transition out of character select
# Usage: bench/startup.sh [runs]   (build first: zelka and zelka_sendkeys in build/)
set -euo pipefail
runs=${1:-7}
source "$(dirname "$0")/game-harness.sh"
start_display

first=() intro=() match=() load=()
for i in $(seq "$runs"); do
  start_game
  first+=("$(wait_line "first frame" 20)")
  intro+=("$(wait_line "stage 5 on screen" 20)")
  # Title, 1P MODE, both characters, the first world and the match settings.
  wait_line "stage 3 takes input" 30 >/dev/null
  "$sendkeys" space 2000 space 1000 Down 300 Down 300 space
  wait_line "stage 2 takes input" 30 >/dev/null
  "$sendkeys" space 800 space 1200 space 1200 space
  leave=$(wait_line "leaving for stage 1" 30)
  out_end=$(( leave + 500 ))
  shown=$(wait_line "stage 1 on screen" 60)
  match+=("$(( shown - leave ))")
  load+=("$(( shown - out_end ))")
  wait_line "stage 1 takes input" 30 >/dev/null
  # Out through the pause menu (after the opening banner) and character select.
  "$sendkeys" 4500 Return 800 Down 250 Down 250 Down 250 Down 250 space
  wait_line "stage 2 takes input" 60 1 >/dev/null
  "$sendkeys" 500 Escape
  wait_line "stage 3 takes input" 60 1 >/dev/null
  stop_game || true
  echo "run $i: first frame ${first[-1]} ms, first intro frame ${intro[-1]} ms, confirmation to match ${match[-1]} ms (${load[-1]} ms after the transition out)"
done
echo "median of $runs: first frame $(printf '%s\n' "${first[@]}" | median) ms;" \
  "first intro frame $(printf '%s\n' "${intro[@]}" | median) ms;" \
  "confirmation to match $(printf '%s\n' "${match[@]}" | median) ms" \
  "($(printf '%s\n' "${load[@]}" | median) ms after the transition out)"
