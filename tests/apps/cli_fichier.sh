# The dossier's database file: a dossier held by another process is refused with the engine's
# message, and the file stays a plain SQLite database that the stock shell checks and writes.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Durand"
expect_status 0 "$KVARN" --dossier "$D" info

# Another process holds the dossier (the lock the program itself takes) for longer than the wait.
flock --no-fork "$D/kvarn.sqlite" sleep 30 &
HOLDER=$!
while flock --nonblock "$D/kvarn.sqlite" true; do sleep 0.05; done
expect_status 1 "$KVARN" --dossier "$D" info
check "busy dossier reported as: $ERR" test "$ERR" = "kvarn : Le dossier est en cours d'utilisation"
kill "$HOLDER"; wait "$HOLDER" 2>/dev/null

check "the stock shell does not check the file" test "$(sqlite3 "$D/kvarn.sqlite" "PRAGMA integrity_check")" = ok
expect_status 0 sqlite3 "$D/kvarn.sqlite" "INSERT INTO KOLMIKV1 (Nom, Prenoms) VALUES ('Émile', 'Zoé'), ('durand', 'Luc');
  UPDATE KOLMIKV1 SET Nom = 'Dupont' WHERE Prenoms = 'Zoé'; SELECT group_concat(Nom) FROM KOLMIKV1;"
expect_contains "Dupont,durand" "rows written by the stock shell"
expect_status 0 "$KVARN" --dossier "$D" info
finish
