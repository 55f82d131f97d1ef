# Runs the C program over a dossier whose associates the command-line program adds.
set -eu
kvarn="$1"
program="$2"
root=$(mktemp -d "${TMPDIR:-/tmp}/kvarn-c-XXXXXX")
trap 'rm -rf "$root"' EXIT
export HOME="$root" XDG_DATA_HOME="$root/share" TMPDIR="$root"
"$kvarn" dossier creer "$root/dossier" --raison-sociale "SARL Dupont"
"$kvarn" --dossier "$root/dossier" associe ajouter --morale --nom "SCI DU PORT" >/dev/null
"$kvarn" --dossier "$root/dossier" associe ajouter --physique --nom DURAND --prenoms Jean --pp 10 >/dev/null
"$kvarn" --dossier "$root/dossier" associe ajouter --physique --nom MARTIN --prenoms Anne --pp 5 >/dev/null
"$program" "$root/dossier"
