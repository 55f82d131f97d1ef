#include "frame/etat_module.hpp"
#include "frame/preparation_assistant.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/assistant.hpp>
#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

namespace kvarn::frame {
namespace {

// A dossier in the current layout, with the data module created, and a count of start-ups.
class Lifecycle : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        DataModule()->Gestionnaires().push_back([this](store::TdmKvarn&) { ++demarrages_; });
    }

    std::vector<std::optional<int>> Regimes() {
        std::vector<std::optional<int>> regimes;
        db::CTable& associes = DataModule()->Donnees().Composant("tblAssociesKV");
        associes.Open();
        for (associes.First(); !associes.Eof(); associes.Next()) {
            const db::Field& regime = associes.FieldByName("RegimeImpositionSCI");
            regimes.push_back(regime.IsNull() ? std::nullopt : std::optional<int>(regime.AsInteger()));
        }
        associes.Close();
        return regimes;
    }

    int demarrages_ = 0;
};

TEST_F(Lifecycle, NestedBracketsRunTheStartUpOnceOverTheOneDataModule) {
    store::TdmKvarn* first = DataModule();
    InitDataModuleKV();  // a second creation keeps the first
    EXPECT_EQ(DataModule(), first);
    InitKV();
    InitKV();
    DesinitKV();
    EXPECT_EQ(demarrages_, 1);
    EXPECT_EQ(Etat().compteurInit, 1);  // the dossier stays started
    DesinitKV();
    DesinitKV();  // never below zero
    EXPECT_EQ(Etat().compteurInit, 0);
    InitKV();  // from zero again: a new start-up
    EXPECT_EQ(demarrages_, 2);
    DesinitKV();
}

TEST(LifecycleWithoutDataModule, BracketAndOverrideDoNothing) {
    ASSERT_EQ(DataModule(), nullptr);
    InitKV();
    EXPECT_EQ(Etat().compteurInit, 0);
    _KVAffecterAssistantDeChargement(5);
    EXPECT_EQ(_Run(0), 1);
    EXPECT_EQ(Etat().compteurInit, 0);
}

TEST_F(Lifecycle, RunZeroPreparesTheWizardAndRunOneLeavesTheBracket) {
    std::unique_ptr<TFenMainAssistant> window(TFenMainAssistant::CreateInstance(nullptr));
    BlocParametres block{77, 5};
    window->Tag = reinterpret_cast<std::intptr_t>(&block);
    EXPECT_EQ(_Run(0), 1);
    EXPECT_EQ(Etat().compteurInit, 1);
    EXPECT_EQ(demarrages_, 1);
    for (int node = 1; node <= 21; ++node) EXPECT_EQ(window->tvKV.GetNodeExtraInfos(node)->Valeur, 77);
    EXPECT_TRUE(window->tvKV.Noeud(12).visible);
    EXPECT_FALSE(window->tvKV.Noeud(1).visible);
    EXPECT_EQ(_Run(2), 1);  // nothing else happens
    EXPECT_EQ(Etat().compteurInit, 1);
    EXPECT_EQ(_Run(1), 1);
    EXPECT_EQ(Etat().compteurInit, 0);
}

struct Mode {
    int categorie;
    int mode;
};

class LoadingMode : public Lifecycle, public testing::WithParamInterface<Mode> {};

