// The statement of miscellaneous items printed by the standalone host's engine, the data module's
// provider answering its events, and the PDF read back with poppler's pdftotext and pdfinfo:
// what a reader of the file sees, not what the engine meant to draw.
#include "frame/etat_module.hpp"
#include "reports/etat_rapports.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/file_size_limit.hpp"
#include "support/files.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/divers.hpp>
#include <kvarn/etats.hpp>
#include <kvarn/module.hpp>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

namespace kvarn::reports {
namespace {

namespace fs = std::filesystem;

// What a command prints on its standard output.
std::string Sortie(const std::string& commande) {
    std::string texte;
    FILE* flux = ::popen(commande.c_str(), "r");
    if (!flux) return texte;
    char tampon[4096];
    for (std::size_t n; (n = std::fread(tampon, 1, sizeof tampon, flux)) > 0;) texte.append(tampon, n);
    ::pclose(flux);
    return texte;
}

class Impression : public testing_support::ModuleDemarre {
protected:
    void SetUp() override {
        ModuleDemarre::SetUp();
        moteur_ = NouveauVrelMaker(*frame::DataModule());
        ASSERT_TRUE(moteur_);
        pdf_ = dir_ / "divers.pdf";
    }
    void TearDown() override {
        moteur_.reset();
        for (void* bloc : blocs_) SupprimerEtatDetailDivers(bloc);
        ModuleDemarre::TearDown();
    }
    static void Ligne(const std::string& designation, bool deduction, std::optional<double> bic,
                      std::optional<double> ba, std::optional<double> bnc) {
        const auto montant = [](std::optional<double> e) { return e ? std::optional(CCurrency(*e)) : std::nullopt; };
        CDeductionsReintegrationsDiverses{!deduction, montant(bic), montant(ba), montant(bnc), designation}.MAJ();
    }
    void Ajouter(bool reintegrations, bool bic, bool ba, bool bnc, unsigned copies = 1, const std::string& criteres = "",
                 const std::string& document = "") {
        void* bloc = AjouterEtatDetailDivers(moteur_.get(), reintegrations, bic, ba, bnc, copies, criteres, document);
        ASSERT_NE(bloc, nullptr);
        blocs_.push_back(bloc);
    }
    // The text of each page, in order.
    std::vector<std::string> Pages() const {
        std::vector<std::string> pages;
        std::istringstream texte(Sortie("pdftotext -layout '" + pdf_.string() + "' -"));
        for (std::string page; std::getline(texte, page, '\f');)
            if (!page.empty()) pages.push_back(page);
        return pages;
    }
    std::string Info() const { return Sortie("pdfinfo '" + pdf_.string() + "'"); }

