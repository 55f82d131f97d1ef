# sauvegarder and restaurer over simulated floppy disks: --taille-volume, --disques, and the disk
# requests answered by --oui and --non.
. "$(dirname "$0")/cli_lib.sh"

SRC="$ROOT/dossier"
mkdir -p "$SRC/Pièces"
head -c 330000 /dev/urandom > "$SRC/Pièces/scan.bin"
yes 'compte 411000;client' | head -5000 > "$SRC/grand livre.txt"
printf 'petit\n' > "$SRC/Pièces/note.txt"
D="$ROOT/disque"
DISQUES=$(printf "$D%s," 1 2 3 4 5 6 7 8 9); DISQUES=${DISQUES%,}

expect_status 0 "$KVARN" sauvegarder --source "$SRC" --sous-repertoires --taille-volume 67072 \
  --disques "$DISQUES"
expect_contains "Résultat de la sauvegarde : Opération réussie avec succès" "end message"
USED=0
for n in 1 2 3 4 5 6 7 8 9; do [ -f "${D}$n/SAUVEGARDE.BR" ] && USED=$n; done
check "expected 5 volumes or more on successive disks, last on disk $USED" \
  test "$USED" -ge 5 -a ! -e "${D}$((USED + 1))"
for n in $(seq 1 "$USED"); do
  check "volume $n holds more than a disk" test "$(stat -c %s "${D}$n/SAUVEGARDE.BR")" -le 67072
done
USED_DISKS=$(seq -f "${D}%g" -s, 1 "$USED")

expect_status 0 "$KVARN" archive verifier --disques "$USED_DISKS"
expect_contains "correspondent au manifeste SHA-256 « ${D}$USED/SAUVEGARDE.SHA256 »" "manifest on the last disk"
expect_said 0 "scan.bin" "listing across disks" "$KVARN" archive lister --disques "$USED_DISKS"
expect_status 0 "$KVARN" restaurer --disques "$USED_DISKS" --vers "$ROOT/cible"
check "restored tree differs" diff -r "$SRC" "$ROOT/cible"

# Every file in the way, replaced: each disk is still asked for once.
expect_status 0 "$KVARN" --oui restaurer --disques "$USED_DISKS" --vers "$ROOT/cible"
expect_status 1 "$KVARN" restaurer --depuis "${D}1" --vers "$ROOT/seul"
expect_contains "le volume 1 se termine avant la fin de l'archive" "volume 1 alone"
expect_contains "se restaure avec --disques" "the way to give every disk"
# Disk 1 given again for volume 2 is refused, and the next disk of the list taken.
expect_status 0 "$KVARN" restaurer --disques "${D}1,$USED_DISKS" --vers "$ROOT/cible2"
expect_contains "ne convient pas comme disquette N° 2" "refused disk said"
# A list that skips a disk runs out.
expect_status 1 "$KVARN" restaurer --disques "${D}1,${D}3" --vers "$ROOT/cible3"
expect_contains "--disques ne donne pas de disquette N° 2" "no disk left"
expect_contains "Processus abandonné" "cancelled restore"

expect_status 1 "$KVARN" sauvegarder --source "$SRC" --vers "$ROOT/v" --taille-volume 67071
expect_contains "Disque plein" "disk smaller than volume 1 needs"
expect_status 2 "$KVARN" restaurer --vers "$ROOT/cible"

# One directory as the drive: the requests are answered on the command line.
mkdir -p "$ROOT/petit"; printf 'x\n' > "$ROOT/petit/a.txt"
expect_status 0 "$KVARN" --oui sauvegarder --source "$ROOT/petit" --vers "$ROOT/v1" --taille-volume 67072
expect_contains "Insertion disquette : Insérer la disquette N° 1" "disk request"
expect_status 1 "$KVARN" --non sauvegarder --source "$ROOT/petit" --vers "$ROOT/v2" --taille-volume 67072
expect_contains "Processus abandonné" "request cancelled by --non"
expect_status 1 "$KVARN" --oui sauvegarder --source "$SRC" --sous-repertoires --vers "$ROOT/v3" \
  --taille-volume 67072
expect_contains "personne ne peut la changer avec --oui" "no endless request"
check "the volume being written stays in $ROOT/v3" test -z "$(ls -A "$ROOT/v3")"
finish
