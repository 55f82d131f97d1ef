// The screen-parameter classes of the identification and administrative screens, the declarant's
// accessors, and the factory of the general-numbers screen for a caller outside the wizard.
//
// A caller that opens one of these screens describes the call with an object of the matching class:
// the base CKvarn carries the screen group's code and the caller's integer, the derived class the
// caller's switches, in the order its constructor takes them. The screens read the switches when
// they are created; nothing here reads or writes a dossier, except the declarant's accessors of
// CIntervenants and CImpotDeclarant, which act on the open dossier's settings store (sections
// "CERFA" and "KV"), read an absent key as empty, and show an error in the exception box.
#pragma once

#include <kvarn/assistant.hpp>
#include <kvarn/ecrans.hpp>

#include <string>

// Group 0: the general numbers. The rows of the tax-obligation references (ROF) come in the order
// TVA, TDFC, CVAE, IS, RCM, in AfficherROF (switches 7 to 11) as in ROFObligatoire (13 to 17).
class KVARN_EXPORT CNumGeneraux : public CKvarn {
public:
    enum { NB_ROF = 5 };
    CNumGeneraux(int parametre, bool sirenNic, bool ape, bool informationTVA, bool prefixeIntracomm, bool activite,
                 bool apeAvant2008, bool rofTVA, bool rofTDFC, bool rofCVAE, bool rofIS, bool rofRCM,
                 bool identification, bool rofTVAObligatoire, bool rofTDFCObligatoire, bool rofCVAEObligatoire,
                 bool rofISObligatoire, bool rofRCMObligatoire);
    ~CNumGeneraux() override;

    bool AfficherSirenNic;        // 1: the SIREN and NIC row
    bool AfficherAPE;             // 2: the activity codes (APE, NACE)
    bool AfficherInformationTVA;  // 3: the "Information TVA" tab
    bool AfficherPrefixe;         // 4: the intra-community prefix
    bool AfficherActivite;        // 5: the "Activité" tab
    bool AfficherAPEAvant2008;    // 6: the APE code before 2008
    bool AfficherROF[NB_ROF];     // 7 to 11
    bool AfficherIdentification;  // 12: the identification tab
    bool ROFObligatoire[NB_ROF];  // 13 to 17
};

// Group 2: the addresses of the recipient and of the declarant; each switch shows one block.
class KVARN_EXPORT CAdresseDestinataire : public CKvarn {
public:
    CAdresseDestinataire(int parametre, bool identificationDestinataire, bool adresseDeclarant,
                         bool destinataireDifferent, bool adresse1erJanvier);
    ~CAdresseDestinataire() override;

    bool AfficherIdentificationDestinataire;
    bool AfficherAdresseDeclarant;
    bool AfficherDestinataireDifferent;
    bool AfficherAdresse1erJanvier;
};

// Group 3: the recipient tax office and the signature. Switches: the rental-income contribution
// block, the signature block.
class KVARN_EXPORT CImpotDeclarant : public CKvarn {
public:
    CImpotDeclarant(int parametre, bool contributionRevenusLocatifs, bool signature);
    ~CImpotDeclarant() override;

    bool AfficherContributionRevenusLocatifs;
    bool AfficherSignature;

    // The signature: "KV" / "SignDate" kept as a date and exchanged as "dd/mm/yyyy" (empty: none;
    // a text that is no date is refused in the exception box and nothing is written), "SignNom",
    // "SignQualite", "SignAdrVille".
    static std::string GetDate();
    static void SetDate(const std::string& date);
    static std::string GetNom();
    static void SetNom(const std::string& nom);
    static std::string GetQualite();
    static void SetQualite(const std::string& qualite);
    static std::string GetVille();
    static void SetVille(const std::string& ville);
};

// Group 4: the declarant and the outside parties; each switch shows one of them.
class KVARN_EXPORT CIntervenants : public CKvarn {
public:
    CIntervenants(int parametre, bool declarant, bool gerant, bool cogerant, bool comptable, bool conseil, bool aga,
                  bool administrateur, bool gerantAssocie);
    ~CIntervenants() override;

    bool AfficherDeclarant;
    bool AfficherGerant;
    bool AfficherCogerant;
    bool AfficherComptable;
    bool AfficherConseil;
    bool AfficherAGA;
    bool AfficherAdministrateur;
    bool AfficherGerantAssocie;

    // "CERFA" / "NomDecl" and "CERFA" / "Qualite".
    static std::string GetNomDeclarant();
    static void SetNomDeclarant(const std::string& nom);
    static std::string GetQualiteDeclarant();
    static void SetQualiteDeclarant(const std::string& qualite);
    // The name, one blank and the capacity, trimmed; the name, a line break and the capacity.
    static std::string NomEtQualiteDeclarant();
    static std::string NomEtQualiteDeclarant2Lignes();
};

// Group 10: the registered office. Switches: the previous year's address, the current one, the
// year of the financial year shown, read-only.
class KVARN_EXPORT CAdresseSiegeSocial : public CKvarn {
public:
    CAdresseSiegeSocial(int parametre, bool adresseExercicePrecedent, bool adresseExercice, int annee,
                        bool lectureSeule);
    ~CAdresseSiegeSocial() override;

    bool AfficherAdresseExercicePrecedent;
    bool AfficherAdresseExercice;
    int Annee;
    bool LectureSeule;
};

// Group 13: the administrative data, for a return the caller is preparing. The caller gives the
// due date shown beside the instalment or settlement label, the SIRET of the group's head company
// (false: the dossier belongs to no group, and the field is disabled) and takes that SIRET back
// when the screen is saved; the text is the return's title, the switch true for "Acompte :",
// false for "Liquidation :".
class KVARN_EXPORT CDonneesAdministrative : public CKvarn {
public:
    typedef double (*TDonnerDate)();
    typedef bool (*TDonnerTexte)(std::string& texte);
    typedef void (*TPrendreTexte)(const std::string& texte);

    CDonneesAdministrative(int parametre, TDonnerDate dateEcheance, TDonnerTexte siretTeteGroupe,
                           TPrendreTexte enregistrerSiretTeteGroupe, const std::string& titre, bool acompte);
    ~CDonneesAdministrative() override;

    TDonnerDate DateEcheance;
    TDonnerTexte SiretTeteGroupe;
    TPrendreTexte EnregistrerSiretTeteGroupe;
    std::string Titre;
    bool Acompte;
};

namespace kvarn::frame {
class Screen;
}

// The dossier's tax category (CATEGORIE_IMPOSITION) and imposition regime (REGIME_IMPOSITION).
typedef int (*TDonnerCategorieImposition)();
typedef int (*TDonnerRegimeImposition)();

// A new general-numbers screen, as the wizard shows it, for a caller outside the wizard, who owns
// it and binds its own widgets to it through the screen contract. The callbacks, when given, say
// the dossier's category and regime (otherwise the dossier's own are read). Detached, the screen
// neither reads the dossier's references and small-company flag nor turns read-only under ISA
// processing, and writes back only the references and flag the user changed. Null, after the
// exception box, when it cannot be made.
KVARN_EXPORT kvarn::frame::Screen* DonnerFormNumGeneraux(TComponent* owner, TDonnerCategorieImposition categorie,
                                                         TDonnerRegimeImposition regime, bool detache);
