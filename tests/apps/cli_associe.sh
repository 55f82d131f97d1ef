# Associates added and listed on the command line: the key alone on stdout, a name already in the
# table refused whoever holds it, beneficiaries listed only in loading mode 5, sentinels as null.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI du Port"
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --physique --nom Durand --prenoms Émile --titre 0 \
  --qualite 8 --regime 3 --pp 10,5 --u 2 --ville "sète" --date-naissance 02/03/1960
check "the key alone on its line" test "$OUT" = "1"
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --physique --nom Martin --qualite 10
check "a beneficiary gets its key though the list does not show it" test "$OUT" = "2"
expect_said 1 "n° 2" "a beneficiary's name is taken too" \
  "$KVARN" --dossier "$D" associe ajouter --physique --nom Martin
expect_said 1 "ne détient pas de parts" "no shares for a beneficiary" \
  "$KVARN" --dossier "$D" associe ajouter --physique --nom Petit --qualite 10 --pp 1
expect_said 1 "Code de qualité inconnu : 13" "quality outside its table" \
  "$KVARN" --dossier "$D" associe ajouter --morale --nom "SARL X" --qualite 13
expect_status 2 "$KVARN" --dossier "$D" associe ajouter --physique --nom Petit --pp "dix"
expect_status 2 "$KVARN" --dossier "$D" associe ajouter --nom Petit
expect_status 2 "$KVARN" --dossier "$D" associe ajouter --physique --morale --nom Petit

expect_status 0 "$KVARN" --dossier "$D" associe lister
expect_contains "Durand" "the associate listed"
expect_lacks "Martin" "a beneficiary listed outside loading mode 5"
expect_status 0 "$KVARN" --dossier "$D" --mode-chargement 5 associe lister --json
expect_contains '"Nom":"Martin"' "the beneficiary listed in loading mode 5"
expect_contains '"AdrVille":"SÈTE"' "the town upper-cased"
expect_contains '"NbParts":10.5' "start-of-year shares with a decimal comma"
expect_contains '"NbPartsPPFinExo":10.5' "end-of-year shares"
expect_contains '"DateNaissance":"02/03/1960"' "a date as dd/mm/yyyy"
expect_contains '"DateSortieSCI":null' "an empty date as null"
expect_contains '"TraitementsAnnee1":null' "a null real as null"
expect_contains '"PartResultatNumerateur":null' "a null integer as null"
expect_status 0 "$KVARN" --dossier "$D" associe lister --json
expect_lacks "Martin" "the loading mode outlived its command"

# Only the columns of the options given change, with the creation's rules.
expect_status 0 "$KVARN" --dossier "$D" associe modifier 1 --ville "agde" --pp 12 --profession ""
expect_status 0 "$KVARN" --dossier "$D" associe lister --json
expect_contains '"Nom":"Durand","Prenoms":"Émile"' "the name left as it was"
expect_contains '"AdrVille":"AGDE"' "the town upper-cased"
expect_contains '"NbParts":12,' "the start-of-year shares"
expect_contains '"DateNaissance":"02/03/1960"' "a column not given left as it was"
expect_said 1 "porte déjà ce nom" "a name another associate has" \
  "$KVARN" --dossier "$D" associe modifier 1 --nom Martin --prenoms ""
expect_said 1 "n'existe pas" "an unknown associate" "$KVARN" --dossier "$D" associe modifier 9 --nom X
expect_status 2 "$KVARN" --dossier "$D" associe modifier 1 --email "a@b.fr"

# The manager and co-managers; deletion refused while shares are held, else after the question.
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --physique --nom Roux --qualite 12
expect_status 0 "$KVARN" --dossier "$D" associe gerant --json
expect_contains '{"Role":"gerant","Id":1,"Nom":"Durand Émile"' "the manager's record, name and first names"
expect_contains '{"Role":"cogerant","Id":3,"Nom":"Roux"' "a co-manager after it"
expect_said 1 "Impossible de supprimer un associé détenant des parts." "start-of-year shares" \
  "$KVARN" --dossier "$D" --oui associe supprimer 1
expect_said 1 "Suppression abandonnée" "answered no" "$KVARN" --dossier "$D" --non associe supprimer 3
expect_status 0 "$KVARN" --dossier "$D" --oui associe supprimer 3
expect_status 0 "$KVARN" --dossier "$D" associe gerant
expect_lacks "Roux" "the deleted co-manager"
expect_said 1 "L'associé n° 3 n'existe pas" "deleted twice" "$KVARN" --dossier "$D" --oui associe supprimer 3
finish
