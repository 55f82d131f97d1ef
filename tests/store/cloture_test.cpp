// The year-end closing on a dossier whose year the test knows by hand: movements of types 0, 3
// and 5 and a start-of-year link give the next year's opening shares and pairs; then the closing
// cut at every point, by an error and by a killed process, leaves the dossier as it was or as a
// closing run to its end leaves it, by whether the cut follows COMMIT. Its undo puts back the
// dossier of before, refuses what it cannot do without changing anything, and cut at every point
// leaves the dossier closed or put back, by whether the cut follows its copy.
#include "store/cloture.hpp"
#include "store/decloture.hpp"

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

#include <csignal>

#include <sys/resource.h>
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

struct Coupure {
    std::string nom;
    int point;
    bool tuee;  // the process killed there, rather than an error thrown
};

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
    // `travail` cut at `coupure.point`: by an error thrown there, with the data module of the
    // test; or by the process killed there, in a child with a data module of its own, the
    // dossier then seen by a new one. The data module is gone on entry for a kill.
    void Couper(const Coupure& coupure, const std::function<bool()>& travail) {
        if (coupure.tuee) {
            const pid_t enfant = fork();
            if (enfant == 0) {
                InitDataModuleKV();
                SetClosingFaultHookForTests([&](int point) {
                    if (point == coupure.point) _exit(0);
                });
                travail();
                _exit(3);
            }
            int statut = 0;
            ASSERT_EQ(waitpid(enfant, &statut, 0), enfant);
            ASSERT_EQ(WEXITSTATUS(statut), 0) << "the work never reached point " << coupure.point;
            InitDataModuleKV();
        } else {
            SetClosingFaultHookForTests([&](int point) {
                if (point == coupure.point) throw std::runtime_error("coupure");
            });
            EXPECT_FALSE(travail());
            SetClosingFaultHookForTests(nullptr);
            EXPECT_EQ(boxes_.shown().size(), 1u);
        }
    }
    // The dossier as a new data module sees it.
    Photo Rouvrir() {
        DetruireDataModuleKV();
        InitDataModuleKV();
        return Photographier();
    }
    Photo Photographier() {
        Photo photo{"", testing_support::ReadBytes(FichierParametres()), testing_support::ReadBytes(dir_ / "dossier.ini"),
                    db::PendingFilesMarked(dir_), frame::DataModule()->ModeChargementForce(), frame::Etat().compteurInit};
        for (const std::string& table : Lire("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT IN "
                                             "('pending_files', 'sqlite_sequence') ORDER BY name")) {
            // Each value as quote() gives it: a real by as many digits as it takes to read back
            // the same bits, so that the rows are compared to the byte.
            std::string valeurs;
            for (const std::string& colonne : Lire("SELECT name FROM pragma_table_info('" + table + "')"))
                valeurs += (valeurs.empty() ? "quote(\"" : ", quote(\"") + colonne + "\")";
            for (const std::string& ligne : Lire("SELECT " + valeurs + " FROM \"" + table + "\" ORDER BY rowid"))
                photo.tables += table + ":" + ligne + "\n";
        }
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

    if (!coupure.tuee) InitDataModuleKV();
    Couper(coupure, [] { return _Cloturer(); });
    EXPECT_EQ(Photographier(), coupure.point < kPointApresCommit ? avant : close);
}

// Every point from 1 to `dernier`: by an error before `validation`, by a kill everywhere.
std::vector<Coupure> Coupures(int dernier, int validation) {
    std::vector<Coupure> coupures;
    for (int point = 1; point <= dernier; ++point) {
        if (point < validation) coupures.push_back({"erreur" + std::to_string(point), point, false});
        coupures.push_back({"arret" + std::to_string(point), point, true});
    }
    return coupures;
}

// After COMMIT: three files (the settings, the host's record, the closing's record), then the
// marker.
INSTANTIATE_TEST_SUITE_P(Points, CoupureCloture, testing::ValuesIn(Coupures(kPointApresCommit + 4, kPointApresCommit)),
                         testing_support::NomDuCas{});

TEST_F(Cloture, UndoPutsBackTheDossierOfBeforeTheLastClosingOnly) {
    const Photo avant = Photographier();
    ASSERT_TRUE(_Cloturer());
    testing_support::WriteBytes(dir_ / ".cloture" / "CLOTURE-19991231-235959.BR", "an archive no record names");
    ASSERT_TRUE(Decloturer(false));
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_EQ(Rouvrir(), avant);
    EXPECT_TRUE(fs::is_empty(dir_ / ".cloture"));

    ASSERT_TRUE(_Cloturer());
    const Photo close = Rouvrir();
    ASSERT_TRUE(_Cloturer());
    ASSERT_TRUE(Decloturer(false));
    EXPECT_EQ(Rouvrir(), close);
    EXPECT_FALSE(Decloturer(false));
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte, kAucuneClotureAAnnuler);
}

struct RefusDecloture {
    std::string nom;
    std::function<void(const fs::path& archive)> apres;  // after the closing; null: no closing
    const char* message;
    bool forcable;
};

