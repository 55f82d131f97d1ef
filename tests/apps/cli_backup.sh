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
check "no SAUVEGARDE.BR" test -f "$ROOT/svg/SAUVEGARDE.BR"

expect_said 0 "Description : Dossier été" "listing shows the description" "$KVARN" archive lister --depuis "$ROOT/svg"
expect_contains "grand livre.txt" "listing shows the files"
expect_contains "méthode 1" "a repetitive file is imploded"
expect_said 0 '"chemin":"Comptes\\"' "json lists the stored path" "$KVARN" archive lister --depuis "$ROOT/svg" --json
expect_contains '"nom":"pièce.bin"' "json lists the files"
expect_status 0 "$KVARN" archive verifier --depuis "$ROOT/svg"
expect_contains "correspondent au manifeste SHA-256" "verified against the manifest"

expect_status 0 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible"
check "restored tree differs" diff -r --exclude=.cache "$SRC" "$ROOT/cible"
check "the cache was restored" test ! -e "$ROOT/cible/.cache"
printf 'modifié' > "$ROOT/cible/BILAN.TXT"
expect_status 1 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible"
expect_contains "existe déjà (et 2 autre(s)) : non remplacés" "no silent overwrite, asked file by file"
check "replaced without asking" test "$(cat "$ROOT/cible/BILAN.TXT")" = modifié
expect_status 0 "$KVARN" --oui restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible"
expect_contains "3 fichiers restaurés" "each replacement accepted"
expect_status 0 "$KVARN" restaurer --depuis "$ROOT/svg" --vers "$ROOT/cible" --ecraser

expect_status 0 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/svg" --nom essai
check "no ESSAI.BR" test -f "$ROOT/svg/ESSAI.BR"

# A cut archive gives back what precedes the cut, and says where it stopped.
head -c 3000 "$ROOT/svg/SAUVEGARDE.BR" > "$ROOT/svg/COUPE.BR"
expect_status 1 "$KVARN" archive verifier --depuis "$ROOT/svg" --nom coupe
expect_contains "Pas de manifeste SHA-256" "without a manifest, the structure only"
expect_status 1 "$KVARN" restaurer --depuis "$ROOT/svg" --nom coupe --vers "$ROOT/autre"
expect_contains "1 fichier restauré" "what precedes the cut"
expect_contains "L'archive est endommagée au fichier « Comptes\pièce.bin » : la suite de l'archive n'a pas été restaurée" "where"
expect_contains "--disques" "a first disk is restored with the others"
check "nothing given back" test -f "$ROOT/autre/Comptes/grand livre.txt"
# One byte changed in a stored file: the manifest names it, and it takes no final name.
cp "$ROOT/svg/SAUVEGARDE.BR" "$ROOT/svg/ALTERE.BR"; cp "$ROOT/svg/SAUVEGARDE.SHA256" "$ROOT/svg/ALTERE.SHA256"
flip_byte "$ROOT/svg/ALTERE.BR" 3000
expect_status 1 "$KVARN" restaurer --depuis "$ROOT/svg" --nom altere --vers "$ROOT/altere"
expect_contains "les données de « Comptes\pièce.bin » diffèrent de leur empreinte SHA-256" "flipped file named"
check "a damaged file restored" test ! -e "$ROOT/altere/Comptes/pièce.bin"
expect_status 1 "$KVARN" archive lister --depuis "$ROOT/svg" --nom absente
expect_contains "« $ROOT/svg/ABSENTE.BR » est introuvable" "missing volume named"
# Volumes inside the source: left out, never "destroyed during the backup".
for run in 1 2; do
  expect_status 0 "$KVARN" sauvegarder --source "$SRC" --vers "$SRC" --sous-repertoires
done
expect_contains "SAUVEGARDE.BR » appartient à cette sauvegarde : non sauvegardé" "own volume left out"

expect_status 1 "$KVARN" sauvegarder --source "$ROOT/nulle-part" --vers "$ROOT/svg"
expect_contains "Répertoire Backup/Restore non trouvé" "missing source"
expect_status 2 "$KVARN" sauvegarder --source "$SRC"
expect_status 2 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/svg" --description "日本"
expect_status 2 "$KVARN" archive
finish
