// The exchange file written by GenererFichierEGE_ISA for dossiers built through the standalone
// host and the associates table, compared byte for byte with the files written by hand beside this
// one (*.isa: CP1252 bytes, CR LF line ends); and the ways it must fail without leaving a file: a
// disk that fills after a few bytes, a directory it may not write in, a damaged holdings file.
#include "associates/table_associes.hpp"
#include "common/atomic_file.hpp"
#include "common/dates.hpp"
#include "db/query.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "export/participations.hpp"
#include "frame/etat_module.hpp"
#include "support/child.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/files.hpp"

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

Associe Physique(int titre, const char* nom, const char* prenoms, double parts) {
    Associe a;
    a.PersonnePhysique = true;
    a.Qualite = QA_ASSOCIE;
    a.Titre = titre;
    a.Nom = nom;
    a.Prenoms = prenoms;
    a.NbParts = parts;
    return a;
}

CAdresse Adresse(const char* numero, const char* indice, const char* voie, const char* complement, const char* cp,
                 const char* ville, int pays) {
    CAdresse a;
    a.NoVoie = numero;
    a.CmplNoVoie = indice;
    a.NomVoie = voie;
    a.Complement1 = complement;
    a.CP = cp;
    a.Ville = ville;
    a.IDPays = pays;
    return a;
}

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
        CAdresse adresse = Adresse("12", "B", "rue des Écoles", "Bâtiment A", "75005", "Paris", PAYS_FRANCE);
        adresse.Telephone = "0102030405";
        adresse.Fax = "0102030406";
        adresse.Email = "contact@tilleuls.fr";
        d.MAJAdresse(adresse);
        d.SetAdresseCorrespondance(Adresse("3", "", "place du Marché", "Boîte 12", "69002", "Lyon", PAYS_FRANCE));
        d.SetAdresseSiegeSocial(Adresse("", "", "avenue Louise", "c/o Cabinet Martin", "1050", "Bruxelles", 20));
        tagNOINTRACOMM numero;
        std::memcpy(&numero, "FR44" "732829320" "00074", sizeof numero);  // prefix, SIREN, NIC, terminator
        d.SetNoIntraComm(numero);
        d.SetDonneesAdministratives({.CodeSIE = "751", .NoDossier = "123456", .Cle = "12", .RegimeTVA = "RM",
                                     .CodeCDI = "750", .CodeInspection = "012", .NoService = "101"});
    });
    Dossier().FichierINI().SetString("ECF-COURRIERCab", "Titre", "Madame, Monsieur");

    Associe dupont = Physique(TAP_M, "Dupont", "Jean", 50);
    dupont.Qualite = QA_GERANT_ASSOCIE;
    dupont.NomPatronymique = "Dupont";
    dupont.DateNaissance = Jour("12/05/1960");
    dupont.LieuNaissance = "Nantes";
    dupont.CPNaissance = "44000";
    dupont.AdrNoVoie = "5";
    dupont.AdrNomVoie = "rue Crébillon";
    dupont.AdrCodeInsee = "44109";
    dupont.AdrCP = "44000";
    dupont.AdrVille = "Nantes";
    dupont.AdrTel = "0240000000";
    Ajouter(dupont);

    Associe nowak = Physique(TAP_MME, "Nowak", "Łucja", 20);  // Ł is not in CP1252
    nowak.NbPartsU = 0.5;
    nowak.NomMarital = "Dupont";
    nowak.NomPatronymique = "Nowak";
    nowak.LieuNaissance = "Kraków";
    nowak.IDPaysNaissance = 179;
    nowak.AdrCP = "44000";
    nowak.AdrVille = "Nantes";
    nowak.AdrFax = "0240000001";
    Ajouter(nowak);

    Associe societe;
    societe.PersonnePhysique = false;
    societe.Qualite = QA_ASSOCIE;
    societe.Titre = 6;
    societe.Nom = "Holding Martin";
    societe.NoSiret = "55212022200013";
    societe.AdrNoVoie = "10";
    societe.AdrCmplNoVoie = "B";
    societe.AdrNomVoie = "boulevard Haussmann";
    societe.AdrCP = "75009";
    societe.AdrVille = "Paris";
    societe.NbParts = 25;
    Ajouter(societe);

    Associe beneficiaire = Physique(TAP_MLE, "Dupont", "Léa", 0);
    beneficiaire.Qualite = QA_BENEFICIAIRE;
    beneficiaire.DateNaissance = Jour("01/02/1995");
    beneficiaire.LieuNaissance = "Paris";
    beneficiaire.CPNaissance = "75014";
    beneficiaire.AdrIDPays = 0;
    Ajouter(beneficiaire);

    Associe bernard = Physique(TAP_AUCUN, "Bernard", "Paul", 7);
    bernard.IDPaysNaissance = 9999;
    bernard.AdrCP = "49000";
    bernard.AdrVille = "Angers";
    Ajouter(bernard);

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
    Ajouter(Physique(TAP_M, "Dupont", "Jean", 10));
    db::CQuery suppression(Session());
    suppression.SetDatabaseName(db::ALIAS_DOSSIER);
    suppression.SQL().Add("DROP TABLE KOLMIKV1");
    suppression.ExecSQL();
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
                     ::signal(SIGXFSZ, SIG_IGN);
                     const rlimit limite{200, 200};
                     ::setrlimit(RLIMIT_FSIZE, &limite);
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
