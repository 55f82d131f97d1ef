#include "identification/screens/siret_screen.hpp"

#include "common/dates.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/verifications.hpp"

#include <kvarn/categorie_juridique.hpp>
#include <kvarn/siret.hpp>

#include <memory>

namespace kvarn::identification {
namespace {

constexpr const char* kPrincipal = "siret-principal";
constexpr const char* kCategorie = "categorie-juridique";
constexpr int kLargeur = 14;

// The numbers of one closing: N (0) or N-1 (1).
struct Cloture {
    const char* siret;
    const char* pseudo;
    const char* idsp;
    const char* suffixe;  // of the labels: the year N-1's numbers are those "si différent"
};
constexpr Cloture kClotures[] = {{"siret-n", "pseudo-siret-n", "idsp-n", ""},
                                 {"siret-n-1", "pseudo-siret-n-1", "idsp-n-1", " si différent"}};

double FinAnnee(int annee) { return *EncodeDate({annee, 12, 31}); }

frame::Field Numero(const char* name, const std::string& label) {
    return {.name = name, .label = label, .width = kLargeur};
}

// The year the wizard shows: that of the financial year's end.
int AnneeDeLExercice() { return DecodeDate(frame::Environnement().GetDateFinEx()).year; }

const frame::ScreenRegistration kEnregistrement{"TfrmSiret",
                                                [] { return std::make_unique<TfrmSiret>(AnneeDeLExercice()); }};

}  // namespace

TfrmSiret::TfrmSiret(int annee) : annee_(annee) {
    Declare({.name = kPrincipal, .label = "SIRET de l'établissement principal", .readOnly = true, .width = kLargeur});
    for (int i = 0; i < 2; ++i)
        Declare(Numero(kClotures[i].siret, "SIRET au 31/12/" + std::to_string(annee - i) + " si différent"));
    for (int i = 0; i < 2; ++i)
        Declare(Numero(kClotures[i].pseudo,
                       "Pseudo-SIRET au 31/12/" + std::to_string(annee - i) + kClotures[i].suffixe));
    for (int i = 0; i < 2; ++i)
        Declare(Numero(kClotures[i].idsp, "IDSP au 31/12/" + std::to_string(annee - i) + kClotures[i].suffixe));
    Declare({.name = kCategorie, .label = "Catégorie juridique", .readOnly = true});
}

void TfrmSiret::Activate() {
    SetValue(kPrincipal, frame::Environnement().GetSiretDossier());
    for (int i = 0; i < 2; ++i) {
        const double date = FinAnnee(annee_ - i);
        SetValue(kClotures[i].siret, CSiret::GetSIRET(date));
        SetValue(kClotures[i].pseudo, CSiret::GetPseudoSIRET(date));
        SetValue(kClotures[i].idsp, CSiret::GetIDSP(date));
    }
    SetValue(kCategorie, CCategorieJuridique::DonneLibelleCategorieJuridique(CSiret::GetCategorieJuridique()));
    ReglerActivation();
}

void TfrmSiret::ReglerActivation() {
    const bool sansSiret[] = {Value(kPrincipal).empty() && Value(kClotures[0].siret).empty(),
                              Value(kClotures[1].siret).empty()};
    for (int i = 0; i < 2; ++i) {
        FieldRef(kClotures[i].pseudo).enabled = sansSiret[i];
        frame::Field& idsp = FieldRef(kClotures[i].idsp);
        if (idsp.enabled && !sansSiret[i]) idsp.value.clear();
        idsp.enabled = sansSiret[i];
    }
}

void TfrmSiret::Edited(frame::Field&, const std::string&) { ReglerActivation(); }

std::optional<std::string> TfrmSiret::Leave() {
    for (const Cloture& cloture : kClotures)
        if (!CSiret::PseudoSiretValide(Value(cloture.pseudo))) {
            CSiret::DonnerMessageErreurPseudoSiretInvalide();
            return cloture.pseudo;
        }
    for (const Cloture& cloture : kClotures)
        if (!CSiret::IDSPValide(Value(cloture.idsp))) {
            CSiret::DonnerMessageErreurIDSPInvalide();
            return cloture.idsp;
        }
    for (const Cloture& cloture : kClotures)
        if (!Value(cloture.siret).empty() && !host::VerificationDuSIRET(Value(cloture.siret))) return cloture.siret;
    return std::nullopt;
}

void TfrmSiret::Deactivate() {
    for (int i = 0; i < 2; ++i) {
        const double date = FinAnnee(annee_ - i);
        CSiret::SetSIRET(date, Value(kClotures[i].siret));
        if (GetField(kClotures[i].pseudo).enabled) CSiret::SetPseudoSIRET(date, Value(kClotures[i].pseudo));
        CSiret::SetIDSP(date, Value(kClotures[i].idsp));
    }
}

void TfrmSiret::CategorieChoisie(const EchangeCategorieJuridique& echange) {
    CSiret::SetCategorieJuridique(echange.code);
    SetValue(kCategorie, echange.libelle);
}

}  // namespace kvarn::identification
