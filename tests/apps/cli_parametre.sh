# kvarn parametre: the dossier's settings file read and written through the module's store.
. "$(dirname "$0")/cli_lib.sh"

D="$ROOT/dossier"
F="$D/KOLMI\$\$G.dat"
mkdir -p "$D"
printf '[Dossier]\nNom=Test\n' > "$D/dossier.ini"

# expect_output TEXT WHAT: the last command printed exactly TEXT on stdout.
expect_output() {
  CHECKS=$((CHECKS + 1))
  if [ "$OUT" != "$1" ]; then
    echo "FAIL: printed '$OUT', expected '$1' ($2)"
    FAILURES=$((FAILURES + 1))
  fi
}

# expect_file BYTES WHAT: the settings file holds exactly these bytes (printf escapes).
expect_file() {
  CHECKS=$((CHECKS + 1))
  if ! cmp -s <(printf "$1") "$F"; then
    echo "FAIL: settings file differs ($2)"; od -c "$F" | head -20
    FAILURES=$((FAILURES + 1))
  fi
}

expect_status 0 "$KVARN" --dossier "$D" parametre lire KV NbParts
expect_output "" "absent key prints nothing"

expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV NbParts 100
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire CERFA NomDecl "Léon Durand"
expect_file '[KV]\r\nNbParts=100\r\n\r\n[CERFA]\r\nNomDecl=L\351on Durand\r\n' "CP1252 and CRLF on disk"
expect_status 0 "$KVARN" --dossier "$D" parametre lire cerfa nomdecl
expect_output "Léon Durand" "accented value read back, names without regard to case"

expect_status 0 "$KVARN" --dossier "$D" parametre lister
expect_output $'[KV]\nNbParts=100\n[CERFA]\nNomDecl=Léon Durand' "whole listing"
expect_status 0 "$KVARN" --dossier "$D" parametre lister Cerfa --json
expect_output '{"CERFA":{"NomDecl":"Léon Durand"}}' "one section in JSON"
expect_status 0 "$KVARN" --dossier "$D" parametre lister Absente --json
expect_output '{}' "absent section in JSON"

# An empty value deletes the key, as the module's settings do; so does supprimer.
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV NbParts ""
expect_status 0 "$KVARN" --dossier "$D" parametre supprimer CERFA NOMDECL
expect_file '[KV]\r\n\r\n[CERFA]\r\n' "keys deleted, sections kept"

# What the file cannot hold is refused with its reason and nothing is written.
expect_said 1 "retour à la ligne" "value on two lines" "$KVARN" --dossier "$D" parametre ecrire KV Ligne $'un\ndeux'
expect_file '[KV]\r\n\r\n[CERFA]\r\n' "refused write changes nothing"

# A line without "=" is skipped, as Windows reads the file, and kept when it is written again.
printf '[KV]\r\nA=1\r\nligne sans egal\r\n' > "$F"
expect_status 0 "$KVARN" --dossier "$D" parametre lire KV A
expect_output "1" "read past a line without ="
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV B 2
expect_file '[KV]\r\nA=1\r\nligne sans egal\r\nB=2\r\n' "the line kept in place"

# Two scripts writing at once: every acknowledged write is kept.
for p in 1 2; do
  (for n in $(seq 1 40); do "$KVARN" --dossier "$D" parametre ecrire Boucle "P${p}_$n" 1 || echo "P${p}_$n refused"; done) \
    > "$ROOT/loop$p" 2>&1 &
done
wait
expect_status 0 "$KVARN" --dossier "$D" parametre lister Boucle
check "two loops kept $(printf '%s\n' "$OUT" | grep -c '=1$') of 80 writes: $(cat "$ROOT/loop1" "$ROOT/loop2")" \
  test "$(printf '%s\n' "$OUT" | grep -c '=1$'):$(cat "$ROOT/loop1" "$ROOT/loop2")" = "80:"

# Bad usage and a directory without a dossier.
expect_status 2 "$KVARN" parametre lire KV A
expect_status 2 "$KVARN" --dossier "$D" parametre lire KV
expect_status 1 "$KVARN" --dossier "$ROOT/sans-dossier" parametre lire KV A
finish
