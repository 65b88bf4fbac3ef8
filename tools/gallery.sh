#!/usr/bin/env bash
# Takes a picture of every screen and panel of the real game at 1280x720, for checking the
# art against what the game draws on it. Starts build/zelka on a virtual display (Xvfb) in a
# fresh temporary folder (a first start, empty save), plays it with keys sent through the X
# server (xdotool) and saves PNGs numbered in the order taken:
#   both intros, the title's prompt and each menu entry, how to play, the controls (with a
#   key being captured), settings and statistics panels, the credits; character select with
#   both profile cards, a locked character's lock and profile cards, the world panel with a
#   locked world's card, the match settings; a versus match and the pause menu, the results
#   of a win; a race for the idol in each world in shared and in split view (the computer
#   runs off along the track; a versus computer wanders about and may never split the view);
#   the results of a race; two players on one keyboard: the conflict menu, player 2's
#   controls, a drawn match and its results; the statistics after three matches.
# Worlds locked on a first start open as matches are played: The Lost Tombs after one, The
# Haunted Graveyard after three; the run plays them in that order. Joystick rows are not
# shown: the game sees only joysticks the system has, and a script cannot plug one in.
# Stage switches are waited for in the game's trace (ZELKA_TRACE), the rest by generous
# pauses. Three matches run to their end, so a run takes twelve to fourteen minutes.
# Usage: tools/gallery.sh [output folder]    (default: build/gallery/)
# Needs build/zelka (./build.sh builds it), Xvfb, xdotool and ImageMagick.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=tools/xdrive.sh
source "$root/tools/xdrive.sh"
xdrive_start gallery "${1:-$root/build/gallery}" 1280 720

# Pictures are numbered in the order taken: NN-NAME.png.
shots=0
snap() {
  shots=$((shots + 1))
  shot "$(printf '%02d' "$shots")-$1.png"
}

# snap_lit NAME GEOMETRY: for a blinking text ("PRESS ANY KEY") within GEOMETRY (WxH+X+Y
# of the screen): of six pictures, keeps the one in which that part is brightest.
snap_lit() {
  local best=1 best_mean=-1 mean k file
  for k in 1 2 3 4 5 6; do
    alive || xdrive_fail "the game ended early"
    import -window root -crop "${xdrive_width}x${xdrive_height}+0+0" +repage -strip \
      "png:$work/lit$k.png"
    mean=$(convert "$work/lit$k.png" -crop "$2" +repage -colorspace gray -format '%[fx:mean]' info:)
    if awk -v a="$mean" -v b="$best_mean" 'BEGIN { exit !(a > b) }'; then
      best=$k
      best_mean=$mean
    fi
    sleep 0.1
  done
  shots=$((shots + 1))
  file=$out/$(printf '%02d' "$shots")-$1.png
  cp "$work/lit$best.png" "$file"
  echo "$xdrive_name: $file"
}

# The split view leaves a 4-px gap down the middle of the screen (x 638 to 641 here) in the
# clear colour, pure black; a shared view draws the maze there. A screen that is black all
# over (a stage switch) is no split view.
split_view() {
  local gap
  gap=$(import -window root -crop 4x440+638+240 +repage -format '%[fx:maxima]' info:)
  awk -v g="$gap" 'BEGIN { exit !(g == 0) }' || return 1
  local lit
  lit=$(import -window root -crop 1280x440+0+240 +repage -format '%[fx:maxima]' info:)
  awk -v l="$lit" 'BEGIN { exit !(l > 0.2) }'
}

# wait_split MARK SECONDS: until the view splits (the computer has run far enough away);
# gives up after SECONDS, or when the match has ended (a stage switch traced after MARK).
wait_split() {
  local until=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$until" ]; do
    alive || xdrive_fail "the game ended early"
    if tail -n "+$(($1 + 1))" "$work/game.log" | grep -q "leaving for stage"; then
      echo "$xdrive_name: the match ended before the view split" >&2
      return 1
    fi
    split_view && return 0
    sleep 0.3
  done
  echo "$xdrive_name: the view did not split within $2 s" >&2
  return 1
}

# go_stage ID KEY: presses KEY and waits until stage ID has come in.
go_stage() {
  local mark
  mark=$(trace_mark)
  press "$2" 0.2
  wait_stage "$1" "$mark" 90
}

