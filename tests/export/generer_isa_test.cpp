// The exchange file written by GenererFichierEGE_ISA for dossiers built through the standalone
// host and the associates table, compared byte for byte with the files written by hand beside this
// one (*.isa: CP1252 bytes, CR LF line ends); and the ways it must fail without leaving a file: a
// disk that fills after a few bytes, a directory it may not write in, a damaged holdings file.
#include "associates/table_associes.hpp"
#include "common/atomic_file.hpp"
#include "common/dates.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "export/participations.hpp"
#include "frame/etat_module.hpp"
#include "support/child.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/file_size_limit.hpp"
#include "support/files.hpp"
#include "support/requete_sql.hpp"

#include <kvarn/export_isa.hpp>
#include <kvarn/kvarn.h>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kvarn::exportisa {
namespace {

namespace fs = std::filesystem;

double Jour(const char* texte) { return *ParseDate(texte); }

const ResultatExportISA kAnnee2025{Jour("01/01/2025"), Jour("31/12/2025"), {"Données permanentes"}, true};

class ExportISA : public testing_support::ModuleDemarre {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        sortie_ = dir_ / "sortie";
        fs::create_directories(sortie_);
        Dossier().Modifier([](standalone::DossierFichier& d) {
            d.SetDateDebutExercice(Jour("01/01/2025"));
            d.SetDateFinExercice(Jour("31/12/2025"));
        });
    }
    standalone::DossierFichier& Dossier() { return *host_->Dossier(); }
    static db::Session& Session() { return frame::DataModule()->Donnees().Session(); }
    static void Ajouter(const Associe& associe) {
        db::CTable table(Session());
        table.SetDatabaseName(db::ALIAS_DOSSIER);
        table.SetTableName("KOLMIKV1");
        table.Open();
        table.Append();
        associates::EcrireAssocie(table, associe);
        table.Post();
    }
    std::string Cible() const { return (sortie_ / "export.txt").string(); }
    std::string Exporter(bool drapeau, const std::vector<ResultatExportISA>& resultats) {
        EXPECT_TRUE(GenererFichierEGE_ISA(Cible(), drapeau, resultats));
        return ReadWholeFile(Cible());
    }
    // Every name in the output directory: the export leaves the target or nothing at all.
    std::vector<std::string> Sortie() const {
        std::vector<std::string> noms;
        for (const auto& entree : fs::directory_iterator(sortie_)) noms.push_back(entree.path().filename().string());
        return noms;
    }
    void SCIComplete();

    fs::path sortie_;
};

void ExportISA::SCIComplete() {
    Dossier().Modifier([](standalone::DossierFichier& d) {
        d.SetIdentifiantISA("SCI042");
        d.SetNom("Les Tilleuls");
        d.SetPrenom("Anne");
        d.SetLibelle("SCI Les Tilleuls – 2025");
        d.SetActivitePrincipale("Location de biens immobiliers");
        d.SetFormeJuridique(11);
        d.SetCodeAPE("702A");
        d.SetCodeAPE_2008("6820A");
        d.SetRegimeFiscal(9);
        d.SetCategorie(5);
        d.SetRegimeImposition(1);
        d.SetDateDebutActivite(Jour("15/03/2010"));
        d.SetDateEngagement(Jour("02/01/2025"));
        d.MAJAdresse({.Complement1 = "Bâtiment A", .NoVoie = "12", .CmplNoVoie = "B", .NomVoie = "rue des Écoles",
                      .CP = "75005", .Ville = "Paris", .Telephone = "0102030405", .Fax = "0102030406",
                      .Email = "contact@tilleuls.fr"});
        d.SetAdresseCorrespondance(
            {.Complement1 = "Boîte 12", .NoVoie = "3", .NomVoie = "place du Marché", .CP = "69002", .Ville = "Lyon"});
        d.SetAdresseSiegeSocial({.Complement1 = "c/o Cabinet Martin", .NomVoie = "avenue Louise", .CP = "1050",
                                 .Ville = "Bruxelles", .IDPays = 20});
        tagNOINTRACOMM numero;
        std::memcpy(&numero, "FR44" "732829320" "00074", sizeof numero);  // prefix, SIREN, NIC, terminator
        d.SetNoIntraComm(numero);
        d.SetDonneesAdministratives({.CodeSIE = "751", .NoDossier = "123456", .Cle = "12", .RegimeTVA = "RM",
                                     .CodeCDI = "750", .CodeInspection = "012", .NoService = "101"});
    });
    Dossier().FichierINI().SetString("ECF-COURRIERCab", "Titre", "Madame, Monsieur");

    Ajouter({.NbParts = 50, .Qualite = QA_GERANT_ASSOCIE, .Titre = TAP_M, .PersonnePhysique = true,
             .DateNaissance = Jour("12/05/1960"), .Nom = "Dupont", .Prenoms = "Jean", .AdrNoVoie = "5",
             .AdrNomVoie = "rue Crébillon", .AdrCP = "44000", .AdrVille = "Nantes", .AdrTel = "0240000000",
             .NomPatronymique = "Dupont", .CPNaissance = "44000", .LieuNaissance = "Nantes", .AdrCodeInsee = "44109"});
    Ajouter({.IDPaysNaissance = 179, .NbParts = 20, .NbPartsU = 0.5, .Qualite = QA_ASSOCIE, .Titre = TAP_MME,
             .PersonnePhysique = true, .Nom = "Nowak", .Prenoms = "Łucja",  // Ł is not in CP1252
             .AdrCP = "44000", .AdrVille = "Nantes", .AdrFax = "0240000001", .NomPatronymique = "Nowak",
             .NomMarital = "Dupont", .LieuNaissance = "Kraków"});
    Ajouter({.NbParts = 25, .Qualite = QA_ASSOCIE, .Titre = 6, .Nom = "Holding Martin", .AdrNoVoie = "10",
             .AdrCmplNoVoie = "B", .AdrNomVoie = "boulevard Haussmann", .AdrCP = "75009", .AdrVille = "Paris",
             .NoSiret = "55212022200013"});
    Ajouter({.AdrIDPays = 0, .Qualite = QA_BENEFICIAIRE, .Titre = TAP_MLE, .PersonnePhysique = true,
             .DateNaissance = Jour("01/02/1995"), .Nom = "Dupont", .Prenoms = "Léa", .CPNaissance = "75014",
             .LieuNaissance = "Paris"});
    Ajouter({.IDPaysNaissance = 9999, .NbParts = 7, .Qualite = QA_ASSOCIE, .Titre = TAP_AUCUN, .PersonnePhysique = true,
             .Nom = "Bernard", .Prenoms = "Paul", .AdrCP = "49000", .AdrVille = "Angers"});

    EcrireParticipations(CheminParticipations(dir_.string()),
                         {{4, "Foncière de l'Ouest", "542107651", 33.335, "7", "  quai de la Fosse  ", "44000", "Nantes", 76},
                          {6, "Immo Süd GmbH", "443061841", 100, "", "", "", "Berlin", 57}});
}

