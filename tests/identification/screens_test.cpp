#include "identification/screens/categorie_juridique_picker.hpp"
#include "identification/screens/correction_dialogs.hpp"
#include "identification/screens/identification_check.hpp"
#include "standalone/standalone_host.hpp"
#include "support/scripted_boxes.hpp"

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
    const TfrmCategorieJuridique picker({"", "", ""});
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

TEST_F(Screens, PickerSelectsTheCurrentCodeOrTheFirstNode) {
    const TfrmCategorieJuridique association({"", "9220", ""});
    ASSERT_EQ(association.Selection()->niveau, 3);
    EXPECT_EQ(association.Selection()->ligne->libelle, "Association déclarée");
    const TfrmCategorieJuridique withdrawn({"", "5498", ""});
    EXPECT_EQ(withdrawn.Selection(), &withdrawn.Arbre().front());
    const TfrmCategorieJuridique oldFirstLevel({"", "1100", ""});
    EXPECT_EQ(oldFirstLevel.Selection(), &oldFirstLevel.Arbre().front());
}

TEST_F(Screens, PickerConfirmsOnlyALevelThreeNode) {
    TfrmCategorieJuridique picker({"libre", "5710", ""});
    EchangeCategorieJuridique echange{"libre", "5710", ""};
    picker.SelectionnerNoeud(nullptr);
    EXPECT_FALSE(picker.Confirmer(echange));
    picker.SelectionnerNoeud(&picker.Arbre()[5]);
    EXPECT_FALSE(picker.Confirmer(echange));
    picker.SelectionnerNoeud(&picker.Arbre()[5].enfants[0]);
    EXPECT_FALSE(picker.Confirmer(echange));
    ASSERT_EQ(boxes_.shown().size(), 3u);
    EXPECT_EQ(boxes_.shown()[0].texte, "Veuillez sélectionner une catégorie juridique.");
    EXPECT_EQ(boxes_.shown()[1].texte, "Veuillez sélectionner une catégorie juridique au troisième niveau.");
    EXPECT_EQ(boxes_.shown()[2].type, host::TypeBoite::Information);
    ASSERT_TRUE(picker.SelectionnerCode("6540"));
    ASSERT_TRUE(picker.Confirmer(echange));
    EXPECT_EQ(echange.code, "6540");
    EXPECT_EQ(echange.libelle, CCategorieJuridique::DonneLibelleCategorieJuridique("6540"));
    EXPECT_EQ(echange.inutilise, "libre");
}

TEST_F(Screens, CorrectionDialogsInsistOnAValidChoice) {
    TfrmFJ forme("97", "SCI DU MOULIN");
    std::string chosen;
    EXPECT_FALSE(forme.Confirmer(chosen));
    forme.Liste().selection = forme.Liste().IndexDeObjet(11);
    ASSERT_TRUE(forme.Confirmer(chosen));
    EXPECT_EQ(chosen, "Société civile immobilière");
    forme.Liste().selection = 0;  // the empty first entry
    EXPECT_FALSE(forme.Confirmer(chosen));

    TfrmPays pays("999", "Martin", "Jeanne");
    int country = 0;
    EXPECT_FALSE(pays.Confirmer(country));
    pays.Choisir(9999);
    EXPECT_FALSE(pays.Confirmer(country));
    pays.Choisir(57);
    ASSERT_TRUE(pays.Confirmer(country));
    EXPECT_EQ(country, 57);
    std::vector<std::string> texts;
    for (const auto& box : boxes_.shown()) texts.push_back(box.texte);
    EXPECT_EQ(texts, (std::vector<std::string>{"Veuillez sélectionner une forme juridique valide",
                                               "Veuillez sélectionner une forme juridique valide",
                                               "Veuillez sélectionner un pays valide",
                                               "Veuillez sélectionner un pays valide"}));
}

struct NumbersCase {
    NumerosSaisis numbers;
    bool accepted;
    std::size_t boxes;
    const char* why;
};

class IdentificationCheck : public Screens, public testing::WithParamInterface<NumbersCase> {};

TEST_P(IdentificationCheck, FiveSteps) {
    EXPECT_EQ(VerifierNumerosIdentification(GetParam().numbers), GetParam().accepted) << GetParam().why;
    EXPECT_EQ(boxes_.shown().size(), GetParam().boxes) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentificationCheck,
    testing::Values(NumbersCase{{"", "", "", "12", "FR99"}, true, 0, "no SIREN: nothing checked"},
                    NumbersCase{{"552", "081", "317", "66522", "FR03"}, true, 0, "EDF, all right"},
                    NumbersCase{{"552", "081", "317", "", ""}, true, 0, "SIREN alone, no prefix"},
                    NumbersCase{{"552", "081", "317", "66523", "FR03"}, false, 1, "wrong SIRET key"},
                    NumbersCase{{"552", "081", "317", "66522", "FR04"}, false, 1, "wrong VAT key"},
                    NumbersCase{{"552", "081", "317", "66522", ""}, true, 0, "no prefix: accepted"},
                    NumbersCase{{"356", "000", "000", "49837", "FR99"}, false, 1, "La Poste, wrong VAT key"}));

TEST(SirenEntry, FocusMovesWhenAGroupBecomesFull) {
    EXPECT_EQ(ChampApresSaisie(Champ::Siren1, 2), Champ::Siren2);
    EXPECT_EQ(ChampApresSaisie(Champ::Siren2, 2), Champ::Siren3);
    EXPECT_EQ(ChampApresSaisie(Champ::Siren3, 2), Champ::Nic);
    EXPECT_EQ(ChampApresSaisie(Champ::Siren1, 1), Champ::Siren1);
    EXPECT_EQ(ChampApresSaisie(Champ::Siren1, 3), Champ::Siren1);  // already full: a replaced digit
    EXPECT_EQ(ChampApresSaisie(Champ::Nic, 4), Champ::Nic);
}

}  // namespace
}  // namespace kvarn::identification
