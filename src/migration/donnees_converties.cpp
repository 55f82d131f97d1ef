#include "migration/donnees_converties.hpp"

#include "associates/creation_associe.hpp"
#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "common/text.hpp"
#include "db/table.hpp"
#include "environment/tables_dossier.hpp"
#include "frame/exports_proteges.hpp"
#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "identification/screens/correction_dialogs.hpp"
#include "taxadj/table_divers_fisc.hpp"

#include <algorithm>

namespace kvarn::migration {
namespace {

// The data module's places of the two entry points.
constexpr std::uint32_t kPlaceMigrerDeductions = 5961;
constexpr std::uint32_t kPlaceMigrerAssocie = 5962;

template <std::size_t N>
std::string Texte(const char (&champ)[N]) {
    return Trim(ReadField(champ, N, CodePage::Oem));
}

int Civilite(const std::string& texte) {
    if (EqualsIgnoringCase(texte, "MME")) return TAP_MME;
    if (EqualsIgnoringCase(texte, "MLE")) return TAP_MLE;
    return TAP_M;
}

int FormeCorrigee(const std::string& forme, const std::string& denomination) {
    if (const std::optional<int> trouvee = FormeJuridiqueNommee(forme)) return *trouvee;
    if (const std::optional<int> choisie = identification::ChoisirFormeCorrigee(forme, denomination)) return *choisie;
    throw ConversionRefusee("Forme juridique « " + forme + " » inconnue pour « " + denomination +
                            " » : aucune forme n'a été choisie");
}

int PaysCorrige(const std::string& pays, const Associe& associe) {
    if (const std::optional<int> trouve = PaysNomme(pays)) return *trouve;
    if (const std::optional<int> choisi = identification::ChoisirPaysCorrige(pays, associe.NomPatronymique, associe.Prenoms))
        return *choisi;
    throw ConversionRefusee("Pays « " + pays + " » inconnu pour « " + associe.Nom + " » : aucun pays n'a été choisi");
}

std::optional<long> Montant(std::int32_t montant) {
    return montant == kMontantAbsent ? std::nullopt : std::optional<long>(montant);
}

}  // namespace

std::optional<int> FormeJuridiqueNommee(std::string_view texte) {
    const auto& formes = host::cFormeJuridique::Liste();
    const auto trouvee = std::find_if(formes.begin(), formes.end(), [&](const host::cFormeJuridique::Forme& f) {
        return EqualsIgnoringCase(texte, f.abreviation) || EqualsIgnoringCase(texte, f.libelle);
    });
    if (texte.empty() || trouvee == formes.end()) return std::nullopt;
    return trouvee->code;
}

std::optional<int> PaysNomme(std::string_view texte) {
    if (texte.empty()) return PAYS_FRANCE;
    if (const host::Pays* pays = host::TListePays::TrouverCodeIso(texte)) return pays->id;
    const auto& liste = host::TListePays::Liste();
    const auto trouve = std::find_if(liste.begin(), liste.end(),
                                     [&](const host::Pays& p) { return EqualsIgnoringCase(texte, p.libelle); });
    if (trouve == liste.end()) return std::nullopt;
    return trouve->id;
}

Associe AssocieConverti(const ASSOCIE_ANCIEN_C& ancien) {
    Associe associe;
    associe.PersonnePhysique = ancien.PersonnePhysique != 0;
    associe.Nom = Texte(ancien.Nom);
    associe.Prenoms = Texte(ancien.Prenoms);
    associe.NomPatronymique = Texte(ancien.NomPatronymique);
    associe.Titre = associe.PersonnePhysique ? Civilite(Texte(ancien.Civilite))
                                             : FormeCorrigee(Texte(ancien.FormeJuridique), associe.Nom);
    associe.AdrComplmt1 = Texte(ancien.AdrComplmt1);
    associe.AdrNoVoie = Texte(ancien.AdrNoVoie);
    associe.AdrNomVoie = Texte(ancien.AdrNomVoie);
    associe.AdrCP = Texte(ancien.AdrCP);
    associe.AdrVille = Texte(ancien.AdrVille);
    associe.AdrIDPays = PaysCorrige(Texte(ancien.AdrPays), associe);
    associe.DateNaissance = FromDateDOS(ancien.DateNaissance);
    associe.LieuNaissance = Texte(ancien.LieuNaissance);
    associe.IDPaysNaissance = PaysCorrige(Texte(ancien.PaysNaissance), associe);
    associe.Qualite = ancien.Qualite;
    associe.NbParts = ancien.NbParts;
    associe.NbPartsU = ancien.NbPartsU;
    associe.NbPartsN = ancien.NbPartsN;
    associe.DateEntreeSCI = FromDateDOS(ancien.DateEntree);
    associe.DateSortieSCI = FromDateDOS(ancien.DateSortie);
    associe.NoSiret = Texte(ancien.NoSiret);
    return associe;
}

void AjouterDeductionReintegration(store::TdmKvarn& module, const DEDUCTION_REINTEGRATION_C& ligne) {
    db::CTable table(module.Donnees().Session());
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName(environment::kTableDiversFisc.nom);
    table.Open();
    table.Append();
    taxadj::EcrireSens(table, ligne.EstDeduction != 0);
    taxadj::EcrireDesignation(
        table, CutToWidth(ReadField(ligne.Designation, sizeof ligne.Designation, CodePage::Oem), taxadj::kLargeurDesignation));
    taxadj::EcrireMontant(table, taxadj::ColonneDivers::MontantBIC, Montant(ligne.MontantBIC));
    taxadj::EcrireMontant(table, taxadj::ColonneDivers::MontantBA, Montant(ligne.MontantBA));
    taxadj::EcrireMontant(table, taxadj::ColonneDivers::MontantBNC, Montant(ligne.MontantBNC));
    table.Post();
}

int AjouterAssocie(store::TdmKvarn& module, const ASSOCIE_ANCIEN_C& ancien) {
    Associe associe = AssocieConverti(ancien);
    if (const int cle = associates::CleAssocieNomme(module, associe.Nom, associe.Prenoms))
        throw ConversionRefusee("L'associé n° " + std::to_string(cle) + " porte déjà le nom « " + associe.Nom + " " +
                                associe.Prenoms + " »");
    associe.Creer();
    return associe.ShIDAssocie;
}

}  // namespace kvarn::migration

bool MigrerDeductionsReintegrations(const DEDUCTION_REINTEGRATION_C* ligne) {
    using namespace kvarn;
    if (!ligne) return false;
    const frame::CrochetInitKV crochet;
    return frame::Proteger(store::kUniteDataModule, migration::kPlaceMigrerDeductions,
                           [&] { migration::AjouterDeductionReintegration(frame::DataModuleCree(), *ligne); });
}

bool MigrerAssocie(const ASSOCIE_ANCIEN_C* associe) {
    using namespace kvarn;
    if (!associe) return false;
    const frame::CrochetInitKV crochet;
    return frame::Proteger(store::kUniteDataModule, migration::kPlaceMigrerAssocie,
                           [&] { migration::AjouterAssocie(frame::DataModuleCree(), *associe); });
}
