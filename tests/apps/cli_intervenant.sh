# The outside-party directory on the command line, and attaching parties to a dossier.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Dupont"
expect_status 0 "$KVARN" intervenant ajouter --type comptable --nom "Cabinet Émile" --cp 34000 --ville Montpellier
expect_contains "1" "first identifier"
expect_status 0 "$KVARN" intervenant ajouter --type SIE --nom "SIE de Sète" --ville Sète
expect_status 2 "$KVARN" intervenant ajouter --type notaire --nom "Maître X"
expect_status 1 "$KVARN" intervenant ajouter --type comptable --nom "   "
expect_said 0 '"nom":"Cabinet Émile"' "listed accountant" "$KVARN" intervenant lister --type comptable --json
expect_lacks "SIE de Sète" "the kind filter let a tax office through"

expect_status 0 "$KVARN" --dossier "$D" intervenant attacher --type comptable --id 1
expect_status 1 "$KVARN" --dossier "$D" intervenant attacher --type comptable --id 2
expect_contains "Aucun intervenant n° 2" "party of another kind"
expect_status 1 "$KVARN" --dossier "$D" intervenant attacher --type SIE </dev/null
expect_contains "Aucun intervenant choisi" "no terminal, no choice"
expect_status 0 "$KVARN" --dossier "$D" dossier afficher --json
expect_contains '"intervenants":{"comptable":"Cabinet Émile"}' "attached accountant shown"
expect_status 0 "$KVARN" --dossier "$D" intervenant detacher --type comptable
expect_status 1 "$KVARN" --dossier "$D" intervenant detacher --type comptable
expect_said 0 '"intervenants":{}' "detached" "$KVARN" --dossier "$D" dossier afficher --json
finish
