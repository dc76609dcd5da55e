#!/usr/bin/env bash
# `cmake --install` of the build gives a tree that works wherever it lies:
# the installed CLI, run from a folder of its own, finds the register
# libraries relative to itself and identifies the installed emulator's
# register, and draws an insert with its plugin; everything a desktop needs is in the freedesktop places.
# Usage: drzewo.sh BUILD-DIR WITH-GUI(ON/OFF) WITH-HELP2MAN(path or -NOTFOUND)
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

build=$1
gui=$2
help2man=$3
prefix="$scratch/prefix with space"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$scratch/install.log")"

expected=(
  bin/orbaklaw-cli bin/orba-emu
  include/orbaklaw/kasdrv.h include/orbaklaw/komport.h
  share/doc/orbaklaw/copyright
)
[[ "$help2man" != *NOTFOUND ]] && expected+=(share/man/man1/orbaklaw-cli.1.gz share/man/man1/orba-emu.1.gz)
[[ "$gui" == ON ]] && expected+=(
  bin/orbaklaw share/orbaklaw/hourglas.ani share/applications/orbaklaw.desktop
  share/icons/hicolor/scalable/apps/orbaklaw.svg share/icons/hicolor/256x256/apps/orbaklaw.png
  share/man/man1/orbaklaw.1.gz
)
for f in "${expected[@]}"; do
  [[ -e "$prefix/$f" ]] || fail "the installed tree has no $f"
done
libs=(libkasdrv.so libkomport.so)
[[ "$gui" == ON ]] && libs+=(liborbaklaw-cli-qt.so)
for lib in "${libs[@]}"; do
  found=$(find "$prefix" -name "$lib" -path '*/orbaklaw/*')
  [[ -n "$found" ]] || fail "$lib is not installed in a folder of its own"
  [[ ! -e "$prefix/bin/$lib" ]] || fail "$lib lies among the programs in bin/"
done

link="$scratch/ttyORBA"
start_emulator "$prefix/bin" "$link"
out=$(cli_test_from_elsewhere "$prefix/bin" "$link" 2>&1) || fail "installed orbaklaw-cli test failed: $out"
grep -q . <<<"$out" || fail "orbaklaw-cli test printed nothing"
echo "$out"

if [[ "$gui" == ON ]]; then
  out=$(cli_insert_from_elsewhere "$prefix/bin" 2>&1) || fail "installed orbaklaw-cli insert failed: $out"
fi

if [[ "$gui" == ON ]]; then
  command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed (Debian package desktop-file-utils): the desktop entry was not checked"
  desktop-file-validate "$prefix/share/applications/orbaklaw.desktop" || fail "desktop-file-validate refused orbaklaw.desktop"
fi
[[ "$help2man" == *NOTFOUND ]] && skip "help2man was not installed when the build was configured (Debian package help2man): the tree works but has no pages for orbaklaw-cli and orba-emu"
echo "ok: the installed tree works"
