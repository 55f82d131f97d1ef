// The migration chains: which steps run for the versions a dossier has recorded, what is recorded
// after them, and the refusals when the dossier's age cannot be told; each start-up is followed
// by the next one, which must run nothing more.
#include "store/migrations.hpp"

#include "db/session.hpp"
#include "environment/gest_trp_ini.hpp"
#include "store/data_module.hpp"
#include "store/nouveau_dossier.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kvarn::store {
namespace {

using Numeros = std::vector<std::uint32_t>;

class Migrations : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        parametres_ = std::make_unique<environment::CGestTRPIni>();
        session_.OpenDossier(dir_);
    }
    void TearDown() override {
        session_.Close();
        DossierOuvert::TearDown();
    }

    // A step that records its number when it runs, and fails when asked to.
    EtapeMigration Etape(std::uint32_t numero, bool echoue = false) {
        return {[this, numero, echoue] {
                    executees_.push_back(numero);
                    if (echoue) throw std::runtime_error("étape en échec");
                },
                "Migration " + std::to_string(numero), numero};
    }

    ChainesMigration Chaines() {
        return {{Etape(0x10100), Etape(0x10404), Etape(0x10408), Etape(0x11504)},
                {Etape(0x10500), Etape(0x10501), Etape(0x21000)}};
    }

    std::string Version(const char* service) { return parametres_->GetAssString(service, kCleMigrations); }

    db::Session session_;
    std::unique_ptr<environment::CGestTRPIni> parametres_;
    Numeros executees_;  // step numbers in the order run; 0 is the table copy
};

struct Cas {
    const char* nom;
    const char* structure;  // recorded versions as the file holds them; "" when absent
    const char* donnees;
    const char* ecart;      // how the tables differ from the current layout; "" when they do not
    Numeros executees;      // at the first start-up; empty when it is refused
    const char* refusee;    // the section named by the refusal, or ""
};

class Versions : public Migrations, public testing::WithParamInterface<Cas> {};

TEST_P(Versions, RunTheStepsTheDossierLacksOnceAndNeverOnDataOfUnknownAge) {
    const Cas& cas = GetParam();
    if (*cas.structure) parametres_->SetAssString(kServiceStructure, kCleMigrations, cas.structure);
    if (*cas.donnees) parametres_->SetAssString(kServiceDonnees, kCleMigrations, cas.donnees);
    for (int demarrage = 1; demarrage <= 2; ++demarrage) {
        executees_.clear();
        const auto executer = [&] {
            ExecuterMigrations(session_, *parametres_, Chaines(), [&]() -> std::optional<std::string> {
                if (*cas.ecart) return cas.ecart;
                return std::nullopt;
            }, [this] { executees_.push_back(0); });
        };
        if (!*cas.refusee) {
            executer();
            EXPECT_EQ(executees_, demarrage == 1 ? cas.executees : Numeros{0}) << "start-up " << demarrage;
            EXPECT_EQ(Version(kServiceStructure), "70916");  // 0x11504
            EXPECT_EQ(Version(kServiceDonnees), "135168");   // 0x21000
            continue;
        }
        try {
            executer();
            ADD_FAILURE() << "start-up " << demarrage << " not refused";
        } catch (const AgeDuDossierInconnu& refus) {
            const std::string texte = refus.what();
            for (const std::string& attendu : {std::string("KOLMI$$G.dat"), std::string("« Migrations »"),
                                              "section « " + std::string(cas.refusee) + " »", std::string(cas.ecart)})
                EXPECT_NE(texte.find(attendu), std::string::npos) << texte;
        }
        EXPECT_TRUE(executees_.empty());
        EXPECT_EQ(Version(kServiceStructure), cas.structure);
        EXPECT_EQ(Version(kServiceDonnees), cas.donnees);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chaines, Versions,
    testing::Values(
        Cas{"Nouveau", "", "", "", {0}, ""},
        Cas{"Courant", "70916", "135168", "", {0}, ""},
        Cas{"ParametresPerdusTablesAnciennesAvecVersion", "70916", "135168", "table KOLMIKV1", {0}, ""},
        // Structure from 0x10408 on, the copy, then the whole data chain: the dossier predates it.
        // A first-layout dossier: every step of both chains.
        Cas{"Structure0", "0", "", "", {0x10100, 0x10404, 0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}, ""},
        Cas{"Structure10404", "66564", "", "", {0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}, ""},
        Cas{"Structure1", "1", "", "", {0x10100, 0x10404, 0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}, ""},
        Cas{"Structure10407", "66567", "", "", {0x10408, 0x11504, 0, 0x10500, 0x10501, 0x21000}, ""},
        Cas{"Structure10408DonneesSansVersion", "66568", "", "", {0x11504, 0}, ""},
        Cas{"DonneesRecentes", "70916", "66817", "", {0, 0x21000}, ""},
        Cas{"SansVersionTablesAnciennes", "", "", "table KOLMIKV1 : champ « IDSP » absent", {}, "KV"},
        Cas{"DonneesSansVersionTablesAnciennes", "66568", "", "table KOLMIKV1 : champ « IDSP » absent", {},
            "KVDonnees"},
        Cas{"StructureIllisible", "70916x", "135168", "", {}, "KV"},
        Cas{"DonneesIllisibles", "70916", "-3", "", {}, "KVDonnees"}),
    testing_support::NomDuCas());

TEST_F(Migrations, FailingStepIsNotRecordedAndStopsTheChain) {
    parametres_->SetAssInteger(kServiceStructure, kCleMigrations, 0x10100);
    parametres_->SetAssInteger(kServiceDonnees, kCleMigrations, 0x21000);
    const auto sansEcart = [] { return std::optional<std::string>(); };
    ChainesMigration chaines{{Etape(0x10100), Etape(0x10404), Etape(0x10408, true), Etape(0x11504)}, {}};
    ExecuterMigrations(session_, *parametres_, chaines, sansEcart, [] {});
    EXPECT_EQ(executees_, (Numeros{0x10404, 0x10408}));
    EXPECT_EQ(Version(kServiceStructure), "66564");
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].type, host::TypeBoite::Exception);
    EXPECT_EQ(boxes_.shown()[0].texte,
              "1015:40 La mise à jour du dossier a échoué à l'étape « Migration 66568 » : étape en échec");
    // The next start-up resumes at the failed step.
    executees_.clear();
    ExecuterMigrations(session_, *parametres_, Chaines(), sansEcart, [] {});
    EXPECT_EQ(executees_, (Numeros{0x10408, 0x11504}));
}