# start_match KEY: presses KEY (the last acceptance) and waits for the match to run: the
# READY / GO banner holds it for about 2.5 s. Sets match_mark (the trace from the match's
# start) for wait_split and results.
start_match() {
  local mark
  mark=$(trace_mark)
  press "$1" 0.2
  wait_stage 1 "$mark" 90
  match_mark=$(trace_mark)
  sleep 3.5
}

# leave_match: pause menu, "CHANGE CHARACTERS": back to character select, nothing counted.
leave_match() {
  press "$start" 1.2
  for _ in 1 2 3 4; do press "$down" 0.4; done
  go_stage 2 "$accept"
  sleep 0.5
}

# results NAME: waits for the results of the running match and takes them once they are
# counted and the winner has spoken (the counting takes some 10 s).
results() {
  wait_stage 4 "$match_mark" 240
  sleep 11
  snap "$1"
}

# leave_results: accept leaves the results once they are done; before that it only hurries
# them on, so it is pressed until character select comes in.
leave_results() {
  local mark
  mark=$(trace_mark)
  for _ in $(seq 10); do
    press "$accept" 3
    tail -n "+$((mark + 1))" "$work/game.log" | grep -q "leaving for stage 2" && break
  done
  wait_stage 2 "$mark" 30
}

# Player 1's keys: the arrows with SPACE (accept), CTRL (cancel) and ENTER (start) until
# player 2 joins on the keyboard in a two-player mode.
accept=space
cancel=Control_L
start=Return
up=Up
down=Down
left=Left
right=Right

# --- intros and title -------------------------------------------------------------------
wait_stage 5 0
sleep 2.6
snap intro1                 # the mascot has risen out of its base; the address is written
wait_stage 7 0
sleep 0.5
snap intro2
wait_stage 3 0
sleep 1
snap_lit title-prompt 400x40+440+580
press $accept 2.5           # player 1 takes the keyboard; how to play opens on a first start
snap howtoplay
press $down 0.8
snap howtoplay-change       # the cursor on "LET ME CHANGE IT!"
press $up 0.5
press $accept 1.5           # "GOT IT!"
snap title-pvp              # PLAYER VS PLAYER
press $down 1.0
snap title-race             # RACE FOR THE IDOL
press $down 1.0
snap title-pvcpu            # PLAYER VS CPU (1P)
press $down 1.0
snap title-race1p           # RACE FOR THE IDOL (1P)
press $down 0.5             # back to PLAYER VS PLAYER
press $right 1.2
snap title-controls
press $down 1.0
snap title-settings
press $down 1.0
snap title-howtoplay
press $down 1.0
snap title-stats
press $right 1.2
snap title-credits
press $right 1.2
snap title-exit
press $left 0.8
press $left 1.2             # CONTROLS again

# --- title panels -----------------------------------------------------------------------
press $accept 1.2
snap controls-p1            # player 1 on the keyboard: the arrow scheme and the three keys
press $down 0.4
press $down 0.6
press $right 0.8            # capture ACCEPT / USE ITEM
snap_lit controls-capture 440x60+420+330
press $accept 0.8           # the same key again: nothing changes
for _ in 1 2 3 4; do press $down 0.4; done
press $accept 1.2           # EXIT
press $down 1.0             # SETTINGS
press $accept 1.2
snap settings
press $cancel 1.2
press $down 0.5             # HOW TO PLAY (shown above)
press $down 1.0             # PLAYER STATS
press $accept 1.2
snap stats-empty
press $cancel 1.2
press $right 1.2            # CREDITS
go_stage 6 $accept
sleep 3
snap credits-start
xdotool keydown $accept     # four times as fast
sleep 4
snap credits-middle
sleep 4
snap credits-late
xdotool keyup $accept
sleep 6
snap_lit credits-end 400x40+440+320
go_stage 3 $cancel          # leaves the credits at once
sleep 1.5

