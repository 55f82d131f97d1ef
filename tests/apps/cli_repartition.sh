# kvarn repartition over the hand-made SCI: associates added on the command line, the year's
# movements by the test program built from the shared SCI fixture; amounts from a file and from
# options over it, entered shares through the screens' rules, and every refusal of saisir leaving
# the dossier as it was.
. "$(dirname "$0")/cli_lib.sh"
SCI="$2"
D="$ROOT/dossier"
T=$'\t'

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Exemple" --debut-exercice 01/01/2025 \
  --fin-exercice 31/12/2025
ajouter() { expect_status 0 "$KVARN" --dossier "$D" associe ajouter "$@"; }
ajouter --physique --nom ARNAUD --prenoms Alice --qualite 7 --regime 0 --pp 500
ajouter --physique --nom BERNARD --prenoms Bruno --qualite 7 --regime 3 --pp 200
ajouter --morale --nom "HOLDING H" --qualite 7 --regime 1 --pp 100
ajouter --physique --nom JOURDAN --prenoms Jeanne --qualite 7 --regime 3 --u 200
ajouter --physique --nom PICARD --prenoms Paul --qualite 7 --regime 3 --np 200
ajouter --physique --nom BLANC --prenoms Béatrice --qualite 10
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV NbParts 1000
expect_status 0 "$SCI" "$D" 1 2 3 4 5

M="$ROOT/montants.ini"
printf '[Montants]\nResultat=12346\nPVLT=3003\nBIC=11111\nAbandons=999\n' >"$M"
expect_status 0 "$KVARN" --dossier "$D" repartition saisir 2 --benefice-saisi 2500
expect_status 0 "$KVARN" --dossier "$D" repartition saisir 3 --bic-saisi 2700,9 --montants "$M"

# ID, name, regime, shares held (PP + NP), then Bénéfice, Déficit, PV LT, BIC, BA, Abandons.
expect_status 0 "$KVARN" --dossier "$D" repartition --montants "$M"
expect_contains "${T}350${T}4321${T}0${T}1051${T}3889${T}0${T}350" "A's shares"
expect_contains "${T}200${T}2500${T}0${T}300${T}1111${T}0${T}100" "B's entered profit"
expect_contains "${T}250${T}3087${T}0${T}750${T}2700${T}0${T}250" "H: half rounded up, gain truncated, BIC entered"
expect_contains "Total${T}${T}${T}${T}9908${T}0${T}2101${T}11033${T}0${T}1000" "totals"
expect_contains "Resultat 2438 PVLT 902 BIC 78 BA 0 Abandons -1" "the gaps, waivers over by one euro"

expect_status 0 "$KVARN" --dossier "$D" repartition --montants "$M" --json
expect_contains '{"NbParts":1000,"Associes":[{"Benefice":4321,"Deficit":null,"PVLT":1051,"Denomination":"ARNAUD Alice"' \
  "every field of the view, empty ones null"
expect_contains '"PVLTCalc":751' "H's proportional gain column rounds"
expect_contains '"Parts":null,"AfficheBICBA":false}' "the beneficiary"

# Options over the file: a loss; B's entry cleared, H's entered below its negative total.
expect_status 0 "$KVARN" --dossier "$D" repartition saisir 2 --benefice-saisi ""
expect_status 0 "$KVARN" --dossier "$D" repartition saisir 3 --bic-saisi -1000 --bic -4321
expect_status 0 "$KVARN" --dossier "$D" repartition --montants "$M" --resultat -7778 --bic -4321
expect_contains "${T}200${T}0${T}-778${T}300${T}-864${T}0${T}100" "B: loss to full and bare owners"
expect_contains "${T}250${T}0${T}-1945${T}750${T}-1000${T}0${T}250" "H: half rounded away from zero"

# Refusals: nothing written.
expect_status 0 "$KVARN" --dossier "$D" repartition --json
AVANT="$OUT"
expect_said 1 "n'existe pas" "unknown associate" "$KVARN" --dossier "$D" repartition saisir 99 --benefice-saisi 1
expect_said 1 "écran des résultats BIC/BA" "the beneficiary" "$KVARN" --dossier "$D" repartition saisir 6 --abandons-saisi 5
expect_said 1 "écran des résultats BIC/BA" "an RF associate" "$KVARN" --dossier "$D" repartition saisir 2 --abandons-saisi 5
expect_said 1 "régime BA" "BA entry under BIC" "$KVARN" --dossier "$D" repartition saisir 1 --ba-saisi 5 --ba 100
expect_said 1 "part calculée 2778" "above the total" \
  "$KVARN" --dossier "$D" repartition saisir 3 --bic-saisi 20000 --bic 11111
expect_said 1 "part calculée 3889" "the profit entry of the same call is not written either" \
  "$KVARN" --dossier "$D" repartition saisir 1 --benefice-saisi 7 --bic-saisi 20000 --montants "$M"
expect_status 2 "$KVARN" --dossier "$D" repartition saisir 1 --benefice-saisi douze
expect_status 2 "$KVARN" --dossier "$D" repartition --resultat 12,5
printf '[Montants]\nBIC=onze\n' >"$ROOT/mauvais.ini"
expect_said 2 "BIC attend un montant" "a bad value of the file" "$KVARN" --dossier "$D" repartition --montants "$ROOT/mauvais.ini"
expect_status 0 "$KVARN" --dossier "$D" repartition --json
check "every refusal left the dossier as it was" test "$OUT" = "$AVANT"
finish
