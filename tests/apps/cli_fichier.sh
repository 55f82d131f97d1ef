# The dossier's database file: a dossier held by another process is refused with the engine's
# message, and the file stays a plain SQLite database that the stock shell checks and writes.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Durand"
expect_status 0 "$KVARN" intervenant ajouter --type comptable --nom "Cabinet Émile"
expect_status 0 "$KVARN" --dossier "$D" info

# Another process holds the dossier (the lock the program itself takes) for longer than the wait.
flock --no-fork "$D/kvarn.sqlite" sleep 30 &
HOLDER=$!
while flock --nonblock "$D/kvarn.sqlite" true; do sleep 0.05; done
# Every command that writes the dossier waits for it the same way (all at once: each waits).
COMMANDES=("info" "parametre ecrire KV A 1" "parametre supprimer KV A" "dossier modifier --nom X"
  "intervenant attacher --type comptable --id 1" "intervenant detacher --type comptable"
  "siret ecrire --date 31/12/2025 --siret 73282932000074" "categorie-juridique ecrire 5499" "rof saisir TVA")
WAITING=()
for n in "${!COMMANDES[@]}"; do
  # shellcheck disable=SC2086
  ("$KVARN" --dossier "$D" ${COMMANDES[$n]} </dev/null >/dev/null 2>"$ROOT/busy$n"; echo $? >"$ROOT/status$n") &
  WAITING+=($!)
done
wait "${WAITING[@]}"
for n in "${!COMMANDES[@]}"; do
  check "'${COMMANDES[$n]}' on a held dossier: status $(cat "$ROOT/status$n"), $(cat "$ROOT/busy$n")" \
    test "$(cat "$ROOT/status$n"):$(cat "$ROOT/busy$n")" = "1:kvarn : Le dossier est en cours d'utilisation"
done
kill "$HOLDER"; wait "$HOLDER" 2>/dev/null

check "the stock shell does not check the file" test "$(sqlite3 "$D/kvarn.sqlite" "PRAGMA integrity_check")" = ok
expect_status 0 sqlite3 "$D/kvarn.sqlite" "INSERT INTO KOLMIKV1 (Nom, Prenoms) VALUES ('Émile', 'Zoé'), ('durand', 'Luc');
  UPDATE KOLMIKV1 SET Nom = 'Dupont' WHERE Prenoms = 'Zoé'; SELECT group_concat(Nom) FROM KOLMIKV1;"
expect_contains "Dupont,durand" "rows written by the stock shell"
expect_status 0 "$KVARN" --dossier "$D" info
finish
