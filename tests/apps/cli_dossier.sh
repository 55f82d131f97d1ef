# The dossier on the command line: create, show as JSON, modify, refuse what must be refused.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/sci"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Les Tilleuls" --forme-juridique 11 \
  --categorie 5 --regime-imposition 1 --debut-exercice 01/01/2025 --fin-exercice 31/12/2025 \
  --siret 55208131766522 --tva-intracom FR03552081317 --voie "rue de l'Église" --cp 34200 --ville Sète
expect_said 0 '"raison_sociale":"SCI Les Tilleuls"' "company name" "$KVARN" --dossier "$D" dossier afficher --json
expect_contains '"forme_juridique":"11 - Société civile immobilière"' "legal form with its label"
expect_contains '"fin":"31/12/2025"' "end of the financial year"
expect_contains '"situation":"31/12/2025"' "situation date defaults to the end of the year"
expect_contains '"debut_precedent":"01/01/2024","fin_precedent":"31/12/2024"' "previous year: the twelve months before"
expect_contains '"siret":"55208131766522"' "SIRET"
expect_contains '"tva_intracom":"FR03552081317"' "VAT number"
expect_contains '"ville":"Sète"' "town"

expect_status 0 "$KVARN" --dossier "$D" dossier modifier --code-ape 6820B --ville Montpellier
expect_said 0 "Code APE : 6820B" "modified APE code" "$KVARN" --dossier "$D" dossier afficher
expect_contains "Ville : Montpellier" "modified town"
expect_contains "Raison sociale : SCI Les Tilleuls" "untouched company name"

before=$(cat "$D/dossier.ini")
expect_said 1 "contient déjà un dossier" "refuses to overwrite" "$KVARN" dossier creer "$D" --raison-sociale "Autre"
expect_said 1 "Date invalide" "impossible date" "$KVARN" --dossier "$D" dossier modifier --fin-exercice 31/02/2026
expect_status 1 "$KVARN" --dossier "$D" dossier modifier --fin-exercice 31/12/2024
expect_contains "précède son début" "year ending before it starts"
expect_said 1 "clé du SIRET" "wrong SIRET key" "$KVARN" --dossier "$D" dossier modifier --siret 55208131766523
expect_status 1 "$KVARN" --dossier "$D" dossier modifier --forme-juridique 101
expect_status 1 "$KVARN" --dossier "$D" dossier modifier --tva-intracom FR59542051180
expect_contains "ne convient pas au SIREN" "VAT number of another company"
check "a refused change altered the record" test "$before" = "$(cat "$D/dossier.ini")"

# A year starting in July, given by its start only.
expect_status 0 "$KVARN" dossier creer "$ROOT/juillet" --debut-exercice 01/07/2024
expect_status 0 "$KVARN" --dossier "$ROOT/juillet" dossier afficher --json
expect_contains '"debut":"01/07/2024","fin":"30/06/2025","debut_precedent":"01/07/2023","fin_precedent":"30/06/2024","situation":"30/06/2025"' "twelve-month year"

expect_status 1 "$KVARN" --dossier "$ROOT/nulle-part" dossier afficher
expect_status 2 "$KVARN" dossier afficher
expect_status 2 "$KVARN" dossier creer
expect_status 1 "$KVARN" dossier creer "$ROOT/cp" --cp 7500
expect_contains "Le code postal doit comporter 5 chiffres" "postal code checked as verifier cp checks it"
check "a refused dossier was created" test ! -e "$ROOT/cp"

expect_status 0 "$KVARN" verifier siret ""
expect_status 0 "$KVARN" verifier siren 552081317
expect_status 1 "$KVARN" verifier siren "552 081 317"
expect_said 1 "ne correspond pas" "reason of a refused VAT number" "$KVARN" verifier tva FR04552081317
expect_status 0 "$KVARN" verifier nif 1234567890066
expect_status 1 "$KVARN" verifier cp 3420
expect_status 2 "$KVARN" verifier iban FR76
expect_said 0 '{"code":76,"iso":"FR","libelle":"France"}' "France is 76" "$KVARN" pays --json
expect_said 0 "Société civile immobilière" "legal forms" "$KVARN" formes-juridiques
finish
