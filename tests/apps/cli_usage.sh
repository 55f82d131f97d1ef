# Exit statuses of the program: 0 for help and version, 2 for any bad usage.
. "$(dirname "$0")/cli_lib.sh"

expect_status 0 "$KVARN" --version
expect_contains "kvarn 0." "version"
expect_status 0 "$KVARN" --help
expect_contains "--dossier" "help lists the global option"
expect_status 0 "$KVARN"
expect_status 2 "$KVARN" --option-inconnue
expect_status 2 "$KVARN" commande-inconnue
expect_status 2 "$KVARN" --dossier
finish
