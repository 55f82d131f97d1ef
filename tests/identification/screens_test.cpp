// The identification screens driven as a user would: entries through Edit, closing through Leave,
// every box they show checked word for word.
#include "common/dates.hpp"
#include "frame/etat_module.hpp"
#include "frame/screens/screen_registry.hpp"
#include "host/formes_juridiques.hpp"
#include "identification/screens/categorie_juridique_picker.hpp"
#include "identification/screens/correction_dialogs.hpp"
#include "identification/screens/general_numbers_screen.hpp"
#include "identification/screens/groupes_siret.hpp"
#include "identification/screens/siret_screen.hpp"
#include "support/boites_vues.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/assistant.hpp>
#include <kvarn/siret.hpp>

#include <gtest/gtest.h>

namespace kvarn::identification {
namespace {

using testing_support::ScriptedBoxes;

class Screens : public testing::Test {
protected:
    void SetUp() override { host_ = standalone::StandaloneHost::WithoutDossier({&boxes_, nullptr, {}, {}}); }
    ScriptedBoxes boxes_;
    std::unique_ptr<standalone::StandaloneHost> host_;
};

std::vector<std::string> Codes(const std::vector<NoeudCategorie>& nodes) {
    std::vector<std::string> codes;
    for (const auto& n : nodes) codes.push_back(n.ligne->code);
    return codes;
}

const NoeudCategorie& Child(const std::vector<NoeudCategorie>& nodes, const std::string& code) {
    for (const auto& n : nodes)
        if (n.ligne->code == code) return n;
    throw std::runtime_error("no node " + code);
}

bool AllExpanded(const std::vector<NoeudCategorie>& nodes) {
    for (const auto& n : nodes)
        if (!n.deploye || !AllExpanded(n.enfants)) return false;
    return true;
}

bool Contains(const std::vector<NoeudCategorie>& nodes, const std::string& code) {
    for (const auto& n : nodes)
        if (n.ligne->code == code || Contains(n.enfants, code)) return true;
    return false;
}

TEST_F(Screens, PickerTreeFollowsTheNomenclature) {
    EchangeCategorieJuridique echange;
    TfrmCategorieJuridique picker(echange);
    picker.Activate();
    const auto& roots = picker.Arbre();
    EXPECT_EQ(Codes(roots), (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Codes(Child(Child(roots, "5").enfants, "53").enfants),
              (std::vector<std::string>{"5306", "5307", "5308", "5309", "5370", "5385", "5310"}));
    const auto& one = Child(roots, "1");
    EXPECT_EQ(Codes(one.enfants), std::vector<std::string>{"10"});
    EXPECT_EQ(Codes(one.enfants[0].enfants), std::vector<std::string>{"1000"});
    for (const char* hidden : {"1100", "1500", "1900", "5498", "5720", "6588"})
        EXPECT_FALSE(Contains(roots, hidden)) << hidden;
    EXPECT_TRUE(AllExpanded(roots));
    EXPECT_EQ(picker.Selection(), &roots.front());  // no code: the first node
}

TEST_F(Screens, PickerOpensOnTheCurrentLevelThreeCodeOrTheFirstNode) {
    for (const auto& [code, selected] : std::vector<std::pair<const char*, const char*>>{
             {"9220", "9220"}, {"5498", "0"}, {"1100", "0"}, {"53", "0"}}) {
        EchangeCategorieJuridique echange{"", code, ""};
        TfrmCategorieJuridique picker(echange);
        picker.Activate();
        EXPECT_EQ(picker.GetField("categorie").value, selected) << code;
    }
}

TEST_F(Screens, PickerClosesOnlyOnALevelThreeNode) {
    EchangeCategorieJuridique echange{"libre", "5710", ""};
    TfrmCategorieJuridique picker(echange);
    picker.Activate();
    for (const char* node : {"", "6", "65"}) {
        picker.Edit("categorie", node);
        EXPECT_EQ(picker.Leave(), "categorie") << node;
    }
    EXPECT_EQ(testing_support::Textes(boxes_),
              (std::vector<std::string>{"Veuillez sélectionner une catégorie juridique.",
                                        "Veuillez sélectionner une catégorie juridique au troisième niveau.",
                                        "Veuillez sélectionner une catégorie juridique au troisième niveau."}));
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Information);
    picker.Edit("categorie", "6540");
    ASSERT_EQ(picker.Leave(), std::nullopt);
    picker.Deactivate();
    EXPECT_EQ(echange.code, "6540");
    EXPECT_EQ(echange.libelle, CCategorieJuridique::DonneLibelleCategorieJuridique("6540"));
    EXPECT_EQ(echange.inutilise, "libre");
}

TEST_F(Screens, CorrectionDialogsInsistOnAValidChoice) {
    TfrmFJ forme("97", "SCI DU MOULIN");
    forme.Activate();
    EXPECT_EQ(forme.GetField("denomination").value, "SCI DU MOULIN");
    EXPECT_EQ(forme.Leave(), "forme-juridique");
    forme.Edit("forme-juridique", "");  // the empty first entry
    EXPECT_EQ(forme.Leave(), "forme-juridique");
    forme.Edit("forme-juridique", "Société civile immobilière");
    ASSERT_EQ(forme.Leave(), std::nullopt);
    forme.Deactivate();
    EXPECT_EQ(forme.Forme(), host::FJ_SCI);  // the form's code, as an associate's Titre keeps it

    TfrmPays pays("999", "Martin", "Jeanne");
    pays.Activate();
    EXPECT_EQ(pays.Leave(), "pays");  // even France must be chosen
    pays.Edit("pays", "Atlantide");
    EXPECT_EQ(pays.Leave(), "pays");
    pays.Edit("pays", "Allemagne");
    ASSERT_EQ(pays.Leave(), std::nullopt);
    pays.Deactivate();
    EXPECT_EQ(pays.Pays(), 57);
    EXPECT_EQ(testing_support::Textes(boxes_),
              (std::vector<std::string>{"Veuillez sélectionner une forme juridique valide",
                                        "Veuillez sélectionner une forme juridique valide",
                                        "Veuillez sélectionner un pays valide",
                                        "Veuillez sélectionner un pays valide"}));
}

// --- The identification numbers of the general-numbers screen ---

struct NumbersCase {
    const char* nom;
    const char* siren1;
    const char* siren2;
    const char* siren3;
    const char* nic;
    const char* prefixe;
    std::optional<std::string> focus;
    std::vector<std::string> boxes;
};

class IdentificationCheck : public Screens, public testing::WithParamInterface<NumbersCase> {};

TEST_P(IdentificationCheck, ClosesOrFocusesTheFaultyField) {
    TfrmNumGeneraux ecran;
    const NumbersCase& c = GetParam();
    ecran.Edit("siren-1", c.siren1);
    ecran.Edit("siren-2", c.siren2);
    ecran.Edit("siren-3", c.siren3);
    ecran.Edit("nic", c.nic);
    ecran.Edit("prefixe", c.prefixe);
    EXPECT_EQ(ecran.Leave(), c.focus);
    EXPECT_EQ(testing_support::Textes(boxes_), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentificationCheck,
    testing::Values(
        NumbersCase{"NoSirenNothingChecked", "", "", "", "12", "FR99", std::nullopt, {}},
        NumbersCase{"AllRight", "552", "081", "317", "66522", "FR03", std::nullopt, {}},
        NumbersCase{"SirenAloneNoPrefix", "552", "081", "317", "", "", std::nullopt, {}},
        NumbersCase{"NoPrefix", "552", "081", "317", "66522", "", std::nullopt, {}},
        NumbersCase{"WrongSiretKey", "552", "081", "317", "66523", "FR03", "siren-1",
                    {"La clé du SIRET 55208131766523 est incorrecte"}},
        NumbersCase{"WrongVatKey", "552", "081", "317", "66522", "fr04", "prefixe",
                    {"La clé 04 du numéro de TVA ne correspond pas au SIREN 552081317"}},
        NumbersCase{"LaPosteWrongVatKey", "356", "000", "000", "49837", "FR99", "prefixe",
                    {"La clé 99 du numéro de TVA ne correspond pas au SIREN 356000000"}}),
    testing_support::NomDuCas());

struct FocusCase {
    const char* field;
    const char* before;
    const char* typed;
    const char* focus;  // "" when it stays
};

TEST_F(Screens, SirenGroupPassesTheFocusWhenAKeyFillsIt) {
    for (const FocusCase& c : {FocusCase{"siren-1", "55", "552", "siren-2"}, FocusCase{"siren-2", "08", "081", "siren-3"},
                               FocusCase{"siren-3", "31", "317", "nic"}, FocusCase{"siren-1", "5", "55", ""},
                               FocusCase{"siren-1", "552", "553", ""}, FocusCase{"siren-1", "", "552", ""},
                               FocusCase{"nic", "6652", "66522", ""}}) {
        TfrmNumGeneraux ecran;
        ecran.Edit(c.field, c.before);
        ecran.Edit(c.field, c.typed);
        EXPECT_EQ(ecran.Focus(), c.focus) << c.field << " " << c.before << " → " << c.typed;
    }
}

// --- The SIRET screen, over a dossier ---

class SiretScreen : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        ModifierDossier({{"Exercice", "Debut", "01/01/2025"}, {"Exercice", "Fin", "31/12/2025"}});
    }
    static double D(const char* texte) { return *ParseDate(texte); }
    std::unique_ptr<frame::Screen> Ouvrir() {
        auto ecran = frame::CreateScreen("TfrmSiret");
        ecran->Activate();
        return ecran;
    }
    // A whole SIRET typed over its groups, and read back.
    static void Saisir(frame::Screen& ecran, const char* siret, const char* texte) {
        for (const auto& [champ, valeur] : RepartirSaisie(ecran, siret, texte)) ecran.Edit(champ, valeur);
    }
    static std::string Siret(const frame::Screen& ecran, const char* siret) {
        return GroupesSiret(std::string(siret) + "-").Joint(ecran);
    }
};

TEST_F(SiretScreen, LoadsBothClosingsUnderTheirYears) {
    CSiret::SetSIRET(D("31/12/2024"), "55208131766522");
    CSiret::SetIDSP(D("31/12/2025"), "A1234567890123");
    CSiret::SetCategorieJuridique("6540");
    const auto ecran = Ouvrir();
    EXPECT_EQ(ecran->GetField("siret-n1-siren-1").label, "SIRET au 31/12/2024 si différent");
    EXPECT_EQ(ecran->GetField("pseudo-siret-n").label, "Pseudo-SIRET au 31/12/2025");
    EXPECT_EQ(ecran->GetField("idsp-n1").label, "IDSP au 31/12/2024 si différent");
    EXPECT_EQ(Siret(*ecran, "siret-n1"), "55208131766522");
    EXPECT_EQ(ecran->GetField("idsp-n").value, "A1234567890123");
    EXPECT_EQ(ecran->GetField("categorie-juridique").value, CCategorieJuridique::DonneLibelleCategorieJuridique("6540"));
    EXPECT_FALSE(ecran->GetField("idsp-n1").enabled);  // the year before has its SIRET
    EXPECT_TRUE(ecran->GetField("idsp-n").enabled);
}

TEST_F(SiretScreen, TheDossiersSiretStandsForYearN) {
    ModifierDossier({{"Identification", "Siren", "552081317"}, {"Identification", "Nic", "66522"}});
    CSiret::SetIDSP(D("31/12/2025"), "A1234567890123");
    const auto ecran = Ouvrir();
    EXPECT_EQ(Siret(*ecran, "siret-principal"), "55208131766522");
    EXPECT_FALSE(ecran->GetField("pseudo-siret-n").enabled);
    EXPECT_EQ(ecran->GetField("idsp-n").value, "");  // emptied as it is disabled
    EXPECT_TRUE(ecran->GetField("pseudo-siret-n1").enabled);
}

TEST_F(SiretScreen, ASiretDigitDisablesAndEmptiesTheIdspOfItsYear) {
    const auto ecran = Ouvrir();
    ecran->Edit("idsp-n", "A1234567890123");
    ecran->Edit("pseudo-siret-n", "P1234567800001");
    ecran->Edit("siret-n-siren-1", "5");
    EXPECT_FALSE(ecran->GetField("idsp-n").enabled);
    EXPECT_EQ(ecran->GetField("idsp-n").value, "");
    EXPECT_FALSE(ecran->GetField("pseudo-siret-n").enabled);
    EXPECT_TRUE(ecran->GetField("idsp-n1").enabled);
    EXPECT_THROW(ecran->Edit("idsp-n", "A1234567890123"), std::logic_error);
    ecran->Edit("siret-n-siren-1", "");
    EXPECT_TRUE(ecran->GetField("idsp-n").enabled);
}

TEST_F(SiretScreen, ChecksInOrderThenSaves) {
    const auto ecran = Ouvrir();
    ecran->Edit("idsp-n", "P1234567890123");
    ecran->Edit("pseudo-siret-n1", "P1234567800002");
    EXPECT_EQ(ecran->Leave(), "pseudo-siret-n1");
    ecran->Edit("pseudo-siret-n1", "P1234567800001");
    EXPECT_EQ(ecran->Leave(), "idsp-n");
    ecran->Edit("idsp-n", "a1234567890123");
    Saisir(*ecran, "siret-n1", "55208131766523");  // disables the pseudo-SIRET N-1, which is not saved
    EXPECT_EQ(ecran->Leave(), "siret-n1-siren-1");
    EXPECT_EQ(testing_support::Textes(boxes_),
              (std::vector<std::string>{
                  "Le format d'un Pseudo-SIRET est \"PXXXXXXXX00001\",\nveuillez rectifier votre saisie.",
                  "Le numéro IDSP doit commencer par une lettre autre que P et avoir 14 caractères,\nveuillez "
                  "rectifier votre saisie.",
                  "La clé du SIRET 55208131766523 est incorrecte"}));
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Erreur);

