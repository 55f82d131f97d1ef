# Shared by the command-line test scripts: a private home for the run, and checks that name what
# failed. Source it with the program's path as $1.
set -u
KVARN="$1"
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/kvarn-cli-XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
export HOME="$ROOT/home" XDG_DATA_HOME="$ROOT/home/.local/share" TMPDIR="$ROOT/tmp"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$TMPDIR"
FAILURES=0
CHECKS=0

# expect_status STATUS CMD...: runs the command, output kept in $OUT and $ERR.
expect_status() {
  local want=$1; shift
  CHECKS=$((CHECKS + 1))
  OUT=$("$@" 2>"$ROOT/stderr"); local got=$?
  ERR=$(cat "$ROOT/stderr")
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: '$*' exited $got, expected $want"; echo "  stdout: $OUT"; echo "  stderr: $ERR"
    FAILURES=$((FAILURES + 1))
  fi
}

# expect_contains TEXT WHAT: the last output ($OUT then $ERR) contains TEXT.
expect_contains() {
  CHECKS=$((CHECKS + 1))
  case "$OUT$ERR" in
    *"$1"*) ;;
    *) echo "FAIL: output lacks '$1' ($2)"; echo "  stdout: $OUT"; echo "  stderr: $ERR"
       FAILURES=$((FAILURES + 1)) ;;
  esac
}

# expect_said STATUS TEXT WHAT CMD...: expect_status, then expect_contains on its output.
expect_said() {
  local want=$1 text=$2 what=$3; shift 3
  expect_status "$want" "$@"; expect_contains "$text" "$what"
}

# expect_lacks TEXT WHAT: the last output ($OUT then $ERR) does not contain TEXT.
expect_lacks() {
  CHECKS=$((CHECKS + 1))
  case "$OUT$ERR" in *"$1"*) echo "FAIL: output holds '$1' ($2)"; FAILURES=$((FAILURES + 1)) ;; esac
}

# check WHAT CMD...: the command (a test, a diff) succeeds; WHAT says the fault when it does not.
check() {
  local what=$1; shift
  CHECKS=$((CHECKS + 1))
  "$@" >/dev/null 2>&1 || { echo "FAIL: $what"; FAILURES=$((FAILURES + 1)); }
}

# flip_byte FILE OFFSET: the byte at OFFSET changed, whatever it held (random data included).
flip_byte() {
  local old
  old=$(dd if="$1" bs=1 skip="$2" count=1 2>/dev/null | od -An -tu1 | tr -d ' ')
  printf "\\$(printf '%03o' $(( (old + 1) % 256 )))" | dd of="$1" bs=1 seek="$2" conv=notrunc 2>/dev/null
}

finish() {
  echo "$((CHECKS - FAILURES)) passed, $FAILURES failed"
  [ "$FAILURES" -eq 0 ]
  exit $?
}
