// Addresses laid out for the returns: the declarant's and the dossier's, the registered offices,
// the recipient other than the declarant, and the Cerfa record checked byte for byte.
#include <kvarn/accesseurs.hpp>

#include "exports_fixture.hpp"
#include "support/bytes.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace kvarn::frame {
namespace {

TAdresseFormatTDFC Adresse(const std::string& ville) {
    return {"", "Bâtiment A", "Zone nord", "12", "B", "rue de la République", "BP 7", "34200", ville};
}

TEST_F(Exports, DeclarantWithoutSettingsIsInFranceAndDossierComesFromItsRecord) {
    ModifierDossier({{"Adresse", "NomVoie", "quai d'Alger"}, {"Adresse", "Ville", "Sète"},
                     {"Adresse", "Pays", "56"}, {"Adresse", "Telephone", "0467"},
                     {"Adresse", "BureauDistributeur", "Sète Cedex"}});
    TAdresseFormatTDFC dossier, declarant;
    declarant.IDPays = 0;
    GetAdresseDestDec(dossier, declarant);
    EXPECT_EQ(declarant, TAdresseFormatTDFC{});  // every text empty, country 76
    EXPECT_EQ(declarant.IDPays, 76);
    EXPECT_EQ(dossier.NomVoie, "quai d'Alger");
    EXPECT_EQ(dossier.Ville, "Sète");
    EXPECT_EQ(dossier.IDPays, 56);
    EXPECT_EQ(dossier.BureauDistributeur, "Sète Cedex");
    EXPECT_EQ(dossier.Telephone, "0467");
}

TEST_F(Exports, DeclarantIsKeptUnderDefautAndNotUnderDefault) {
    PlanterParametres("[DEFAULT]\r\nAdrDeclarVille=Ailleurs\r\n");
    TAdresseFormatTDFC declarant = Adresse("Sète");
    declarant.IDPays = 99;
    declarant.Telephone = "non gardé";
    SetAdresseDestDec(TAdresseFormatTDFC{}, declarant);
    EXPECT_EQ(OctetsParametres(),
              "[DEFAULT]\r\nAdrDeclarVille=Ailleurs\r\n\r\n[DEFAUT]\r\nAdrDeclarComplt1=B\xE2timent A\r\n"
              "AdrDeclarComplt2=Zone nord\r\nAdrDeclarNoVoie=12\r\nAdrDeclarBisTerVoie=B\r\n"
              "AdrDeclarNomVoie=rue de la R\xE9publique\r\nAdrDeclarBP=BP 7\r\nAdrDeclarCP=34200\r\n"
              "AdrDeclarVille=S\xE8te\r\nAdrDeclarPays=99\r\n");
    TAdresseFormatTDFC dossier, relu;
    GetAdresseDestDec(dossier, relu);
    declarant.Telephone.clear();
    EXPECT_EQ(relu, declarant);
    EXPECT_EQ(host_->Dossier()->GetAdresse(), CAdresse{});  // the dossier's own address is untouched
}

TEST_F(Exports, RecipientNameIsAdr1AndItsBPIsStoredInTheOemCodePage) {
    TAdresseFormatTDFC destinataire = Adresse("Montpellier");
    destinataire.BP = "BP é";
    destinataire.Telephone = "0467000000";
    destinataire.BureauDistributeur = "non gardé";
    SetAdresseDestDiff(destinataire, "SCI Les Mûriers");
    EXPECT_EQ(OctetsParametres(),
              "[CERFA]\r\nAdr1=SCI Les M\xFBriers\r\nAdr2=B\xE2timent A\r\nAdr3=Zone nord\r\nNoVoie=12\r\n"
              "CplmtVoie=B\r\nVoie=rue de la R\xE9publique\r\nBP=BP \x82\r\nCP=34200\r\nVille=Montpellier\r\n"
              "Tel=0467000000\r\n");
    TAdresseFormatTDFC relu;
    std::string nom;
    GetAdresseDestDiff(relu, nom);
    EXPECT_EQ(nom, "SCI Les Mûriers");
    destinataire.BureauDistributeur.clear();
    EXPECT_EQ(relu, destinataire);
}

TEST_F(Exports, RegisteredOfficesMoveMembersOneToEightOfTheRecordsGiven) {
    ModifierDossier({{"SiegeSocial", "Telephone", "0467"}, {"SiegeSocial", "Pays", "56"},
                     {"SiegeSocialN-1", "Ville", "Agde"}});
    TAdresseFormatTDFC courant = Adresse("Sète");
    courant.Telephone = "non gardé";
    SetAdresseSiegeSocial(nullptr, &courant);
    const CAdresse enregistree = host_->Dossier()->GetAdresseSiegeSocial();
    EXPECT_EQ(enregistree.Telephone, "0467");  // beyond member 8 the host's record keeps its values
    EXPECT_EQ(enregistree.IDPays, 56);
    EXPECT_EQ(enregistree.Ville, "Sète");
    EXPECT_EQ(host_->Dossier()->GetAdresseSiegeSocialNm1().Ville, "Agde");

    TAdresseFormatTDFC precedent, relu;
    relu.Telephone = "reste";
    GetAdresseSiegeSocial(&precedent, &relu);
    EXPECT_EQ(precedent.Ville, "Agde");
    courant.Telephone = "reste";
    EXPECT_EQ(relu, courant);
    GetAdresseSiegeSocial(nullptr, nullptr);
    EXPECT_EQ(DerniereException(), "");
}

TEST_F(Exports, CerfaRecordOfTheRegisteredOfficeByteForByte) {
    TAdresseFormatTDFC courant = Adresse("Sète");
    courant.NomVoie = "avenue du Maréchal de Lattre de Tassigny prolongée";  // 50 characters: cut at 35
    SetAdresseSiegeSocial(nullptr, &courant);
    TAdresseFormatTDFC precedent = Adresse("Agde");
    SetAdresseSiegeSocial(&precedent, nullptr);

    EXPECT_EQ(testing_support::BytesOf(GetAdresseSiegeSocial_PourCerfa(true)),
              testing_support::Layout(212, {{0, "B\x83timent A"}, {36, "Zone nord"}, {72, "12"}, {78, "B"},
                                            {82, "avenue du Mar\x82" "chal de Lattre de Tas"}, {118, "BP 7"},
                                            {124, "34200"}, {142, "S\x8Ate"}}));

    const ADRESSE_CERFA_KV cerfaPrecedent = GetAdresseSiegeSocial_PourCerfa(false);
    EXPECT_STREQ(cerfaPrecedent.AdrVille, "Agde");
    EXPECT_STREQ(cerfaPrecedent.AdrNomVoie, "rue de la R\x82publique");
}

}  // namespace
}  // namespace kvarn::frame
