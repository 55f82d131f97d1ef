// The exchange file written by GenererFichierEGE_ISA for dossiers built through the standalone
// host and the associates table, compared byte for byte with files written here by hand (CP1252
// bytes as escapes, CR LF spelt out); and the ways it must fail without leaving a file: a disk
// that fills after a few bytes, a directory it may not write in, a damaged holdings file.
#include "associates/table_associes.hpp"
#include "common/atomic_file.hpp"
#include "common/dates.hpp"
#include "db/query.hpp"
#include "db/session.hpp"
#include "db/table.hpp"
#include "export/participations.hpp"
#include "frame/etat_module.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/export_isa.hpp>
#include <kvarn/kvarn.h>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
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

// The lines of a hand-written file, each ending CR LF.
std::string Fichier(const std::vector<std::string>& lignes) {
    std::string octets;
    for (const std::string& ligne : lignes) octets += ligne + "\r\n";
    return octets;
}

const ResultatExportISA kAnnee2025{Jour("01/01/2025"), Jour("31/12/2025"), {"Données permanentes"}, true};

class ExportISA : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        ModuleOuvert::SetUp();
        InitKV();
        sortie_ = dir_ / "sortie";
        fs::create_directories(sortie_);
        Dossier().Modifier([](standalone::DossierFichier& d) {
            d.SetDateDebutExercice(Jour("01/01/2025"));
            d.SetDateFinExercice(Jour("31/12/2025"));
        });
    }
    void TearDown() override {
        DesinitKV();
        ModuleOuvert::TearDown();
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
    EXPECT_EQ(Exporter(true, {kAnnee2025, echec2024}), Fichier({
        "Migration Tavelor vers ISACOMPTA",
        "@D SCI042",
        "@DAT dd/mm/yyyy",
        "@P 31/12/2025",
        "DOISA.FLZORRIMM,1",
        "ZZISA.ACTIV,Location de biens immobiliers",
        "ZZISA.TITRE,Madame, Monsieur",
        "ZZISA.PRENOM,Anne",
        "ZZISA.NOM,Les Tilleuls",
        "ZZISA.NOMDOSS,SCI Les Tilleuls \x96 2025",
        "ZZISA.ADR1,12 B rue des \xC9" "coles",
        "ZZISA.COCOM,B\xE2timent A",
        "ZZISA.CP,75005",
        "ZZISA.VILLE,Paris",
        "ZZISA.PAYS,France",
        "ZZISA.TEL1,0102030405",
        "ZZISA.FAX1,0102030406",
        "ZZISA.EMAIL,contact@tilleuls.fr",
        "ZZISA.ADR1CORR,3  place du March\xE9",
        "ZZISA.COCOMCORR,Bo\xEEte 12",
        "ZZISA.CPCORR,69002",
        "ZZISA.VILLECORR,Lyon",
        "ZZISA.PAYSCORR,France",
        "ZZISA.ADR1SIEGE,avenue Louise",
        "ZZISA.COCOMSIEGE,c/o Cabinet Martin",
        "ZZISA.CPSIEGE,1050",
        "ZZISA.VILLESIEGE,Bruxelles",
        "ZZISA.PAYSSIEGE,Belgique",
        "ZZISA.FOJUR,SCI",
        "ZZISA.NRAPE,702A",
        "ZZISA.NRAPE2,6820A",
        "ZZISA.NRSIRET,73282932000074",
        "ZZISA.NRTVA,FR44732829320",
        "ZZISA.REFIS,REEL-FONCIER",
        "ZZISA.CAREV,RF 2072",
        "DDISA.FSDC,15/03/2010",
        "DOISA.ANCENG,02/01/2025",
        "ZZASS.ADR1[1],5  rue Cr\xE9" "billon",
        "ZZASS.ADR1NOMRUE[1],rue Cr\xE9" "billon",
        "ZZASS.ADR1NRVOIE[1],5",
        "ZZASS.COCOM[1],44109",
        "ZZASS.CP[1],44000",
        "ZZASS.DEPT[1],44",
        "ZZASS.NOM[1],Dupont",
        "ZZASS.PAYS[1],76",
        "ZZASS.PAYS2CAR[1],FR",
        "ZZASS.PAYSLIB[1],France",
        "ZZASS.VILLE[1],Nantes",
        "ASSPO.NBREPART[1],50",
        "ASSPO.POURDET[1],48,5437",
        "ZZASS.COMMUNAIS[1],Nantes",
        "ZZASS.DEPTNAIS[1],44000",
        "ZZASS.DTNAIS[1],12/05/1960",
        "ZZASS.NOMP[1],Dupont",
        "ZZASS.PAYSNAIS[1],76",
        "ZZASS.PAYSNAIS2C[1],FR",
        "ZZASS.PAYSNAISLB[1],France",
        "ZZASS.PRENOM[1],Jean",
        "ZZASS.TEL1[1],0240000000",
        "ZZASS.TITRE[1],M",
        "ZZASS.CP[2],44000",
        "ZZASS.DEPT[2],44",
        "ZZASS.FAX1[2],0240000001",
        "ZZASS.NOM[2],Nowak",
        "ZZASS.PAYS[2],76",
        "ZZASS.PAYS2CAR[2],FR",
        "ZZASS.PAYSLIB[2],France",
        "ZZASS.VILLE[2],Nantes",
        "ASSPO.NBREPART[2],21",
        "ASSPO.POURDET[2],20,3883",
        "ZZASS.COMMUNAIS[2],Krak\xF3w",
        "ZZASS.NOMM[2],Dupont",
        "ZZASS.NOMP[2],Nowak",
        "ZZASS.PAYSNAIS[2],179",
        "ZZASS.PAYSNAIS2C[2],PL",
        "ZZASS.PAYSNAISLB[2],Pologne",
        "ZZASS.PRENOM[2],?ucja",
        "ZZASS.TITRE[2],MME",
        "ZZASS.ADR1[3],10 B boulevard Haussmann",
        "ZZASS.ADR1EXTEN[3],B",
        "ZZASS.ADR1NOMRUE[3],boulevard Haussmann",
        "ZZASS.ADR1NRVOIE[3],10",
        "ZZASS.CP[3],75009",
        "ZZASS.DEPT[3],75",
        "ZZASS.NOM[3],Holding Martin",
        "ZZASS.PAYS[3],76",
        "ZZASS.PAYS2CAR[3],FR",
        "ZZASS.PAYSLIB[3],France",
        "ZZASS.VILLE[3],Paris",
        "ASSPO.NBREPART[3],25",
        "ASSPO.POURDET[3],24,2718",
        "ZZASS.DENOMIN[3],Holding Martin",
        "ZZASS.FOJUR[3],SAS",
        "ZZASS.NRSIRET[3],55212022200013",
        "ZZASS.FOSOC[3],O",
        "ZZASS.NOM[4],Dupont",
        "ZZASS.PAYS[4],76",
        "ZZASS.PAYS2CAR[4],FR",
        "ZZASS.PAYSLIB[4],France",
        "ASSPO.NBREPART[4],0",
        "ASSPO.POURDET[4],0,0000",
        "ZZASS.COMMUNAIS[4],Paris",
        "ZZASS.DEPTNAIS[4],75014",
        "ZZASS.DTNAIS[4],01/02/1995",
        "ZZASS.PAYSNAIS[4],76",
        "ZZASS.PAYSNAIS2C[4],FR",
        "ZZASS.PAYSNAISLB[4],France",
        "ZZASS.PRENOM[4],L\xE9" "a",
        "ZZASS.TITRE[4],MLE",
        "ZZASS.CP[5],49000",
        "ZZASS.DEPT[5],49",
        "ZZASS.NOM[5],Bernard",
        "ZZASS.PAYS[5],76",
        "ZZASS.PAYS2CAR[5],FR",
        "ZZASS.PAYSLIB[5],France",
        "ZZASS.VILLE[5],Angers",
        "ASSPO.NBREPART[5],7",
        "ASSPO.POURDET[5],6,7961",
        "ZZASS.PRENOM[5],Paul",
        "SOCIE.ENTSIS,faux",
        "DVISA.NBPARTT,103",
        "DECLA.TVACDR,751",
        "DECLA.NODOSS,123456",
        "DECLA.TVACLE,12",
        "DECLA.IDECDI,750",
        "DECLA.IDINSP,012",
        "DECLA.NUINPS,101",
        "SOCIE.TVAREG,RM",
        "ASSOC(FIL).FORJUR[1],SARL",
        "ASSOC(FIL).DENOMINA[1],Fonci\xE8re de l'Ouest",
        "ASSOC(FIL).NRSIREN[1],542107651",
        "ASSOC(FIL).POURDET[1],33,34",
        "ASSOC(FIL).NUMADRE[1],7",
        "ASSOC(FIL).LIBEVOIE[1],quai de la Fosse",
        "ASSOC(FIL).CODPADRE[1],44000",
        "ASSOC(FIL).COMMADRE[1],Nantes",
        "ASSOC(FIL).PAYSADRESS[1],France",
        "ASSOC(FIL).FORJUR[2],SAS",
        "ASSOC(FIL).DENOMINA[2],Immo S\xFC" "d GmbH",
        "ASSOC(FIL).NRSIREN[2],443061841",
        "ASSOC(FIL).POURDET[2],100,00",
        "ASSOC(FIL).COMMADRE[2],Berlin",
        "ASSOC(FIL).PAYSADRESS[2],Allemagne",
        "DFISA.RAPMIGR,<MEMODEB>\r\n"
        "Exercice du 01/01/2025 au 31/12/2025 - Donn\xE9" "es permanentes - Exportation r\xE9" "ussie\r\n"
        "Exercice du 01/01/2024 au 31/12/2024 - Donn\xE9" "es permanentes - Associ\xE9" "s - Erreur pendant "
        "l'exportation\r\n"
        "<MEMOFIN>",
    }));
}