# --- character select, world and match settings -----------------------------------------
press $down 1.0
press $down 1.0             # PLAYER VS CPU (1P)
go_stage 2 $accept
sleep 1
snap charsel
press $left 1.0
snap charsel-profile        # player 1's profile card
press $left 0.8
press $down 1.0             # the last roster character, a locked guest
press $accept 1.0
snap charsel-lock           # its lock card
press $cancel 0.8
press $left 1.0
snap charsel-lock-profile   # a locked character's profile card
press $left 0.8
for _ in 1 2 3; do press $down 0.8; done   # on round to an open character, even if a
press $accept 1.5                          # held key scrolled twice: player 1's character
snap charsel-cpu            # the computer's roulette
press $left 1.0
snap charsel-cpu-profile    # the right profile card
press $left 0.8
press $accept 2.0           # the computer's character; the world panel opens
snap world
press $right 0.6
press $right 1.0            # The Lost Tombs, locked on a first start
snap world-locked
press $accept 1.0
snap world-lock             # its lock card
press $cancel 0.8
press $left 0.6
press $left 1.0             # The Grand Gallery
press $accept 1.5
snap matchsettings
press $down 0.6             # the time field
press $left 0.6             # 2:30 -> 1:30
press $left 1.0             # -> 1:00
snap matchsettings-custom

# --- matches ----------------------------------------------------------------------------
# Versus, The Grand Gallery, to the end of its minute: the computer wins (match 1).
start_match $accept
snap match-gallery
press $start 1.2
snap pause
press $cancel 0.5
results results-win

# Races for the idol: the computer runs off along the track, so the view splits.
leave_results
go_stage 3 Escape           # back to the title, which sets the world back to The Grand Gallery
sleep 1.5
snap title-again
press $down 1.0             # RACE FOR THE IDOL (1P)
go_stage 2 $accept
sleep 1
press $accept 1.5
press $accept 2.0           # both characters as before; the world panel on The Grand Gallery
start_match $accept         # no match settings in a race
snap race-gallery-shared
wait_split "$match_mark" 60 && snap race-gallery-split
leave_match
press $accept 1.5
press $accept 2.0
press $right 1.0            # The Frozen Labyrinth
start_match $accept
snap race-frozen-shared
wait_split "$match_mark" 60 && snap race-frozen-split
leave_match
press $accept 1.5
press $accept 2.0
press $right 1.0            # The Lost Tombs, open after one match
start_match $accept
snap race-tombs-shared
wait_split "$match_mark" 60 && snap race-tombs-split
press $start 1.2
for _ in 1 2 3 4; do press $down 0.4; done
snap pause-change           # the cursor on "CHANGE CHARACTERS"
press $cancel 0.5           # resumes: this race runs to the idol (match 2)
results results-race

# Two players on one keyboard: the conflict menu, player 2's controls and a draw (match 3).
leave_results
go_stage 3 Escape
sleep 1.5
press $up 0.6
press $up 0.6
press $up 1.0               # PLAYER VS PLAYER
go_stage 2 $accept
sleep 1
snap_lit charsel-2p 400x50+870+8   # player 2's prompt
press Insert 1.5            # player 2 joins on the keyboard: both reset, the conflict menu
snap conflict
# From here player 1 moves with W A S D; player 2 has the arrows, INS, DEL and BACKSPACE.
up=w
down=s
left=a
right=d
press Down 1.0
press $accept 1.2           # "P2 CONTROLS"
snap controls-p2
press Delete 1.0            # player 2's cancel closes it
press Down 0.6
press $accept 1.0           # EXIT
press $accept 1.5
press Insert 2.0            # both characters; the world panel on The Grand Gallery
press $accept 1.5
press $down 0.6
press $left 0.6
press $left 1.0             # 1:00
# The versus maze is mirrored about its middle and the players start on mirrored tiles:
# turned the mirrored way at the start, they walk mirrored paths to a wall and stop there,
# each with the same gems.
start_match $accept
xdotool keydown $left Right
sleep 1.5
xdotool keyup $left Right
snap match-2p
results results-draw

# The Haunted Graveyard, open after three matches, in a race.
leave_results
go_stage 3 Escape
sleep 1.5
press $down 1.0             # RACE FOR THE IDOL
press $down 1.0             # PLAYER VS CPU (1P)
press $down 1.0             # RACE FOR THE IDOL (1P)
go_stage 2 $accept
sleep 1
press $accept 1.5
press $accept 2.0           # the world panel on The Grand Gallery
press $left 1.0             # The Haunted Graveyard
start_match $accept
snap race-graveyard-shared
wait_split "$match_mark" 60 && snap race-graveyard-split
leave_match

# The statistics after three matches, then out the way players leave: the title closes
# (files saved).
go_stage 3 Escape
sleep 1.5
press $right 1.2
for _ in 1 2 3; do press $down 0.6; done
press $accept 1.2           # PLAYER STATS
snap stats
press $cancel 1.0
press Escape 1.0
wait_exit
echo "$xdrive_name: $shots pictures in $out"
