#!/usr/bin/env bash
# orba-emu --detach outlives the short-lived process that started it and
# says how to stop it; without it the emulator ends with its parent.
# Usage: odlaczenie.sh BIN-DIR
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

bin=$1
wait_gone() {
  for _ in $(seq 100); do
    [[ -e "$1" ]] || return 0
    sleep 0.05
  done
  return 1
}

# Detached: the starting shell ends at once, the command substitution
# returns (the background process keeps none of its streams), the register
# still answers afterwards.
link="$scratch/ttyDetached"
out=$(sh -c "exec '$bin/orba-emu' --detach --no-pacing --link '$link'") || fail "orba-emu --detach failed: $out"
pid=$(sed -n 's/^pid \([0-9]*\)$/\1/p' <<<"$out")
[[ "$(head -n1 <<<"$out")" == "ready $link" ]] || fail "the first line was not 'ready $link': $out"
[[ -n "$pid" ]] || fail "no 'pid N' line: $out"
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "the detached emulator ended with its parent"
[[ -e "$link" ]] || fail "the detached emulator's link is gone"
answer=$(cli_test_from_elsewhere "$bin" "$link" 2>&1) || { kill "$pid"; fail "the detached emulator did not answer: $answer"; }
kill "$pid"
wait_gone "$link" || fail "the detached emulator did not end on SIGTERM and remove its link"

# A detached start that can't listen says why and fails.
err=$("$bin/orba-emu" --detach --link "$scratch/no/such/folder/tty" 2>&1 >/dev/null)
code=$?
[[ $code -eq 2 ]] || fail "a failed detached start ended with $code, not 2"
grep -q "orba-emu: " <<<"$err" || fail "a failed detached start said nothing: $err"

# Default: ends with its parent.
link2="$scratch/ttyChild"
sh -c "'$bin/orba-emu' --no-pacing --link '$link2' >/dev/null & sleep 0.5"
wait_gone "$link2" || fail "without --detach the emulator outlived its parent"
echo "ok: --detach outlives its parent, the default does not"
