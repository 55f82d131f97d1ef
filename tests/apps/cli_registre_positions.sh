# kvarn registre against kvarn positions on the hand-made SCI with a fractional sale on top: the
# register's holdings are the positions' rows figure for figure, the beneficiary in neither.
. "$(dirname "$0")/cli_lib.sh"
SCI="$2"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SCI Exemple" --debut-exercice 01/01/2025 \
  --fin-exercice 31/12/2025
# the fixture's associates, in its order: A, B, H, J, P, the beneficiary
for associe in "--physique --nom ARNAUD --pp 500" "--physique --nom BERNARD --pp 200" \
  "--morale --nom HOLDING --pp 100" "--physique --nom JOURDAN --u 200" "--physique --nom PICARD --np 200" \
  "--physique --nom BLANC --qualite 10"; do
  # shellcheck disable=SC2086 # each entry is a list of options
  expect_status 0 K associe ajouter $associe
done
expect_status 0 "$SCI" "$D" 1 2 3 4 5
expect_status 0 K mouvement ajouter --date 27/11/2025 --type 0 --cedant 1 --detail 1:PPDim:12,375 \
  --detail 3:PPAug:12,375

# One line per associate: the holding's columns as the JSON writes them.
colonnes='IDAssocie|NbParts|NbPartsU|NbPartsN|NbPartsPPMouv|NbPartsUMouv|NbPartsNPMouv|NbPartsPPFin|NbPartsUFin|NbPartsNPFin'
detentions() {
  sed 's/},{/}\n{/g' | while read -r objet; do grep -oE "\"($colonnes)\":[^,}]*" <<<"$objet" | paste -sd' '; done
}
K positions --json | sed 's/^\[//; s/\]$//' | detentions > "$ROOT/positions"
K registre --json | sed 's/.*"Detentions":\[//; s/\],"Mouvements".*//' | detentions > "$ROOT/registre"

check "the register lists five holdings: $(cat "$ROOT/registre")" test "$(wc -l < "$ROOT/registre")" = 5
check "the register's holdings are not the positions' rows: $(diff <(sort "$ROOT/positions") <(sort "$ROOT/registre"))" \
  cmp <(sort "$ROOT/positions") <(sort "$ROOT/registre")
check "A's fractional end" grep -q '"IDAssocie":1 .*"NbPartsPPMouv":-162.375 .*"NbPartsPPFin":337.625 ' "$ROOT/registre"
check "H's fractional end" grep -q '"IDAssocie":3 .*"NbPartsPPFin":262.375 ' "$ROOT/registre"
finish
