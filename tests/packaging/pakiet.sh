#!/usr/bin/env bash
# The Debian package made from the current build: its control data carry the
# project's version and the libraries' dependencies, the CLI unpacked from it
# identifies the register of the orba-emu unpacked beside it, its maintainer
# is a real one, it doesn't run ldconfig for its private libraries, and
# lintian finds no error in it.
# Usage: pakiet.sh BUILD-DIR VERSION
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

build=$1
version=$2
cpack=${CPACK:-cpack}
for tool in "$cpack" dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages cmake, dpkg, dpkg-dev): no package was built"
done

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$scratch/cpack.log")"
deb=$(find "$scratch/pkg" -maxdepth 1 -name '*.deb')
[[ -n "$deb" ]] || fail "cpack made no .deb: $(cat "$scratch/cpack.log")"

[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libc6 libserialport0 libstdc++6; do
  grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# The maintainer is the project's, never a template's placeholder (lintian
# below checks the address).
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[[ "$maintainer" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is not 'Name <address>': $maintainer"
[[ ! "$maintainer" =~ (example|noreply|placeholder|seed) ]] || fail "Maintainer is a placeholder: $maintainer"
# The libraries lie in a private folder: the system's library cache has no
# business with them, so no maintainer script or trigger runs ldconfig.
dpkg-deb -e "$deb" "$scratch/control" || fail "dpkg-deb -e failed"
calls=$(grep -l ldconfig "$scratch/control"/* 2>/dev/null)
[[ -z "$calls" ]] || fail "the package runs ldconfig from $(basename -a $calls)"

root="$scratch/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
link="$scratch/ttyORBA"
start_emulator "$root/usr/bin" "$link"
out=$(cli_test_from_elsewhere "$root/usr/bin" "$link" 2>&1) || fail "the packaged orbaklaw-cli test failed: $out"
echo "$out"
if [[ -e "$root/usr/bin/orbaklaw" ]]; then
  out=$(cli_insert_from_elsewhere "$root/usr/bin" 2>&1) || fail "the packaged orbaklaw-cli insert failed: $out"
fi
[[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/orbaklaw-cli" --version)" == "orbaklaw-cli $version" ]] ||
  fail "the packaged orbaklaw-cli is not version $version"

command -v lintian >/dev/null || skip "lintian is not installed (Debian package lintian): the package works but was not checked by it"
lintian --fail-on error "$deb" || fail "lintian found errors in $(basename "$deb")"
echo "ok: $(basename "$deb") builds, works unpacked and passes lintian"
