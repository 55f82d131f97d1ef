#!/usr/bin/env bash
# kvarn registre end to end: the holdings table byte for byte as a French spreadsheet reads it,
# the JSON register, the annex refused for a year from 1 July, another year refused, the warning
# on the declared number, and a file that cannot be written leaving the previous one as it was.
source "$(dirname "$0")/cli_lib.sh" "$1"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Les Tilleuls" --siret 55208131766522 \
  --debut-exercice 01/01/2025 --fin-exercice 31/12/2025 --categorie 5
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --physique --nom "ÉMERY" --prenoms Jean --pp 12,5
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --morale --nom 'Les "Pins"; SARL' --np 10
expect_status 0 "$KVARN" --dossier "$D" associe ajouter --morale --nom '=SOMME(A1)' --u 10

header="IDAssocie;DesignationAsso;PersonnePhysique;NbParts;NbPartsU;NbPartsN;NbPartsPPMouv;NbPartsUMouv;NbPartsNPMouv;NbPartsPPFin;NbPartsUFin;NbPartsNPFin"
rows=$(printf '%s\r\n' "$header" "1;M ÉMERY Jean;1;12,5;0;0;0;0;0;12,5;0;0" \
  '2;"Les ""Pins""; SARL";0;0;0;10;0;0;0;0;0;10' "3;'=SOMME(A1);0;0;10;0;0;0;0;0;10;0")
"$KVARN" --dossier "$D" registre --format csv > "$ROOT/detentions.csv"
check "the holdings table differs: $(od -c "$ROOT/detentions.csv" | head -30)" \
  cmp "$ROOT/detentions.csv" <(printf '\xef\xbb\xbf%s\n' "$rows")
"$KVARN" --dossier "$D" registre --format csv --sans-bom > "$ROOT/sans-bom.csv"
check "--sans-bom still writes a byte-order mark" cmp "$ROOT/sans-bom.csv" <(printf '%s\n' "$rows")

expect_status 0 "$KVARN" --dossier "$D" registre --json --exercice 2025
expect_contains '"Exercice":{"Debut":"01/01/2025","Fin":"31/12/2025","DateSituation":"31/12/2025"}' "the year"
expect_contains '"Siren":"552081317"' "the SIREN"
expect_contains '"Annexe2072":[{"IDAssocie":1,"DesignationAsso":"M ÉMERY Jean","PP1erJanvier":12.5' "the annex"
expect_lacks 'diffère' "no declared number, no warning"
expect_said 1 "sauvegarde" "another year comes from the archive taken before closing" \
  "$KVARN" --dossier "$D" registre --json --exercice 2024
expect_status 0 "$KVARN" --dossier "$D" parametre ecrire KV NbParts 30
expect_said 0 "(22,5) diffère du nombre de parts déclaré (30)" "a total other than the declared number is warned" \
  "$KVARN" --dossier "$D" registre --format csv --table liens
check "the links table has its header ($OUT)" test "$OUT" = $'\xef\xbb\xbfMoment;IdMouvement;NuProprietaire;Usufruitier;NbU\r'

expect_status 2 "$KVARN" --dossier "$D" registre --format xml
expect_status 2 "$KVARN" --dossier "$D" registre --json --table detentions
expect_status 2 "$KVARN" --dossier "$D" registre

# --sortie replaces the file; a file whose temporary neighbour cannot be created stays as it was.
echo ancien > "$ROOT/registre.json"
expect_status 0 "$KVARN" --dossier "$D" registre --json --sortie "$ROOT/registre.json"
check "--sortie did not write the register" grep -q '"RaisonSociale":"SCI Les Tilleuls"' "$ROOT/registre.json"
long="$ROOT/$(printf 'r%.0s' $(seq 250))"
echo ancien > "$long"
expect_status 1 "$KVARN" --dossier "$D" registre --format csv --sortie "$long"
check "a failed write changed the previous file" test "$(cat "$long")" = ancien

expect_status 0 "$KVARN" --dossier "$D" dossier modifier --debut-exercice 01/07/2025 --fin-exercice 30/06/2026 \
  --date-situation 30/06/2026
expect_said 1 "1er janvier" "no annex for a year from 1 July" "$KVARN" --dossier "$D" registre --format csv --table 2072
expect_status 0 "$KVARN" --dossier "$D" registre --json
expect_contains '"Annexe2072":null' "the JSON says there is no annex"
finish
