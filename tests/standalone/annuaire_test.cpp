#include "host/host.hpp"
#include "standalone/standalone_host.hpp"
#include "support/files.hpp"
#include "support/scripted_boxes.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace kvarn::standalone {
namespace {

namespace fs = std::filesystem;
using testing_support::QueuedChoice;
using testing_support::ScriptedBoxes;

class Directory : public testing::Test {
protected:
    void SetUp() override {
        dir_ = testing_support::FreshDirectory("annuaire");
        DossierFichier::Creer(dir_ / "dossier", {{"Dossier", "Nom", "Test"}});
        host_ = StandaloneHost::Open(dir_ / "dossier", {&boxes_, &choice_, {}, dir_ / "intervenants.ini"});
    }

    static Intervenant Accountant(const std::string& name) {
        return {.Type = host::kComptable, .Nom = name, .Siret = "55210055400041", .Observations = "Mission de tenue",
                .AdrComplmt1 = "Immeuble « Le Cèdre »", .AdrNoVoie = "12", .AdrCmplNoVoie = "B",
                .AdrNomVoie = "avenue de l'Œuvre", .AdrCP = "34000", .AdrVille = "Montpellier",
                .AdrTel = "04 67 00 00 00", .Email = "cabinet@exemple.fr"};
    }

    fs::path dir_;
    ScriptedBoxes boxes_;
    QueuedChoice choice_;
    std::unique_ptr<StandaloneHost> host_;
};

TEST_F(Directory, RecordRoundTripsInTheOemCodePage) {
    const int id = host_->Annuaire().Ajouter(Accountant("Cabinet Émile"));
    host::FicheIntervenant fiche;
    std::memset(&fiche, 0xFF, sizeof fiche);
    ASSERT_TRUE(host::GetIntervenant(id, &fiche, host::kComptable));
    EXPECT_EQ(fiche.Donnees.Id, id);
    EXPECT_STREQ(fiche.Donnees.Nom, "Cabinet \x90mile");             // É in CP850
    EXPECT_STREQ(fiche.Donnees.AdrNomVoie, "avenue de l'?uvre");     // Œ has no OEM byte
    EXPECT_STREQ(fiche.Donnees.AdrComplmt1, "Immeuble \xAE Le C\x8A" "dre \xAF");
    EXPECT_STREQ(fiche.Donnees.Siret, "55210055400041");
    EXPECT_STREQ(fiche.Donnees.AdrVille, "Montpellier");
    EXPECT_EQ(fiche.Donnees.AdrIDPays, 76);
    EXPECT_EQ(fiche.Type, host::kComptable);
    EXPECT_EQ(fiche.Donnees.Reserve, 0);
    EXPECT_FALSE(host::GetIntervenant(id, &fiche, host::kConseil));  // wrong kind
    EXPECT_FALSE(host::GetIntervenant(id + 1, &fiche, host::kComptable));
}

TEST_F(Directory, DefaultPartyServesOnlyWhenAskedFor) {
    Intervenant byDefault = Accountant("Par défaut");
    byDefault.ParDefaut = true;
    const int id = host_->Annuaire().Ajouter(byDefault);
    host::FicheIntervenant fiche{};
    EXPECT_FALSE(host::GetIntervenantSelectionne(&fiche, host::kComptable, 0, 0, 0, 0));
    ASSERT_TRUE(host::GetIntervenantSelectionne(&fiche, host::kComptable, 0, 1, 0, 0));
    EXPECT_EQ(fiche.Donnees.Id, id);
}

TEST_F(Directory, IdentifiersFollowEachOtherAndPersist) {
    EXPECT_EQ(host_->Annuaire().Ajouter(Accountant("A")), 1);
    EXPECT_EQ(host_->Annuaire().Ajouter(Accountant("B")), 2);
    AnnuaireFichier again(dir_ / "intervenants.ini", nullptr, choice_);
    EXPECT_EQ(again.Lister().size(), 2u);
    EXPECT_EQ(again.Ajouter(Accountant("C")), 3);
    EXPECT_EQ(again.Trouver(2)->Nom, "B");
}

TEST_F(Directory, RefusesUnknownKindsAndNamelessParties) {
    Intervenant unknown = Accountant("X");
    unknown.Type = 4;
    EXPECT_THROW(host_->Annuaire().Ajouter(unknown), std::runtime_error);
    EXPECT_THROW(host_->Annuaire().Ajouter(Accountant("  ")), std::runtime_error);
    EXPECT_TRUE(host_->Annuaire().Lister().empty());
}

TEST(PartyKinds, NamesAndNumbers) {
    for (int kind : {0, 1, 2, 3, 7, 10, 11, 15}) {
        EXPECT_TRUE(host::EstTypeIntervenant(kind));
        EXPECT_EQ(TypeIntervenantDeNom(NomTypeIntervenant(kind)), kind);
    }
    EXPECT_EQ(TypeIntervenantDeNom("sie"), 10);
    EXPECT_EQ(TypeIntervenantDeNom("15"), 15);
    EXPECT_EQ(TypeIntervenantDeNom("4"), std::nullopt);
    EXPECT_EQ(TypeIntervenantDeNom("notaire"), std::nullopt);
}

}  // namespace
}  // namespace kvarn::standalone
