# Shared by the install tests: a scratch folder removed at the end, a
# failure that says what went wrong, and a skip (exit 77) with its reason.

scratch=$(mktemp -d "${TMPDIR:-/tmp}/orbaklaw-install-test.XXXXXX")
emu_pid=""
cleanup() {
  if [[ -n "$emu_pid" ]]; then
    kill "$emu_pid" 2>/dev/null || true
    wait "$emu_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

skip() {
  echo "SKIP: $*"
  exit 77
}

# Waits (bounded) until the path exists.
wait_for() {
  for _ in $(seq 100); do
    [[ -e "$1" ]] && return 0
    sleep 0.05
  done
  return 1
}

# Starts BIN/orba-emu with a link at LINK (and the further options given) as a
# child of this script, and waits for the link.
start_emulator() {
  local bin=$1 link=$2
  shift 2
  "$bin/orba-emu" --link "$link" --no-pacing "$@" >/dev/null &
  emu_pid=$!
  wait_for "$link" || fail "orba-emu made no link at $link"
}

# Identifies the register on LINK with BIN/orbaklaw-cli run from a folder of
# its own (not the programs' folder): prints what the CLI printed. Broken
# copies of the libraries lie in that folder: loading them would fail.
cli_test_from_elsewhere() {
  local bin=$1 link=$2 folder
  folder=$(mktemp -d "$scratch/work.XXXXXX")
  printf '$01\tcom1:9600:mux0:1\t5\r\n' >"$folder/KONFIG.TXT"
  echo "not a library" >"$folder/libkasdrv.so"
  echo "not a library" >"$folder/libkomport.so"
  (cd "$folder" && ORBAKLAW_COM1="$link" "$bin/orbaklaw-cli" test)
}

# Draws an insert with BIN/orbaklaw-cli run from a folder of its own, where a
# broken copy of its Qt plugin lies: it must take its own.
cli_insert_from_elsewhere() {
  local bin=$1 folder
  folder=$(mktemp -d "$scratch/insert.XXXXXX")
  printf 'PIECZYWO\r\n' >"$folder/l.bm0"
  echo "not a library" >"$folder/liborbaklaw-cli-qt.so"
  (cd "$folder" && QT_QPA_PLATFORM=offscreen "$bin/orbaklaw-cli" insert l.bm0 l.bmp) || return 1
  [[ "$(head -c 2 "$folder/l.bmp")" == BM ]] || { echo "insert wrote no picture"; return 1; }
}
