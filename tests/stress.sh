#!/usr/bin/env bash
# Runs both test trees (build/ and build-asan/, as `./build.sh test` left them) several
# times back to back, at twice the cores in parallel, while every core also runs a busy
# loop: a test that needs to win a race for the CPU, the display's focus or its window
# manager fails here. Not part of CI.
#   tests/stress.sh [rounds]      (default 5)
# Prints each run's result and the totals; exit status non-zero on any failed or
# skipped test.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
cores=$(nproc)
jobs=$((2 * cores))
for tree in build build-asan; do
  [ -f "$tree/CTestTestfile.cmake" ] || { echo "$tree is not built: run ./build.sh test first" >&2; exit 2; }
done

busy=()
stop_busy() { for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap stop_busy EXIT
for _ in $(seq "$cores"); do
  bash -c 'while :; do :; done' &
  busy+=($!)
done

export ALSOFT_DRIVERS=null
display=(xvfb-run -a -s "-screen 0 1920x1080x24 -noreset")
log=$(mktemp -d /tmp/zelka-stress-XXXXXX)
runs=0
failed_runs=0
failed_tests=0
start=$SECONDS
for round in $(seq "$rounds"); do
  for tree in build build-asan; do
    runs=$((runs + 1))
    out="$log/$tree-$round"
    begin=$SECONDS
    "${display[@]}" ctest --test-dir "$tree" -j "$jobs" --timeout 900 --output-on-failure \
      --output-junit "$out.xml" > "$out.log" 2>&1 || true
    failures=$(grep -o '[0-9]* tests failed out of' "$out.log" | cut -d' ' -f1 || true)
    [ -n "$failures" ] || failures=0
    skipped=$(grep -c 'status="notrun"' "$out.xml" 2>/dev/null || true)
    summary=$(grep -E 'tests passed|tests failed' "$out.log" | tail -1)
    [ -n "$summary" ] || { summary="no summary (see $out.log)"; failures=1; }
    echo "round $round $tree: $summary, $skipped skipped, $((SECONDS - begin)) s"
    if [ "$failures" -ne 0 ] || [ "${skipped:-0}" -ne 0 ]; then
      failed_runs=$((failed_runs + 1))
      failed_tests=$((failed_tests + failures + ${skipped:-0}))
      sed -n '/The following tests/,$p' "$out.log"
    fi
  done
done
echo "stress: $runs runs, $failed_runs with failures, $failed_tests failed or skipped tests," \
     "$((SECONDS - start)) s, -j $jobs beside $cores busy loops (logs in $log)"
[ "$failed_runs" -eq 0 ]
