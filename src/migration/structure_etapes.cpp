// The structure chain's steps as data: each step's operations on KOLMIKV1, in order. A field
// named alone takes its form in the current layout (store/schema.cpp); the professional address,
// gone from it, is given the forms it had.
#include "migration/etapes_structure.hpp"

#include "migration/structure_actions.hpp"
#include "migration/structure_table.hpp"
#include "store/data_module.hpp"
#include "store/migrations.hpp"
#include "store/schema.hpp"

#include <span>
#include <stdexcept>

namespace kvarn::migration {
namespace {

using db::FieldType;

struct Operation {
    enum class Sorte { Courante, Forme, Suppression, Action } sorte;
    const char* champ = nullptr;
    store::Column forme{};                   // Sorte::Forme
    void (*action)(TableMigree&) = nullptr;  // Sorte::Action
};

constexpr Operation C(const char* champ) { return {Operation::Sorte::Courante, champ}; }
constexpr Operation Alpha(const char* champ, int largeur) {
    return {Operation::Sorte::Forme, champ, {FieldType::Alpha, largeur}};
}
constexpr Operation Long(const char* champ) { return {Operation::Sorte::Forme, champ, {FieldType::Long, 0}}; }
constexpr Operation Suppr(const char* champ) { return {Operation::Sorte::Suppression, champ}; }
constexpr Operation Faire(void (*action)(TableMigree&)) { return {Operation::Sorte::Action, nullptr, {}, action}; }

constexpr Operation k101[] = {C("NbParts"), C("NbPartsU"), C("NbPartsN")};

constexpr Operation k104[] = {
    C("ExoTVA"), C("AdrIDPays"), Long("AdrProIDPays"), C("IDPaysNaissance"), C("Concerne2065"),
    C("AnneeVersement1"), C("AnneeVersement2"), C("NbPartsSocialesAnnee1"), C("NbPartsSocialesAnnee2"),
    C("TraitementsAnnee1"), C("TraitementsAnnee2"), C("IndemniteFraisMissionA1"), C("IndemniteFraisMissionA2"),
    C("RembourstFraisMissionA1"), C("RembourstFraisMissionA2"), C("IndemniteAutresAnnee1"),
    C("IndemniteAutresAnnee2"), C("RembourstAutresAnnee1"), C("RembourstAutresAnnee2"), C("PartBenefice"),
    C("PartPlusValues"), C("BICouMeuble"), C("PartRevenusValeurs"), C("PartImpotVerse"),
    C("PartResultatNumerateur"), C("PartResultatDenominateur"), C("CorrPVLT"), C("NbHeureTravaillesConjoint"),
    C("Remuneration"), C("NonCGANumerateurProrata"), C("NonCGADenominateurProrata"), C("RFPartAssocieForce"),
    C("Honoraires"), C("TaxeProf"), C("CSGDeduc"), C("FraisVehiculesReels"), C("ChgSocPersoOblig"),
    C("ChgSocPersoFacult"), C("FraisFi"), C("NbEx_Edition"), C("PourcentagePartAssoForce"),
    C("RemDiverseProdFinancier"), C("PVRevenantAssocie"), C("PVDifferee"), C("ResultatBICSaisi"),
    C("ResultatBASaisi"), C("DateCessionParts"), C("IdentiteCessionParts"), C("DateCessionParts2"),
    C("IdentiteCessionParts2"), C("DateCessionParts3"), C("IdentiteCessionParts3"), C("DateCessionParts4"),
    C("IdentiteCessionParts4"),
    // The country's name becomes its identifier before the name goes.
    Faire(&PaysDesAssocies), Suppr("AdrPays"), Suppr("AdrTypeVoie"), Suppr("AdrProTypeVoie"),
    C("AdrVille"), Alpha("AdrProVille", 35),
};

constexpr Operation k105[] = {Alpha("AdrProCP", 17), C("AdrCP")};

constexpr Operation k106[] = {
    C("NoIdentFisc"), C("AdrCodeInsee"), C("AdrBureauDistrib"), C("CodeInseeNaissance"), C("CategorieJuridique"),
    C("AdrCP"), Suppr("AdrProComplmt1"), Suppr("AdrProComplmt2"), Suppr("AdrProNoVoie"), Suppr("AdrProCmplNoVoie"),
    Suppr("AdrProNomVoie"), Suppr("AdrProBP"), Suppr("AdrProCP"), Suppr("AdrProVille"), Suppr("AdrProIDPays"),
};

constexpr Operation k106a[] = {C("IdComptable"), C("IdAdmin")};

constexpr Operation k106d[] = {
    C("Holding"), C("Adr1JanCmplNoVoie"), C("Adr1JanBP"), C("Adr1JanNoVoie"), C("Adr1JanFax"), C("Adr1JanTel"),
    C("Adr1JanCP"), C("Adr1JanVille"), C("Adr1JanNomVoie"), C("Adr1JanComplement2"), C("Adr1JanComplement1"),
    C("Adr1JanCodeInsee"), C("Adr1JanBureauDistrib"), C("Adr1JanIDPays"), C("NomIntervGerant"),
    C("PrenomIntervGerant"), C("AdrGerantComplement1"), C("AdrGerantComplement2"), C("AdrGerantNoVoie"),
    C("AdrGerantCpltNoVoie"), C("AdrGerantNomVoie"), C("AdrGerantCP"), C("AdrGerantVille"), C("AdrGerantBP"),
    Faire(&CreerTablesDe106d),
};

constexpr Operation k107[] = {C("CPNaissance"), Alpha("DeptNaissance", 3)};
constexpr Operation k108[] = {C("DateEntreeSCI"), C("DateSortieSCI")};
constexpr Operation k115[] = {C("NbDroitsDeVote"), C("NbDroitsADividendes")};
constexpr Operation k117[] = {C("AdherentOga"), C("DateAdhesionOga"), C("NumAdherentOga"), C("IdOga")};
constexpr Operation k119[] = {Faire(&DepartementEnCodePostal), Suppr("DeptNaissance")};
constexpr Operation k221[] = {C("AbandonsSaisi")};
constexpr Operation k2211[] = {C("PseudoSiret"), C("IDSP")};

struct Etape {
    std::uint32_t numero;
    const char* libelle;
    std::span<const Operation> operations;
};

constexpr Etape kEtapes[] = {
    {0x10100, "Migration en 1.01", k101},       {0x10404, "Migration en 1.04", k104},
    {0x10408, "Migration en 1.05", k105},       {0x10509, "Migration en 1.06", k106},
    {0x10510, "Migration en 1.06a", k106a},     {0x10517, "Migration en 1.06d", k106d},
    {0x10518, "Migration en 1.07", k107},       {0x10519, "Migration en 1.08", k108},
    {0x11500, "Migration en 1.15.0.0", k115},   {0x11501, "Migration en 1.17.0.0", k117},
    {0x11502, "Migration en 1.19.0.0", k119},   {0x11503, "Migration en 2.2.1.0", k221},
    {0x11504, "Migration en 2.2.11.0", k2211},
};

constexpr const char* kTableAssocies = "KOLMIKV1";

db::FieldDef FormeCourante(const char* champ) {
    for (const store::FieldSpec& spec : store::FindTableSpec(kTableAssocies)->fields)
        if (!spec.calculated && std::string_view(spec.name) == champ)
            return {spec.name, spec.column.type, spec.column.size, false};
    throw std::logic_error(std::string("champ absent de la disposition courante : ") + champ);
}

void Executer(const Etape& etape) {
    TableMigree associes(store::ModuleMigre().Donnees().Session(), kTableAssocies, etape.numero);
    if (!associes.Existe()) return;
    for (const Operation& operation : etape.operations) {
        switch (operation.sorte) {
            case Operation::Sorte::Courante: associes.Former(FormeCourante(operation.champ)); break;
            case Operation::Sorte::Forme:
                associes.Former({operation.champ, operation.forme.type, operation.forme.size, false});
                break;
            case Operation::Sorte::Suppression: associes.Supprimer(operation.champ); break;
            case Operation::Sorte::Action: operation.action(associes); break;
        }
    }
}

}  // namespace

void EnregistrerEtapesStructure(store::ChainesMigration& chaines) {
    for (const Etape& etape : kEtapes)
        chaines.structure.push_back({[&etape] { Executer(etape); }, etape.libelle, etape.numero});
}

}  // namespace kvarn::migration