TEST_F(ExportISA, UneSCICompleteDonneCeFichierOctetPourOctet) {
    SCIComplete();
    const ResultatExportISA echec2024{Jour("01/01/2024"), Jour("31/12/2024"), {"Données permanentes", "Associés"}, false};
    EXPECT_EQ(Exporter(true, {kAnnee2025, echec2024}),
              testing_support::ReadBytes(KVARN_EXPORT_TEST_DATA "/sci_complete.isa"));
}

TEST_F(ExportISA, UnDossierNuDonneCeFichierOctetPourOctet) {
    Dossier().Modifier([](standalone::DossierFichier& d) {
        tagDONNEES_ADM adm{};
        std::strcpy(adm.RegimeTVA, "RN");
        d.SetDonneesAdministratives(adm);
        d.SetRegimeImposition(2);
    });
    EXPECT_EQ(Exporter(false, {kAnnee2025}), testing_support::ReadBytes(KVARN_EXPORT_TEST_DATA "/dossier_nu.isa"));
}

TEST_F(ExportISA, SansTableDesAssociesNiParticipationsLeFichierNeLesCitePas) {
    Ajouter({.NbParts = 10, .Qualite = QA_ASSOCIE, .Titre = TAP_M, .PersonnePhysique = true, .Nom = "Dupont"});
    testing_support::ExecuterSql("DROP TABLE KOLMIKV1");
    const std::string fichier = Exporter(false, {});
    EXPECT_EQ(fichier.find("ZZASS"), std::string::npos);
    EXPECT_EQ(fichier.find("ASSPO"), std::string::npos);
    EXPECT_EQ(fichier.find("ASSOC(FIL)"), std::string::npos);
    EXPECT_NE(fichier.find("DVISA.NBPARTT,0\r\n"), std::string::npos);
}

// A failed export returns false, shows why, and leaves the output directory as it was.
struct CasEchec {
    std::string nom;
    std::function<void(const fs::path& dossier, const fs::path& sortie)> preparer;  // in this process
    std::function<void(const fs::path& sortie)> restreindre;                       // in the child only
    std::string message;  // in the exception box, when the export runs in this process
};

class ExportISAEchoue : public ExportISA, public testing::WithParamInterface<CasEchec> {};

// Every capability dropped: root, the owner of the files, is held by their permission bits.
void SansPrivileges() {
    __user_cap_header_struct entete{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct donnees[2]{};
    ::syscall(SYS_capset, &entete, donnees);
}

TEST_P(ExportISAEchoue, NeLaisseAucunFichier) {
    const CasEchec& cas = GetParam();
    SCIComplete();
    cas.preparer(dir_, sortie_);
    if (!cas.restreindre) {
        EXPECT_FALSE(GenererFichierEGE_ISA(Cible(), true, {kAnnee2025}));
        ASSERT_FALSE(boxes_.shown().empty());
        EXPECT_NE(boxes_.shown().back().texte.find(cas.message), std::string::npos) << boxes_.shown().back().texte;
    } else {
        // The restriction holds for the child alone; its exit status says what the export returned.
        EXPECT_EQ(testing_support::RunInChild([&] {
                      cas.restreindre(sortie_);
                      return GenererFichierEGE_ISA(Cible(), true, {kAnnee2025}) ? 0 : 1;
                  }),
                  1)
            << "the export reported success";
    }
    fs::permissions(sortie_, fs::perms::owner_all);
    EXPECT_EQ(Sortie(), std::vector<std::string>{}) << "a file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ExportISAEchoue,
    testing::Values(
        CasEchec{"DisquePleinApres200Octets", [](const fs::path&, const fs::path&) {},
                 [](const fs::path&) {
                     static const testing_support::FileSizeLimit disquePlein(200);
                 },
                 ""},
        CasEchec{"RepertoireEnLectureSeule",
                 [](const fs::path&, const fs::path& sortie) { fs::permissions(sortie, fs::perms::owner_read | fs::perms::owner_exec); },
                 [](const fs::path&) { SansPrivileges(); }, ""},
        CasEchec{"ParticipationsEndommagees",
                 [](const fs::path& dossier, const fs::path&) {
                     const std::string chemin = CheminParticipations(dossier.string());
                     std::string octets = ReadWholeFile(chemin);
                     octets[40] ^= 0x20;
                     WriteFileAtomically(chemin, octets);
                 },
                 nullptr, "endommagé"}),
    testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::exportisa