    Saisir(*ecran, "siret-n1", "55208131766522");
    ecran->Edit("pseudo-siret-n", "P9876543200001");
    ASSERT_EQ(ecran->Leave(), std::nullopt);
    ecran->Deactivate();
    EXPECT_EQ(CSiret::GetSIRET(D("31/12/2024")), "55208131766522");
    EXPECT_EQ(CSiret::GetPseudoSIRET(D("31/12/2025")), "P9876543200001");
    EXPECT_EQ(CSiret::GetPseudoSIRET(D("31/12/2024")), "");
    EXPECT_EQ(CSiret::GetIDSP(D("31/12/2025")), "a1234567890123");
}

TEST_F(SiretScreen, GeneralNumbersLoadAndSaveTheDossiersNumbers) {
    ModifierDossier({{"Identification", "Prefixe", "FR03"}, {"Identification", "Siren", "552081317"},
                     {"Identification", "Nic", "66522"}});
    TfrmNumGeneraux ecran;
    ecran.Activate();
    EXPECT_EQ(ecran.GetField("siren-2").value, "081");
    EXPECT_EQ(ecran.GetField("prefixe").value, "FR03");
    for (const auto& [champ, texte] : std::vector<std::pair<const char*, const char*>>{
             {"prefixe", "fr59"}, {"siren-1", "542"}, {"siren-2", "051"}, {"siren-3", "180"}, {"nic", "00066"}})
        ecran.Edit(champ, texte);
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(host_->Dossier()->GetNumerosIdentification().siren, "542051180");
    EXPECT_EQ(host_->Dossier()->GetSIRET(), "54205118000066");
    EXPECT_EQ(host_->Dossier()->GetNumerosIdentification().prefixe, "FR59");
}

TEST_F(SiretScreen, EveryRegisteredScreenServesAFormOfTheWizard) {
    const CTree arbre;
    for (const std::string& forme : frame::RegisteredFormClasses()) {
        bool servie = false;
        for (int ecran = arbre.GetFirstNode(); ecran <= arbre.GetLastNode(); ++ecran)
            servie = servie || arbre.Noeud(ecran).classeFormulaire == forme;
        EXPECT_TRUE(servie) << forme;
    }
    EXPECT_FALSE(frame::RegisterScreen("TfrmSiret", [] { return std::make_unique<TfrmSiret>(2000); }));
    EXPECT_EQ(frame::CreateScreen("TfrmInconnu"), nullptr);
}

}  // namespace
}  // namespace kvarn::identification
