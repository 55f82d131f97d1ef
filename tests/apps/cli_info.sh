# kvarn info and kvarn rof saisir: the standing data through the module, and the ROF request.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Dupont" --siret 73282932000074 \
  --tva-intracom FR44732829320 --forme-juridique 1 --debut-exercice 01/07/2024 --fin-exercice 30/06/2025 \
  --rof-tdfc BIC12 --rof-tdfc-calculee BIC13 --rof-tva 7 --rof-tva-calculee 7 --ville Sète
expect_status 0 "$KVARN" intervenant ajouter --type comptable --nom "Cabinet Émile" --par-defaut
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV NbVirementsCRL 3
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire DEFAULT AdrDeclarDifDest 1

expect_status 0 "$KVARN" --dossier "$D" info --json
expect_contains '"debut":"01/07/2024","fin":"30/06/2025","debut_precedent":"01/07/2023"' "financial years"
expect_contains '"forme_juridique":"1 - ' "legal form code"
expect_contains '"entreprise_individuelle":"oui"' "legal form 1 is a sole proprietorship"
expect_contains '"siren":"732829320","siret":"73282932000074","tva_intracom":"FR44732829320"' "numbers"
expect_contains '"tdfc_saisie":"BIC12","tdfc_calculee":"BIC13","tdfc_retenue":"BIC13"' "retained reference"
expect_contains '"ville":"Sète","pays":"76"' "dossier address"
expect_contains '"differente":"oui"' "declarant flag read from DEFAULT"
expect_contains '"comptable":"Cabinet Émile"' "default accountant"
expect_contains '"nb_virements":"3"' "transfer count"
expect_contains '"alias_dossier":"ZOR_DOSSIER"' "aliases"

expect_said 0 "  SIREN : 732829320" "text output" "$KVARN" --dossier "$D" info
expect_contains "  Mode de chargement : 4" "loading mode"

# Equal references: nothing is asked.
expect_status 0 "$KVARN" --dossier "$D" rof saisir TVA </dev/null
check "equal references asked something: $ERR" test -z "$ERR"
expect_status 0 "$KVARN" --dossier "$D" --non rof saisir tdfc
expect_contains "La ROF (Référence Obligation Fiscale) TDFC saisie est différente de celle affichée dans les comptes rendus ARS." "conflict question"
expect_lacks "dossier modifier" "answering no opened the entry"
expect_status 0 "$KVARN" --dossier "$D" --oui rof saisir 2
expect_contains "Vous n'avez pas renseigné la ROF (Référence Obligation Fiscale) IS." "missing reference question"
expect_contains "dossier modifier --rof-is VALEUR" "yes leads to the entry"
expect_status 0 "$KVARN" --dossier "$D" rof saisir CVAE --obligatoire </dev/null
expect_contains "La ROF (Référence Obligation Fiscale) CVAE du dossier n'est pas renseignée." "mandatory warning"
expect_said 2 "Type de ROF inconnu" "unknown type" "$KVARN" --dossier "$D" rof saisir XYZ
expect_status 2 "$KVARN" rof saisir TVA
expect_status 1 "$KVARN" --dossier "$ROOT/absent" info

# A start-up the module refuses shows its exception box; the command then fails, whatever it printed.
printf '[KV]\r\nMigrations=70916x\r\n' > "$D/KOLMI\$\$G.dat"
expect_status 1 "$KVARN" --dossier "$D" info
expect_contains "Erreur interne" "exception box"
expect_contains "« Migrations » de la section « KV »" "the key named"
finish