    std::unique_ptr<CVrelMaker> moteur_;
    std::vector<void*> blocs_;
    fs::path pdf_;
};

bool Contient(const std::string& texte, const std::string& motif) { return std::regex_search(texte, std::regex(motif)); }

TEST_F(Impression, HeaderRowsInTheSqlOrderAndTheTotalOfTheColumnsAskedFor) {
    Ligne("Loyer d'été", true, 12345, 77, -300);
    Ligne("Amende", true, 1000, std::nullopt, std::nullopt);
    Ligne("Taxe BA", true, std::nullopt, 40, std::nullopt);
    Ligne("Don", false, 5, std::nullopt, 9);
    ModifierDossier({{"Dossier", "TenuEn", "EUR"}});
    Ajouter(false, true, false, true);
    ASSERT_EQ(moteur_->Imprimer(pdf_.string()), 1);
    const std::vector<std::string> pages = Pages();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    const std::string entetes[] = {"Détail des divers à déduire", "SARL Dupont & Fils",
                                   "Dossier : SARL Dupont - exercice 2025", "Exercice : " + GetExerciceDossier(),
                                   "Comptes tenus en : " + GetTenuEn()};
    for (const std::string& entete : entetes) EXPECT_NE(page.find(entete), std::string::npos) << entete;
    EXPECT_TRUE(Contient(page, "Désignation +BNC +BIC/IS\\s*\\n")) << page;  // left to right, BA hidden
    EXPECT_TRUE(Contient(page, "Loyer d'été +-300 +12 345\\s*\\n[^\\n]*Amende +1 000\\s*\\n")) << page;
    EXPECT_TRUE(Contient(page, "Total +-300 +13 345")) << page;
    EXPECT_TRUE(Contient(page, "Page 1 / 1")) << page;
    for (const char* absent : {"77", "Taxe BA", "Don"}) EXPECT_EQ(page.find(absent), std::string::npos) << absent;
}

TEST_F(Impression, CopiesRepeatThePagesAndTheDocumentNamesTheFile) {
    Ligne("Amende", false, std::nullopt, 50, std::nullopt);
    Ajouter(true, false, true, false, 65536 + 2, "dossier=DUPONT;exercice=2025", "Divers réintégrés 2025");
    ASSERT_EQ(moteur_->Imprimer(pdf_.string()), 1);
    const std::vector<std::string> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    for (const std::string& page : pages) {
        EXPECT_TRUE(Contient(page, "Détail des divers à réintégrer"));
        EXPECT_TRUE(Contient(page, "Désignation +BA\\s*\\n"));
        EXPECT_TRUE(Contient(page, "Total +50"));
        EXPECT_TRUE(Contient(page, "Page 1 / 1"));
    }
    const std::string info = Info();
    EXPECT_TRUE(Contient(info, "Title: +Divers réintégrés 2025\\n")) << info;
    EXPECT_TRUE(Contient(info, "Keywords: +dossier=DUPONT;exercice=2025\\n")) << info;
}

TEST_F(Impression, EightyRowsGoOnTwoPagesWithTheTotalOnTheLast) {
    for (int i = 1; i <= 80; ++i) Ligne("Ligne " + std::to_string(100 + i), true, 1000 * i, std::nullopt, std::nullopt);
    Ajouter(false, true, false, false);
    ASSERT_EQ(moteur_->Imprimer(pdf_.string()), 1);
    const std::vector<std::string> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Contient(pages[0], "Ligne 101 +1 000\\s*\\n"));
    EXPECT_TRUE(Contient(pages[0], "Page 1 / 2"));
    EXPECT_FALSE(Contient(pages[0], "Total"));
    EXPECT_TRUE(Contient(pages[1], "Ligne 180 +80 000\\s*\\n"));
    EXPECT_TRUE(Contient(pages[1], "Total +3 240 000"));  // 1 000 × (1 + ... + 80)
    EXPECT_TRUE(Contient(pages[1], "Page 2 / 2"));
    EXPECT_TRUE(Contient(pages[1], "Désignation +BIC/IS"));  // the column titles again
}

TEST_F(Impression, NothingToPrintWritesNoFile) {
    Ligne("Amende", true, 10, std::nullopt, std::nullopt);
    Ajouter(false, false, true, false);  // no deduction has a BA amount
    EXPECT_EQ(moteur_->Imprimer(pdf_.string()), 0);
    EXPECT_FALSE(fs::exists(pdf_));
}

// A statement that fails, by its SQL or by a full disk, leaves the file that was there.
TEST_F(Impression, AFailureLeavesThePreviousFile) {
    Ligne("Amende", true, 10, std::nullopt, std::nullopt);
    std::ofstream(pdf_) << "ancien";
    {
        Ajouter(false, true, false, false);
        const testing_support::FileSizeLimit disque(512);
        EXPECT_THROW(moteur_->Imprimer(pdf_.string()), std::runtime_error);
    }
    EXPECT_EQ(testing_support::ReadBytes(pdf_), "ancien");
    const std::unique_ptr<CVrelMaker> autre = NouveauVrelMaker(*frame::DataModule());
    autre->AjouteEtat("KV.eta", "Sans table", nullptr, nullptr);
    autre->OnStartEtatEvent = [](TEtatUser& etat) {
        etat.SetBD_Type(BD_SQL);
        etat.SetDatabaseName("ZOR_DOSSIER");
        etat.SetSQL("SELECT * FROM TableAbsente");
        return true;
    };
    EXPECT_ANY_THROW(autre->Imprimer(pdf_.string()));
    EXPECT_EQ(testing_support::ReadBytes(pdf_), "ancien");
}

}  // namespace
}  // namespace kvarn::reports
