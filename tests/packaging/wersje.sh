#!/usr/bin/env bash
# Every program prints the project's version for --version, and nothing else.
# Usage: wersje.sh VERSION PROGRAM...
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

version=$1
shift
for program in "$@"; do
  name=$(basename "$program")
  out=$(QT_QPA_PLATFORM=offscreen "$program" --version 2>&1) || fail "$name --version failed: $out"
  [[ "$out" == "$name $version" ]] || fail "$name --version printed '$out', not '$name $version'"
done
echo "ok: $* print $version"
