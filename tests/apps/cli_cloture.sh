# kvarn cloturer and kvarn adresse siege|siege-precedent: a closing refused at its question
# changes nothing; one answered yes closes the year, moves the record's year by twelve months and
# carries the previous registered office; the shares at the end open the next year.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Cloture" --debut-exercice 01/01/2025 \
  --fin-exercice 31/12/2025
expect_status 0 K associe ajouter --physique --nom Durand --prenoms Paul --qualite 7 --pp 40
expect_status 0 K divers ajouter --deduction --designation "Amende" --bic 100
expect_status 0 K adresse ecrire siege-precedent --ville Lyon --cp 69001
expect_status 0 K adresse ecrire siege --ville Nantes
expect_said 0 "Lyon" "previous registered office written" K adresse lire siege-precedent --json

before=$(cat "$D/dossier.ini" "$D/KOLMI\$\$G.dat"; K divers lister --json)
expect_said 1 "Clôture abandonnée" "closing refused at its question" K --non cloturer
check "a refused closing writes nothing" test "$before" = "$(cat "$D/dossier.ini" "$D/KOLMI\$\$G.dat"; K divers lister --json)"

expect_said 0 "Exercice du 01/01/2025 au 31/12/2025 clôturé ; nouvel exercice du 01/01/2026 au 31/12/2026" \
  "closing done" K --oui cloturer
expect_status 0 K dossier afficher --json
expect_contains '"debut":"01/01/2026","fin":"31/12/2026","debut_precedent":"01/01/2025","fin_precedent":"31/12/2025","situation":"31/12/2026"' "the record's year moved"
expect_said 0 "Lyon" "previous office becomes the current one" K adresse lire siege --json
expect_status 0 K adresse lire siege-precedent --json
expect_lacks "Lyon" "previous office emptied"
expect_said 0 '"NbParts":40,' "end shares open the next year" K associe lister --json
check "no marker left" test ! -e "$D/kvarn.sqlite-pending"

# A second closing, the next year.
expect_said 0 "nouvel exercice du 01/01/2027 au 31/12/2027" "second closing" K --oui cloturer
finish
