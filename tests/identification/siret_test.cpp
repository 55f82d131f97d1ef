#include <kvarn/module.hpp>
#include <kvarn/siret.hpp>

#include "common/dates.hpp"
#include "frame/etat_module.hpp"
#include "identification/remplacement_categories.hpp"
#include "support/dossier_ouvert.hpp"

#include <gtest/gtest.h>

namespace kvarn::identification {
namespace {

struct Texte {
    const char* valeur;
    bool valide;
};

class PseudoSiret : public testing::TestWithParam<Texte> {};
TEST_P(PseudoSiret, Rule) { EXPECT_EQ(CSiret::PseudoSiretValide(GetParam().valeur), GetParam().valide) << GetParam().valeur; }
INSTANTIATE_TEST_SUITE_P(Textes, PseudoSiret,
                         testing::Values(Texte{"", true}, Texte{"P1234567800001", true}, Texte{"p1234567800001", true},
                                         Texte{"PABCDEFGH00001", true}, Texte{"P1234567800002", false},
                                         Texte{"P123456780001", false}, Texte{"P12345678000001", false},
                                         Texte{"X1234567800001", false}, Texte{"Pé234567800001", true}));

class Idsp : public testing::TestWithParam<Texte> {};
TEST_P(Idsp, Rule) { EXPECT_EQ(CSiret::IDSPValide(GetParam().valeur), GetParam().valide) << GetParam().valeur; }
INSTANTIATE_TEST_SUITE_P(Textes, Idsp,
                         testing::Values(Texte{"", true}, Texte{"A1234567890123", true}, Texte{"z1234567890123", true},
                                         Texte{"Aé234567890123", true},  // 14 characters, 15 bytes
                                         Texte{"P1234567890123", false}, Texte{"p1234567890123", false},
                                         Texte{"11234567890123", false}, Texte{"A123456789012", false},
                                         Texte{"A12345678901234", false}, Texte{"É1234567890123", false}));

class SiretStore : public testing_support::ModuleOuvert {
protected:
    static double Date(const char* texte) { return *ParseDate(texte); }
};

TEST_F(SiretStore, NumbersAreKeptPerClosingDate) {
    CSiret::SetSIRET(Date("31/12/2017"), "55208131766522");
    CSiret::SetPseudoSIRET(Date("31/12/2017"), "p1234567800001");  // stored as typed
    CSiret::SetIDSP(Date("31/12/2018"), "A1234567890123");
    EXPECT_EQ(host_->Dossier()->FichierINI().GetString("KV", "SIRET_31/12/2017", "?"), "55208131766522");
    EXPECT_EQ(CSiret::GetPseudoSIRET(Date("31/12/2017")), "p1234567800001");
    EXPECT_EQ(CSiret::GetIDSP(Date("31/12/2018")), "A1234567890123");
    EXPECT_EQ(CSiret::GetSIRET(Date("31/12/2018")), "");
    CSiret::SetSIRET(Date("31/12/2017"), "");
    EXPECT_EQ(host_->Dossier()->FichierINI().GetString("KV", "SIRET_31/12/2017", "absent"), "absent");
}

struct Remplacement {
    const char* avant;
    const char* apres;
};

class Withdrawn : public SiretStore, public testing::WithParamInterface<Remplacement> {
protected:
    // The associates' table of the dossier, opened.
    static std::unique_ptr<db::CTable> Associes() {
        auto associes = std::make_unique<db::CTable>(frame::DataModule()->Donnees().Session());
        associes->SetDatabaseName("ZOR_DOSSIER");
        associes->SetTableName("KOLMIKV1");
        associes->Open();
        return associes;
    }
};

TEST_P(Withdrawn, CompanyAndAssociatesAreReplaced) {
    db::Session& session = frame::DataModule()->Donnees().Session();
    auto associes = Associes();
    for (const char* code : {GetParam().avant, "5710"}) {
        associes->Append();
        associes->FieldByName("Nom").SetAsString("Société");
        associes->FieldByName("CategorieJuridique").SetAsString(code);
        associes->Post();
    }
    associes.reset();
    CSiret::SetCategorieJuridique(GetParam().avant);
    environment::CGestTRPIni& parametres = frame::Parametres();
    RemplacerCategoriesPremierNiveau(parametres, session);
    EffacerCategoriesRetirees(parametres, session);
    EXPECT_EQ(CSiret::GetCategorieJuridique(), GetParam().apres);
    std::vector<std::string> codes;
    for (associes = Associes(); !associes->Eof(); associes->Next())
        codes.push_back(associes->FieldByName("CategorieJuridique").AsString());
    EXPECT_EQ(codes, (std::vector<std::string>{GetParam().apres, "5710"}));
}

INSTANTIATE_TEST_SUITE_P(Codes, Withdrawn,
                         testing::Values(Remplacement{"1500", "1000"}, Remplacement{"1100", "1000"},
                                         Remplacement{"1900", "1000"}, Remplacement{"6588", ""},
                                         Remplacement{"5498", ""}, Remplacement{"5720", ""},
                                         Remplacement{"5499", "5499"}, Remplacement{"1000", "1000"}));

TEST_F(SiretStore, ReplacementWithoutAssociatesTableChangesTheCompanyOnly) {
    db::Session& session = frame::DataModule()->Donnees().Session();
    session.connection().Execute("DROP TABLE KOLMIKV1");
    CSiret::SetCategorieJuridique("1300");
    RemplacerCategoriesPremierNiveau(frame::Parametres(), session);
    EXPECT_EQ(CSiret::GetCategorieJuridique(), "1000");
}

}  // namespace
}  // namespace kvarn::identification
