# kvarn dossier migrer: an older dossier brought to the current layout, simulated first on a copy
# (the dossier's files untouched, the same report), then run; a step that fails refuses every
# command that opens the module, not the others.
. "$(dirname "$0")/cli_lib.sh"

# A dossier of release 2.2 (structure 0x11503): the current layout less the last step's fields.
ancien() {
  local d=$1 version=$2
  expect_status 0 "$KVARN" dossier creer "$d" --raison-sociale "SCI Les Tilleuls"
  expect_status 0 "$KVARN" --dossier "$d" associe ajouter --physique --nom Martin --prenoms Jeanne
  expect_status 0 "$KVARN" --dossier "$d" parametre ecrire KV Migrations "$version"
}

empreinte() { (cd "$1" && find . -type f ! -name 'kvarn.sqlite-journal' -exec sha256sum {} + | sort); }

D="$ROOT/ancien"
ancien "$D" 70915
sqlite3 "$D/kvarn.sqlite" 'ALTER TABLE KOLMIKV1 DROP COLUMN IDSP; ALTER TABLE KOLMIKV1 DROP COLUMN PseudoSiret'
AVANT=$(empreinte "$D")
expect_status 0 "$KVARN" --dossier "$D" dossier migrer --simuler --json
SIMULE=$OUT
expect_contains '"avant":{"KV":70915,"KVDonnees":135168}' "versions before"
expect_contains '{"service":"KV","numero":70916,"libelle":"Migration en 2.2.11.0","changements":["KOLMIKV1 : champ « PseudoSiret » ajouté (alphanumérique 14)","KOLMIKV1 : champ « IDSP » ajouté (alphanumérique 14)"]}' "step reported"
expect_contains '"echec":null' "no failure"
expect_contains "Simulation : le dossier n'a pas été modifié." "simulation said"
check "the simulation changed the dossier's files" test "$AVANT" = "$(empreinte "$D")"
expect_status 0 "$KVARN" --dossier "$D" dossier migrer --json
check "the run's report differs from the simulation's: $OUT / $SIMULE" test "$OUT" = "$SIMULE"
expect_said 0 "le dossier est à jour" "second run" "$KVARN" --dossier "$D" dossier migrer
expect_contains "Versions après : KV 0x11504, KVDonnees 0x21000" "versions after"

# Any command opening the module migrates an older dossier and says so.
D2="$ROOT/ouvert"
ancien "$D2" 70915
sqlite3 "$D2/kvarn.sqlite" 'ALTER TABLE KOLMIKV1 DROP COLUMN IDSP; ALTER TABLE KOLMIKV1 DROP COLUMN PseudoSiret'
expect_said 0 "Dossier mis à jour : structure 0x11503 → 0x11504, données 0x21000 → 0x21000 (1 étape)" \
  "migrated on opening" "$KVARN" --dossier "$D2" associe lister
expect_contains "Martin" "the command went on"

# Release 1.01 with a country the list does not know: without an answer the step fails.
D3="$ROOT/echec"
ancien "$D3" 65792
sqlite3 "$D3/kvarn.sqlite" "ALTER TABLE KOLMIKV1 ADD COLUMN AdrPays VARCHAR(31); UPDATE KOLMIKV1 SET AdrPays = 'Atlantide'"
AVANT=$(empreinte "$D3")
MESSAGE="La mise à jour du dossier a échoué à l'étape « Migration en 1.04 » : le pays « Atlantide » de l'associé"
expect_said 1 "kvarn : $MESSAGE" "refused command" "$KVARN" --non --dossier "$D3" associe lister </dev/null
check "the command ran on a half-migrated dossier: $OUT" test -z "$OUT"
expect_contains "Pays invalide : Atlantide" "the country asked about"
check "a failed step changed the dossier's files" test "$AVANT" = "$(empreinte "$D3")"
expect_status 0 "$KVARN" --dossier "$D3" dossier afficher
expect_status 1 "$KVARN" --dossier "$D3" dossier migrer --json </dev/null
expect_contains '"etapes":[],"echec":{"service":"KV","numero":66564,"libelle":"Migration en 1.04"' "failure reported"
expect_status 2 "$KVARN" --dossier "$D3" dossier migrer --inconnue
finish
