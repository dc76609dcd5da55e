#!/usr/bin/env bash
# scripts/run started while another run goes on: the second program ends as
# the single-instance guard says, and the first session keeps its emulator
# and the link to it.
# Usage: uruchom_dwa_razy.sh SOURCE-DIR BIN-DIR
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

source_dir=$1
bin=$2
export QT_QPA_PLATFORM=offscreen
export ORBAKLAW_BIN="$bin"
export ORBAKLAW_WORK="$scratch/work-run"
# A runtime folder of its own, so that no other copy of the program holds
# the single-instance guard.
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

links() { find "$ORBAKLAW_WORK" -maxdepth 1 -name 'ttyORBA*' 2>/dev/null | sort; }

program_of() { ps -o pid= -o comm= --ppid "$1" | awk '$2 == "orbaklaw" { print $1 }'; }

"$source_dir/scripts/run" >"$scratch/first.log" 2>&1 &
first=$!
first_program=""
# The program waits at the start-up question: it is ended first, then the
# run, whose own exit ends its emulator.
stop_first() {
  [[ -z "$first_program" ]] && first_program=$(program_of "$first")
  [[ -n "$first_program" ]] && kill "$first_program" 2>/dev/null
  kill "$first" 2>/dev/null
  wait "$first" 2>/dev/null
}
trap 'stop_first; cleanup' EXIT

# The first program holds the guard once its socket is there; it then waits
# at the start-up question.
for _ in $(seq 200); do
  compgen -G "$XDG_RUNTIME_DIR/orbaklaw-*.sock" >/dev/null && break
  kill -0 "$first" 2>/dev/null || fail "the first run ended: $(cat "$scratch/first.log")"
  sleep 0.05
done
compgen -G "$XDG_RUNTIME_DIR/orbaklaw-*.sock" >/dev/null || fail "the first program never took the guard"
first_program=$(program_of "$first")
[[ -n "$first_program" ]] || fail "no program under the first run"
first_links=$(links)
[[ $(wc -l <<<"$first_links") -eq 1 && -n "$first_links" ]] || fail "the first run has not one link: $first_links"

timeout 60 "$source_dir/scripts/run" >"$scratch/second.log" 2>&1
code=$?
[[ $code -eq 0 ]] || fail "the second run ended with $code: $(cat "$scratch/second.log")"
kill -0 "$first_program" 2>/dev/null || fail "the first program ended"
[[ "$(links)" == "$first_links" ]] || fail "the links changed: before '$first_links', now '$(links)'"
out=$(cli_test_from_elsewhere "$bin" "$first_links" 2>&1) || fail "the first run's emulator no longer answers: $out"

kill "$first_program"
wait "$first"
first_program=""
trap cleanup EXIT
[[ -z "$(links)" ]] || fail "the first run left its link behind: $(links)"
echo "ok: a second run leaves the first session alone"
