// An older product's records converted through the C entry points: the associate's civility, legal
// form and countries looked up by name, corrected in their screen or refused with nothing written;
// a line of deductions and reintegrations with its empty amounts and its designation cut.
#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/fixed_field.hpp"
#include "host/formes_juridiques.hpp"
#include "host/pays.hpp"
#include "store/nouveau_dossier.hpp"
#include "frame/etat_module.hpp"
#include "support/requete_sql.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/nom_du_cas.hpp"

#include <kvarn/associe.hpp>
#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvarn::migration {
namespace {

// The dossier started, with a host whose picker takes the answers queued (none: no answer).
class Conversion : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        host_.reset();
        standalone::HostOptions options{&boxes_, &choice_, {}, {}};
        options.choixListe = [this](const std::string&, const std::vector<std::string>&,
                                    const std::vector<std::string>& choix) -> std::optional<std::size_t> {
            ++montres_;
            if (reponses_.empty()) return std::nullopt;
            const auto choisi = std::find(choix.begin(), choix.end(), reponses_.front());
            reponses_.pop_front();
            return choisi == choix.end() ? std::nullopt : std::optional<std::size_t>(choisi - choix.begin());
        };
        host_ = standalone::StandaloneHost::Open(dir_, options);
        store::InitialiserNouveauDossier(dir_);
        InitDataModuleKV();
        InitKV();
    }
    void TearDown() override {
        DesinitKV();
        DetruireDataModuleKV();
        DossierOuvert::TearDown();
    }

    std::deque<std::string> reponses_;
    int montres_ = 0;
};

template <std::size_t N>
void Ecrire(char (&champ)[N], const std::string& texte) {
    WriteCStringField(champ, N, texte, CodePage::Oem);
}

int Pays(const char* iso) { return host::TListePays::TrouverCodeIso(iso)->id; }
std::string Libelle(int pays) { return host::TListePays::Trouver(pays)->libelle; }

struct CasAssocie {
    const char* nom;
    std::function<void(ASSOCIE_ANCIEN_C&)> remplir;
    std::vector<std::string> reponses;  // the items picked, in order
    int montres;                        // questions asked
    std::string attendu;    // Titre|AdrIDPays|IDPaysNaissance of the new row; "" when refused
};

class Associes : public Conversion, public testing::WithParamInterface<CasAssocie> {};

TEST_P(Associes, FormsAndCountriesByNameCorrectedOrRefused) {
    const CasAssocie& cas = GetParam();
    ASSOCIE_ANCIEN_C ancien{};
    ancien.PersonnePhysique = 1;
    Ecrire(ancien.Nom, "CAFÉ");
    Ecrire(ancien.Prenoms, "Zoé");
    ancien.DateNaissance = ToDateDOS(*EncodeDate({1970, 5, 12}));
    ancien.Qualite = QA_ASSOCIE;
    ancien.NbParts = 12.5;
    cas.remplir(ancien);
    reponses_.assign(cas.reponses.begin(), cas.reponses.end());
    EXPECT_EQ(MigrerAssocie(&ancien), !cas.attendu.empty());
    EXPECT_EQ(montres_, cas.montres);
    if (cas.attendu.empty()) {
        EXPECT_EQ(testing_support::LignesSql("SELECT COUNT(*) FROM KOLMIKV1"), "0;");
        return;
    }
    EXPECT_EQ(testing_support::LignesSql("SELECT Titre, AdrIDPays, IDPaysNaissance FROM KOLMIKV1"), cas.attendu + ";");
    EXPECT_EQ(testing_support::LignesSql("SELECT Nom, Prenoms, DateNaissance, NbParts FROM KOLMIKV1"), "CAFÉ|Zoé|1970-05-12|12.5;");
}

const CasAssocie kAssocies[] = {
    {"CiviliteEnMinusculesEtPaysParCode", [](auto& a) { Ecrire(a.Civilite, "mle"), Ecrire(a.PaysNaissance, "es"); },
     {}, 0, std::to_string(TAP_MLE) + "|76|" + std::to_string(Pays("ES"))},
    {"FormeParSonAbreviationEtPaysParSonNom",
     [](auto& a) {
         a.PersonnePhysique = 0;
         Ecrire(a.FormeJuridique, "sarl");
         Ecrire(a.AdrPays, "espagne");
     },
     {}, 0, std::to_string(host::FJ_SARL) + "|" + std::to_string(Pays("ES")) + "|76"},
    {"FormeInconnueSansReponse",
     [](auto& a) {
         a.PersonnePhysique = 0;
         Ecrire(a.FormeJuridique, "XYZ");
     },
     {}, 1, ""},
    {"PaysInconnuChoisi", [](auto& a) { Ecrire(a.PaysNaissance, "Atlantide"); }, {Libelle(Pays("IT"))}, 1,
     std::to_string(TAP_M) + "|76|" + std::to_string(Pays("IT"))},
};
INSTANTIATE_TEST_SUITE_P(Anciens, Associes, testing::ValuesIn(kAssocies), testing_support::NomDuCas());

TEST_F(Conversion, ADeductionKeepsItsAmountsLeavesTheAbsentOnesEmptyAndCutsItsDesignation) {
    DEDUCTION_REINTEGRATION_C ligne{};
    ligne.EstDeduction = 1;
    // 32 OEM bytes without a terminator: the designation is cut at 30 characters.
    const std::string oem = ZORCharToOem("LOYERS ÉCHUS DU LOCAL DE RENNES 2025");
    std::memcpy(ligne.Designation, oem.data(), sizeof ligne.Designation);
    ligne.MontantBIC = 1200;
    ligne.MontantBA = static_cast<std::int32_t>(0x80000001u);
    ligne.MontantBNC = -5;
    EXPECT_FALSE(MigrerDeductionsReintegrations(nullptr));
    ASSERT_TRUE(MigrerDeductionsReintegrations(&ligne));
    ligne.EstDeduction = 0;
    ligne.MontantBIC = static_cast<std::int32_t>(0x80000001u);
    ASSERT_TRUE(MigrerDeductionsReintegrations(&ligne));
    EXPECT_EQ(testing_support::LignesSql("SELECT Designation, IsDeduction, MontantBIC, MontantBA, MontantBNC FROM KOLMIKV2"),
              "LOYERS ÉCHUS DU LOCAL DE RENNE|1|1200|NULL|-5;LOYERS ÉCHUS DU LOCAL DE RENNE|0|NULL|NULL|-5;");
}

}  // namespace
}  // namespace kvarn::migration
