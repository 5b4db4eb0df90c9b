# Sourced by the scripts that run the real binary. expectCleanExit PID SECONDS
# WHAT waits up to SECONDS for the game to end by itself after WHAT, and fails
# (through the caller's fail) when it is still running then, or when it ends
# with a code other than 0, after showing its error stream (err.txt).
expectCleanExit() {
  local game=$1 polls=$(($2 * 2)) what=$3 code
  for _ in $(seq 1 "$polls"); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$game" 2>/dev/null; then
    kill "$game"
    fail "still running after $what"
  fi
  wait "$game"
  code=$?
  [ "$code" -eq 0 ] || { cat err.txt >&2; fail "exit code $code, not 0"; }
}
