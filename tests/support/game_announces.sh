# Sourced by the scripts that run the real binary with FRELMORY_TRACE_START
# set, its error stream in err.txt: the game announces there its first frame,
# each change of state ("frelmory: state menus"), each level that begins and
# each menu line the band moves to, and a script follows the game by these
# lines instead of guessing how long it takes on a busy machine.
#
# awaitAnnounced PID TEXT waits for the line "frelmory: TEXT" after the lines
# already followed, and fails (through the caller's fail) when the game ends
# first, or when ten minutes pass without it.
announcedLines=0
awaitAnnounced() {
  local game=$1 text=$2 at end=$((SECONDS + 600))
  while [ "$SECONDS" -lt "$end" ]; do
    at=$(tail -n +"$((announcedLines + 1))" err.txt | grep -n -m1 -x -F -- "frelmory: $text" | cut -d: -f1)
    if [ -n "$at" ]; then
      announcedLines=$((announcedLines + at))
      return 0
    fi
    kill -0 "$game" 2>/dev/null || { cat err.txt >&2; fail "the game ended before \"$text\""; }
    sleep 0.05
  done
  kill "$game"
  fail "no \"$text\" after ten minutes"
}
