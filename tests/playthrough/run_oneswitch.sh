#!/usr/bin/env bash
# The real binary played with the space bar alone, under a private Xvfb server:
# run_oneswitch.sh BINARY SOURCE_DIR. The one-switch profiles in a folder of
# their own, with a high-score file seeded with 1; xdotool presses and lets go
# of the space bar at the times the whole-program play-through uses: a tap
# selects play, a tap leaves the story, a hold from 1.78 s to 2.84 s of the
# level (and again from 5.31 s to 6.37 s) grabs the carrot on its swing and
# throws it, a tap leaves the end page,
# a two-second hold moves to "leave" and a tap leaves.
set -u
binary=$1
source=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"

fail() { echo "run_oneswitch: $*" >&2; exit 1; }
. "$source/tests/support/game_exit.sh"

cp "$source/KWEP.cfg" .
ln -s "$source/data" data
printf 'HIGH_SCORE == 1\n' >KWEP_HIGHSCORE.cfg

# Closing the window library unloads the GL driver, whose own leftovers cannot
# be told from the program's; the whole-program tests check the game's leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$binary" \
  --menu-input data/Config/Input/KWEP_MENU_INPUT_ONESWITCH.cfg \
  --game-input data/Config/Input/KWEP_GAME_INPUT_ONESWITCH.cfg >out.txt 2>err.txt &
game=$!
window=$(timeout 60 xdotool search --sync --name '^Frelmory$' | head -1)
[ -n "$window" ] || { kill "$game"; fail "no window"; }

down() { xdotool keydown --window "$window" space; }
up() { xdotool keyup --window "$window" space; }
tap() { down; sleep 0.1; up; }
# Sleeps until the given number of seconds after the level began.
at() { sleep "$(awk -v t="$1" -v l="$level" -v n="$(date +%s.%N)" 'BEGIN { d = t - (n - l); print (d > 0 ? d : 0) }')"; }

sleep 3     # the splash, then the main menu
tap         # a short press selects play
sleep 1.5
down        # past the story: the level begins as the switch comes up
sleep 0.1
level=$(date +%s.%N)
up
at 1.78
down        # the swing brings the tips of the carrot's leaves to the middle
at 2.84
up          # the carrot swings up towards the snowman
at 5.31     # once more at the next turn, in case a busy machine made the
down        # first press miss; with the carrot thrown there is nothing there
at 6.37
up
at 27       # a rock has landed (on level 0 or 1) and the end page waits
tap         # back to the menus
sleep 1.5
down        # two items down, to "leave"
sleep 2
up
sleep 0.5
tap         # leave

expectCleanExit "$game" 30 "the last tap"
score=$(sed -n 's/^HIGH_SCORE == //p' KWEP_HIGHSCORE.cfg)
[ -n "$score" ] && [ "$score" -gt 1 ] || fail "high score ${score:-missing}, not above 1"
echo "run_oneswitch: passed with a score of $score"
