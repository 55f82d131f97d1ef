# Links between bare owners and usufructuaries set on the command line: a start-of-year link kept
# by a new process, a number set again on its link, and the movements that link nobody refused.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI" --debut-exercice 01/01/2025 --fin-exercice 31/12/2025
expect_status 0 K associe ajouter --physique --nom A --np 10
expect_status 0 K associe ajouter --physique --nom B --u 10
expect_status 0 K lien ajouter --mouvement 0 --np 1 --u 2 --nombre 4
check "the link's key alone" test "$OUT" = "1"
expect_status 0 K lien ajouter --mouvement 0 --np 1 --u 2 --nombre 10
check "the same pair keeps its link" test "$OUT" = "1"
expect_status 0 K usufruitiers 1 --json
check "the start-of-year link in a new process" test "$OUT" = '[{"IdAsso":2,"NbParts":10}]'
expect_status 0 K lien lister --json
check "the stored row" test "$OUT" = '[{"AutoID":1,"IdMouv":0,"IdNP":1,"IdU":2,"NbU":10}]'

expect_status 0 K mouvement ajouter --date 10/02/2025 --type 4 --detail 2:PPAug:3
expect_said 1 "ne lie pas" "a capital increase links nobody" K lien ajouter --mouvement 1 --np 1 --u 2 --nombre 1
expect_said 1 "n'existe pas" "an unknown movement" K lien ajouter --mouvement 9 --np 1 --u 2 --nombre 1
expect_said 1 "L'associé n° 7 n'existe pas" "an unknown associate" K lien ajouter --mouvement 0 --np 1 --u 7 --nombre 1
expect_status 2 K lien ajouter --mouvement 0 --np 1 --u 2 --nombre dix
finish
