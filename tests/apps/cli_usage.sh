# Exit statuses of the program: 0 for help and version, 2 for any bad usage.
. "$(dirname "$0")/cli_lib.sh"

expect_said 0 "kvarn 0." "version" "$KVARN" --version
expect_said 0 "--dossier" "help lists the global option" "$KVARN" --help
expect_status 0 "$KVARN"
expect_status 2 "$KVARN" --option-inconnue
expect_status 2 "$KVARN" commande-inconnue
expect_status 2 "$KVARN" --dossier
# Every parser error in French, naming what is wrong.
while IFS='|' read -r expected args; do
  eval "set -- $args"
  expect_said 2 "$expected" "$args" "$KVARN" "$@"
  case "$ERR" in *required*|*expected*|*"not expected"*|*convert*|*excludes*|*Expected*|*missing*|*subcommand*)
    echo "FAIL: English in '$ERR'"; FAILURES=$((FAILURES + 1)) ;; esac
done <<'LINES'
l'argument « valeur » est obligatoire|verifier siren
une sous-commande est attendue|archive
l'option --source est obligatoire|sauvegarder --vers $ROOT/v
l'option --vers et l'option --disques s'excluent|sauvegarder --source $ROOT/s --vers $ROOT/v --disques d
argument(s) inattendu(s) : commande-inconnue|commande-inconnue
l'option --dossier attend une valeur|--dossier
l'option --id n'accepte pas « abc »|intervenant attacher --type CGA --id abc
l'option --oui et l'option --non s'excluent|--oui --non info
l'option --source : ne peut pas être vide|sauvegarder --source '' --vers $ROOT/v
l'option --vers : ne peut pas être vide|restaurer --depuis $ROOT/d --vers ''
l'option --nom : ne peut pas être vide|archive lister --depuis $ROOT/d --nom ''
l'option --taille-volume : attend un nombre|sauvegarder --source $ROOT/s --vers $ROOT/v --taille-volume -1
l'option --taille-volume : attend un nombre|sauvegarder --source $ROOT/s --vers $ROOT/v --taille-volume 4294967296
l'option --description : le texte n'est pas en UTF-8|sauvegarder --source $ROOT/s --vers $ROOT/v --description $'\xe9t\xe9'
l'option --raison-sociale : le texte n'est pas en UTF-8|dossier creer $ROOT/d --raison-sociale $'\xc3('
LINES
finish