TEST_P(LoadingMode, FollowsTheCategoryUnlessOverridden) {
    ModifierDossier({{"Dossier", "Categorie", std::to_string(GetParam().categorie)}});
    EXPECT_EQ(DataModule()->ModeChargement(), GetParam().mode);
    _KVAffecterAssistantDeChargement(6);
    EXPECT_EQ(DataModule()->ModeChargement(), 6);
    _KVAffecterAssistantDeChargement(-1);
    EXPECT_EQ(DataModule()->ModeChargement(), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Categories, LoadingMode,
                         testing::Values(Mode{3, 2}, Mode{5, 0}, Mode{8, 1}, Mode{1, 4}, Mode{2, 4}, Mode{0, 4}));

TEST_F(Lifecycle, AssociatesTableClosesWhenItsLastHolderReleasesIt) {
    store::TdmKvarn& module = *DataModule();
    db::CTable& associes = module.Donnees().Composant("tblAssociesKV");
    module.OuvrirAssocies(1, "", "");
    module.OuvrirAssocies(2, "idxRaisonSociale", "");
    module.FermerAssocies();
    EXPECT_TRUE(associes.Active());
    module.FermerAssocies();
    EXPECT_FALSE(associes.Active());
    module.FermerAssocies();  // never below zero
    EXPECT_EQ(module.NombreDetenteursAssocies(), 0);
}

class RegimesAtStartUp : public Lifecycle, public testing::WithParamInterface<int> {};

TEST_P(RegimesAtStartUp, Category8ClearsBaAndRfWithOneMessageOthersKeepThem) {
    const bool huit = GetParam() == 8;
    ModifierDossier({{"Dossier", "Categorie", std::to_string(GetParam())}});
    DataModule()->Donnees().Session().connection().Execute(
        "INSERT INTO KOLMIKV1 (Nom, RegimeImpositionSCI) VALUES ('Martin', 3), ('Durand', 2), ('Fabre', 1), "
        "('Émile', NULL)");
    InitKV();
    EXPECT_EQ(Regimes(), (huit ? std::vector<std::optional<int>>{std::nullopt, std::nullopt, 1, std::nullopt}
                               : std::vector<std::optional<int>>{3, 2, 1, std::nullopt}));
    ASSERT_EQ(boxes_.shown().size(), huit ? 1u : 0u);
    if (huit) {
        EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Information);
        EXPECT_EQ(boxes_.shown()[0].texte,
                  "Le régime d'imposition de certains associés est incompatible avec la catégorie des revenus du "
                  "dossier (2036).\nPour les associés concernés vous devez modifier le régime d'imposition.");
    }
    DesinitKV();
}

INSTANTIATE_TEST_SUITE_P(Categories, RegimesAtStartUp, testing::Values(8, 5));

TEST_F(Lifecycle, NewDossierRecordsTheCurrentVersionsAndMigratesNothing) {
    int etapes = 0;
    DataModule()->Migrations().structure.push_back({[&] { ++etapes; }, "ancienne", 0x10100});
    DataModule()->Migrations().donnees.push_back({[&] { ++etapes; }, "ancienne", 0x10500});
    InitKV();
    EXPECT_EQ(etapes, 0);
    EXPECT_EQ(host_->Dossier()->FichierINI().GetInteger("KV", "Migrations", -1), 70916);
    EXPECT_EQ(host_->Dossier()->FichierINI().GetInteger("KVDonnees", "Migrations", -1), 135168);
    DesinitKV();
}

TEST_F(Lifecycle, TableCopyCreatesAMissingTable) {
    db::Session& session = DataModule()->Donnees().Session();
    session.connection().Execute("DROP TABLE KOLMIKVS");
    ASSERT_FALSE(session.TableExists("ZOR_DOSSIER", "KOLMIKVS"));
    InitKV();
    EXPECT_TRUE(session.TableExists("ZOR_DOSSIER", "kolmikvs.db"));
    DesinitKV();
}

TEST_F(Lifecycle, MovementDetailsFollowTheirMovement) {
    store::TdmDonnees& donnees = DataModule()->Donnees();
    donnees.Session().connection().Execute("INSERT INTO KOLMIKVM (TypeMouvement) VALUES (0), (1)");
    InitKV();  // the start-up links the details
    db::CTable& mouvements = donnees.Composant("tblMouvementParts");
    db::CTable& details = donnees.Composant("tblDetMouvParts");
    EXPECT_EQ(DataModule()->Source("dsMouvementParts").DataSet(), &mouvements);
    mouvements.Open();
    details.Open();
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
        details.Append();  // the link field comes from the master
        details.Post();
        EXPECT_EQ(details.RecordCount(), 1);
        EXPECT_EQ(details.FieldByName("IdMouv").AsInteger(), mouvements.FieldByName("AutoID").AsInteger());
    }
    details.Close();
    mouvements.Close();
    DesinitKV();
}

TEST_F(Lifecycle, TableFunctionsOpenAndCloseAndTheirErrorsAreShownThenRaised) {
    OuvrirTableAssociesKV();
    EXPECT_TRUE(DataModule()->Donnees().Composant("tblAssociesKV").Active());
    FermerTableAssociesKV();
    EXPECT_FALSE(DataModule()->Donnees().Composant("tblAssociesKV").Active());
    OuvrirTableDeductionsReintegrationsKV();
    EXPECT_TRUE(DataModule()->Donnees().Composant("tblDiversFisc").Active());
    FermerTableDeductionsReintegrationsKV();
    DataModule()->Donnees().Session().connection().Execute("DROP TABLE KOLMIKV2");
    EXPECT_ANY_THROW(OuvrirTableDeductionsReintegrationsKV());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte.rfind("1015:5 ", 0), 0u) << boxes_.shown()[0].texte;
}

}  // namespace
}  // namespace kvarn::frame
