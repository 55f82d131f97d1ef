// The year-end closing on a dossier whose year the test knows by hand: movements of types 0, 3
// and 5 and a start-of-year link give the next year's opening shares and pairs; then the closing
// cut at every point, by an error and by a killed process, leaves the dossier as it was or as a
// closing run to its end leaves it, by whether the cut follows COMMIT.
#include "store/cloture.hpp"

#include "common/nulls.hpp"
#include "db/pending_files.hpp"
#include "db/statement.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/files.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>
#include <kvarn/mouvements.hpp>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

namespace kvarn::store {
namespace {

namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;

constexpr int A = 1, B = 2, C = 3, D = 4;

// What a closing may change: every stored row, both files, the override and the bracket.
struct Photo {
    std::string tables, parametres, dossier;
    bool marqueur = false;
    int mode = 0, crochet = 0;
    bool operator==(const Photo&) const = default;
};

void PrintTo(const Photo& p, std::ostream* os) {
    *os << "mode " << p.mode << ", bracket " << p.crochet << ", marker " << p.marqueur << "\n"
        << p.tables << p.parametres << "\n" << p.dossier;
}

class Cloture : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        InitKV();
        Executer("INSERT INTO KOLMIKV1(ShIDAssocie, Nom, Qualite, NbParts, NbPartsN, NbPartsU, ResultatBICSaisi, "
                 "TraitementsAnnee1, BeneficeSaisi, Adr1JanVille, PVDifferee) VALUES "
                 "(1, 'A', 7, 100, NULL, NULL, 5, 1000, 7, 'Paris', 1), (2, 'B', 7, 50, NULL, NULL, NULL, NULL, "
                 "NULL, NULL, 0), (3, 'C', 7, NULL, 10, NULL, NULL, NULL, NULL, NULL, 0), "
                 "(4, 'D', 7, NULL, NULL, 10, NULL, NULL, NULL, NULL, 0)");
        Executer("INSERT INTO KOLMIKV2(IsDeduction, Designation, MontantBIC) VALUES (1, 'Amende', 100)");
        KV_OuvrirAssoNPU();
        KV_SauverAssoNPU({0, C, D, 10});
        KV_FermerAssoNPU();
        const int m3 = Mouvement(kDemembrement, {{B, 0, -10}, {B, 1, 10}, {A, 2, 10}}, 0);
        Mouvement(kCessionPP, {{A, 0, -20}, {B, 0, 20}}, A);
        Mouvement(kReductionCapital, {{A, 0, -30}}, 0);
        KV_OuvrirAssoNPU();
        KV_SauverAssoNPU({m3, A, B, 10});
        KV_FermerAssoNPU();
        environment::CGestTRPIni& kv = frame::Parametres();
        kv.SetInteger("NbVirementsCRL", 3);
        kv.SetAssDate(environment::kSectionKV, "SignDate", 46000);
        kv.SetReal("MontantCapital", 1500);
        kv.SetInteger("NbParts", 150);
        ModifierDossier({{"SiegeSocialN-1", "Ville", "LYON"}, {"SiegeSocial", "Ville", "NANTES"}});
        DesinitKV();
    }
    void TearDown() override {
        SetClosingFaultHookForTests(nullptr);
        ModuleOuvert::TearDown();
    }

    static constexpr int kDemembrement = 3, kCessionPP = 0, kReductionCapital = 5;

    static int Mouvement(int type, const std::vector<cDetailMouvementParts>& details, int cedant) {
        cMouvParts mouvement;
        mouvement.TypeMouvement = type, mouvement.IDCedant = cedant, mouvement.DateMouvement = 45900;
        KV_OuvrirMouvementsParts();
        const int id = KV_SauverMouvementsParts(mouvement);
        for (const cDetailMouvementParts& detail : details) KV_SauverDetailMouvementsParts(detail, id);
        KV_FermerMouvementsParts();
        return id;
    }
    static sqlite3* Base() { return frame::DataModule()->Donnees().Session().connection().Handle(); }
    static void Executer(const std::string& sql) { frame::DataModule()->Donnees().Session().connection().Execute(sql); }
    // Each row as its values joined by "|", NULL as "-".
    static Lignes Lire(const std::string& sql) {
        Lignes lignes;
        db::Statement requete(Base(), sql);
        while (requete.Step()) {
            std::string ligne;
            for (int c = 0; c < requete.ColumnCount(); ++c)
                ligne += (c ? "|" : "") + (requete.ColumnIsNull(c) ? "-" : std::string(requete.ColumnText(c)));
            lignes.push_back(ligne);
        }
        return lignes;
    }
    Photo Photographier() {
        Photo photo{"", testing_support::ReadBytes(FichierParametres()), testing_support::ReadBytes(dir_ / "dossier.ini"),
                    db::PendingFilesMarked(dir_), frame::DataModule()->ModeChargementForce(), frame::Etat().compteurInit};
        for (const std::string& table : Lire("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT IN "
                                             "('pending_files', 'sqlite_sequence') ORDER BY name"))
            for (const std::string& ligne : Lire("SELECT * FROM \"" + table + "\" ORDER BY rowid"))
                photo.tables += table + ":" + ligne + "\n";
        return photo;
    }
};

