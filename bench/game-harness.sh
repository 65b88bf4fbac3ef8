# Sourced by the scripts beside it: a display server of our own and the game started on
# it with its trace (ZELKA_TRACE) in a file, in a fresh folder that holds its save files.
#   BUILD=<build folder> (default build) picks the executable.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-build}
game="$root/$BUILD/zelka"
sendkeys="$root/build/tests/zelka_sendkeys"
work=$(mktemp -d /tmp/zelka-bench-XXXXXX)
xvfb_pid=
game_pid=

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_display() {
  Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$work/display")"
}

# start_game: a fresh folder each time (a first start, no save files).
start_game() {
  rm -rf "$work/run" && mkdir -p "$work/run"
  (cd "$work/run" && HOME="$work/run" ZELKA_TRACE=1 ALSOFT_DRIVERS=null exec "$game") \
    >"$work/run/stdout" 2>"$work/run/trace" &
  game_pid=$!
}

# wait_line <text> <seconds>: until the trace holds a line with the text (after the
# first <skip> matches, default 0); prints the line's ms stamp.
wait_line() {
  local text=$1 limit=$2 skip=${3:-0} deadline=$((SECONDS + $2)) line
  while :; do
    line=$(grep -F "$text" "$work/run/trace" | sed -n "$((skip + 1))p" || true)
    if [ -n "$line" ]; then
      sed -E 's/^zelka: ([0-9]+) ms:.*/\1/' <<<"$line"
      return 0
    fi
    kill -0 "$game_pid" 2>/dev/null || { echo "game ended early" >&2; return 1; }
    [ $SECONDS -lt "$deadline" ] || { echo "no \"$text\" within ${limit} s" >&2; return 1; }
    sleep 0.02
  done
}

# stop_game: Escape on the title saves and ends the game (which prints the loop counts).
stop_game() {
  "$sendkeys" Escape
  for _ in $(seq 200); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.05
  done
  wait "$game_pid"
  local status=$?
  game_pid=
  return $status
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
