# Runs the C program against a dossier the command-line program creates.
set -eu
kvarn="$1"
program="$2"
root=$(mktemp -d "${TMPDIR:-/tmp}/kvarn-c-XXXXXX")
trap 'rm -rf "$root"' EXIT
export HOME="$root" XDG_DATA_HOME="$root/share" TMPDIR="$root"
"$kvarn" dossier creer "$root/dossier" --raison-sociale "SARL Dupont"
mkdir "$root/vide"
"$program" "$root/dossier" "$root/vide"
