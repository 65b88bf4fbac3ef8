#!/usr/bin/env bash
# Takes the README's screenshots from the real game: starts build/zelka on a virtual display
# (Xvfb, 640x360, so the full-screen game fills it exactly) in a fresh temporary folder,
# plays it with keys sent through the X server (xdotool) and saves PNGs:
#   title.png      the title screen with its menu on "PLAYER VS CPU (1P)"
#   charsel.png    character select: player 1's roulette and the computer's
#   match.png      a one-player versus match in split screen (the computer walks away)
#   results.png    the results screen after that match
# Usage: tools/screenshots.sh [output folder]    (default: docs/)
# Needs build/zelka (./build.sh builds it), Xvfb, xdotool and ImageMagick's import.
# Takes about two minutes: the match runs to the end of its one-minute clock.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=$root/build/zelka
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)

for tool in Xvfb xdotool import; do
  command -v "$tool" > /dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$game" ] || { echo "screenshots: build the game first (./build.sh)" >&2; exit 1; }

# The game writes savedata/ where it starts: a fresh folder gives a first start every run.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2> /dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2> /dev/null || true; fi
  wait 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display number and writes it once the server accepts clients.
Xvfb -displayfd 3 -screen 0 640x360x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

(cd "$work" && ALSOFT_DRIVERS=null exec "$game") > "$work/game.log" 2>&1 &
game_pid=$!

# True while the game runs (an ended child stays a zombie until waited for).
alive() {
  [ -r "/proc/$game_pid/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$game_pid/status"
}

# The game reads key states once per update (60 per second): hold each key for a few.
press() {
  xdotool keydown "$1"
  sleep 0.12
  xdotool keyup "$1"
  sleep "${2:-0.5}"
}

shot() {
  alive || { echo "screenshots: the game ended early" >&2; exit 1; }
  import -window root -crop 640x360+0+0 +repage -strip "png:$out/$1"
  echo "screenshots: $out/$1"
}

# Mean brightness of the screen, 0 (black) to 1 (white).
brightness() {
  import -window root -colorspace gray -format '%[fx:mean]' info:
}

# Both intros are dark (mean below 0.04) and last about 13 s; the title is far brighter.
# Keys are held back until it shows: a key in the second intro would skip it instead.
for _ in $(seq 120); do
  alive || { echo "screenshots: the game ended early" >&2; exit 1; }
  awk -v m="$(brightness)" 'BEGIN { exit !(m > 0.1) }' && break
  sleep 0.5
done
sleep 1.5
press space 2.5        # player 1 takes the keyboard: the menu and, on a first start, how to play
press space 1.5        # "GOT IT!"
press Down 1.0         # PLAYER VS PLAYER -> RACE FOR THE IDOL
press Down 1.5         # -> PLAYER VS CPU (1P)
shot title.png

press space 3.0        # character select
shot charsel.png

press space 1.5        # player 1's character
press space 2.0        # the computer's character; the world panel opens
press space 2.0        # The Grand Gallery; the match settings open
press Down 0.6         # the time field
press Left 0.6         # 2:30 -> 1:30
press Left 0.6         # -> 1:00
press space 1.0        # the match starts

# Player 1 stands still while the computer digs off for gems: after half a minute they are
# far enough apart for the split screen.
sleep 40
shot match.png

# The one-minute clock runs out; the results reveal their rows and count the scores.
sleep 45
shot results.png

# Out the way a player leaves: results -> character select -> title -> closed (files saved).
press space 3.0
press Escape 3.0
press Escape 3.0
for _ in $(seq 50); do
  alive || break
  sleep 0.1
done
if alive; then
  echo "screenshots: the game did not close from the title" >&2
  exit 1
fi
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || { echo "screenshots: the game exited with $status" >&2; exit 1; }
