// The address panel's rules without widgets: which member each field shows and takes back, and
// the postcode check on leaving.
#include "frame/screens/address_panel.hpp"
#include "support/dossier_ouvert.hpp"

namespace kvarn::frame {
namespace {

class EcranAdresse final : public Screen {
public:
    EcranAdresse() {
        for (Field& f : panneau.Fields()) Declare(std::move(f));
    }
    void Activate() override {}
    std::optional<std::string> Leave() override { return panneau.Check(*this); }
    void Deactivate() override {}
    void Montrer(const host::TAdresseFormatTDFC& a) {
        for (auto& [nom, valeur] : panneau.Values(a)) SetValue(nom, valeur);
    }
    AddressPanel panneau{"siege-"};
};

using AddressPanelTest = testing_support::DossierOuvert;

TEST_F(AddressPanelTest, EachFieldShowsItsMemberAndGivesItBack) {
    EcranAdresse ecran;
    const host::TAdresseFormatTDFC adresse{"Nom gardé", "Bâtiment A", "Entrée 2", "12", "B", "rue des Lilas", "45",
                                           "69003", "Lyon", 134, "Lyon Préfecture", "04 78 00 00 00"};
    ecran.Montrer(adresse);
    EXPECT_EQ(ecran.GetField("siege-indice-repetition").value, "B");
    EXPECT_EQ(ecran.GetField("siege-bp").value, "45");
    EXPECT_EQ(ecran.GetField("siege-telephone").value, "04 78 00 00 00");
    EXPECT_EQ(ecran.panneau.Read(ecran, {}), (host::TAdresseFormatTDFC{"", "Bâtiment A", "Entrée 2", "12", "B", "rue des Lilas",
                                                                      "45", "69003", "Lyon", 134, "", "04 78 00 00 00"}));
    ecran.Edit("siege-voie", std::string(40, 'v'));
    EXPECT_EQ(ecran.GetField("siege-voie").value.size(), 35u);
}

struct CasCodePostal {
    const char* nom;
    const char* pays;
    const char* codePostal;
    bool accepte;
};

class CodePostal : public testing_support::DossierOuvert, public testing::WithParamInterface<CasCodePostal> {};

TEST_P(CodePostal, OnlyAFrenchPostcodeIsChecked) {
    EcranAdresse ecran;
    ecran.Edit("siege-pays", GetParam().pays);
    ecran.Edit("siege-code-postal", GetParam().codePostal);
    const auto focus = ecran.Leave();
    EXPECT_EQ(!focus, GetParam().accepte);
    if (GetParam().accepte) return;
    EXPECT_EQ(*focus, "siege-code-postal");
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Erreur);
}

INSTANTIATE_TEST_SUITE_P(Panneau, CodePostal,
                         testing::Values(CasCodePostal{"FrancaisValide", "France", "75001", true},
                                         CasCodePostal{"FrancaisVide", "France", "", true},
                                         CasCodePostal{"FrancaisCourt", "France", "7500", false},
                                         CasCodePostal{"FrancaisLettres", "France", "7500A", false},
                                         CasCodePostal{"Etranger", "Belgique", "1000", true}),
                         testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::frame
