// The outside parties through the exported accessors: the exchanged record byte for byte, the
// accountant rule of the practice, the selections and what they leave in the caller's record.
#include <kvarn/accesseurs.hpp>

#include "exports_fixture.hpp"
#include "support/bytes.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kvarn::frame {
namespace {

using standalone::Intervenant;

class Intervenants : public Exports {
protected:
    void SetUp() override {
        // The directory is the user's, shared by every dossier: each test starts with an empty one.
        std::filesystem::remove(standalone::AnnuaireFichier::CheminParDefaut());
        Exports::SetUp();
    }

    int Ajouter(int type, const std::string& nom, bool parDefaut = false, int modeAffectation = 0) {
        return host_->Annuaire().Ajouter(
            {.Type = type, .Nom = nom, .ParDefaut = parDefaut, .ModeAffectation = modeAffectation});
    }

    static std::string Octets(const INTERVENANT_KV& i) { return testing_support::BytesOf(i); }
    static INTERVENANT_KV Rempli() {
        INTERVENANT_KV i;
        std::memset(&i, 0x5A, sizeof i);
        return i;
    }
};

TEST_F(Intervenants, RecordFromTheDirectoryByteForByte) {
    const int id = host_->Annuaire().Ajouter(
        {.Type = host::kComptable, .Nom = "Cabinet Émile" + std::string(60, 'x'),  // cut at 60 characters
         .Siret = "73282932000074", .Observations = "Mission de tenue", .AdrComplmt1 = "Bâtiment A",
         .AdrComplmt2 = "Zone nord", .AdrNoVoie = "12", .AdrCmplNoVoie = "B", .AdrNomVoie = "rue de la République",
         .AdrBP = "BP 7", .AdrCP = "34200", .AdrVille = "Sète", .AdrTel = "0467000000", .AdrFax = "0467000001",
         .AdrIDPays = 0x0138,  // 312: both bytes of the 16-bit country count
         .NoAgrement = "AG123", .Email = "contact@cabinet.fr", .Contact = "M. Dupuis"});
    ASSERT_EQ(id, 1);

    const std::string nom = "Cabinet \x90mile" + std::string(47, 'x');
    const std::string attendu = testing_support::Layout(
        890, {{0, std::string_view("\x01\x00", 2)}, {2, nom}, {63, "\x01"}, {64, "73282932000074"},
              {79, "Mission de tenue"}, {592, "B\x83timent A"}, {628, "Zone nord"}, {664, "12"}, {670, "B"},
              {674, "rue de la R\x82publique"}, {710, "BP 7"}, {716, "34200"}, {734, "S\x8Ate"}, {766, "0467000000"},
              {784, "0467000001"}, {802, "\x38\x01"}, {804, "AG123"}, {819, "contact@cabinet.fr"}, {855, "M. Dupuis"}});

    INTERVENANT_KV lu = Rempli();
    EXPECT_TRUE(GetIntervenantComptable(id, lu));
    EXPECT_EQ(Octets(lu), attendu);

    host_->Dossier()->SetIntervenantAttache(host::kComptable, id);
    INTERVENANT_KV attache = Rempli();
    EXPECT_TRUE(GetComptableSelectionne(attache));
    EXPECT_EQ(Octets(attache), attendu);
}

TEST_F(Intervenants, LookupByIdentifierChecksTheKind) {
    const int aga = Ajouter(host::kAGA, "AGA du Languedoc");
    const int cga = Ajouter(host::kCGA, "CGA de l'Hérault");
    const int admin = Ajouter(host::kAdministrateur, "Gestion Martin");
    INTERVENANT_KV i = Rempli();
    EXPECT_TRUE(GetIntervenantOga(aga, i, true));
    EXPECT_STREQ(i.Nom, "AGA du Languedoc");
    EXPECT_TRUE(GetIntervenantOga(cga, i, false));
    EXPECT_STREQ(i.Nom, "CGA de l'H\x82rault");
    EXPECT_FALSE(GetIntervenantOga(aga, i, false));
    EXPECT_EQ(Octets(i), std::string(890, '\0'));  // the zeroed request record, converted
    EXPECT_TRUE(GetIntervenantAdmin(admin, i));
    EXPECT_FALSE(GetIntervenantComptable(admin, i));
}

// --- The accountant of the dossier and the practice's rule ---

struct CasComptable {
    const char* nom;
    bool compagnonInstalle;  // module 148
    int modeCabinet;         // the practice's 16-bit value at offset 914
    bool comptableAttache;
    const char* attendu;     // the accountant's name, empty for none
};

class RegleDuComptable : public Intervenants, public testing::WithParamInterface<CasComptable> {};

TEST_P(RegleDuComptable, DecidesWhetherTheDirectorysDefaultAccountantStands) {
    const CasComptable& cas = GetParam();
    if (cas.compagnonInstalle) ModifierDossier({{"Hote", "AssistantsInstalles", "12, 148"}});
    Ajouter(host::kCabinet, "Cabinet", true, cas.modeCabinet);
    Ajouter(host::kComptable, "Comptable par défaut", true);
    const int propre = Ajouter(host::kComptable, "Comptable du dossier");
    if (cas.comptableAttache) host_->Dossier()->SetIntervenantAttache(host::kComptable, propre);

    INTERVENANT_KV i = Rempli();
    EXPECT_EQ(GetComptableSelectionne(i), *cas.attendu != '\0');
    EXPECT_EQ(ToUtf8(i.Nom, CodePage::Oem), cas.attendu);
    EXPECT_EQ(Env().GetComptableChoisiParDossier(), cas.modeCabinet == 2);
    EXPECT_EQ(Env().GetAssistantCompagnonInstalle(), cas.compagnonInstalle);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, RegleDuComptable,
    testing::Values(CasComptable{"ChoisiParDossierSansComptable", true, 2, false, ""},
                    CasComptable{"ChoisiParDossierAvecComptable", true, 2, true, "Comptable du dossier"},
                    CasComptable{"DefautDuCabinet", true, 1, false, "Comptable par défaut"},
                    CasComptable{"SansModuleCompagnon", false, 2, false, "Comptable par défaut"}),
    testing_support::NomDuCas());

// --- Selections: what the caller's record holds after the user chose or did not ---

struct CasSelection {
    const char* nom;
    int type;
    std::function<bool(INTERVENANT_KV&)> selectionner;
    std::function<bool(INTERVENANT_KV&)> lireAttache;  // null when the kind has no reader
    bool conserveSansChoix;  // the caller's record is left as it was when nothing is chosen
    bool attache = true;     // the choice is attached to the dossier
};

class Selection : public Intervenants, public testing::WithParamInterface<CasSelection> {};

TEST_P(Selection, ChosenPartyIsConvertedAndAttached) {
    const int id = Ajouter(GetParam().type, "Partie choisie");
    const int autre = Ajouter(GetParam().type, "Autre");
    Ajouter(GetParam().type == host::kSIE ? host::kCGI : host::kSIE, "Autre genre");
    choice_.QueueId(id);
    INTERVENANT_KV i = Rempli();
    EXPECT_TRUE(GetParam().selectionner(i));
    EXPECT_EQ(choice_.offered().back(), (std::vector<int>{id, autre}));  // only the parties of the kind
    EXPECT_EQ(i.Id, id);
    EXPECT_STREQ(i.Nom, "Partie choisie");
    EXPECT_EQ(host_->Dossier()->GetIntervenantAttache(GetParam().type), GetParam().attache ? id : 0);
    if (GetParam().lireAttache) {
        INTERVENANT_KV attache = Rempli();
        EXPECT_TRUE(GetParam().lireAttache(attache));
        EXPECT_EQ(Octets(attache), Octets(i));
    }
}

TEST_P(Selection, NoChoiceLeavesOrClearsTheRecord) {
    Ajouter(GetParam().type, "Personne");
    choice_.QueueId(0);
    INTERVENANT_KV i = Rempli();
    EXPECT_FALSE(GetParam().selectionner(i));
    EXPECT_EQ(Octets(i), GetParam().conserveSansChoix ? Octets(Rempli()) : std::string(890, '\0'));
    EXPECT_EQ(host_->Dossier()->GetIntervenantAttache(GetParam().type), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, Selection,
    testing::Values(
        CasSelection{"Comptable", host::kComptable, [](INTERVENANT_KV& i) { return SelectionneComptable(i, true); },
                     [](INTERVENANT_KV& i) { return GetComptableSelectionne(i); }, false},
        CasSelection{"ComptableDePassage", host::kComptable,
                     [](INTERVENANT_KV& i) { return SelectionneComptable(i, false); }, nullptr, false, false},
        CasSelection{"Conseil", host::kConseil, [](INTERVENANT_KV& i) { return SelectionneConseil(i); },
                     [](INTERVENANT_KV& i) { return GetConseilSelectionne(i); }, false},
        CasSelection{"AGA", host::kAGA, [](INTERVENANT_KV& i) { return SelectionneAGA(i, false); },
                     [](INTERVENANT_KV& i) { return GetAGASelectionne(i); }, true},
        CasSelection{"CGA", host::kCGA, [](INTERVENANT_KV& i) { return SelectionneCGA(i, false); }, nullptr, true},
        CasSelection{"Administrateur", host::kAdministrateur,
                     [](INTERVENANT_KV& i) { return SelectionneAdmin(i, true); },
                     [](INTERVENANT_KV& i) { return GetAdminSelectionne(i); }, false},
        CasSelection{"SIE", host::kSIE, [](INTERVENANT_KV& i) { return SelectionneSIE(i); },
                     [](INTERVENANT_KV& i) { return GetSIESelectionne(i); }, false},
        CasSelection{"CGI", host::kCGI, [](INTERVENANT_KV& i) { return SelectionneCGI(i); },
                     [](INTERVENANT_KV& i) { return GetCGISelectionne(i); }, false}),
    testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::frame
