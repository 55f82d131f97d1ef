#!/usr/bin/env bash
# The assistant's command line and its capture, end to end: bad arguments exit 2 with the usage;
# a directory holding no dossier exits 1 with the reason; the capture of a dossier made by the
# command-line program writes the 21 screens and the legal-category picker, says what the screens
# showed, and leaves every byte of the dossier as it was. The platform is left unset: the capture chooses it.
# Usage: capture.sh <kvarn> <kvarn-assistant>
set -u
kvarn="$1"
assistant="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" TMPDIR="$work/tmp"
mkdir -p "$HOME" "$TMPDIR"
unset QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }

expect_status() {  # expected status, then the command
  local expected=$1; shift
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$* exited $status, not $expected: $(cat "$work/err")"
}

expect_status 2 "$assistant" --groupe 15
grep -q "^Usage : kvarn-assistant" "$work/err" || fail "no usage after a bad group"
expect_status 2 "$assistant" --inconnue
expect_status 2 "$assistant" --capture "$work/images"
expect_status 0 "$assistant" --help
expect_status 1 "$assistant" "$work" --capture "$work/images"
grep -q "Aucun dossier dans le répertoire" "$work/err" || fail "no reason for a directory without a dossier"

"$kvarn" dossier creer "$work/dossier" --raison-sociale "SARL Les Tilleuls" >/dev/null || fail "dossier creer"
(cd "$work/dossier" && find . -type f -exec sha256sum {} + | sort) >"$work/avant"
expect_status 0 "$assistant" "$work/dossier" --capture "$work/images"
[ ! -s "$work/err" ] || fail "the capture wrote on stderr: $(cat "$work/err")"
for n in $(seq -w 1 21); do
  [ -s "$work/images/ecran-$n.png" ] || fail "ecran-$n.png missing"
done
[ -s "$work/images/categorie-juridique.png" ] || fail "categorie-juridique.png missing"
[ "$(ls "$work/images" | grep -c '\.png$')" -eq 22 ] || fail "not 22 images"
[ -f "$work/images/boites.txt" ] || fail "boites.txt missing"
(cd "$work/dossier" && find . -type f -exec sha256sum {} + | sort) | diff "$work/avant" - || fail "the dossier changed"
echo "capture: 22 images, the dossier unchanged"
