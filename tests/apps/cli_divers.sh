# kvarn divers and kvarn etat divers: lines written, changed, listed and deleted, one associate's
# shares entered, and the statement printed to a PDF read back with poppler's tools.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

# expect_match REGEX WHAT: a line of the last output matches the extended REGEX.
expect_match() {
  CHECKS=$((CHECKS + 1))
  echo "$OUT" | grep -Eq -- "$1" || { echo "FAIL: no line matches '$1' ($2)"; echo "$OUT"; FAILURES=$((FAILURES + 1)); }
}

# expect_equal GOT WANT WHAT
expect_equal() {
  CHECKS=$((CHECKS + 1))
  [ "$1" = "$2" ] || { echo "FAIL: $3: got '$1', expected '$2'"; FAILURES=$((FAILURES + 1)); }
}

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Durand"

expect_status 0 K divers ajouter --deduction --designation "Loyer d'été" --bic 12345 --bnc -300
expect_status 0 K divers ajouter --deduction --designation "Amende" --bic 1000 --ba 77
expect_status 0 K divers ajouter --reintegration --designation "Don" --bic 5
expect_status 1 K divers ajouter --reintegration --designation "Amende" --bnc 3
expect_contains "existe déjà" "a designation is the line's identity, whatever its kind"
expect_status 1 K divers ajouter --deduction --designation "Rien"
expect_status 2 K divers ajouter --deduction --designation "Taxe" --bic 12,5
expect_status 2 K divers ajouter --deduction --designation "Une désignation bien trop longue" --bic 1
expect_status 2 K divers ajouter --deduction --reintegration --designation "Taxe" --bic 1
expect_status 2 K divers ajouter --designation "Taxe" --bic 1

expect_status 0 K divers lister --json
expect_equal "$OUT" '[{"IdDiversFisc":1,"IsDeduction":true,"Designation":"Loyer d'"'"'été","MontantBIC":12345,"MontantBA":null,"MontantBNC":-300},{"IdDiversFisc":2,"IsDeduction":true,"Designation":"Amende","MontantBIC":1000,"MontantBA":77,"MontantBNC":null},{"IdDiversFisc":3,"IsDeduction":false,"Designation":"Don","MontantBIC":5,"MontantBA":null,"MontantBNC":null}]' "lines as JSON"
expect_status 0 K divers lister --deductions
expect_match "^Loyer d'été +déduction +12345 +-300$" "a line in text"
expect_match "^Total des déductions +13345 +77 +-300$" "totals of the deductions"
case "$OUT" in *Don*) echo "FAIL: --deductions listed a reintegration"; FAILURES=$((FAILURES + 1)) ;; esac

# An empty amount clears it; all three empty delete the line; the kind may switch.
expect_status 0 K divers modifier --designation "Amende" --ba ""
expect_status 0 K divers modifier --designation "Don" --deduction --bnc 8
expect_status 0 K divers lister --json
expect_contains '"Designation":"Amende","MontantBIC":1000,"MontantBA":null' "BA cleared"
expect_contains '"IsDeduction":true,"Designation":"Don","MontantBIC":5,"MontantBA":null,"MontantBNC":8' "kind switched"
expect_status 0 K divers modifier --designation "Don" --bic "" --bnc ""
expect_status 0 K divers lister --json
case "$OUT" in *Don*) echo "FAIL: a line without amounts stayed"; FAILURES=$((FAILURES + 1)) ;; esac
expect_status 1 K divers modifier --designation "Don" --bic 1

# Deletion asks first.
expect_status 0 K divers ajouter --reintegration --designation "Cadeau" --bnc 40
expect_status 1 K --non divers supprimer --designation "Cadeau"
expect_contains "Suppression abandonnée" "no keeps the line"
expect_status 0 K --oui divers supprimer --designation "Cadeau"
expect_status 0 K divers lister --reintegrations --json
expect_equal "$OUT" "[]" "yes deletes the line"

# One associate's shares of the deductions' BIC amounts, a third of the result.
expect_status 0 sqlite3 "$D/kvarn.sqlite" "INSERT INTO KOLMIKV1 (Nom, Prenoms) VALUES ('Durand', 'Luc'); SELECT max(ShIDAssocie) FROM KOLMIKV1;"
A=$OUT
expect_status 0 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --json
expect_equal "$OUT" '{"Lignes":[{"Designation":"Loyer d'"'"'été","Total":12345,"ValeurCalcule":4115,"ValeurSaisi":null},{"Designation":"Amende","Total":1000,"ValeurCalcule":333,"ValeurSaisi":null}],"PartAssocie":4448}' "computed shares"
expect_status 1 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --saisi "Amende=100" --saisi "Amende=1200"
expect_contains "La part de l'associé ne peut étre supérieure au total" "a share above its total"
expect_status 0 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --json
expect_contains '"ValeurSaisi":null}],"PartAssocie":4448' "nothing kept of the refused run"
expect_status 0 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --saisi "Amende=500" --json
expect_contains '"ValeurCalcule":333,"ValeurSaisi":500}],"PartAssocie":4615' "an entered share"
expect_status 0 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --saisi "Amende=" --json
expect_contains '"PartAssocie":4448' "an entry cleared"
expect_status 0 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --ba --json
expect_equal "$OUT" '{"Lignes":[],"PartAssocie":0}' "no BA amount left"
expect_status 1 K divers associe 999 --deductions --numerateur 1 --denominateur 3
expect_status 2 K divers associe "$A" --deductions --numerateur 1 --denominateur 3 --saisi "Amende=douze"

# The statement.
P="$ROOT/divers.pdf"
expect_status 0 K etat divers --deductions --bic --bnc --copies 2 --document "Divers 2025" --criteres "annee=2025" --pdf "$P"
OUT="$(pdftotext -layout "$P" -)
$(pdfinfo "$P")" ERR=""
expect_match "^Pages: +2$" "two copies of one page"
expect_match "^Title: +Divers 2025$" "document name as the title"
expect_match "^Keywords: +annee=2025$" "criteria as the keywords"
expect_match "Loyer d'été +-300 +12 345" "row as printed, BNC then BIC/IS"
expect_status 2 K etat divers --deductions --pdf "$ROOT/rien.pdf"
expect_status 1 K etat divers --reintegrations --bic --pdf "$ROOT/rien.pdf"
expect_contains "Aucun divers à imprimer." "nothing to print"
CHECKS=$((CHECKS + 1))
[ ! -e "$ROOT/rien.pdf" ] || { echo "FAIL: a file was written with nothing to print"; FAILURES=$((FAILURES + 1)); }
finish
