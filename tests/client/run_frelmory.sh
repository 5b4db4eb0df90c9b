#!/usr/bin/env bash
# The game's real binary, run the way a player runs it, under a private Xvfb
# server: run_frelmory.sh BINARY SOURCE_DIR CASE. Each case runs in a folder of
# its own and checks the exit code and the files the game leaves behind.
set -u
binary=$1
source=$2
case=$3
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"

fail() { echo "run_frelmory $case: $*" >&2; exit 1; }
. "$source/tests/support/game_exit.sh"
. "$source/tests/support/game_announces.sh"

withData() {
  cp "$source/KWEP.cfg" .
  ln -s "$source/data" data
}

case $case in
  keys)
    withData
    # Closing the window library unloads the GL driver, whose own leftovers
    # cannot be told from the program's then; the whole-program tests check
    # the game's leaks on a window that stays loaded.
    # The game announces on its error stream when the menus show and which
    # line the band is on, so the keys follow the game however slow it runs.
    FRELMORY_TRACE_START=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$binary" --fps on >out.txt 2>err.txt &
    game=$!
    awaitAnnounced "$game" "state menus"
    window=$(xdotool search --name '^Frelmory' | head -1)
    [ -n "$window" ] || { kill "$game"; fail "no window"; }
    xdotool key --window "$window" Down Down
    awaitAnnounced "$game" "menu line LEAVE FRELMORY"
    xdotool key --window "$window" Return
    expectCleanExit "$game" 300 "Down Down Return"
    grep -q -- '--wsize 640 480' KWEP_OPTIONS.cfg || fail "no options file"
    ;;
  invalid)
    withData
    "$binary" --fullscreen maybe >out.txt 2>err.txt
    code=$?
    [ "$code" -eq 2 ] || fail "exit code $code, not 2"
    grep -q 'COMMAND LINE NOT VALID' err.txt || fail "no message"
    [ ! -e KWEP_OPTIONS.cfg ] || fail "options file written"
    [ ! -e KWEP_HIGHSCORE.cfg ] || fail "high score written"
    ;;
  empty)
    "$binary" >out.txt 2>err.txt
    code=$?
    [ "$code" -eq 1 ] || fail "exit code $code, not 1"
    grep -q 'KWEP.cfg' err.txt || fail "the message does not name KWEP.cfg"
    [ "$(ls)" = "err.txt
out.txt" ] || fail "files left: $(ls)"
    ;;
  help)
    withData
    "$binary" --help >out.txt 2>err.txt
    code=$?
    [ "$code" -eq 0 ] || fail "exit code $code, not 0"
    grep -q -- '--fullscreen' out.txt || fail "no help text"
    [ ! -e KWEP_OPTIONS.cfg ] || fail "options file written"
    ;;
  *)
    fail "unknown case"
    ;;
esac
echo "run_frelmory $case: passed"
