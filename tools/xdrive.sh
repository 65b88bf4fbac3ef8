# shellcheck shell=bash disable=SC2154  # xdrive_name and out come from the sourcing script
# Drives the real game on a virtual display; sourced by the picture scripts in this folder.
# Before sourcing, set `xdrive_name` (the prefix of every message) and `out` (the folder shot
# writes to); then call xdrive_start WIDTH HEIGHT.
# Needs build/zelka (./build.sh builds it), Xvfb, xdotool and ImageMagick's import.

: "${xdrive_name:?}" "${out:?}"
xdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
xdrive_game=$xdrive_root/build/zelka

xdrive_fail() {
  echo "$xdrive_name: $*" >&2
  exit 1
}

for tool in Xvfb xdotool import; do
  command -v "$tool" > /dev/null || xdrive_fail "$tool is missing"
done
[ -x "$xdrive_game" ] || xdrive_fail "build the game first (./build.sh)"

# The game writes savedata/ where it starts: a fresh folder gives a first start every run.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
xdrive_cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2> /dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2> /dev/null || true; fi
  wait 2> /dev/null || true
  rm -rf "$work"
}
trap xdrive_cleanup EXIT
trap 'exit 143' INT TERM HUP  # so that a stopped run cleans up too

# xdrive_start WIDTH HEIGHT: a virtual screen of that size, the full-screen game filling it.
# The game traces its stage switches to game.log (read by wait_stage).
xdrive_start() {
  xdrive_width=$1
  xdrive_height=$2
  # -displayfd picks a free display number and writes it once the server accepts clients.
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || xdrive_fail "Xvfb did not start"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY

  (cd "$work" && ALSOFT_DRIVERS=null ZELKA_TRACE=1 exec "$xdrive_game") > "$work/game.log" 2>&1 &
  game_pid=$!
}

# True while the game runs (an ended child stays a zombie until waited for).
alive() {
  [ -r "/proc/$game_pid/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$game_pid/status"
}

# The game reads key states once per update (60 per second): hold each key for a few.
# press KEY [SECONDS]: then waits that long (default half a second).
press() {
  xdotool keydown "$1"
  sleep 0.12
  xdotool keyup "$1"
  sleep "${2:-0.5}"
}

shot() {
  alive || xdrive_fail "the game ended early"
  import -window root -crop "${xdrive_width}x${xdrive_height}+0+0" +repage -strip "png:$out/$1"
  echo "$xdrive_name: $out/$1"
}

# Mean brightness of the screen, 0 (black) to 1 (white).
brightness() {
  import -window root -colorspace gray -format '%[fx:mean]' info:
}

# Both intros are dark (mean below 0.04) and last about 13 s; the title is far brighter.
# Waits for it: a key in the second intro would skip it instead.
wait_title() {
  for _ in $(seq 120); do
    alive || xdrive_fail "the game ended early"
    awk -v m="$(brightness)" 'BEGIN { exit !(m > 0.1) }' && return 0
    sleep 0.5
  done
  xdrive_fail "the title did not show"
}

# Number of lines the game has traced so far; pass it to wait_stage to wait for a later line.
trace_mark() {
  wc -l < "$work/game.log"
}

# wait_stage ID MARK [SECONDS]: waits until, after line MARK of the trace, stage ID has
# finished its incoming transition (the trace says it takes input). Default limit 60 s.
wait_stage() {
  local tries=$((${3:-60} * 10))
  for _ in $(seq "$tries"); do
    alive || xdrive_fail "the game ended early"
    tail -n "+$(($2 + 1))" "$work/game.log" | grep -q "stage $1 takes input" && return 0
    sleep 0.1
  done
  xdrive_fail "stage $1 did not show within ${3:-60} s"
}

# Waits for the game to end by itself and checks that it ended well.
wait_exit() {
  for _ in $(seq 50); do
    alive || break
    sleep 0.1
  done
  alive && xdrive_fail "the game did not close from the title"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || xdrive_fail "the game exited with $status"
}