// A dossier older than the data chain keeps, through a failed structure step, what the data chain
// needs: its version 0 and the structure version found first.
TEST_F(Migrations, OlderThanTheDataChainKeepsItsFirstStructureVersionThroughAFailure) {
    parametres_->SetAssInteger(kServiceStructure, kCleMigrations, 0x10100);
    const auto sansEcart = [] { return std::optional<std::string>(); };
    const auto copie = [this] { executees_.push_back(0); };
    ChainesMigration chaines{{Etape(0x10100), Etape(0x10404, true), Etape(0x10408)}, {Etape(0x10500)}};
    EXPECT_TRUE(ExecuterMigrations(session_, *parametres_, chaines, sansEcart, copie).echec);
    EXPECT_EQ(executees_, Numeros{0x10404});
    EXPECT_EQ(Version(kServiceDonnees), "0");
    EXPECT_EQ(parametres_->GetAssString(kServiceDonnees, kCleStructureInitiale), "65792");
    executees_.clear();
    chaines.structure[1] = Etape(0x10404);
    EXPECT_FALSE(ExecuterMigrations(session_, *parametres_, chaines, sansEcart, copie).echec);
    EXPECT_EQ(executees_, (Numeros{0x10404, 0x10408, 0, 0x10500}));
    EXPECT_EQ(parametres_->GetAssString(kServiceDonnees, kCleStructureInitiale), "65792");
    EXPECT_EQ(Version(kServiceDonnees), "66816");
}

// The data module's start-ups over real tables, on a dossier whose settings file was lost.
struct Perte {
    const char* nom;
    bool tables;            // the dossier had its tables
    const char* alteration; // a statement run on them before the start-up, or ""
    bool refusee;
};

class ParametresPerdus : public testing_support::DossierOuvert, public testing::WithParamInterface<Perte> {};

TEST_P(ParametresPerdus, TheTablesTellTheDossiersAgeAtEveryStartUp) {
    if (GetParam().tables) InitialiserNouveauDossier(dir_);
    if (*GetParam().alteration) {
        db::Session session;
        session.OpenDossier(dir_);
        session.connection().Execute(GetParam().alteration);
    }
    std::filesystem::remove(FichierParametres());
    for (int demarrage = 1; demarrage <= 2; ++demarrage) {
        int executees = 0;
        TdmKvarn module;
        module.Migrations().donnees.push_back({[&] { ++executees; }, "remise à zéro des parts", 0x11140});
        if (GetParam().refusee) EXPECT_THROW(module.DemarrerDossier(), AgeDuDossierInconnu);
        else module.DemarrerDossier();
        EXPECT_EQ(executees, 0) << "start-up " << demarrage;
    }
    EXPECT_EQ(OctetsParametres(), GetParam().refusee ? "" : "[KV]\r\nMigrations=70916\r\n\r\n[KVDonnees]\r\nMigrations=135168\r\n");
}

INSTANTIATE_TEST_SUITE_P(Dossiers, ParametresPerdus,
                         testing::Values(Perte{"TablesCourantes", true, "", false},
                                         Perte{"SansTables", false, "", false},
                                         Perte{"TablesAnciennes", true, "ALTER TABLE KOLMIKV1 DROP COLUMN IDSP", true}),
                         testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::store
