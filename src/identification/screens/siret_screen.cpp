#include "identification/screens/siret_screen.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/verifications.hpp"
#include "identification/screens/ecran_protege.hpp"

#include <kvarn/categorie_juridique.hpp>
#include <kvarn/siret.hpp>

#include <memory>

namespace kvarn::identification {
namespace {

constexpr const char* kCategorie = "categorie-juridique";
constexpr int kLargeur = 14;

const GroupesSiret kPrincipal{"siret-principal-"};

// The numbers of one closing: N (0) or N-1 (1).
struct Cloture {
    GroupesSiret siret;
    const char* pseudo;
    const char* idsp;
    const char* suffixe;  // of the labels: the year N-1's numbers are those "si différent"
};
const Cloture kClotures[] = {{GroupesSiret("siret-n-"), "pseudo-siret-n", "idsp-n", ""},
                             {GroupesSiret("siret-n1-"), "pseudo-siret-n1", "idsp-n1", " si différent"}};

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
    const std::string principal = "SIRET de l'établissement principal";
    for (frame::Field& champ : kPrincipal.Champs(principal, principal, true)) Declare(std::move(champ));
    for (int i = 0; i < 2; ++i) {
        const std::string libelle = "SIRET au 31/12/" + std::to_string(annee - i) + " si différent";
        for (frame::Field& champ : kClotures[i].siret.Champs(libelle, libelle, false)) {
            DeclareGenre(champ.name, GenreSaisie::Chiffres);
            Declare(std::move(champ));
        }
    }
    for (int i = 0; i < 2; ++i)
        Declare(Numero(kClotures[i].pseudo,
                       "Pseudo-SIRET au 31/12/" + std::to_string(annee - i) + kClotures[i].suffixe));
    for (int i = 0; i < 2; ++i)
        Declare(Numero(kClotures[i].idsp, "IDSP au 31/12/" + std::to_string(annee - i) + kClotures[i].suffixe));
    Declare({.name = kCategorie, .label = "Catégorie juridique", .readOnly = true});
}

void TfrmSiret::Activate() {
    Proteger(kUniteSiret, kCharger, [this] {
        tagNOINTRACOMM numero;
        frame::Environnement().GetNoIntraComm(numero);
        for (const auto& [champ, valeur] : kPrincipal.Valeurs(ReadField(numero.Siren, sizeof numero.Siren, CodePage::Ansi) +
                                                              ReadField(numero.Nic, sizeof numero.Nic, CodePage::Ansi)))
            SetValue(champ, valeur);
        for (int i = 0; i < 2; ++i) {
            const double date = FinAnnee(annee_ - i);
            for (const auto& [champ, valeur] : kClotures[i].siret.Valeurs(CSiret::GetSIRET(date))) SetValue(champ, valeur);
            SetValue(kClotures[i].pseudo, CSiret::GetPseudoSIRET(date));
            SetValue(kClotures[i].idsp, CSiret::GetIDSP(date));
        }
        codeCategorie_ = CSiret::GetCategorieJuridique();
        SetValue(kCategorie, CCategorieJuridique::DonneLibelleCategorieJuridique(codeCategorie_));
    });
    ReglerActivation();
}

void TfrmSiret::ReglerActivation() {
    const bool sansSiret[] = {kPrincipal.Vide(*this) && kClotures[0].siret.Vide(*this), kClotures[1].siret.Vide(*this)};
    for (int i = 0; i < 2; ++i) {
        FieldRef(kClotures[i].pseudo).enabled = sansSiret[i];
        frame::Field& idsp = FieldRef(kClotures[i].idsp);
        if (idsp.enabled && !sansSiret[i]) idsp.value.clear();
        idsp.enabled = sansSiret[i];
    }
}

void TfrmSiret::ApresSaisie(frame::Field& field, const std::string& before) {
    for (const Cloture& cloture : kClotures)
        if (const std::string suivant = cloture.siret.Suivant(field, before); !suivant.empty()) SetFocus(suivant);
    ReglerActivation();
}

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
    for (const Cloture& cloture : kClotures) {
        const std::string siret = cloture.siret.Joint(*this);
        if (!siret.empty() && !host::VerificationDuSIRET(siret)) return cloture.siret.Noms().front();
    }
    return std::nullopt;
}

void TfrmSiret::Deactivate() {
    Proteger(kUniteSiret, kEnregistrer, [this] {
        for (int i = 0; i < 2; ++i) {
            const double date = FinAnnee(annee_ - i);
            CSiret::SetSIRET(date, kClotures[i].siret.Joint(*this));
            if (GetField(kClotures[i].pseudo).enabled) CSiret::SetPseudoSIRET(date, Value(kClotures[i].pseudo));
            CSiret::SetIDSP(date, Value(kClotures[i].idsp));
        }
    });
}

void TfrmSiret::CategorieChoisie(const EchangeCategorieJuridique& echange) {
    Proteger(kUniteSiret, kBouton, [&] {
        CSiret::SetCategorieJuridique(echange.code);
        codeCategorie_ = echange.code;
        SetValue(kCategorie, echange.libelle);
    });
}

}  // namespace kvarn::identification
