#!/usr/bin/env bash
# The project's version is written in one place, project(VERSION) of the
# top-level CMakeLists.txt: no program source writes it as a "ver. N" text
# of its own (the generated generated/WersjaProgramu.h carries it).
# Usage: wersja_raz.sh SOURCE-DIR VERSION
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

source_dir=$1
version=$2
pattern="(ver\.? ?|wersj[a-z]* )${version//./\\.}\b"
found=$(grep -rnIE --include='*.cpp' --include='*.h' --include='*.in' --include='*.1' \
  --include='*.desktop' "$pattern" "$source_dir" --exclude-dir=tests --exclude-dir='build*' \
  --exclude-dir=.git)
[[ -z "$found" ]] || fail "the version $version is written outside project(VERSION): $found"
echo "ok: $version is written only in project(VERSION)"
