// The identification screens over a dossier: the ROF rows of the general numbers (their labels,
// the closing steps, the saving, the ROF request's form, the ISA rule), the administrative data's
// SIRET check, the transfer count, the accountant's rule and the declarant's accessors. Every box
// is checked word for word.
#include "common/dates.hpp"
#include "common/nulls.hpp"
#include "frame/etat_module.hpp"
#include "identification/screens/adresses_screen.hpp"
#include "identification/screens/donnees_administratives_screen.hpp"
#include "identification/screens/general_numbers_screen.hpp"
#include "identification/screens/impot_declarant_screen.hpp"
#include "identification/screens/intervenants_screen.hpp"
#include "standalone/annuaire_fichier.hpp"
#include "support/boites_vues.hpp"
#include "support/dossier_ouvert.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/parametres_ecrans.hpp>

#include <gtest/gtest.h>

#include <filesystem>

namespace kvarn::identification {
namespace {

using host::TypeBoite;
using testing_support::BoxShown;

constexpr const char* kLignes[] = {"rof-tva", "rof-tdfc", "rof-cvae", "rof-is", "rof-rcm"};

class EcransDossier : public testing_support::ModuleOuvert {
protected:
    void SetUp() override {
        std::filesystem::remove(standalone::AnnuaireFichier::CheminParDefaut());
        ModuleOuvert::SetUp();
        ModifierDossier({{"Exercice", "Debut", "01/01/2025"}, {"Exercice", "Fin", "31/12/2025"}});
    }
    // Every ROF row shown; those named by `requises` (indexes in display order) required.
    static CNumGeneraux TousLesROF(const std::vector<int>& requises) {
        CNumGeneraux affichage = TfrmNumGeneraux::ParDefaut();
        for (int i : requises) affichage.ROFObligatoire[i] = true;
        return affichage;
    }
    void Cocher(frame::Screen& ecran, const char* champ, bool oui) { ecran.Edit(champ, oui ? "oui" : "non"); }
};

// --- General numbers: the closing steps on the ROF rows ---

struct CasROF {
    const char* nom;
    std::vector<int> requises;
    std::vector<standalone::ValeurDossier> dossier;
    std::vector<std::pair<const char*, const char*>> saisies;
    std::optional<bool> reponse;  // the answer to the question, when one is expected
    std::optional<std::string> focus;
    std::vector<BoxShown> boites;
    const char* tdfcEnregistree;  // what the dossier holds as entered TDFC after a successful close
};

class FermetureROF : public EcransDossier, public testing::WithParamInterface<CasROF> {};

TEST_P(FermetureROF, WarnsAsksOrSaves) {
    const CasROF& cas = GetParam();
    ModifierDossier({{"Dossier", "Categorie", "1"}, {"Dossier", "RegimeImposition", "1"}});
    ModifierDossier(cas.dossier);
    if (cas.reponse) boxes_.QueueAnswer(*cas.reponse);
    TfrmNumGeneraux ecran(TousLesROF(cas.requises));
    ecran.Activate();
    for (const auto& [champ, texte] : cas.saisies) ecran.Edit(champ, texte);
    const auto focus = ecran.Leave();
    EXPECT_EQ(focus, cas.focus);
    EXPECT_EQ(boxes_.shown(), cas.boites);
    EXPECT_EQ(boxes_.pendingAnswers(), 0u);
    if (focus) return;
    ecran.Deactivate();
    std::string lettres, numero;
    frame::Environnement().GetROF_TDFC(lettres, numero, false);
    EXPECT_EQ(lettres + numero, cas.tdfcEnregistree);
}

const char* const kDifferenteTDFC =
    "La ROF (Référence Obligation Fiscale) TDFC saisie est différente de celle affichée dans les comptes rendus "
    "ARS.\nVoulez-vous modifier votre saisie ?";

INSTANTIATE_TEST_SUITE_P(
    Ecrans, FermetureROF,
    testing::Values(
        CasROF{"TvaEtIsRequisesVides", {0, 3}, {}, {}, std::nullopt, "rof-tva",
               {{TypeBoite::Attention,
                 "Les ROF (Référence Obligation Fiscale) TVA, IS du dossier ne sont pas renseignées.\nVeuillez la "
                 "renseigner.",
                 "Attention", 0}},
               ""},
        CasROF{"IsSeuleRequiseVide", {3}, {{"ROF", "TVA", "7"}}, {}, std::nullopt, "rof-is",
               {{TypeBoite::Attention,
                 "La ROF (Référence Obligation Fiscale) IS du dossier n'est pas renseignée.\nVeuillez la renseigner.",
                 "Attention", 0}},
               ""},
        CasROF{"RequiseCalculeeSuffit", {1}, {{"ROF", "TDFCCalculee", "BIC13"}}, {}, std::nullopt, std::nullopt, {}, ""},
        CasROF{"DifferenteNonEnregistre", {}, {{"ROF", "TDFCCalculee", "BIC13"}}, {{"rof-tdfc", "12"}}, false,
               std::nullopt, {{TypeBoite::Question, kDifferenteTDFC, "Attention", 0}}, "BIC12"},
        CasROF{"DifferenteOuiResteOuvert", {}, {{"ROF", "TDFCCalculee", "BIC13"}}, {{"rof-tdfc", "12"}}, true,
               "rof-tdfc", {{TypeBoite::Question, kDifferenteTDFC, "Attention", 0}}, ""},
        CasROF{"MemeNumeroRienDemande", {}, {{"ROF", "TDFCCalculee", "BIC12"}}, {{"rof-tdfc", "012"}}, std::nullopt,
               std::nullopt, {}, "BIC012"},
        CasROF{"DeuxDifferentes", {}, {{"ROF", "TVACalculee", "3"}, {"ROF", "RCMCalculee", "40"}},
               {{"rof-tva", "4"}, {"rof-rcm", "41"}}, false, std::nullopt,
               {{TypeBoite::Question,
                 "Les ROF (Référence Obligation Fiscale) TVA, RCM saisies sont différentes de celles affichées dans "
                 "les comptes rendus ARS.\nVoulez-vous modifier votre saisie ?",
                 "Attention", 0}},
               ""},
        CasROF{"VideeEfface", {}, {{"ROF", "TDFC", "BIC5"}}, {{"rof-tdfc", ""}}, std::nullopt, std::nullopt, {}, ""}),
    testing_support::NomDuCas());

// --- General numbers: the labels of the TDFC and IS rows ---

struct CasLibelles {
    int categorie;
    int regime;
    const char* tdfc;
    const char* is;
};

class LibellesDesLignes : public EcransDossier, public testing::WithParamInterface<CasLibelles> {};

TEST_P(LibellesDesLignes, FollowTheCategoryAndTheRegime) {
    const CasLibelles& cas = GetParam();
    TfrmNumGeneraux ecran(TousLesROF({}), Imposition{[&] { return cas.categorie; }, [&] { return cas.regime; }});
    ecran.Activate();
    EXPECT_EQ(ecran.GetField("rof-tdfc-libelle").value, cas.tdfc);
    EXPECT_EQ(ecran.GetField("rof-is-libelle").value, cas.is);
    EXPECT_EQ(ecran.GetField("rof-tva-libelle").value, "TVA");
    EXPECT_EQ(ecran.GetField("rof-cvae-libelle").value, "CVAE");
    EXPECT_EQ(ecran.GetField("rof-rcm-libelle").value, "RCM");
}

INSTANTIATE_TEST_SUITE_P(
    Ecrans, LibellesDesLignes,
    testing::Values(CasLibelles{1, 1, "BIC", ""}, CasLibelles{1, 2, "IS", "IS"}, CasLibelles{1, 3, "BIC", ""},
                    CasLibelles{2, 1, "BA", ""}, CasLibelles{2, 2, "IS", "IS"}, CasLibelles{3, 1, "BNC", ""},
                    CasLibelles{3, 2, "BNC", ""}, CasLibelles{4, 1, "RF", ""}, CasLibelles{4, 2, "RF", ""},
                    CasLibelles{5, 2, "RF", ""}, CasLibelles{6, 1, "ISGROUPE", "ISGROUPE"},
                    CasLibelles{6, 2, "ISGROUPE", "ISGROUPE"}, CasLibelles{7, 2, "", ""}, CasLibelles{8, 1, "BIC", ""},
                    CasLibelles{8, 2, "BIC", ""}, CasLibelles{0, 2, "", ""}, CasLibelles{9, 1, "", ""}));

TEST_F(EcransDossier, TheRofRequestShowsOneRowOnItsOwnTab) {
    struct Cas {
        int type;
        const char* ligne;
    };
    for (const Cas& cas : {Cas{0, "rof-tva"}, Cas{1, "rof-tdfc"}, Cas{2, "rof-is"}, Cas{3, "rof-cvae"}, Cas{4, "rof-rcm"}}) {
        TfrmNumGeneraux ecran(TfrmNumGeneraux::PourROF(cas.type, true));
        ecran.Activate();
        EXPECT_TRUE(ecran.SeulOngletROF()) << cas.ligne;
        for (const char* ligne : kLignes) EXPECT_EQ(ecran.GetField(ligne).visible, ligne == std::string(cas.ligne)) << ligne;
        for (const char* autre : {"siren-1", "prefixe", "regime-tva", "designation", "pme"})
            EXPECT_FALSE(ecran.GetField(autre).visible) << autre;
        EXPECT_EQ(ecran.Leave(), cas.ligne);
    }
    EXPECT_FALSE(TfrmNumGeneraux().SeulOngletROF());
    TfrmNumGeneraux libre(TfrmNumGeneraux::PourROF(1, false));
    libre.Activate();
    EXPECT_EQ(libre.Leave(), std::nullopt);  // not required: nothing to warn of
    EXPECT_EQ(boxes_.shown().size(), 5u);
    EXPECT_EQ(boxes_.shown()[2].texte,
              "La ROF (Référence Obligation Fiscale) IS du dossier n'est pas renseignée.\nVeuillez la renseigner.");
}

TEST_F(EcransDossier, UnderIsaProcessingEverythingIsReadOnlyUnlessDetached) {
    ModifierDossier({{"Hote", "LanceParISAGI", "1"}, {"Dossier", "IdentifiantISA", "ISA-42"},
                     {"Dossier", "DernierExportISACOMPTA", "15/03/2025"}});
    TfrmNumGeneraux sousIsa;
    sousIsa.Activate();
    for (const frame::Field& champ : sousIsa.Fields()) EXPECT_TRUE(champ.readOnly) << champ.name;
    EXPECT_THROW(sousIsa.Edit("rof-tva", "5"), std::logic_error);

    TfrmNumGeneraux detache(TfrmNumGeneraux::ParDefaut(), {}, true);
    detache.Activate();
    detache.Edit("rof-tva", "5");
    EXPECT_FALSE(detache.GetField("nace").readOnly);
    ASSERT_EQ(detache.Leave(), std::nullopt);
    detache.Deactivate();
    EXPECT_EQ(frame::Environnement().GetROF_TVA(false), "TVA5");
    EXPECT_EQ(frame::Environnement().GetROF_RCM(false), "");  // untouched rows are not written
}

TEST_F(EcransDossier, VatRegimeIsStoredAsItsCode) {
    TfrmNumGeneraux ecran;
    ecran.Activate();
    ASSERT_EQ(ecran.GetField("regime-tva").choices.size(), 19u);
    ecran.Edit("regime-tva", "RFA - Remboursement forfaitaire agricole");
    ecran.Edit("frp-sie", "a1b");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    TfrmNumGeneraux relu;
    relu.Activate();
    EXPECT_EQ(relu.GetField("regime-tva").value, "RFA - Remboursement forfaitaire agricole");
    EXPECT_EQ(relu.GetField("frp-sie").value, "A1B");
}

// --- Administrative data ---

// The host's check runs on the dossier's SIRET even empty; it takes an empty one (not yet known).
TEST_F(EcransDossier, TheDossiersSiretIsCheckedEvenEmpty) {
    TfrmDonneesAdministrative ecran;
    ecran.Activate();
    EXPECT_FALSE(ecran.GetField("siret-tete-groupe").enabled);  // no caller keeps it
    EXPECT_FALSE(ecran.GetField("date-echeance").visible);
    EXPECT_EQ(ecran.Leave(), std::nullopt);
    ecran.Edit("siret", "5520813176652");
    EXPECT_EQ(ecran.Leave(), "siret");
    ecran.Edit("siret", "55208131766523");
    EXPECT_EQ(ecran.Leave(), "siret");
    ASSERT_EQ(boxes_.shown().size(), 2u);
    EXPECT_EQ(boxes_.shown()[0].type, TypeBoite::Erreur);
    EXPECT_EQ(boxes_.shown()[1].texte, "La clé du SIRET 55208131766523 est incorrecte");
    ecran.Edit("siret", "55208131766522");
    ecran.Edit("siren-associe", "732829320");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(frame::Environnement().GetSiretDossier(), "55208131766522");
    EXPECT_EQ(GetSiretSEP_SCP_SCM_Dossier(), "732829320");
}

// --- Tax office and signature ---

TEST_F(EcransDossier, TheTransferCountBelongsToTransfers) {
    TfrmImpotDeclarant ecran;
    ecran.Activate();
    EXPECT_FALSE(ecran.GetField("nb-virements").enabled);
    Cocher(ecran, "virement", true);
    ecran.Edit("nb-virements", "3");
    ecran.Edit("date", "30/04/2026");
    ecran.Edit("signature", "Jean Martin");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(GetModePaiement(), 2);
    EXPECT_EQ(GetNbVirements(), 3);
    EXPECT_EQ(CImpotDeclarant::GetDate(), "30/04/2026");

    Cocher(ecran, "cheque", true);  // the modes exclude each other
    EXPECT_EQ(ecran.GetField("virement").value, "non");
    EXPECT_FALSE(ecran.GetField("nb-virements").enabled);
    EXPECT_EQ(ecran.GetField("nb-virements").value, "");
    ecran.Deactivate();
    EXPECT_EQ(GetModePaiement(), 3);
    EXPECT_EQ(GetNbVirements(), NULL_ENTIER);

    ecran.Edit("date", "31/02/2026");
    EXPECT_EQ(ecran.Leave(), "date");
}

// --- Declarant and parties ---

struct CasComptable {
    const char* nom;
    bool compagnon;
    int modeCabinet;  // 2: the practice chooses the accountant per dossier
    const char* donneesEdi;
    const char* message;  // nullptr: the directory opens
};

class RegleComptable : public EcransDossier, public testing::WithParamInterface<CasComptable> {};

TEST_P(RegleComptable, InformsOrOpensTheDirectory) {
    const CasComptable& cas = GetParam();
    if (cas.compagnon) ModifierDossier({{"Hote", "AssistantsInstalles", "148"}});
    ModifierDossier({{"Hote", "DonneesEdi", cas.donneesEdi}});
    host_->Annuaire().Ajouter(
        {.Type = host::kCabinet, .Nom = "Cabinet", .ParDefaut = true, .ModeAffectation = cas.modeCabinet});
    const int id = host_->Annuaire().Ajouter({.Type = host::kComptable, .Nom = "Fiduciaire du Port"});
    choice_.QueueId(id);

    TfrmIntervenants ecran;
    ecran.Activate();
    ecran.Appuyer("choisir-comptable");
    const BoxShown information{TypeBoite::Information, cas.message ? cas.message : "", "Information", 0};
    EXPECT_EQ(boxes_.shown(), cas.message ? std::vector{information} : std::vector<BoxShown>{});
    EXPECT_EQ(choice_.offered().size(), cas.message ? 0u : 1u);
    EXPECT_EQ(ecran.GetField("comptable").value, cas.message ? "" : "Fiduciaire du Port");
}

INSTANTIATE_TEST_SUITE_P(
    Ecrans, RegleComptable,
    testing::Values(CasComptable{"EdiAuDossier", true, 1, "1", kComptableDossier},
                    CasComptable{"EdiAuCabinet", true, 1, "0", kComptableCabinet},
                    CasComptable{"ChoisiParDossier", true, 2, "0", nullptr},
                    CasComptable{"SansCompagnon", false, 1, "1", nullptr}),
    testing_support::NomDuCas());

TEST_F(EcransDossier, DeclarantNameAndCapacity) {
    TfrmIntervenants ecran;
    ecran.Activate();
    ecran.Edit("nom-declarant", "  Jeanne Roux");
    ecran.Edit("qualite-declarant", "Gérante  ");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(CIntervenants::GetNomDeclarant(), "Jeanne Roux");  // the settings file keeps no surrounding blanks
    EXPECT_EQ(CIntervenants::NomEtQualiteDeclarant(), "Jeanne Roux Gérante");
    EXPECT_EQ(CIntervenants::NomEtQualiteDeclarant2Lignes(), "Jeanne Roux\nGérante");
    CIntervenants::SetNomDeclarant("");
    EXPECT_EQ(CIntervenants::NomEtQualiteDeclarant(), "Gérante");
}

// --- Addresses ---

class AdresseEnMemoire final : public Adresse1erJanvier {
public:
    host::TAdresseFormatTDFC Lire() const override { return adresse; }
    void Ecrire(const host::TAdresseFormatTDFC& a) override { adresse = a; }
    host::TAdresseFormatTDFC adresse;
};

TEST_F(EcransDossier, TheDeclarantsAddressIsTakenOnlyWhenTicked) {
    ModifierDossier({{"Adresse", "Ville", "Montpellier"}, {"Adresse", "CP", "34000"}});
    TfrmAdrEts ecran;
    ecran.Activate();
    EXPECT_EQ(ecran.GetField("identification-ville").value, "Montpellier");
    EXPECT_TRUE(ecran.GetField("identification-ville").readOnly);
    EXPECT_FALSE(ecran.GetField("declarant-ville").enabled);
    EXPECT_FALSE(ecran.GetField("adresse-1er-janvier-ville").visible);  // handed no associate
    EXPECT_THROW(ecran.Edit("declarant-ville", "Agde"), std::logic_error);
    ecran.Edit("adresse-declarant-differente", "oui");
    ecran.Edit("declarant-ville", "Agde");
    ecran.Edit("declarant-code-postal", "3430");
    ecran.Edit("nom-destinataire", "Cabinet Roux");
    EXPECT_EQ(ecran.Leave(), "declarant-code-postal");
    ecran.Edit("declarant-code-postal", "34300");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    host::TAdresseFormatTDFC dossier, declarant;
    GetAdresseDestDec(dossier, declarant);
    EXPECT_EQ(declarant.Ville, "Agde");
    EXPECT_EQ(declarant.CP, "34300");
    EXPECT_EQ(dossier.Ville, "Montpellier");
    EXPECT_TRUE(GetAdrDeclarDiffDeAdrDest());
    TfrmAdrEts relu;
    relu.Activate();
    EXPECT_EQ(relu.GetField("nom-destinataire").value, "Cabinet Roux");
    EXPECT_EQ(relu.GetField("adresse-declarant-differente").value, "oui");
    EXPECT_EQ(testing_support::Textes(boxes_),
              std::vector<std::string>{
                  "Le code postal « 3430 » n'est pas valide : un code postal français compte cinq chiffres."});
}

TEST_F(EcransDossier, TheAddressAtFirstJanuaryGoesBackToWhatHandedIt) {
    AdresseEnMemoire janvier;
    janvier.adresse.Ville = "Lodève";
    janvier.adresse.NomVoie = "rue Neuve";
    TfrmAdrEts ecran(CAdresseDestinataire(0, false, false, false, true), &janvier);
    ecran.Activate();
    EXPECT_FALSE(ecran.GetField("identification-ville").visible);
    EXPECT_EQ(ecran.GetField("adresse-1er-janvier-ville").value, "Lodève");
    ecran.Edit("adresse-1er-janvier-ville", "Clermont-l'Hérault");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(janvier.adresse.Ville, "Clermont-l'Hérault");
    EXPECT_EQ(janvier.adresse.NomVoie, "rue Neuve");
    EXPECT_FALSE(GetAdrDeclarDiffDeAdrDest());  // a block not shown is not written
}

// --- Administrative data for a caller ---

struct Appelant {
    static inline std::string teteGroupe;
    static inline std::string rendu;
    static double Echeance() { return *ParseDate("15/05/2025"); }
    static bool TeteGroupe(std::string& siret) {
        siret = teteGroupe;
        return true;
    }
    static void Rendre(const std::string& siret) { rendu = siret; }
};

TEST_F(EcransDossier, TheCallersDueDateAndGroupHeadSiret) {
    Appelant::teteGroupe = "73282932000074";
    Appelant::rendu.clear();
    for (const bool acompte : {true, false}) {
        const CDonneesAdministrative parametres(0, &Appelant::Echeance, &Appelant::TeteGroupe, &Appelant::Rendre,
                                                "Relevé de solde", acompte);
        TfrmDonneesAdministrative ecran(&parametres);
        ecran.Activate();
        EXPECT_EQ(ecran.Titre(), "Relevé de solde");
        EXPECT_EQ(ecran.GetField("date-echeance").label, acompte ? "Acompte :" : "Liquidation :");
        EXPECT_EQ(ecran.GetField("date-echeance").value, "15/05/2025");
        EXPECT_TRUE(ecran.GetField("siret-tete-groupe").enabled);
        EXPECT_EQ(ecran.GetField("siret-tete-groupe").value, "73282932000074");
    }
    const CDonneesAdministrative parametres(0, nullptr, &Appelant::TeteGroupe, &Appelant::Rendre, "", true);
    TfrmDonneesAdministrative ecran(&parametres);
    ecran.Activate();
    EXPECT_FALSE(ecran.GetField("date-echeance").visible);
    ecran.Edit("siret-tete-groupe", "73282932000075");
    EXPECT_EQ(ecran.Leave(), "siret-tete-groupe");
    ecran.Edit("siret-tete-groupe", "55208131766522");
    ASSERT_EQ(ecran.Leave(), std::nullopt);
    ecran.Deactivate();
    EXPECT_EQ(Appelant::rendu, "55208131766522");
}

// --- The factory for a caller outside the wizard ---

int CategorieIsGroupe() { return 6; }
int RegimeIS() { return 2; }

TEST_F(EcransDossier, TheFactoryTakesTheCallersCategoryAndRegime) {
    ModifierDossier({{"Dossier", "Categorie", "3"}, {"Hote", "LanceParISAGI", "1"}, {"Dossier", "IdentifiantISA", "X"},
                     {"Dossier", "DernierExportISACOMPTA", "15/03/2025"}});
    for (const bool detache : {false, true}) {
        std::unique_ptr<frame::Screen> ecran(DonnerFormNumGeneraux(nullptr, &CategorieIsGroupe, &RegimeIS, detache));
        ASSERT_NE(ecran, nullptr);
        ecran->Activate();
        EXPECT_EQ(ecran->GetField("rof-tdfc-libelle").value, "ISGROUPE");
        EXPECT_EQ(ecran->GetField("rof-is-libelle").value, "ISGROUPE");
        EXPECT_EQ(ecran->GetField("rof-tva").readOnly, !detache) << detache;
    }
    std::unique_ptr<frame::Screen> duDossier(DonnerFormNumGeneraux(nullptr, nullptr, nullptr, true));
    duDossier->Activate();
    EXPECT_EQ(duDossier->GetField("rof-tdfc-libelle").value, "BNC");
}

}  // namespace
}  // namespace kvarn::identification
