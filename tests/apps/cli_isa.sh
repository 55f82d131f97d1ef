#!/usr/bin/env bash
# kvarn adresse, participation and exporter-isa end to end: a dossier made from the command line
# exported to the exchange file, checked line by line in its own bytes (CP1252, CR LF).
source "$(dirname "$0")/cli_lib.sh" "$1"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --nom "SCI Les Tilleuls" --debut-exercice 01/01/2025 \
  --fin-exercice 31/12/2025 --regime-tva " RS" --date-engagement 02/01/2025 --frp-sie 751 --frp-dossier 123456
expect_status 1 "$KVARN" --dossier "$D" dossier modifier --date-engagement 31/12/1979
expect_contains "1980" "an engagement date before DOS dates is refused"
expect_said 1 "--frp-cle" "a key wider than its field is refused" "$KVARN" --dossier "$D" dossier modifier --frp-cle 123

expect_status 0 "$KVARN" --dossier "$D" adresse ecrire correspondance --numero-voie 3 --voie "place du Marché" \
  --cp 69002 --ville Lyon
expect_status 0 "$KVARN" --dossier "$D" adresse lire correspondance --json
expect_contains '"voie":"place du Marché"' "the correspondence address is kept"
expect_said 2 "correspondance" "an unknown kind names the known ones" "$KVARN" --dossier "$D" adresse lire lune

expect_status 0 "$KVARN" --dossier "$D" participation ajouter --forme-juridique 4 --denomination "Foncière" \
  --siren 542107651 --pourcentage 33.335 --voie "  quai de la Fosse  " --ville Nantes
check "the first holding is not number 1 ($OUT)" test "$OUT" = 1
expect_status 0 "$KVARN" --dossier "$D" participation ajouter --forme-juridique 6 --denomination "Immo" \
  --siren 443061841 --pourcentage 100 --pays 57
expect_status 1 "$KVARN" --dossier "$D" participation ajouter --forme-juridique 4 --denomination X \
  --siren 542107652 --pourcentage 10
expect_contains "SIREN" "a wrong SIREN is refused"
expect_status 1 "$KVARN" --dossier "$D" participation ajouter --forme-juridique 4 --denomination X \
  --siren 542107651 --pourcentage 100.5
expect_status 0 "$KVARN" --dossier "$D" participation supprimer 2
expect_status 1 "$KVARN" --dossier "$D" participation supprimer 2
expect_status 0 "$KVARN" --dossier "$D" participation lister --json
expect_contains '"denomination":"Foncière"' "the holding left is listed"

expect_status 0 "$KVARN" --dossier "$D" exporter-isa "$ROOT/isa.txt" --drapeau
expect_contains "identifiant ISA" "a dossier without ISA identifier is exported with a warning"
expected=$(printf '%s\r\n' "Migration Tavelor vers ISACOMPTA" "@D " "@DAT dd/mm/yyyy" "@P 31/12/2025" \
  "DOISA.FLZORRIMM,1" "ZZISA.NOM,SCI Les Tilleuls" "ZZISA.PAYS,France" "ZZISA.ADR1CORR,3  place du March"$'\xe9' \
  "ZZISA.CPCORR,69002" "ZZISA.VILLECORR,Lyon" "ZZISA.PAYSCORR,France" "ZZISA.PAYSSIEGE,France" \
  "DOISA.ANCENG,02/01/2025" "SOCIE.ENTSIS,faux" "DVISA.NBPARTT,0" "DECLA.TVACDR,751" "DECLA.NODOSS,123456" \
  "SOCIE.TVAREG,RS" "ASSOC(FIL).FORJUR[1],SARL" "ASSOC(FIL).DENOMINA[1],Fonci"$'\xe8'"re" \
  "ASSOC(FIL).NRSIREN[1],542107651" "ASSOC(FIL).POURDET[1],33,34" "ASSOC(FIL).LIBEVOIE[1],quai de la Fosse" \
  "ASSOC(FIL).COMMADRE[1],Nantes" "ASSOC(FIL).PAYSADRESS[1],France" "DFISA.RAPMIGR,<MEMODEB>" \
  "Exercice du 01/01/2025 au 31/12/2025 - Donn"$'\xe9'"es permanentes - Exportation r"$'\xe9'"ussie" "<MEMOFIN>" |
  od -An -tx1)
CHECKS=$((CHECKS + 1))
if [ "$(od -An -tx1 < "$ROOT/isa.txt")" != "$expected" ]; then
  echo "FAIL: the exchange file differs"; od -c "$ROOT/isa.txt" | head -40; FAILURES=$((FAILURES + 1))
fi

# A damaged holdings file: refused, nothing written, the previous file kept.
printf 'abimé' > "$D/kolmicfn.dat"
expect_said 1 "endommagé" "a damaged holdings file is named" "$KVARN" --dossier "$D" exporter-isa "$ROOT/isa2.txt"
check "a file was written from damaged holdings" test ! -e "$ROOT/isa2.txt"
expect_status 2 "$KVARN" --dossier "$D" exporter-isa
finish
