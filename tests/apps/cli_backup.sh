# sauvegarder, restaurer, archive lister and archive verifier driven as a practice's script would.
. "$(dirname "$0")/cli_lib.sh"

SRC="$ROOT/dossier"
mkdir -p "$SRC/Comptes" "$SRC/.cache"
printf 'Bilan 2024\r\n' > "$SRC/BILAN.TXT"
yes 'compte 411000' | head -3000 > "$SRC/Comptes/grand livre.txt"
head -c 4000 /dev/urandom > "$SRC/Comptes/pièce.bin"
echo cache > "$SRC/.cache/x"

expect_status 0 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/svg" --sous-repertoires \
  --description "Dossier été"
expect_contains "Résultat de la sauvegarde : Opération réussie avec succès" "end message"
[ -f "$ROOT/svg/SAUVEGARDE.BR" ] || { echo "FAIL: no SAUVEGARDE.BR"; FAILURES=$((FAILURES + 1)); }

expect_status 0 "$KVARN" archive lister --depuis "$ROOT/svg"
expect_contains "Description : Dossier été" "listing shows the description"
expect_contains "grand livre.txt" "listing shows the files"
expect_contains "méthode 1" "a repetitive file is imploded"
expect_status 0 "$KVARN" archive lister --depuis "$ROOT/svg" --json
expect_contains '"chemin": "Comptes\\"' "json lists the stored path"
expect_contains '"nom": "pièce.bin"' "json lists the files"
expect_status 0 "$KVARN" archive verifier --depuis "$ROOT/svg"

expect_status 0 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible"
CHECKS=$((CHECKS + 1))
if ! diff -r --exclude=.cache "$SRC" "$ROOT/cible" >/dev/null || [ -e "$ROOT/cible/.cache" ]; then
  echo "FAIL: restored tree differs"; FAILURES=$((FAILURES + 1))
fi
expect_status 1 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible"
expect_contains "existe déjà" "no silent overwrite"
expect_status 0 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible" --ecraser

expect_status 0 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/svg" --nom essai
[ -f "$ROOT/svg/ESSAI.BR" ] || { echo "FAIL: no ESSAI.BR"; FAILURES=$((FAILURES + 1)); }

head -c 100 "$ROOT/svg/SAUVEGARDE.BR" > "$ROOT/svg/COUPE.BR"
expect_status 1 "$KVARN" archive verifier --depuis "$ROOT/svg" --nom coupe
expect_contains "Fichier de sauvegarde corrompu" "a cut archive is reported"
expect_status 1 "$KVARN" restaurer --depuis "$ROOT/svg" --nom coupe --vers "$ROOT/autre"
expect_status 1 "$KVARN" archive lister --depuis "$ROOT/svg" --nom absente
expect_contains "Erreur de lecture du fichier source" "missing archive"

expect_status 1 "$KVARN" sauvegarder --source "$ROOT/nulle-part" --vers "$ROOT/svg"
expect_contains "Répertoire Backup/Restore non trouvé" "missing source"
expect_status 2 "$KVARN" sauvegarder --source "$SRC"
expect_status 2 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/svg" --description "日本"
expect_status 2 "$KVARN" archive
finish
