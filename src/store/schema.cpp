#include "store/schema.hpp"

#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "environment/tables_dossier.hpp"

namespace kvarn::store {
namespace {

using db::FieldType;

constexpr Column Alpha(int width) { return {FieldType::Alpha, width}; }
constexpr Column Number() { return {FieldType::Number, 0}; }
constexpr Column Money() { return {FieldType::Money, 0}; }
constexpr Column Date() { return {FieldType::Date, 0}; }
constexpr Column Short() { return {FieldType::Short, 0}; }
constexpr Column Long() { return {FieldType::Long, 0}; }
constexpr Column Logical() { return {FieldType::Logical, 0}; }
constexpr Column AutoInc() { return {FieldType::AutoInc, 0}; }

// Share counts show five decimals: a share can be split to the hundred-thousandth.
constexpr const char* kFormatParts = "#,####0.00000";

// KOLMIKV1: one row per associate, in the declaration order of tblAssociesKV.
constexpr FieldSpec kAssocies[] = {
    {"ShIDAssocie", AutoInc()},
    {"Nom", Alpha(31)},
    {"Prenoms", Alpha(45)},
    {"NomMarital", Alpha(31)},
    {"PrenomConjoint", Alpha(26)},
    {"AdrComplmt1", Alpha(35)},
    {"AdrComplmt2", Alpha(35)},
    {"AdrNoVoie", Alpha(5)},
    {"AdrCmplNoVoie", Alpha(3)},
    {"AdrNomVoie", Alpha(35)},
    {"AdrBP", Alpha(6)},
    {"AdrVille", Alpha(35)},
    {"AdrTel", Alpha(17)},
    {"AdrFax", Alpha(17)},
    {"AdrIDPays", Long()},
    {"DateNaissance", Date()},
    {"CPNaissance", Alpha(17)},
    {"LieuNaissance", Alpha(31)},
    {"Qualite", Short()},
    {"StatutConjoint", Short()},
    {"RegimeMatrimonial", Short()},
    {"SituationFamille", Short()},
    {"NoSiret", Alpha(14)},
    {"RegimeImpositionSCI", Short()},
    {"PersonnePhysique", Short()},
    {"Titre", Short()},
    {"NomPatronymique", Alpha(31)},
    {"Identite", Alpha(50), true},
    {"Profession", Alpha(35)},
    {"CleRepartition", Long()},
    {"BeneficeSaisi", Long()},
    {"PVLTSaisi", Long()},
    {"NbParts", Number(), false, kFormatParts},
    {"NbPartsU", Number(), false, kFormatParts},
    {"NbPartsN", Number(), false, kFormatParts},
    {"ExoTVA", Logical()},
    {"IDPaysNaissance", Long()},
    {"Concerne2065", Logical()},
    {"AnneeVersement1", Short()},
    {"AnneeVersement2", Short()},
    {"NbPartsSocialesAnnee1", Number()},
    {"NbPartsSocialesAnnee2", Number()},
    {"TraitementsAnnee1", Number()},
    {"TraitementsAnnee2", Number()},
    {"IndemniteFraisMissionA1", Number()},
    {"IndemniteFraisMissionA2", Number()},
    {"RembourstFraisMissionA1", Number()},
    {"RembourstFraisMissionA2", Number()},
    {"IndemniteAutresAnnee1", Number()},
    {"IndemniteAutresAnnee2", Number()},
    {"RembourstAutresAnnee1", Number()},
    {"RembourstAutresAnnee2", Number()},
    {"PartBenefice", Number()},
    {"PartPlusValues", Number()},
    {"BICouMeuble", Alpha(1)},
    {"PartRevenusValeurs", Number()},
    {"PartImpotVerse", Number()},
    {"PartResultatNumerateur", Long()},
    {"PartResultatDenominateur", Long()},
    {"CorrPVLT", Number()},
    {"NbHeureTravaillesConjoint", Short()},
    {"Remuneration", Number()},
    {"RFPartAssocieForce", Number()},
    {"Honoraires", Number()},
    {"TaxeProf", Number()},
    {"CSGDeduc", Number()},
    {"FraisVehiculesReels", Number()},
    {"ChgSocPersoOblig", Number()},
    {"ChgSocPersoFacult", Number()},
    {"FraisFi", Number()},
    {"NbEx_Edition", Short()},
    {"PourcentagePartAssoForce", Number()},
    {"RemDiverseProdFinancier", Number()},
    {"PVRevenantAssocie", Number()},
    {"PVDifferee", Logical()},
    {"ResultatBICSaisi", Long()},
    {"ResultatBASaisi", Long()},
    {"DateCessionParts", Date()},
    {"IdentiteCessionParts", Alpha(50)},
    {"DateCessionParts2", Date()},
    {"IdentiteCessionParts2", Alpha(50)},
    {"DateCessionParts3", Date()},
    {"IdentiteCessionParts3", Alpha(50)},
    {"DateCessionParts4", Date()},
    {"IdentiteCessionParts4", Alpha(50)},
    {"NonCGANumerateurProrata", Short()},
    {"NonCGADenominateurProrata", Short()},
    {"PourcentageDetention", Number(), true, "#,##0.00"},
    {"AdrCP", Alpha(17)},
    {"NoIdentFisc", Alpha(20)},
    {"AdrBureauDistrib", Alpha(26)},
    {"AdrCodeInsee", Alpha(5)},
    {"CodeInseeNaissance", Alpha(5)},
    {"CategorieJuridique", Alpha(4)},
    {"NomAffichage", Alpha(31), true},
    {"AdresseAffichage", Alpha(250), true},
    {"IdComptable", Long()},
    {"IdAdmin", Long()},
    {"Holding", Logical()},
    {"Adr1JanCmplNoVoie", Alpha(3)},
    {"Adr1JanBP", Alpha(6)},
    {"Adr1JanNoVoie", Alpha(5)},
    {"Adr1JanFax", Alpha(17)},
    {"Adr1JanTel", Alpha(17)},
    {"Adr1JanCP", Alpha(17)},
    {"Adr1JanVille", Alpha(35)},
    {"Adr1JanNomVoie", Alpha(35)},
    {"Adr1JanComplement2", Alpha(35)},
    {"Adr1JanComplement1", Alpha(35)},
    {"Adr1JanCodeInsee", Alpha(5)},
    {"Adr1JanBureauDistrib", Alpha(26)},
    {"Adr1JanIDPays", Long()},
    {"NomIntervGerant", Alpha(35)},
    {"PrenomIntervGerant", Alpha(35)},
    {"AdrGerantComplement1", Alpha(35)},
    {"AdrGerantComplement2", Alpha(35)},
    {"AdrGerantNoVoie", Alpha(5)},
    {"AdrGerantCpltNoVoie", Alpha(5)},
    {"AdrGerantNomVoie", Alpha(35)},
    {"AdrGerantCP", Alpha(17)},
    {"AdrGerantVille", Alpha(35)},
    {"AdrGerantBP", Alpha(6)},
    {"IdentiteComplete", Alpha(250), true},
    {"NbPartsPPFinExo", Number(), true},
    {"NbPartsUFinExo", Number(), true},
    {"NbPartsNPFinExo", Number(), true},
    {"DateEntreeSCI", Date()},
    {"DateSortieSCI", Date()},
    {"NbDroitsADividendes", Number()},
    {"NbDroitsDeVote", Number()},
    {"AdherentOga", Logical()},
    {"DateAdhesionOga", Date()},
    {"NumAdherentOga", Alpha(70)},
    {"IdOga", Long()},
    {"AbandonsSaisi", Long()},
    {"PseudoSiret", Alpha(14)},
    {"IDSP", Alpha(14)},
};

// The browsing order "idxAssocies" is the order associates were created in (their key), which
// is the order the module's lists and reports have always shown them in.
constexpr IndexSpec kAssociesIndexes[] = {
    {"idxAssocies", "ShIDAssocie", false},
    {"idxRaisonSociale", "Nom;Prenoms", false},
    {"idxIDAssocie", "ShIDAssocie", true},
};

// KOLMIKV2: miscellaneous deductions and reintegrations (definitions).
constexpr FieldSpec kDiversFisc[] = {
    {"IdDiversFisc", AutoInc()},
    {"IsDeduction", Logical()},
    {"Designation", Alpha(30)},
    {"MontantBIC", Long(), false, "", "BIC/IS"},
    {"MontantBA", Long(), false, "", "BA"},
    {"MontantBNC", Long(), false, "", "BNC"},
};

// KOLMIKV3: the same, one amount per associate (tblDiversFiscPartAssocie).
constexpr FieldSpec kDiversFiscPartAssocie[] = {
    {"AutoID", AutoInc()},
    {"IdDiversFisc", Long()},
    {"IsDeduction", Logical()},
    {"IdAssocie", Long()},
    {"Designation", Alpha(30), true},
    {"Total", Long(), true},
    {"ValeurCalcule", Long(), true},
    {"ValeurSaisi", Long()},
    {"EstPourBA", Logical()},
};

constexpr IndexSpec kDiversFiscPartAssocieIndexes[] = {
    {"idxIdDiversFisc", "IdDiversFisc;IdAssocie", false},
};

// KOLMIKVM: share movements.
constexpr FieldSpec kMouvementParts[] = {
    {"AutoID", AutoInc()},
    {"DateMouvement", Date()},
    {"TypeMouvement", Short()},
    {"IDCedant", Long()},
};

// The movement ranks follow this order: by date, then in the order movements were entered.
constexpr IndexSpec kMouvementPartsIndexes[] = {
    {"idxTri", "DateMouvement;AutoID", false},
};

// KOLMIKVP: details of share movements (tblDetMouvParts).
constexpr FieldSpec kDetMouvParts[] = {
    {"AutoID", AutoInc()},
    {"IdMouv", Long()},
    {"IdAsso", Long()},
    {"NbPartsPPAug", Number(), false, kFormatParts},
    {"NbPartsPPDim", Number(), false, kFormatParts},
    {"NbPartsNPAug", Number(), false, kFormatParts},
    {"NbPartsNPDim", Number(), false, kFormatParts},
    {"NbPartsUAug", Number(), false, kFormatParts},
    {"NbPartsUDim", Number(), false, kFormatParts},
    {"NomAsso", Alpha(100), true},
    {"NbPartsNPAvant", Number(), true, kFormatParts},
    {"NbPartsPPAvant", Number(), true, kFormatParts},
    {"NbPartsUAvant", Number(), true, kFormatParts},
};

constexpr IndexSpec kDetMouvPartsIndexes[] = {
    {"idxMouv", "IdMouv;AutoID", false},
};

// KOLMIKVA: bare-owner / usufructuary pairs of a movement (tblAssoNPU).
constexpr FieldSpec kAssoNPU[] = {
    {"AutoID", AutoInc()},
    {"IdMouv", Long()},
    {"IdNP", Long()},
    {"IdU", Long()},
    {"NbU", Number()},
    {"NomAsso", Alpha(100), true},
};

// The detail link (IdMouv;IdAsso) falls on the first two fields: IdAsso of a detail is the bare
// owner IdNP of its pairs.
constexpr IndexSpec kAssoNPUIndexes[] = {
    {"idxMouvAsso", "IdMouv;IdNP;IdU", false},
};

// KOLMIKVS: functions and capital held in other companies (tblFonctionsEtCapital).
constexpr FieldSpec kFonctionsEtCapital[] = {
    {"IDAssocie", Long()},
    {"RaisonSociale", Alpha(35)},
    {"Activite", Alpha(35)},
    {"AdrCmplt1", Alpha(35)},
    {"AdrCmplt2", Alpha(35)},
    {"AdrNoVoie", Alpha(5)},
    {"AdrCmpltNoVoie", Alpha(3)},
    {"AdrNomVoie", Alpha(35)},
    {"AdrBP", Alpha(6)},
    {"AdrCP", Alpha(17)},
    {"AdrVille", Alpha(31)},
    {"AdrPays", Long()},
    {"AssoFonctionDansEnt", Logical()},
    {"Fonction", Alpha(35)},
    {"AssoADuCapitalDansEnt", Logical()},
    {"MontantCapital", Number()},
    {"NbDroitsDeVote", Number()},
    {"PourcentageDroitsDeVote", Number()},
    {"NbDroitsADividendes", Number()},
    {"PourcentageDroitsADiv", Number()},
    {"NomAffichage", Alpha(80), true},
};

// MouvementKV (working table): positions of each associate.
constexpr FieldSpec kMouvementTmp[] = {
    {"AutoID", AutoInc()},
    {"IDAssocie", Long()},
    {"Nom", Alpha(50)},
    {"PersonnePhysique", Short()},
    {"DesignationAsso", Alpha(250)},
    {"NbParts", Number()},
    {"NbPartsU", Number()},
    {"NbPartsN", Number()},
    {"NbPartsPPMouv", Number()},
    {"NbPartsUMouv", Number()},
    {"NbPartsNPMouv", Number()},
    {"NbPartsPPFin", Number()},
    {"NbPartsUFin", Number()},
    {"NbPartsNPFin", Number()},
    {"Montant", Money()},
    {"MontantDeb", Money()},
};

constexpr IndexSpec kMouvementTmpIndexes[] = {
    {"idxIDAssocie", "IDAssocie", true},
    {"idxTRI", "PersonnePhysique;Nom", false},
};

// SyntheseMouvementKV (working table): parts moved per associate and movement.
constexpr FieldSpec kSyntheseMouvement[] = {
    {"AutoID", AutoInc()},
    {"IdMouvement", Long()},
    {"IdDetailMouvement", Long()},
    {"DateMouvement", Date()},
    {"TypeMouvement", Long()},
    {"IdAssocie", Long()},
    {"EstCedant", Logical()},
    {"PartsPP", Number()},
    {"PartsU", Number()},
    {"PartsNP", Number()},
};

constexpr IndexSpec kSyntheseMouvementIndexes[] = {
    {"idxRecherche", "IdMouvement;IdDetailMouvement", false},
    {"idxTRI", "DateMouvement;IdMouvement", false},
};

// The components that declare their own view of KOLMIKV1 name the columns they keep; a kept
// column has the table's type and width, unless the view was written for a narrower one (it then
// reads the column cut to that width). A view's calculated fields are its own.
constexpr Column ColumnOfAssocies(std::string_view name) {
    for (const FieldSpec& field : kAssocies)
        if (name == field.name && !field.calculated) return field.column;
    throw "no stored column of KOLMIKV1 has that name";  // stops the compilation
}

constexpr FieldSpec Kept(const char* name, const char* label = "") {
    return {name, ColumnOfAssocies(name), false, "", label};
}

constexpr FieldSpec KeptNarrower(const char* name, int width) {
    const Column column = ColumnOfAssocies(name);
    if (column.type != FieldType::Alpha || width >= column.size) throw "only a text column can be read narrower";
    return {name, Alpha(width)};
}

constexpr FieldSpec Calculated(const char* name, Column column, const char* label = "") {
    return {name, column, true, "", label};
}

// tblResultatsAssocies: the result fields of the distribution beside the associate's columns.
constexpr FieldSpec kResultatsAssocies[] = {
    Calculated("Benefice", Long(), "Bénéfice"),
    Calculated("Deficit", Long(), "Déficit"),
    Calculated("PVLT", Long(), "PV LT"),
    Calculated("Denomination", Alpha(100), "Nom ou dénomination"),
    Kept("ShIDAssocie"),
    Kept("Nom"),
    Kept("Prenoms"),
    Kept("CleRepartition"),
    Kept("BeneficeSaisi"),
    Kept("PVLTSaisi"),
    Kept("RegimeImpositionSCI", "Régime fiscal"),
    Calculated("ResultatCalc", Long()),
    Calculated("ResultatTotalCalc", Long()),
    Calculated("PVLTCalc", Long()),
    Calculated("PVLTTotalCalc", Long()),
    Kept("Profession"),
    Calculated("ResultatTotalBICCalc", Long()),
    Calculated("ResultatTotalBACalc", Long()),
    Calculated("ResultatBICCalc", Long()),
    Calculated("ResultatBACalc", Long()),
    Kept("ResultatBICSaisi"),
    Kept("ResultatBASaisi"),
    Kept("Qualite"),
    Calculated("NbPartsNPFinExo", Number()),
    Calculated("NbPartsUFinExo", Number()),
    Calculated("NbPartsPPFinExo", Number()),
    Calculated("NbPartsCalc", Number()),
    Kept("NbParts"),
    Kept("NbPartsU"),
    Kept("NbPartsN"),
    Calculated("AbandonsTotalCalc", Long()),
    Calculated("AbandonsCalc", Long()),
    Kept("AbandonsSaisi"),
};
// tblAssociesKVTraitement: the processing view over KOLMIKV1, in key order. Its subset is what
// the module's processing reads and writes through it: identity and kind of the associate, its
// codes, its address as the processing formats it and its start-of-year shares. The postal code
// and the town are read at the widths of the layout this view was written for (5 and 31).
constexpr FieldSpec kAssociesTraitement[] = {
    Kept("ShIDAssocie"),
    Kept("Nom"),
    Kept("Prenoms"),
    Kept("NomMarital"),
    Kept("PersonnePhysique"),
    Kept("Titre"),
    Kept("Qualite"),
    Kept("RegimeImpositionSCI"),
    Kept("AdrComplmt1"),
    Kept("AdrComplmt2"),
    Kept("AdrNoVoie"),
    Kept("AdrCmplNoVoie"),
    Kept("AdrNomVoie"),
    Kept("AdrBP"),
    KeptNarrower("AdrCP", 5),
    KeptNarrower("AdrVille", 31),
    Kept("AdrIDPays"),
    Kept("ExoTVA"),
    Kept("NbParts"),
    Kept("NbPartsU"),
    Kept("NbPartsN"),
};

constexpr TableSpec Permanent(const environment::TableDossier& table, const char* component,
                             std::span<const FieldSpec> fields, std::span<const IndexSpec> indexes) {
    return {table.nom, table.suffixe, Alias::Dossier, component, fields, indexes};
}

constexpr TableSpec kPermanentTables[] = {
    Permanent(environment::kTableAssocies, "tblAssociesKV", kAssocies, kAssociesIndexes),
    Permanent(environment::kTableDiversFisc, "tblDiversFisc", kDiversFisc, {}),
    Permanent(environment::kTableDiversFiscPartAssocie, "tblDiversFiscPartAssocie", kDiversFiscPartAssocie,
              kDiversFiscPartAssocieIndexes),
    Permanent(environment::kTableMouvementParts, "tblMouvementParts", kMouvementParts, kMouvementPartsIndexes),
    Permanent(environment::kTableDetMouvParts, "tblDetMouvParts", kDetMouvParts, kDetMouvPartsIndexes),
    Permanent(environment::kTableAssoNPU, "tblAssoNPU", kAssoNPU, kAssoNPUIndexes),
    Permanent(environment::kTableFonctionsEtCapital, "tblFonctionsEtCapital", kFonctionsEtCapital, {}),
};

constexpr TableSpec kWorkingTables[] = {
    {environment::kTableMouvementTmp, "", Alias::Temporary, "tblMouvementTmp", kMouvementTmp, kMouvementTmpIndexes},
    {environment::kTableSyntheseMouvement, "", Alias::Temporary, "tblSyntheseMouvement", kSyntheseMouvement,
     kSyntheseMouvementIndexes},
};

constexpr ComponentSpec kComponents[] = {
    {"tblResultatsAssocies", environment::kTableAssocies.nom, kResultatsAssocies},
    {"tblAssociesKVTraitement", environment::kTableAssocies.nom, kAssociesTraitement},
};

const TableSpec* FindIn(std::span<const TableSpec> tables, std::string_view name) {
    for (const TableSpec& table : tables)
        if (db::AsciiUpper(table.name) == db::AsciiUpper(db::WithoutDbSuffix(name))) return &table;
    return nullptr;
}

}  // namespace

std::span<const TableSpec> PermanentTables() { return kPermanentTables; }
std::span<const TableSpec> WorkingTables() { return kWorkingTables; }
std::span<const ComponentSpec> ComponentDeclarations() { return kComponents; }

const TableSpec* FindTableSpec(std::string_view name) {
    if (const TableSpec* table = FindIn(kPermanentTables, name)) return table;
    return FindIn(kWorkingTables, name);
}

const TableSpec* FindTableOfSuffix(std::string_view suffix) {
    for (const TableSpec& table : kPermanentTables)
        if (db::AsciiUpper(table.suffix) == db::AsciiUpper(suffix)) return &table;
    return nullptr;
}

const char* AliasName(Alias alias) {
    return alias == Alias::Dossier ? db::ALIAS_DOSSIER : db::ALIAS_TMP;
}

const ComponentSpec* FindComponentSpec(std::string_view component) {
    for (const ComponentSpec& spec : kComponents)
        if (db::AsciiUpper(spec.component) == db::AsciiUpper(component)) return &spec;
    return nullptr;
}

std::vector<db::FieldDef> ComponentFields(std::span<const FieldSpec> fields) {
    std::vector<db::FieldDef> defs;
    for (const FieldSpec& field : fields)
        defs.push_back({field.name, field.column.type, field.column.size, field.calculated});
    return defs;
}

db::TableDef StoredDefinition(const TableSpec& table) {
    db::TableDef definition{table.name, {}, {}};
    for (const FieldSpec& field : table.fields)
        if (!field.calculated)
            definition.fields.push_back({field.name, field.column.type, field.column.size, false});
    for (const IndexSpec& index : table.indexes)
        definition.indexes.push_back({index.name, db::SplitFieldList(index.fields), index.unique, true});
    return definition;
}

}  // namespace kvarn::store
