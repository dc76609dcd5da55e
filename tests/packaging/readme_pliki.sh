#!/usr/bin/env bash
# README.md names files where they are: every `folder/Name` of a source
# folder is a file or folder there (Name, Name.h or Name.cpp) or the program
# that folder builds, and every
# "module `Name`" is a Name.cpp of the tree.
# Usage: readme_pliki.sh SOURCE-DIR
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

cd "$1" || fail "no source folder $1"
missing=()
while read -r path; do
  folder=${path%%/*}
  [[ -f "$folder/CMakeLists.txt" ]] || continue # not a source folder (build/, /dev/, ...)
  path=${path%/}
  [[ -e "$path" || -e "$path.h" || -e "$path.cpp" ]] && continue
  grep -q "add_executable(${path#*/} " "$folder/CMakeLists.txt" || missing+=("$path")
done < <(grep -oE '`[a-z]+/[A-Za-z0-9_./-]*`' README.md | tr -d '`' | sort -u)
while read -r name; do
  [[ -n "$(find . -path ./build -prune -o -name "$name.cpp" -print)" ]] || missing+=("module $name")
done < <(grep -oE 'module `[A-Za-z0-9_]+`' README.md | sed -E 's/module `(.*)`/\1/' | sort -u)
[[ ${#missing[@]} -eq 0 ]] || fail "README.md names what is not in the tree: ${missing[*]}"
echo "ok: every file README.md names is there"
