# Positions on the command line: the working table's columns under their names, in key order,
# the amount only with a unit value.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI" --debut-exercice 01/01/2025 --fin-exercice 31/12/2025
expect_status 0 K associe ajouter --physique --nom Zola --pp 10
expect_status 0 K associe ajouter --physique --nom Adam --pp 2,5
expect_status 0 K mouvement ajouter --date 10/02/2025 --type 0 --cedant 1 --detail 1:PPDim:4 --detail 2:PPAug:4
expect_status 0 K positions --json
expect_contains '"IDAssocie":1,"Nom":"Zola"' "the first associate by key"
expect_contains '"NbPartsPPMouv":-4,"NbPartsUMouv":0,"NbPartsNPMouv":0,"NbPartsPPFin":6' "the change and the end"
expect_contains '"Montant":null' "no amount without a unit value"
expect_status 0 K positions --valeur-unitaire 1,5
check "key order and the amount" test "$OUT" = "$(printf '1\tM Zola\t6\t0\t0\t9\n2\tM Adam\t6.5\t0\t0\t9.75')"
expect_status 2 K positions --valeur-unitaire x
finish
