// The texts an associate's record gives of itself: its address, title, quality, tax regime,
// designation, sex code and department of birth.
#include <kvarn/associe.hpp>

#include "common/nulls.hpp"
#include "common/text.hpp"
#include "frame/etat_module.hpp"
#include "host/formes_juridiques.hpp"

#include <initializer_list>
#include <iterator>

static_assert(Associe::kNulEntier == kvarn::NULL_ENTIER);
static_assert(Associe::kNulReel == kvarn::NULL_REEL);
static_assert(Associe::kPaysFrance == kvarn::PAYS_FRANCE);

namespace {

constexpr const char* kCodesRegimes[] = {"BIC", "IS", "BA", "RF", "BNC"};

// The loading mode of the data module; without one there is no override to honour and the
// designation is the ordinary one.
int ModeChargement() {
    const kvarn::store::TdmKvarn* module = kvarn::frame::DataModule();
    return module ? module->ModeChargement() : -1;
}

bool EstParmi(const std::string& texte, std::initializer_list<const char*> valeurs) {
    for (const char* valeur : valeurs)
        if (texte == valeur) return true;
    return false;
}

}  // namespace

std::string DonnerTitreOuFormeJuridique(const int& titre, bool personnePhysique, bool formeEDI) {
    if (titre == TAP_AUCUN) return {};
    if (personnePhysique) return CCivilite::Civilite(static_cast<TITRE_ASSOCIE_PHYSIQUE>(titre));
    std::string libelle;
    std::string libelleEDI;
    kvarn::host::cFormeJuridique::DonnerInfos(titre, &libelle, &libelleEDI, nullptr, nullptr);
    return formeEDI ? libelleEDI : libelle;
}

CAdresse Associe::GetAdresse() const {
    CAdresse adresse;
    adresse.Complement1 = AdrComplmt1;
    adresse.Complement2 = AdrComplmt2;
    adresse.NoVoie = AdrNoVoie;
    adresse.CmplNoVoie = AdrCmplNoVoie;
    adresse.NomVoie = AdrNomVoie;
    adresse.BP = AdrBP;
    adresse.CP = AdrCP;
    adresse.Ville = AdrVille;
    adresse.Telephone = AdrTel;
    adresse.Fax = AdrFax;
    adresse.IDPays = AdrIDPays;
    adresse.CodeInsee = AdrCodeInsee;
    return adresse;
}

std::string Associe::GetTextTitre() const { return DonnerTitreOuFormeJuridique(Titre, PersonnePhysique, false); }

std::string Associe::GetTextTitreEDI() const { return DonnerTitreOuFormeJuridique(Titre, PersonnePhysique, true); }

std::string Associe::GetTextQualite() const {
    return CQualiteAssocie::QualiteAssocie(static_cast<QUALITE_ASSOCIE>(Qualite));
}

std::string Associe::GetTextRegimeImpositionSCI() const {
    if (RegimeImpositionSCI < 0 || RegimeImpositionSCI >= static_cast<int>(std::size(kCodesRegimes))) return {};
    return kCodesRegimes[RegimeImpositionSCI];
}

std::string Associe::GetDesignationAssocie() const {
    if (ModeChargement() != kvarn::store::kModeAvecBeneficiaires) return kvarn::Trim(Nom + " " + Prenoms);
    return PersonnePhysique ? kvarn::Trim(NomPatronymique + " " + Prenoms) : kvarn::Trim(Nom);
}

int Associe::GetCodeSexe() const {
    if (!PersonnePhysique) return 0;
    if (Titre == TAP_M) return 1;
    if (Titre == TAP_MME || Titre == TAP_MLE) return 2;
    return 0;
}

std::string Associe::GetDeptNaissance() const {
    if (!PersonnePhysique) return {};
    if (IDPaysNaissance != kPaysFrance) return "99";
    // The postcode tells the department; the INSEE code of the commune starts the same way.
    const std::string c3 = kvarn::CutToWidth(CPNaissance.empty() ? CodeInseeNaissance : CPNaissance, 3);
    const std::string c2 = kvarn::CutToWidth(c3, 2);
    // Corsica's postcodes start with 20 for both departments: 200 and 201 are Corse-du-Sud, 202
    // and 206 Haute-Corse, save 20223, a Corse-du-Sud postcode.
    if (EstParmi(c3, {"200", "201"}) || CPNaissance == "20223") return "2A";
    if (EstParmi(c3, {"202", "206"})) return "2B";
    // 980 is Monaco, which has no French department.
    if (c3 == "980") return {};
    // Overseas departments and collectivities are numbered on three digits.
    if (EstParmi(c2, {"97", "98"})) return c3;
    return c2;
}

void Associe::RAZ() { *this = Associe(); }
