// The rules of the exchange file's lines, tried on the data alone (no dossier, no table): each
// case changes a minimal dossier and names the lines that must and must not be in the file.
#include "common/dates.hpp"
#include "export/fichier_isa.hpp"
#include "export/lignes_isa.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace kvarn::exportisa {
namespace {

Associe AvecParts(double pp, double u = 0) { return {.NbParts = pp, .NbPartsU = u, .PersonnePhysique = true}; }

struct CasLignes {
    std::string nom;
    std::function<void(DonneesISA&)> changer;
    std::vector<std::string> presentes;  // whole lines, without their CR LF
    std::vector<std::string> absentes;   // starts of lines
};

class LignesDuFichier : public testing::TestWithParam<CasLignes> {};

TEST_P(LignesDuFichier, SuiventLaRegle) {
    DonneesISA donnees;
    GetParam().changer(donnees);
    const std::string fichier = "\r\n" + ContenuFichierISA(donnees);
    for (const std::string& ligne : GetParam().presentes)
        EXPECT_NE(fichier.find("\r\n" + ligne + "\r\n"), std::string::npos) << ligne << " missing from\n" << fichier;
    for (const std::string& debut : GetParam().absentes)
        EXPECT_EQ(fichier.find("\r\n" + debut), std::string::npos) << debut << " present in\n" << fichier;
}

INSTANTIATE_TEST_SUITE_P(
    Regles, LignesDuFichier,
    testing::Values(
        CasLignes{"SansDateDeNaissancePasDeDTNAIS", [](DonneesISA& d) { d.associes = {AvecParts(1)}; }, {}, {"ZZASS.DTNAIS"}},
        CasLignes{"DateDeNaissanceEcrite",
                  [](DonneesISA& d) {
                      d.associes = {AvecParts(1)};
                      d.associes[0].DateNaissance = *ParseDate("29/02/1964");
                  },
                  {"ZZASS.DTNAIS[1],29/02/1964"}, {}},
        CasLignes{"RegimeRSEntoureDeBlancs", [](DonneesISA& d) { std::strcpy(d.administratif.RegimeTVA, " RS"); },
                  {"SOCIE.TVAREG,RS"}, {}},
        CasLignes{"RegimeRNAbsent", [](DonneesISA& d) { std::strcpy(d.administratif.RegimeTVA, "RN"); }, {}, {"SOCIE.TVAREG"}},
        CasLignes{"VilleDuCinquiemeAssocie",
                  [](DonneesISA& d) {
                      d.associes.assign(5, AvecParts(1));
                      d.associes[4].AdrVille = "Angers";
                  },
                  {"ZZASS.VILLE[5],Angers"}, {"ZZASS.VILLE[1]"}},
        CasLignes{"DemiPartArrondieAuDessus", [](DonneesISA& d) { d.associes = {AvecParts(20, 0.5), AvecParts(0.5)}; },
                  {"ASSPO.NBREPART[1],21", "ASSPO.NBREPART[2],1", "DVISA.NBPARTT,22"}, {}},
        CasLignes{"PartsNullesComptentZero",
                  [](DonneesISA& d) { d.associes = {AvecParts(Associe::kNulReel, Associe::kNulReel), AvecParts(3)}; },
                  {"ASSPO.NBREPART[1],0", "ASSPO.POURDET[2],100,0000", "DVISA.NBPARTT,3"}, {}},
        CasLignes{"PourcentageDemiArrondiLoinDeZero",
                  [](DonneesISA& d) { d.associes = {AvecParts(1), AvecParts(127)}; },  // 0.78125 % and 99.21875 %
                  {"ASSPO.POURDET[1],0,7813", "ASSPO.POURDET[2],99,2188"}, {}},
        CasLignes{"TotalNul", [](DonneesISA& d) { d.associes = {AvecParts(0), AvecParts(0.4)}; },
                  {"ASSPO.POURDET[1],0,0000", "ASSPO.POURDET[2],0,0000", "DVISA.NBPARTT,0"}, {}},
        CasLignes{"SansAssociesTotalNul", [](DonneesISA&) {}, {"DVISA.NBPARTT,0", "SOCIE.ENTSIS,faux"}, {"ZZASS", "ASSPO"}},
        CasLignes{"ParticipationDemiCentieme",
                  [](DonneesISA& d) { d.participations = {{4, "A", "542107651", 0.125, "", "", "", "", 76}}; },
                  {"ASSOC(FIL).POURDET[1],0,13"}, {}},
        CasLignes{"PaysInconnuSansLignesPaysZeroEstLaFrance",
                  [](DonneesISA& d) {
                      d.associes = {AvecParts(1), AvecParts(1)};
                      d.associes[0].AdrIDPays = 4242;
                      d.associes[1].AdrIDPays = 0;
                      d.adresse.IDPays = 4242;
                      d.siege.IDPays = Associe::kNulEntier;
                  },
                  {"ZZASS.PAYSLIB[2],France", "ZZISA.PAYSSIEGE,France"},
                  {"ZZASS.PAYS[1]", "ZZASS.PAYS2CAR[1]", "ZZASS.PAYSLIB[1]", "ZZISA.PAYS,"}},
        CasLignes{"TitreHorsCivilitesAbsent",
                  [](DonneesISA& d) {
                      d.associes = {AvecParts(1), AvecParts(1)};
                      d.associes[0].Titre = 3;
                      d.associes[1].Titre = TAP_MLE;
                  },
                  {"ZZASS.TITRE[2],MLE"}, {"ZZASS.TITRE[1]"}},
        CasLignes{"SautDeLigneDevientUnBlanc",
                  [](DonneesISA& d) {
                      d.activite = "Location\r\nde biens\nnus";
                      d.resultats = {{0, 0, {"Un\rdeux"}, true}};
                  },
                  {"ZZISA.ACTIV,Location de biens nus", "Exercice du  au  - Un deux - Exportation r\xE9ussie"}, {}},
        CasLignes{"NumeroIntracommunautaireSansPrefixe",
                  [](DonneesISA& d) { std::memcpy(d.noIntraComm.Siren, "732829320", 9); }, {}, {"ZZISA.NRTVA"}},
        CasLignes{"VoieSansIndiceGardeDeuxBlancs",
                  [](DonneesISA& d) {
                      d.associes = {AvecParts(1)};
                      d.associes[0].AdrNoVoie = " 4";
                      d.associes[0].AdrNomVoie = "rue Haute ";
                  },
                  {"ZZASS.ADR1[1],4  rue Haute", "ZZASS.ADR1NOMRUE[1],rue Haute ", "ZZASS.ADR1NRVOIE[1], 4"}, {}}),
    testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::exportisa
