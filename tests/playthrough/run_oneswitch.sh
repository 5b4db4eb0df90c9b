#!/usr/bin/env bash
# The real binary played with the space bar alone, under a private Xvfb server:
# run_oneswitch.sh BINARY SOURCE_DIR. The one-switch profiles in a folder of
# their own, with a high-score file seeded with 1; xdotool presses and lets go
# of the space bar as the game announces where it is (see game_announces.sh),
# on the game's own clock: the game runs 16 ms frames whatever the wall clock
# does and announces its clock each frame, so a busy machine slows the run
# down but the presses still come at the same moments of the game. Once the
# menus show, a tap selects play; once the story shows, a tap leaves it; in
# the level a hold from 1.776 s to 2.832 s (and again from 5.31 s to 6.37 s)
# grabs the carrot on its swing and throws it; once the end page takes input,
# a tap leaves it; a hold until the band is on "leave" and a tap leave.
set -u
binary=$1
source=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"

fail() { echo "run_oneswitch: $*" >&2; exit 1; }
. "$source/tests/support/game_exit.sh"
. "$source/tests/support/game_announces.sh"

cp "$source/KWEP.cfg" .
ln -s "$source/data" data
printf 'HIGH_SCORE == 1\n' >KWEP_HIGHSCORE.cfg

# Closing the window library unloads the GL driver, whose own leftovers cannot
# be told from the program's; the whole-program tests check the game's leaks.
FRELMORY_TRACE_START=1 FRELMORY_FRAME_MS=16 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$binary" \
  --menu-input data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg \
  --game-input data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg >out.txt 2>err.txt &
game=$!
awaitAnnounced "$game" "state menus"
window=$(xdotool search --name '^Frelmory$' | head -1)
[ -n "$window" ] || { kill "$game"; fail "no window"; }

# The game's clock in milliseconds, as its last frame announced it (read from
# the end of the stream, which grows by a line a frame).
clockNow() {
  local last
  last=$(tail -c 512 err.txt | grep -a -o '^frelmory: clock [0-9]*' | tail -n 1)
  echo "${last#frelmory: clock }"
}
# Waits until the game's clock has reached the given milliseconds.
untilClock() {
  local now
  while :; do
    now=$(clockNow)
    [ -n "$now" ] && [ "$now" -ge "$1" ] && return 0
    kill -0 "$game" 2>/dev/null || fail "the game ended before its clock reached $1 ms"
    sleep 0.02
  done
}
# Waits for the given milliseconds of the game's clock from now.
during() { untilClock $(($(clockNow) + $1)); }
# Waits until the given milliseconds after the level began.
at() { untilClock $((level + $1)); }

down() { xdotool keydown --window "$window" space; }
up() { xdotool keyup --window "$window" space; }
# Short of the 0.75 s that makes a hold, and a few frames long either way,
# since the game reads the switch once a frame.
press() { down; during 100; up; }
tap() { press; during 100; }

tap         # a short press selects play
awaitAnnounced "$game" "state story"
down        # past the story: the level begins as the switch comes up
during 100
up
awaitAnnounced "$game" "level 0 begun"
# The level's clock starts from the frame that began it.
level=$(sed -n '/^frelmory: level 0 begun$/q;s/^frelmory: clock \([0-9]*\) ms$/\1/p' err.txt | tail -n 1)
at 1776
down        # the swing brings the tips of the carrot's leaves to the middle
at 2832
up          # the carrot swings up towards the snowman
at 5310     # once more at the next turn, should the first press have missed;
down        # with the carrot thrown there is nothing there
at 6370
up
awaitAnnounced "$game" "state end page"   # a rock has landed, on level 0 or 1
during 2100 # the end page takes no input for its first two seconds
tap         # back to the menus
awaitAnnounced "$game" "state menus"
down        # held: the band moves down line by line
awaitAnnounced "$game" "menu line LEAVE FRELMORY"
up
during 100
press       # leave

expectCleanExit "$game" 300 "the last tap"
score=$(sed -n 's/^HIGH_SCORE == //p' KWEP_HIGHSCORE.cfg)
[ -n "$score" ] && [ "$score" -gt 1 ] || fail "high score ${score:-missing}, not above 1"
echo "run_oneswitch: passed with a score of $score"