TEST_F(ExportISA, UnDossierNuDonneCeFichierOctetPourOctet) {
    Dossier().Modifier([](standalone::DossierFichier& d) {
        tagDONNEES_ADM adm{};
        std::strcpy(adm.RegimeTVA, "RN");
        d.SetDonneesAdministratives(adm);
        d.SetRegimeImposition(2);
    });
    EXPECT_EQ(Exporter(false, {kAnnee2025}), Fichier({
        "Migration Tavelor vers ISACOMPTA",
        "@D ",
        "@DAT dd/mm/yyyy",
        "@P 31/12/2025",
        "DOISA.FLZORRIMM,0",
        "ZZISA.PRENOM,Jeanne",
        "ZZISA.NOM,Dupont",
        "ZZISA.NOMDOSS,SARL Dupont - exercice 2025",
        "ZZISA.PAYS,France",
        "ZZISA.PAYSCORR,France",
        "ZZISA.PAYSSIEGE,France",
        "SOCIE.ENTSIS,vrai",
        "DVISA.NBPARTT,0",
        "DFISA.RAPMIGR,<MEMODEB>\r\n"
        "Exercice du 01/01/2025 au 31/12/2025 - Donn\xE9" "es permanentes - Exportation r\xE9" "ussie\r\n"
        "<MEMOFIN>",
    }));
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
        const pid_t enfant = ::fork();
        ASSERT_GE(enfant, 0);
        if (enfant == 0) {
            cas.restreindre(sortie_);
            ::_exit(GenererFichierEGE_ISA(Cible(), true, {kAnnee2025}) ? 0 : 1);
        }
        int statut = 0;
        ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
        ASSERT_TRUE(WIFEXITED(statut));
        EXPECT_EQ(WEXITSTATUS(statut), 1) << "the export reported success";
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
