# kvarn importer: files of an older product's records fed to the dossier whole or not at all; a file
# cut inside a record is refused before anything is read into the dossier.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"
K() { "$KVARN" --dossier "$D" "$@"; }

# put FILE OFFSET BYTES: writes the printf-escaped BYTES at OFFSET of FILE.
put() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
# le32 N: N as 4 little-endian bytes, printf-escaped.
le32() { local v=$(($1 & 0xFFFFFFFF)); for s in 0 8 16 24; do printf '\\x%02x' $(((v >> s) & 255)); done; }
# divers FILE FLAG DESIGNATION BIC BA BNC: appends one 46-byte line to FILE.
divers() {
  local r="$ROOT/record"
  head -c 46 /dev/zero > "$r"
  put "$r" 0 "\\x0$2"
  put "$r" 2 "$3"
  put "$r" 34 "$(le32 "$4")"; put "$r" 38 "$(le32 "$5")"; put "$r" 42 "$(le32 "$6")"
  cat "$r" >> "$1"
}
# associe FILE NOM PAYS: appends one 428-byte associate (Mme NOM Anne, associate, living in PAYS).
associe() {
  local r="$ROOT/record"
  head -c 428 /dev/zero > "$r"
  put "$r" 0 '\x01'; put "$r" 2 MME; put "$r" 38 "$2"; put "$r" 70 Anne; put "$r" 276 "$3"; put "$r" 376 '\x07'
  cat "$r" >> "$1"
}
ABSENT=$((0x80000001))

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Durand"

divers "$ROOT/divers" 1 "Loyer ancien" 100 $ABSENT 7
divers "$ROOT/divers" 0 "Amende ancienne" -3 $ABSENT $ABSENT
expect_status 0 K importer divers "$ROOT/divers"
expect_contains "2" "the number of records imported"
expect_status 0 K divers lister --json
LIGNES=$OUT
check "the lines as the records give them" test "$LIGNES" = '[{"IdDiversFisc":1,"IsDeduction":true,"Designation":"Loyer ancien","MontantBIC":100,"MontantBA":null,"MontantBNC":7},{"IdDiversFisc":2,"IsDeduction":false,"Designation":"Amende ancienne","MontantBIC":-3,"MontantBA":null,"MontantBNC":null}]'

# A file cut inside its third record: bad usage, and not even its whole records are written.
cp "$ROOT/divers" "$ROOT/coupe"
head -c 10 /dev/zero >> "$ROOT/coupe"
expect_said 2 "l'enregistrement n° 3 est incomplet" "the partial record named" K importer divers "$ROOT/coupe"
expect_status 0 K divers lister --json
check "a partial file writes nothing" test "$OUT" = "$LIGNES"

associe "$ROOT/associes" DURAND ""
associe "$ROOT/associes" MARTIN es
expect_status 0 K importer associes "$ROOT/associes"
expect_status 0 K associe lister --json
expect_contains '"Nom":"DURAND"' "the first associate"
expect_contains '"Nom":"MARTIN"' "the second associate"

# An unknown country with nobody to pick it: the whole file is refused.
associe "$ROOT/inconnu" LEROY ""
associe "$ROOT/inconnu" PETIT Atlantide
expect_said 1 "Atlantide" "the country not found" K --non importer associes "$ROOT/inconnu"
expect_status 0 K associe lister --json
expect_lacks "LEROY" "a refused file writes none of its records"

expect_status 2 K importer autres "$ROOT/divers"
finish