class RefusDeclotures : public Cloture, public testing::WithParamInterface<RefusDecloture> {
public:
    static fs::path Archive(const fs::path& dir) {
        for (const fs::directory_entry& entree : fs::directory_iterator(dir / ".cloture"))
            if (entree.path().extension() == ".BR") return entree.path();
        return {};
    }
};

TEST_P(RefusDeclotures, ChangeNothingAndOnlyAChangedDossierCanBeForced) {
    const RefusDecloture& cas = GetParam();
    const Photo avant = Photographier();
    if (cas.apres) {
        ASSERT_TRUE(_Cloturer());
        cas.apres(Archive(dir_));
    }
    const Photo refuse = Photographier();
    EXPECT_FALSE(Decloturer(false));
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte, cas.message);
    EXPECT_EQ(Photographier(), refuse);
    EXPECT_EQ(Decloturer(true), cas.forcable);
    if (cas.forcable) {
        EXPECT_EQ(Rouvrir(), avant);
    }
}

void Parametre(const char* cle, int valeur) {
    InitKV();
    frame::Parametres().SetInteger(cle, valeur);
    DesinitKV();
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RefusDeclotures,
    testing::Values(
        RefusDecloture{"RienACloturer", nullptr, kAucuneClotureAAnnuler, false},
        RefusDecloture{"ArchiveAbsente", [](const fs::path& a) { fs::remove(a); }, kArchiveClotureIntrouvable,
                       false},
        RefusDecloture{"ArchiveEndommagee",
                       [](const fs::path& a) {
                           std::string octets = testing_support::ReadBytes(a);
                           octets[octets.size() / 2] ^= 0x5A;
                           testing_support::WriteBytes(a, octets);
                       },
                       kArchiveClotureIntrouvable, false},
        RefusDecloture{"EnregistrementIllisible",
                       [](const fs::path& a) {
                           testing_support::WriteBytes(a.parent_path() / "cloture.ini", "[Cloture]\nArchive=../x\n");
                       },
                       kArchiveClotureIntrouvable, false},
        RefusDecloture{"LigneModifiee",
                       [](const fs::path&) {
                           frame::DataModule()->Donnees().Session().connection().Execute(
                               "UPDATE KOLMIKV1 SET Nom = 'Z' WHERE ShIDAssocie = 1");
                       },
                       kDossierModifieDepuisCloture, true},
        RefusDecloture{"ParametreModifie", [](const fs::path&) { Parametre("NbParts", 7); },
                       kDossierModifieDepuisCloture, true}),
    testing_support::NomDuCas{});

class CoupureDecloture : public Cloture, public testing::WithParamInterface<Coupure> {};

TEST_P(CoupureDecloture, LeavesTheDossierClosedOrPutBackByWhetherTheCopyWasMade) {
    const Coupure& coupure = GetParam();
    const Photo avant = Photographier();
    ASSERT_TRUE(_Cloturer());
    const Photo close = Rouvrir();
    if (coupure.tuee) DetruireDataModuleKV();
    Couper(coupure, [] { return Decloturer(false); });
    const bool copiee = coupure.point >= kPointDeclotureCopiee;
    EXPECT_EQ(Photographier(), copiee ? avant : close);
    // Cut before its copy, the undo can still be done.
    if (!copiee) {
        EXPECT_TRUE(Decloturer(false));
        EXPECT_EQ(Rouvrir(), avant);
    }
}

// After the copy: three files (the settings, the host's record, the closing's record removed),
// then the marker.
INSTANTIATE_TEST_SUITE_P(Points, CoupureDecloture,
                         testing::ValuesIn(Coupures(kPointDeclotureCopiee + 4, kPointDeclotureCopiee)),
                         testing_support::NomDuCas{});

struct DisquePlein {
    std::string nom;
    bool decloturer;  // the undo of a closing, rather than the closing
};

class DisquesPleins : public Cloture, public testing::WithParamInterface<DisquePlein> {};

// The disk full for the process (its file size limit) once the dossier is started: the closing
// cannot write its archive, the undo cannot restore it; either fails and the dossier stays.
TEST_P(DisquesPleins, FailAndLeaveTheDossierAsItWas) {
    if (GetParam().decloturer) {
        ASSERT_TRUE(_Cloturer());
    }
    const Photo avant = Rouvrir();
    DetruireDataModuleKV();
    const pid_t enfant = fork();
    if (enfant == 0) {
        InitDataModuleKV();
        InitKV();
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool fait = GetParam().decloturer ? Decloturer(false) : _Cloturer();
        // A failure, not a refusal: the archive is not at fault.
        const bool echec = boxes_.shown().size() == 1 && boxes_.shown()[0].type == host::TypeBoite::Exception;
        _exit(fait ? 3 : echec ? 0 : 4);
    }
    int statut = 0;
    ASSERT_EQ(waitpid(enfant, &statut, 0), enfant);
    EXPECT_EQ(WEXITSTATUS(statut), 0) << "3: done whole, 4: not shown as one failure";
    InitDataModuleKV();
    EXPECT_EQ(Photographier(), avant);
}

INSTANTIATE_TEST_SUITE_P(Travaux, DisquesPleins,
                         testing::Values(DisquePlein{"Cloture", false}, DisquePlein{"Decloture", true}),
                         testing_support::NomDuCas{});

}  // namespace
}  // namespace kvarn::store
