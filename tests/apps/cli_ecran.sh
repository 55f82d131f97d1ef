# kvarn ecran: the identification screens run from the command line as their views run them —
# entries and buttons in order, the checks on closing with their boxes, the JSON of the fields.
. "$(dirname "$0")/cli_lib.sh"
D="$ROOT/dossier"

expect_status 0 "$KVARN" dossier creer "$D" --raison-sociale "SARL Dupont" --categorie 1 --regime-imposition 1 \
  --debut-exercice 01/01/2025 --fin-exercice 31/12/2025 --rof-tdfc-calculee BIC13

# General numbers: the required rows, then a differing reference kept on "non".
expect_status 1 "$KVARN" --dossier "$D" ecran num-generaux --requis TVA,IS --fermer --json
expect_contains '"ferme":false,"focus":"rof-tva"}' "refused close names its field"
expect_status 0 "$KVARN" --dossier "$D" --non ecran num-generaux --saisir rof-tdfc=12 --fermer --json
expect_contains '"ferme":true,"focus":null}' "saved"
expect_said 0 '"tdfc_saisie":"BIC12"' "the row's label before the number" "$KVARN" --dossier "$D" info --json
expect_status 2 "$KVARN" --dossier "$D" ecran num-generaux --requis TVA,XYZ
expect_status 2 "$KVARN" --dossier "$D" ecran siret --requis TVA

# SIRET: the year's labels, a SIRET N typed whole disables the IDSP N, which then refuses an entry.
expect_status 0 "$KVARN" --dossier "$D" ecran siret --json
expect_contains '"pseudo-siret-n":{"libelle":"Pseudo-SIRET au 31/12/2025"' "year of the financial year"
expect_status 1 "$KVARN" --dossier "$D" ecran siret --annee 2030 --saisir siret-n=55208131766522 --saisir idsp-n=A1234567890123
expect_contains "Le champ « idsp-n » n'accepte pas de saisie" "disabled field named"
expect_status 0 "$KVARN" --dossier "$D" ecran siret --saisir siret-n1=55208131766522 --fermer
expect_status 0 "$KVARN" --dossier "$D" ecran siret --json
expect_contains '"siret-n1":{"libelle":"SIRET au 31/12/2024 si différent","valeur":"55208131766522"' "saved by date"

# Administrative data, tax office, declarant.
expect_status 0 "$KVARN" --dossier "$D" ecran donnees-administratives --saisir siren-associe=732829320 --fermer
expect_status 0 "$KVARN" --dossier "$D" parametre lire KV SirentSocieteSiAssocieSCM_SEP_SCP
expect_contains "732829320" "associate SIREN kept"
expect_status 0 "$KVARN" --dossier "$D" ecran impot-declarant --saisir virement=oui --saisir nb-virements=4 \
  --saisir date=30/04/2026 --saisir lieu=Sète --saisir signature="Jean Martin" --saisir qualite=Gérant --fermer
expect_status 0 "$KVARN" --dossier "$D" ecran impot-declarant --saisir virement=non --json
expect_contains '"nb-virements":{"libelle":"Nombre de virements","valeur":"","actif":false' "count emptied"
expect_contains '"lieu":{"libelle":"A","valeur":"Sète"' "place saved"
expect_status 0 "$KVARN" --dossier "$D" ecran intervenants --saisir nom-declarant="Jeanne Roux" --saisir qualite-declarant=Gérante --fermer
expect_said 0 "Jeanne Roux" "declarant saved" "$KVARN" --dossier "$D" parametre lire CERFA NomDecl

# The accountant's rule: the companion module installed, the practice not choosing per dossier.
expect_status 0 "$KVARN" --dossier "$D" dossier modifier --assistants 148
expect_status 0 "$KVARN" --dossier "$D" ecran intervenants --action choisir-comptable
expect_contains "Le comptable est à renseigner au niveau Tavelor, menu 'Paramétrage' -> 'Données EDI'." "rule message"
expect_status 2 "$KVARN" --dossier "$D" ecran intervenants --action inconnu
expect_status 2 "$KVARN" --dossier "$D" ecran adresses --saisir inconnu=1
expect_status 0 "$KVARN" --dossier "$D" ecran adresses --saisir adresse-declarant-differente=oui \
  --saisir declarant-ville=Agde --saisir declarant-code-postal=34300 --fermer
expect_status 0 "$KVARN" --dossier "$D" ecran adresses --json
expect_contains '"declarant-ville":{"libelle":"Ville","valeur":"Agde"' "declarant's address saved"
expect_status 2 "$KVARN" --dossier "$D" ecran inconnu
finish
