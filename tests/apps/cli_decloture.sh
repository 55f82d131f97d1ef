# kvarn decloturer after kvarn cloturer: nothing to undo, an undo refused at its question, one
# refused because the dossier changed since, then forced; the dossier, its settings and its
# financial year back as they were before the closing. Then "associe modifier --champ" on the
# associate the undo brought back: columns by name, read by their types, all or nothing.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }
etat() { cat "$D/dossier.ini" "$D/KOLMI\$\$G.dat"; K divers lister --json; K associe lister --json; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Annulation" --debut-exercice 01/01/2025 \
  --fin-exercice 31/12/2025
expect_status 0 K associe ajouter --physique --nom Durand --prenoms Paul --qualite 7 --pp 40
expect_status 0 K divers ajouter --deduction --designation "Amende" --bic 100
expect_said 1 "Aucune clôture à annuler" "nothing to undo" K --oui decloturer

avant=$(etat)
expect_status 0 K --oui cloturer
close=$(etat)
expect_said 1 "Annulation de la clôture abandonnée" "undo refused at its question" K --non decloturer
expect_contains "Annuler la clôture de l'exercice du 01/01/2025 au 31/12/2025 ?" "the question names the year"
check "a refused undo writes nothing" test "$close" = "$(etat)"

expect_status 0 K divers ajouter --deduction --designation "Nouvelle" --bic 5
expect_said 1 "Le dossier a été modifié depuis la clôture : l'annuler perdrait ces modifications (--forcer pour l'annuler quand même)" \
  "a dossier changed since the closing" K --oui decloturer
expect_said 0 "Clôture de l'exercice du 01/01/2025 au 31/12/2025 annulée" "forced undo" K --oui decloturer --forcer
check "the dossier as before the closing" test "$avant" = "$(etat)"
expect_said 0 '"debut":"01/01/2025","fin":"31/12/2025"' "the record's year back" K dossier afficher --json
expect_said 1 "Aucune clôture à annuler" "only the last closing is undone" K --oui decloturer

expect_status 0 K associe modifier 1 --champ "nbparts=12,5" --champ TraitementsAnnee1=1000 --champ PVDifferee=1 \
  --champ DateNaissance=03/04/1960 --champ AdrCP=123456789012345678901 --champ Profession=Notaire
expect_said 0 '"NbParts":12.5' "a real with a comma, a column named without regard to case" K associe lister --json
for valeur in '"TraitementsAnnee1":1000' '"PVDifferee":true' '"DateNaissance":"03/04/1960"' \
  '"AdrCP":"12345678901234567"' '"Profession":"Notaire"'; do
  expect_contains "$valeur" "written by its type, texts cut at their width"
done
expect_status 0 K associe modifier 1 --champ Profession=
expect_said 0 '"Profession":""' "an empty value clears" K associe lister --json
avant=$(K associe lister --json)
for champ in Inconnue=1 NbPartsPPFinExo=3 ShIDAssocie=2 NbParts=abc DateNaissance=31/02/1960 PVDifferee=2 NbParts; do
  expect_status 2 K associe modifier 1 --nom Martin --champ "$champ"
done
check "a refused --champ writes nothing, the other options included" test "$avant" = "$(K associe lister --json)"
expect_said 1 "n'existe pas" "an unknown associate" K associe modifier 9 --champ NbParts=1
finish
