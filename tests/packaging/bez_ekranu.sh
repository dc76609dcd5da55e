#!/usr/bin/env bash
# scripts/run on a machine without a display: setup (which installs xvfb-run,
# and git, which the test command needs) has run before the script points to
# xvfb-run, and the advice can be followed as written. dpkg-query is stood in
# for, so that setup finds everything installed and installs nothing.
# Usage: bez_ekranu.sh SOURCE-DIR
set -uo pipefail
source "$(dirname "$0")/wspolne.sh"

source_dir=$1
stubs="$scratch/stubs"
mkdir -p "$stubs"
cat >"$stubs/dpkg-query" <<STUB
#!/bin/sh
for package; do :; done
echo "\$package" >>"$scratch/setup-ran"
printf 'install ok installed'
STUB
chmod +x "$stubs/dpkg-query"

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u ORBAKLAW_BIN PATH="$stubs:$PATH" \
  bash "$source_dir/scripts/run" 2>&1)
status=$?
[[ $status -ne 0 ]] || fail "scripts/run without a display exited 0: $out"
[[ -s "$scratch/setup-ran" ]] || fail "scripts/run pointed to xvfb-run before setup had run: $out"
for package in git xvfb; do
  grep -qx "$package" "$scratch/setup-ran" || fail "scripts/setup does not install $package"
done
grep -q "xvfb-run -a scripts/run" <<<"$out" || fail "scripts/run did not say how to run it under xvfb-run: $out"
echo "ok: $out"
