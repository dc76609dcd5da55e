#!/usr/bin/env bash
# The manual pages as built read the same outside a UTF-8 locale, with each
# Polish letter as its base letter, and troff has nothing to warn about.
# Usage: strony.sh FOLDER-OF-THE-BUILT-PAGES
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

command -v man >/dev/null || skip "man is not installed (Debian package man-db): the pages were not read"
shopt -s nullglob
pages=("$1"/*.1.gz)
[[ ${#pages[@]} -gt 0 ]] || skip "no manual pages were built in $1"
for page in "${pages[@]}"; do
  name=$(basename "$page")
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$scratch/utf8" 2>"$scratch/utf8.err"
  LC_ALL=C MANWIDTH=80 man --warnings -l "$page" >"$scratch/c" 2>"$scratch/c.err"
  [[ ! -s "$scratch/c.err" ]] || fail "$name outside a UTF-8 locale: $(cat "$scratch/c.err")"
  [[ ! -s "$scratch/utf8.err" ]] || fail "$name in a UTF-8 locale: $(cat "$scratch/utf8.err")"
  LC_ALL=C.UTF-8 sed 'y/ąćęłńóśźżĄĆĘŁŃÓŚŹŻ/acelnoszzACELNOSZZ/' "$scratch/utf8" |
    LC_ALL=C grep -oE '[A-Za-z]+' >"$scratch/utf8.words"
  LC_ALL=C grep -oE '[A-Za-z]+' "$scratch/c" >"$scratch/c.words"
  diff "$scratch/utf8.words" "$scratch/c.words" >"$scratch/diff" ||
    fail "$name loses letters outside a UTF-8 locale: $(head -20 "$scratch/diff")"
done
echo "ok: ${pages[*]##*/} read the same in the C locale"
