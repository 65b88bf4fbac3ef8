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
# shellcheck source=tools/xdrive.sh
source "$root/tools/xdrive.sh"
xdrive_start screenshots "${1:-$root/docs}" 640 360

wait_title
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
wait_exit
