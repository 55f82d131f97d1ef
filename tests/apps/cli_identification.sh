# SIRET history, legal category and the nomenclature on the command line.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI du Moulin"
expect_status 0 "$KVARN" --dossier "$D" siret ecrire --date 31/12/2024 --siret 55208131766522 --idsp A1234567890123
expect_status 0 "$KVARN" --dossier "$D" siret lire --date 31/12/2024 --json
expect_contains '{"date":"31/12/2024","siret":"55208131766522","pseudo_siret":"","idsp":"A1234567890123"}' "numbers at that date"
expect_said 0 "55208131766522" "kept under the per-date key" "$KVARN" --dossier "$D" parametre lire KV SIRET_31/12/2024

before=$(cat "$D/KOLMI\$\$G.dat")
expect_status 1 "$KVARN" --dossier "$D" siret ecrire --date 31/12/2025 --siret 55208131766522 --pseudo-siret P1234567800002
expect_contains 'Le format d'"'"'un Pseudo-SIRET est "PXXXXXXXX00001"' "pseudo-SIRET message"
expect_status 1 "$KVARN" --dossier "$D" siret ecrire --date 31/12/2025 --idsp P1234567890123
expect_contains "lettre autre que P" "IDSP message"
expect_status 1 "$KVARN" --dossier "$D" siret ecrire --date 31/12/2025 --siret 55208131766523
expect_status 2 "$KVARN" --dossier "$D" siret lire --date 2025-12-31
check "a refused write changed the settings" test "$before" = "$(cat "$D/KOLMI\$\$G.dat")"

expect_status 0 "$KVARN" --dossier "$D" categorie-juridique ecrire 6540
expect_said 0 "6540" "stored category" "$KVARN" --dossier "$D" categorie-juridique lire
expect_status 1 "$KVARN" --dossier "$D" categorie-juridique ecrire 9999
for withdrawn in "5498:utiliser 5499" "1100:utiliser 1000 (Entrepreneur individuel)"; do
  expect_status 1 "$KVARN" --dossier "$D" categorie-juridique ecrire "${withdrawn%%:*}"
  expect_contains "${withdrawn#*:}" "withdrawn code refused with its replacement"
done
expect_said 0 "6540" "unknown code refused, old one kept" "$KVARN" --dossier "$D" categorie-juridique lire

expect_said 0 "SAS, société par actions simplifiée" "label of a code" "$KVARN" categories-juridiques --code 5710
expect_status 1 "$KVARN" categories-juridiques --code "5710 "
expect_status 0 "$KVARN" categories-juridiques --libelle "métropole" --json
expect_contains '{"position":198,"valeur":265,"code":"7344","libelle":"Métropole"}' "position and value differ"
expect_status 0 "$KVARN" categories-juridiques --arbre --json
expect_contains '{"code":"53","libelle":"Société en commandite","enfants":[{"code":"5306"' "children of 53 first"
expect_lacks '"5498"' "a withdrawn code in the tree"
expect_status 2 "$KVARN" categories-juridiques --arbre
expect_status 0 "$KVARN" verifier pseudo-siret p1234567800001
expect_status 1 "$KVARN" verifier idsp 11234567890123
finish
