# Movements entered, listed and deleted on the command line: bad usage before anything is read, a
# refused movement writing nothing, the links a sale of bare ownership must name in loading mode
# 0, and a deletion that leaves a later position negative warned about.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI" --debut-exercice 01/01/2025 --fin-exercice 31/12/2025
for nom in A B C; do expect_status 0 K associe ajouter --physique --nom $nom --pp 10; done
expect_status 0 K associe ajouter --physique --nom D --np 10

for detail in 1:PPSortie:4 1:PPAug:x 1:4 "1:PPDim:4 --detail 1:NbPartsPPDim:4"; do
  expect_status 2 K mouvement ajouter --date 10/02/2025 --type 0 --cedant 1 --detail $detail
done
expect_status 2 K mouvement ajouter --date 31/02/2025 --type 0 --cedant 1 --detail 1:PPDim:4
expect_said 1 "inférieur ou égal au nombre de parts détenues" "a sale above the holding" \
  K mouvement ajouter --date 10/02/2025 --type 0 --cedant 1 --detail 1:PPDim:11 --detail 2:PPAug:11
expect_said 1 "(01/01/2025 - 31/12/2025)" "a date out of the year" \
  K mouvement ajouter --date 01/01/2026 --type 4 --detail 1:PPAug:1
expect_status 0 K mouvement lister --json
check "a refused movement writes nothing" test "$OUT" = "[]"

expect_status 0 K mouvement ajouter --date 10/02/2025 --type 0 --cedant 1 --detail 1:PPDim:4 --detail 2:PPAug:4
check "the new key alone" test "$OUT" = "1"
expect_status 0 K mouvement ajouter --date 20/02/2025 --type 0 --cedant 2 --detail 2:PPDim:12 --detail 3:PPAug:12
expect_said 1 "--lien" "a sale of bare ownership without its usufructuary in loading mode 0" \
  K --mode-chargement 0 mouvement ajouter --date 01/03/2025 --type 1 --cedant 4 --detail 4:NPDim:10 --detail 1:NPAug:10
expect_status 0 K --mode-chargement 0 mouvement ajouter --date 01/03/2025 --type 1 --cedant 4 \
  --detail 4:NPDim:10 --detail 1:NPAug:10 --lien 1:2:10
expect_status 0 K mouvement verifier-liens
expect_status 0 K mouvement lister
expect_contains "$(printf '1\t10/02/2025\t1\t-4\t\t\tCession de parts PP')" "a synthesis row and its label"
expect_status 0 K mouvement lister --json
expect_contains '"PartsNP":10,"Libelle":"Acquisition de parts NP"' "the synthesis row's columns and label"

expect_said 1 "Suppression abandonnée" "answered no" K --non mouvement supprimer 1
expect_said 0 "doit être supérieur ou égal à zéro" "B sold 12 of the 14 the first sale gave" \
  K --oui mouvement supprimer 1
expect_status 0 K mouvement lister --json
expect_lacks '"IdMouvement":1,' "the movement gone with its synthesis"
expect_said 1 "n'existe pas" "a movement deleted twice" K --oui mouvement supprimer 1
finish
