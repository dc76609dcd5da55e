#!/usr/bin/env bash
# README's "The emulator by hand", run as written against an install of the
# build: its commands in one shell with the installed programs on the PATH, a
# home and a current folder of their own; what they print must be what the
# README shows (its home /home/ja and its pid 12345 stand for the real ones,
# and `kill 12345` is given the real pid).
# Usage: przyklad_emulatora.sh BUILD-DIR SOURCE-DIR
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

build=$1
readme="$2/README.md"
prefix="$scratch/prefix"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$scratch/install.log")"

# The indented block after the heading, without its indent.
awk '/^### The emulator by hand/ { in_section = 1; next }
     in_section && /^    / { in_block = 1; print substr($0, 5); next }
     in_block { exit }' "$readme" >"$scratch/block"
grep -q '^\$ ' "$scratch/block" || fail "README.md has no commands under \"The emulator by hand\""

home="$scratch/home"
work="$scratch/work"
mkdir -p "$home" "$work"
out="$scratch/out"
: >"$out"
# The README's pid is the one the detached emulator printed.
real_pid='$(sed -n "s/^pid //p" '"'$out'"')'
{
  echo 'set -e'
  sed -n 's/^\$ //p' "$scratch/block" | sed "s|\\b12345\\b|$real_pid|g"
} >"$scratch/commands"
sed -n '/^\$ /!p' "$scratch/block" | sed "s|/home/ja|$home|g" >"$scratch/expected"

(cd "$work" && env HOME="$home" PATH="$prefix/bin:$PATH" bash "$scratch/commands" >>"$out" 2>&1)
status=$?
emu_pid=$(sed -n 's/^pid //p' "$out") # stopped at the end should the example not stop it
[[ $status -eq 0 ]] || fail "README's example failed (exit $status):
$(cat "$out")"
sed "s/^pid $emu_pid\$/pid 12345/" "$out" >"$scratch/actual"
diff "$scratch/expected" "$scratch/actual" >"$scratch/diff" ||
  fail "README's example printed other than it shows:
$(cat "$scratch/diff")"
for _ in $(seq 100); do
  kill -0 "$emu_pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$emu_pid" 2>/dev/null && fail "the emulator still runs after the example's kill"
emu_pid=""
echo "ok: README's emulator example works as written"