TEST_F(Cloture, EndPositionsOpenTheNextYearAndOneYearEntriesGo) {
    ASSERT_TRUE(_Cloturer());
    EXPECT_TRUE(boxes_.shown().empty());
    // A: 100 - 20 sold - 30 reduced, 10 bare ownership from B's dismemberment; B: 50 + 20 - 10
    // dismembered, keeping the usufruct of those 10; C and D keep their start-of-year pair.
    EXPECT_EQ(Lire("SELECT ShIDAssocie, NbParts, NbPartsN, NbPartsU, ResultatBICSaisi, ResultatBASaisi, "
                   "TraitementsAnnee1, BeneficeSaisi, Adr1JanVille, PVDifferee FROM KOLMIKV1 ORDER BY 1"),
              (Lignes{"1|50.0|10.0|-|-|-|-|-|-|0", "2|60.0|-|10.0|-|-|-|-|-|0", "3|-|10.0|-|-|-|-|-|-|0",
                      "4|-|-|10.0|-|-|-|-|-|0"}));
    const Lignes paires{"0|1|2|10.0", "0|3|4|10.0"};
    EXPECT_EQ(Lire("SELECT IdMouv, IdNP, IdU, NbU FROM KOLMIKVA ORDER BY IdNP"), paires);
    EXPECT_EQ(Lire("SELECT (SELECT COUNT(*) FROM KOLMIKVM) + (SELECT COUNT(*) FROM KOLMIKVP) + "
                   "(SELECT COUNT(*) FROM KOLMIKV2)"), Lignes{"0"});
    EXPECT_EQ(OctetsParametres().find("NbVirementsCRL"), std::string::npos);
    EXPECT_EQ(OctetsParametres().find("SignDate"), std::string::npos);
    EXPECT_EQ(GetNbVirements(), static_cast<int>(0x80000001));
    EXPECT_EQ(GetMontantCapitalDebEx(), 1500);
    EXPECT_EQ(frame::Parametres().GetInteger("NbPartsDebEx", 0), 150);
    EXPECT_EQ(host_->Dossier()->FichierINI().GetString("DEFAULT", "AdrDeclarDifDest", ""), "1");
    EXPECT_EQ(host_->Dossier()->GetAdresseSiegeSocial().Ville, "LYON");
    EXPECT_EQ(host_->Dossier()->GetAdresseSiegeSocialNm1().Ville, "");
    EXPECT_EQ(frame::DataModule()->ModeChargementForce(), kModeCloture);
    EXPECT_FALSE(db::PendingFilesMarked(dir_));

    // A second closing, without movements: the pairs come from the start-of-year links, and an
    // empty previous registered office leaves the current one.
    ASSERT_TRUE(_Cloturer());
    EXPECT_EQ(Lire("SELECT IdMouv, IdNP, IdU, NbU FROM KOLMIKVA ORDER BY IdNP"), paires);
    EXPECT_EQ(Lire("SELECT NbParts, NbPartsN, NbPartsU FROM KOLMIKV1 WHERE ShIDAssocie = 2"), Lignes{"60.0|-|10.0"});
    EXPECT_EQ(host_->Dossier()->GetAdresseSiegeSocial().Ville, "LYON");
}

struct Coupure {
    std::string nom;
    int point;
    bool tuee;  // the process killed there, rather than an error thrown
};

class CoupureCloture : public Cloture, public testing::WithParamInterface<Coupure> {};

TEST_P(CoupureCloture, LeavesTheDossierAsBeforeOrAsClosedByWhetherCommitWasPassed) {
    const Coupure& coupure = GetParam();
    const Photo avant = Photographier();
    const auto sauvegarde = testing_support::FreshDirectory("avant");
    fs::copy(dir_, sauvegarde, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    // The reference: the same closing run to its end, then the dossier put back.
    ASSERT_TRUE(_Cloturer());
    DetruireDataModuleKV();
    InitDataModuleKV();  // as the cut closing is seen: by a new data module
    const Photo close = Photographier();
    DetruireDataModuleKV();
    fs::copy(sauvegarde, dir_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);

    if (coupure.tuee) {
        const pid_t enfant = fork();
        if (enfant == 0) {
            InitDataModuleKV();
            SetClosingFaultHookForTests([&](int point) {
                if (point == coupure.point) _exit(0);
            });
            Cloturer({});
            _exit(3);
        }
        int statut = 0;
        ASSERT_EQ(waitpid(enfant, &statut, 0), enfant);
        ASSERT_EQ(WEXITSTATUS(statut), 0) << "the closing never reached point " << coupure.point;
        InitDataModuleKV();
    } else {
        InitDataModuleKV();
        SetClosingFaultHookForTests([&](int point) {
            if (point == coupure.point) throw std::runtime_error("coupure");
        });
        EXPECT_FALSE(_Cloturer());
        EXPECT_EQ(boxes_.shown().size(), 1u);
    }
    EXPECT_EQ(Photographier(), coupure.point < kPointApresCommit ? avant : close);
}

std::vector<Coupure> Coupures() {
    std::vector<Coupure> coupures;
    for (int point = 1; point <= 21; ++point) {
        if (point == 17) continue;
        if (point < kPointApresCommit) coupures.push_back({"erreur" + std::to_string(point), point, false});
        coupures.push_back({"arret" + std::to_string(point), point, true});
    }
    return coupures;
}

INSTANTIATE_TEST_SUITE_P(Points, CoupureCloture, testing::ValuesIn(Coupures()), testing_support::NomDuCas{});

}  // namespace
}  // namespace kvarn::store
