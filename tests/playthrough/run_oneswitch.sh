#!/usr/bin/env bash
# The real binary played with the space bar alone, under a private Xvfb server:
# run_oneswitch.sh BINARY SOURCE_DIR. The one-switch profiles in a folder of
# their own, with a high-score file seeded with 1; xdotool presses and lets go
# of the space bar as the game announces where it is (see game_announces.sh):
# once the menus show, a tap selects play; once the story shows, a tap leaves
# it; in the level a hold from 1.78 s to 2.84 s (and again from 5.31 s to
# 6.37 s) grabs the carrot on its swing and throws it; once the end page
# shows and takes input, a tap leaves it; a hold until the band is on "leave"
# and a tap leave the game. Only the swing keeps to the clock, as a player
# does: the game's own clock is the wall clock.
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
FRELMORY_TRACE_START=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$binary" \
  --menu-input data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg \
  --game-input data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg >out.txt 2>err.txt &
game=$!
awaitAnnounced "$game" "state menus"   # the splash has ended by itself
window=$(xdotool search --name '^Frelmory$' | head -1)
[ -n "$window" ] || { kill "$game"; fail "no window"; }

down() { xdotool keydown --window "$window" space; }
up() { xdotool keyup --window "$window" space; }
# The game reads the switch once a frame: a press and a release, and a
# release and the next press, must each fall in different frames of a slow
# machine, and a tap must stay well short of the 0.75 s that makes a hold.
tap() { down; sleep 0.3; up; }
# Sleeps until the given number of seconds after the level began.
at() { sleep "$(awk -v t="$1" -v l="$level" -v n="$(date +%s.%N)" 'BEGIN { d = t - (n - l); print (d > 0 ? d : 0) }')"; }

tap         # a short press selects play
awaitAnnounced "$game" "state story"
# Past the story: the level begins as the switch comes up. Its clock starts
# at the frame that takes the release, so the swing is timed from the release
# (the press that grabs is taken a frame late in the same way).
down
sleep 0.1
level=$(date +%s.%N)
up
awaitAnnounced "$game" "level 0 begun"
at 1.78
down        # the swing brings the tips of the carrot's leaves to the middle
at 2.84
up          # the carrot swings up towards the snowman
at 5.31     # once more at the next turn, in case a busy machine made the
down        # first press miss; with the carrot thrown there is nothing there
at 6.37
up
awaitAnnounced "$game" "state end page"   # a rock has landed, on level 0 or 1
# The end page takes no input for its first two seconds of play, which run
# with the wall clock; half a second more covers a slow frame.
sleep 2.5
tap         # back to the menus
awaitAnnounced "$game" "state menus"
down        # held: the band moves down line by line
awaitAnnounced "$game" "menu line LEAVE FRELMORY"
up
sleep 0.5
tap         # leave

expectCleanExit "$game" 300 "the last tap"
score=$(sed -n 's/^HIGH_SCORE == //p' KWEP_HIGHSCORE.cfg)
[ -n "$score" ] && [ "$score" -gt 1 ] || fail "high score ${score:-missing}, not above 1"
echo "run_oneswitch: passed with a score of $score"
