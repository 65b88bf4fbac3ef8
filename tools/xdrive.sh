# shellcheck shell=bash
# Drives the real game on a virtual display; sourced by the picture scripts in this folder,
# which then call xdrive_start. Needs build/zelka (./build.sh builds it), Xvfb, xdotool and
# ImageMagick's import.

xdrive_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
xdrive_game=$xdrive_root/build/zelka
xdrive_name=xdrive

xdrive_fail() {
  echo "$xdrive_name: $*" >&2
  exit 1
}

xdrive_cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2> /dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2> /dev/null || true; fi
  wait 2> /dev/null || true
  rm -rf "$work"
}

# xdrive_start NAME FOLDER WIDTH HEIGHT: NAME heads every message, shot writes into FOLDER
# (made if missing; its absolute path is kept in `out`). Starts a virtual screen of that size
# with the full-screen game filling it, in a fresh temporary folder `work`: the game writes
# savedata/ where it starts, so every run is a first start. The game traces its stage
# switches to work/game.log (read by wait_stage).
xdrive_start() {
  xdrive_name=$1
  out=$(mkdir -p "$2" && cd "$2" && pwd)
  xdrive_width=$3
  xdrive_height=$4
  for tool in Xvfb xdotool import; do
    command -v "$tool" > /dev/null || xdrive_fail "$tool is missing"
  done
  [ -x "$xdrive_game" ] || xdrive_fail "build the game first (./build.sh)"

  work=$(mktemp -d)
  xvfb_pid=""
  game_pid=""
  trap xdrive_cleanup EXIT
  trap 'exit 143' INT TERM HUP  # so that a stopped run cleans up too

  # -displayfd picks a free display number and writes it once the server accepts clients.
  Xvfb -displayfd 3 -screen 0 "${3}x${4}x24" -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
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

# The game reads key states once per update (60 per second): hold each key for a few, but
# well under the 370 ms after which a held key scrolls a roulette again. One xdotool call
# times the hold itself, so a slow start of a second call on a loaded machine cannot
# lengthen it.
# press KEY [SECONDS]: then waits that long (default half a second).
press() {
  xdotool keydown "$1" sleep 0.12 keyup "$1"
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
  local until=$((SECONDS + ${3:-60}))
  while [ "$SECONDS" -lt "$until" ]; do
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
