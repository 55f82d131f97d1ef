#include "environment/gest_trp_ini.hpp"

#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "support/dossier_ouvert.hpp"
#include "host/dossier.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace kvarn::environment {
namespace {

namespace fs = std::filesystem;

class Store : public testing_support::DossierOuvert {
protected:
    void SetUp() override {
        DossierOuvert::SetUp();
        store_ = std::make_unique<CGestTRPIni>();
        store_->SetSection(kSectionKV);
    }
    void TearDown() override {
        store_.reset();
        DossierOuvert::TearDown();
    }
    host::StaticFichierINI& Hote() { return host::pCurDossier->FichierINI(); }

    std::unique_ptr<CGestTRPIni> store_;
};

// --- Writing a sentinel deletes the key, and the reader's default comes back ---

struct Sentinelle {
    const char* nom;
    std::function<void(CGestTRPIni&)> ecrireValeur;
    std::function<void(CGestTRPIni&)> ecrireSentinelle;
    std::function<bool(CGestTRPIni&)> defautRevenu;
};

class SentinelDeletesTheKey : public Store, public testing::WithParamInterface<Sentinelle> {};

TEST_P(SentinelDeletesTheKey, OnlyThatKeyGoesAndTheDefaultComesBack) {
    store_->SetString("Garde", "oui");
    GetParam().ecrireValeur(*store_);
    ASSERT_NE(OctetsParametres().find("X="), std::string::npos);
    GetParam().ecrireSentinelle(*store_);
    EXPECT_EQ(OctetsParametres(), "[KV]\r\nGarde=oui\r\n");
    EXPECT_TRUE(GetParam().defautRevenu(*store_));
}

INSTANTIATE_TEST_SUITE_P(
    Frame, SentinelDeletesTheKey,
    testing::Values(
        Sentinelle{"EmptyText", [](CGestTRPIni& s) { s.SetString("X", "texte"); },
                   [](CGestTRPIni& s) { s.SetString("X", ""); },
                   [](CGestTRPIni& s) { return s.GetString("X", "défaut") == "défaut"; }},
        Sentinelle{"IntegerUnsetMarker", [](CGestTRPIni& s) { s.SetInteger("X", 12); },
                   [](CGestTRPIni& s) { s.SetInteger("X", -2147483647); },
                   [](CGestTRPIni& s) { return s.GetInteger("X", 5) == 5; }},
        Sentinelle{"MostNegativeReal", [](CGestTRPIni& s) { s.SetReal("X", 1.5); },
                   [](CGestTRPIni& s) { s.SetReal("X", -1.7976931348623157e308); },
                   [](CGestTRPIni& s) { return s.GetReal("X", 7.25) == 7.25; }},
        Sentinelle{"ZeroDate", [](CGestTRPIni& s) { s.SetDate("X", 45657); },
                   [](CGestTRPIni& s) { s.SetDate("X", 0); },
                   [](CGestTRPIni& s) { return s.GetDate("X", 3) == 3; }},
        Sentinelle{"Deletion", [](CGestTRPIni& s) { s.SetBool("X", true); },
                   [](CGestTRPIni& s) { s.SupprimerCle("X"); },
                   [](CGestTRPIni& s) { return s.GetBool("X", true); }}),
    testing_support::NomDuCas());

// --- Reading what another program stored ---

struct Lecture {
    const char* nom;
    const char* stocke;  // nullptr: the key is absent
    std::function<double(const CGestTRPIni&)> lire;
    double attendu;
};

class ReadsStoredText : public Store, public testing::WithParamInterface<Lecture> {};

TEST_P(ReadsStoredText, AsTheTypedReaderSpellsIt) {
    const Lecture& cas = GetParam();
    PlanterParametres(std::string("[KV]\r\n") + (cas.stocke ? std::string("X=") + cas.stocke + "\r\n" : ""));
    EXPECT_EQ(cas.lire(*store_), cas.attendu);
}

double Bool(const CGestTRPIni& s, bool defaut) { return s.GetBool("X", defaut) ? 1 : 0; }
double Entier(const CGestTRPIni& s) { return s.GetInteger("X", -5); }
double Reel(const CGestTRPIni& s) { return s.GetReal("X", -5); }
double Date(const CGestTRPIni& s) { return s.GetDate("X", -5); }

INSTANTIATE_TEST_SUITE_P(
    Frame, ReadsStoredText,
    testing::Values(
        Lecture{"BoolTwoIsTrue", "2", [](const CGestTRPIni& s) { return Bool(s, false); }, 1},
        Lecture{"BoolZeroIsFalse", "0", [](const CGestTRPIni& s) { return Bool(s, true); }, 0},
        Lecture{"BoolAbsentTakesDefault", nullptr, [](const CGestTRPIni& s) { return Bool(s, true); }, 1},
        Lecture{"BoolNotANumberTakesDefault", "oui", [](const CGestTRPIni& s) { return Bool(s, false); }, 0},
        Lecture{"IntegerNegative", "-12", Entier, -12},
        Lecture{"IntegerWithBlanks", " 70916 ", Entier, 70916},
        Lecture{"IntegerTrailingLetters", "12abc", Entier, -5},
        Lecture{"IntegerBeyondRange", "99999999999", Entier, -5},
        Lecture{"IntegerAbsent", nullptr, Entier, -5},
        Lecture{"RealWithComma", "1234,5", Reel, 1234.5},
        Lecture{"RealEmptyTakesDefault", "", Reel, -5},
        Lecture{"RealAbsentTakesDefault", nullptr, Reel, -5},
        Lecture{"RealNotANumberIsZero", "abc", Reel, 0},
        Lecture{"Date", "31/12/2024", Date, 45657},
        Lecture{"DateInvalidTakesDefault", "31/02/2024", Date, -5}),
    testing_support::NomDuCas());

// --- Round trips: what is written is the stored text, and reads back equal ---

struct AllerRetour {
    const char* nom;
    std::function<void(CGestTRPIni&)> ecrire;
    const char* texte;
    std::function<bool(const CGestTRPIni&)> relu;
};

class RoundTrip : public Store, public testing::WithParamInterface<AllerRetour> {};

TEST_P(RoundTrip, StoredTextAndValueReadBack) {
    GetParam().ecrire(*store_);
    EXPECT_EQ(OctetsParametres(), std::string("[KV]\r\nX=") + GetParam().texte + "\r\n");
    EXPECT_TRUE(GetParam().relu(*store_));
}

INSTANTIATE_TEST_SUITE_P(
    Frame, RoundTrip,
    testing::Values(
        AllerRetour{"Integer", [](CGestTRPIni& s) { s.SetInteger("X", -42); }, "-42",
                    [](const CGestTRPIni& s) { return s.GetInteger("X", 0) == -42; }},
        AllerRetour{"BoolTrueIsOne", [](CGestTRPIni& s) { s.SetBool("X", true); }, "1",
                    [](const CGestTRPIni& s) { return s.GetBool("X"); }},
        AllerRetour{"BoolFalseIsZero", [](CGestTRPIni& s) { s.SetBool("X", false); }, "0",
                    [](const CGestTRPIni& s) { return !s.GetBool("X", true); }},
        AllerRetour{"Real", [](CGestTRPIni& s) { s.SetReal("X", 1234.5); }, "1234.5",
                    [](const CGestTRPIni& s) { return s.GetReal("X", 0) == 1234.5; }},
        AllerRetour{"RealNeedingAllDigits", [](CGestTRPIni& s) { s.SetReal("X", 0.1 + 0.2); },
                    "0.30000000000000004", [](const CGestTRPIni& s) { return s.GetReal("X", 0) == 0.1 + 0.2; }},
        AllerRetour{"Date", [](CGestTRPIni& s) { s.SetDate("X", 45657); }, "31/12/2024",
                    [](const CGestTRPIni& s) { return s.GetDate("X") == 45657; }},
        AllerRetour{"DateWithTimeOfDay", [](CGestTRPIni& s) { s.SetDate("X", 45657.75); }, "31/12/2024",
                    [](const CGestTRPIni& s) { return s.GetDate("X") == 45657; }},
        AllerRetour{"TextWithAccents", [](CGestTRPIni& s) { s.SetString("X", "Évry-Courcouronnes"); },
                    "\xC9vry-Courcouronnes",
                    [](const CGestTRPIni& s) { return s.GetString("X") == "Évry-Courcouronnes"; }}),
    testing_support::NomDuCas());

// --- The current section ---

TEST_F(Store, OpensInSectionDefautWhereOlderDossiersKeptTheirKeys) {
    PlanterParametres("[DEFAUT]\r\nSignNom=Durand\r\n[KV]\r\nSignNom=Martin\r\n");
    const CGestTRPIni ouvert;
    EXPECT_EQ(ouvert.Section(), "DEFAUT");
    EXPECT_EQ(ouvert.GetString("SignNom"), "Durand");
}

TEST_F(Store, NamedSectionIsRestoredWhenTheOperationFails) {
    const std::string avant = "[CERFA]\r\nNomDecl=Durand\r\n";
    PlanterParametres(avant);
    EXPECT_THROW(store_->SetAssString("CERFA", "NomDecl", "ligne 1\nligne 2"), std::invalid_argument);
    EXPECT_EQ(store_->Section(), "KV");
    EXPECT_EQ(OctetsParametres(), avant);
}

// --- Where the file is ---

TEST_F(Store, DirectoryEndsWithASeparatorAndHoldsTheFile) {
    const std::string autre = (dir_ / "autre").string();
    for (const auto& [donne, attendu] : std::vector<std::pair<std::string, std::string>>{
             {"", dir_.string() + "/"}, {autre, autre + "/"}, {autre + "/", autre + "/"}}) {
        const CGestTRPIni ouvert(donne);
        EXPECT_EQ(ouvert.Repertoire(), attendu) << donne;
        EXPECT_EQ(ouvert.Chemin(), fs::path(attendu + "KOLMI$$G.dat")) << donne;
    }
}

TEST_F(Store, WithoutAnOpenDossierAnEmptyDirectoryIsRefused) {
    store_.reset();
    host_.reset();
    EXPECT_THROW(CGestTRPIni{}, std::runtime_error);
}

// --- The host's settings and the store are one file ---

TEST_F(Store, HostAndStoreReadEachOthersWrites) {
    Hote().SetBool("KV", "PMEAuSensCommunautaire", true);
    EXPECT_TRUE(store_->GetBool("pmeausenscommunautaire"));
    store_->SetAssBool("DEFAULT", "AdrDeclarDifDest", true);
    EXPECT_TRUE(Hote().GetBool("DEFAULT", "AdrDeclarDifDest", false));
    store_->SetInteger("NbParts", 100);
    EXPECT_EQ(Hote().GetInteger("kv", "NBPARTS", 0), 100);
    store_->SetString("NbParts", "");
    EXPECT_EQ(Hote().GetInteger("KV", "NbParts", -1), -1);
}

}  // namespace
}  // namespace kvarn::environment
