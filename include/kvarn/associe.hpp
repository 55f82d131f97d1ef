// Associe: one associate of the dossier's company, one row of table KOLMIKV1, as a plain value;
// and the six code tables that give the record's integer codes their French labels.
//
// The record owns copies of everything it holds: other programs get it by value or by pointer
// into the module's list of associates, and pass it back the same way. Every member starts at its
// reset value (RAZ puts them back); a member whose column was empty when the row was read holds
// the null value of its kind instead: kNulEntier for integers, kNulReel for reals, 0 for a date,
// 76 (France) for a country, "" for a text. Two records are the same associate when their keys
// ShIDAssocie are equal, and sort by that key. Texts are UTF-8.
//
// The code tables are classes without data: a code gives its label ("" outside the table), a
// label gives its code (compared after French upper-casing, -1 when none), and a list receives
// every label, in code order or in French alphabetical order.
#pragma once

#include <kvarn/adresse.hpp>
#include <kvarn/kvarn.h>

#include <string>
#include <vector>

enum TITRE_ASSOCIE_PHYSIQUE : int { TAP_AUCUN = -1, TAP_M = 0, TAP_MME = 1, TAP_MLE = 2 };

enum SITUATION_FAMILLE : int {
    SF_AUCUNE = -1,
    SF_CELIBATAIRE = 0,
    SF_MARIE = 1,
    SF_SEPARE = 2,
    SF_DIVORCE = 3,
    SF_VEUF = 4,
    SF_PACSE = 5,
};

enum REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE : int {
    RM_AUCUN = -1,
    RM_SEPARATION_DE_BIENS = 0,
    RM_COMMUNAUTE_REDUITE_AUX_ACQUETS = 1,
    RM_COMMUNAUTE_DE_MEUBLES_ET_ACQUETS = 2,
    RM_PARTICIPATION_AUX_ACQUETS = 3,
    RM_COMMUNAUTE_UNIVERSELLE = 4,
};

enum STATUT_CONJOINT : int {
    SC_AUCUN = -1,
    SC_COLLABORATEUR = 0,
    SC_SALARIE = 1,
    SC_ASSISTANT = 2,
    SC_SANS_FONCTION = 3,
};

// Qualities 9 and 10 hold no shares of their own.
enum QUALITE_ASSOCIE : int {
    QA_AUCUNE = -1,
    QA_EXPLOITANT = 0,
    QA_GERANT = 1,
    QA_PDG = 2,
    QA_DG = 3,
    QA_PRESIDENT_DIRECTOIRE = 4,
    QA_MEMBRE_DIRECTOIRE = 5,
    QA_DGU = 6,
    QA_ASSOCIE = 7,
    QA_GERANT_ASSOCIE = 8,
    QA_GERANT_NON_ASSOCIE = 9,
    QA_BENEFICIAIRE = 10,
    QA_PRESIDENT = 11,
    QA_COGERANT = 12,
};

enum REGIME_IMPOT_SCI : int { RIS_AUCUN = -1, RIS_BIC = 0, RIS_IS = 1, RIS_BA = 2, RIS_RF = 3, RIS_BNC = 4 };

// Labels of the civilities (codes 0 to 2) and of the qualities (codes 0 to 12).
extern KVARN_EXPORT const char* const __strTitrePhy[3];
extern KVARN_EXPORT const char* const __strQualiteAssocie[13];

class KVARN_EXPORT Associe {
public:
    static constexpr int kNulEntier = -2147483647;
    static constexpr double kNulReel = -1.7976931348623157e308;  // the most negative finite double
    static constexpr int kPaysFrance = 76;

    int ShIDAssocie = 0;
    int CleRepartition = kNulEntier;
    int AdrIDPays = kPaysFrance;
    int IDPaysNaissance = kPaysFrance;
    int Adr1JanIDPays = kPaysFrance;
    int AnneeVersement1 = 0;
    int AnneeVersement2 = 0;
    double NbPartsPPFinExo = 0.0;
    double NbPartsUFinExo = 0.0;
    double NbPartsNPFinExo = 0.0;
    double RemDiverseProdFinancier = 0.0;
    double PVRevenantAssocie = 0.0;
    double PartBenefice = 0.0;
    double PartPlusValues = 0.0;
    double NbPartsSocialesAnnee1 = 0.0;
    double NbPartsSocialesAnnee2 = 0.0;
    double TraitementsAnnee1 = kNulReel;
    double TraitementsAnnee2 = kNulReel;
    double IndemniteFraisMissionA1 = kNulReel;
    double IndemniteFraisMissionA2 = kNulReel;
    double RembourstFraisMissionA1 = kNulReel;
    double RembourstFraisMissionA2 = kNulReel;
    double IndemniteAutresAnnee1 = kNulReel;
    double IndemniteAutresAnnee2 = kNulReel;
    double RembourstAutresAnnee1 = kNulReel;
    double RembourstAutresAnnee2 = kNulReel;
    double PartRevenusValeurs = 0.0;
    double PartImpotVerse = 0.0;
    double Remuneration = 0.0;
    double RFPartAssocieForce = kNulReel;
    double Honoraires = kNulReel;
    double TaxeProf = kNulReel;
    double CSGDeduc = kNulReel;
    double FraisVehiculesReels = kNulReel;
    double ChgSocPersoOblig = kNulReel;
    double ChgSocPersoFacult = kNulReel;
    double FraisFi = kNulReel;
    double PourcentagePartAssoForce = kNulReel;
    double PourcentageDetention = kNulReel;  // computed when the list of associates loads
    double CorrPVLT = kNulReel;
    double NbParts = 0.0;
    double NbPartsU = 0.0;
    double NbPartsN = 0.0;
    double NbDroitsDeVote = kNulReel;
    double NbDroitsADividendes = kNulReel;
    int RegimeImpositionSCI = RIS_AUCUN;
    int Qualite = QA_AUCUNE;
    int Titre = TAP_M;  // a civility for a physical person, a legal form for a legal person
    int StatutConjoint = SC_AUCUN;
    int RegimeMatrimonial = RM_AUCUN;
    int SituationFamille = SF_AUCUNE;
    bool PersonnePhysique = false;
    bool PVDifferee = false;
    bool Concerne2065 = false;
    bool Holding = false;
    bool ConcerneExercice = false;  // computed when the list of associates loads
    int NonCGANumerateurProrata = kNulEntier;
    int NonCGADenominateurProrata = kNulEntier;
    int ResultatBICSaisi = kNulEntier;
    int ResultatBASaisi = kNulEntier;
    int BeneficeSaisi = kNulEntier;
    int PVLTSaisi = kNulEntier;
    int AbandonsSaisi = kNulEntier;
    double DateNaissance = 0;  // dates: day counts from 30 December 1899, 0 for none
    double DateCessionParts = 0;
    double DateCessionParts2 = 0;
    double DateCessionParts3 = 0;
    double DateCessionParts4 = 0;
    double DateEntreeSCI = 0;
    double DateSortieSCI = 0;
    std::string Nom;  // the company name of a legal person
    std::string Prenoms;
    std::string Profession;
    std::string AdrNoVoie;
    std::string AdrCmplNoVoie;
    std::string AdrNomVoie;
    std::string AdrComplmt1;
    std::string AdrComplmt2;
    std::string AdrCP;
    std::string AdrVille;
    std::string AdrBP;
    std::string AdrTel;
    std::string AdrFax;
    std::string NomPatronymique;
    std::string NomMarital;
    std::string NoSiret;
    std::string PseudoSiret;
    std::string IDSP;
    std::string CPNaissance;
    std::string LieuNaissance;
    std::string IdentiteCessionParts;
    std::string IdentiteCessionParts2;
    std::string IdentiteCessionParts3;
    std::string IdentiteCessionParts4;
    std::string PrenomConjoint;
    std::string Adr1JanNoVoie;
    std::string Adr1JanCmplNoVoie;
    std::string Adr1JanNomVoie;
    std::string Adr1JanComplement1;
    std::string Adr1JanComplement2;
    std::string Adr1JanCP;
    std::string Adr1JanVille;
    std::string Adr1JanBP;
    std::string Adr1JanTel;
    std::string Adr1JanFax;
    int IdComptable = 0;
    int IdAdmin = 0;
    // One character of the column, a whole code point (char32_t, so that no character of the
    // UTF-8 column is ever cut in half); 0 when the column is empty.
    char32_t BICouMeuble = 0;
    int PartResultatNumerateur = kNulEntier;
    int PartResultatDenominateur = kNulEntier;
    int NbHeureTravaillesConjoint = 0;
    int NbEx_Edition = 0;
    std::string NoIdentFisc;
    std::string AdrCodeInsee;
    std::string AdrBureauDistrib;
    std::string CodeInseeNaissance;
    std::string CategorieJuridique;
    std::string Adr1JanCodeInsee;
    std::string Adr1JanBureauDistrib;
    std::string NomIntervGerant;
    std::string PrenomIntervGerant;
    std::string AdrGerantComplement1;
    std::string AdrGerantComplement2;
    std::string AdrGerantNoVoie;
    std::string AdrGerantCpltNoVoie;
    std::string AdrGerantNomVoie;
    std::string AdrGerantCP;
    std::string AdrGerantVille;
    std::string AdrGerantBP;
    // Membership of an approved management centre: set by the callers that create an associate,
    // never filled when the list of associates loads.
    bool AdherentOga = false;
    double DateAdhesionOga = 0;
    std::string NumAdherentOga;
    int IdOga = 0;

    bool operator==(const Associe& autre) const { return ShIDAssocie == autre.ShIDAssocie; }
    bool operator<(const Associe& autre) const { return ShIDAssocie < autre.ShIDAssocie; }

    // The current address; the delivery office is not part of it.
    CAdresse GetAdresse() const;
    // The civility or legal-form label of Titre (its electronic-return form for the EDI one);
    // "" when Titre is -1.
    std::string GetTextTitre() const;
    std::string GetTextTitreEDI() const;
    std::string GetTextQualite() const;
    // The short code of the tax regime: "BIC", "IS", "BA", "RF", "BNC"; "" otherwise.
    std::string GetTextRegimeImpositionSCI() const;
    // Name and first names; in loading mode 5, a physical person's birth name and first names,
    // a legal person's name alone.
    std::string GetDesignationAssocie() const;
    // 0 for a legal person; 1 for "M", 2 for "MME" and "MLE", 0 otherwise.
    int GetCodeSexe() const;
    // The department of birth for the tax returns: "2A", "2B", "97x", two digits, "99" abroad,
    // "" for a legal person or when nothing tells.
    std::string GetDeptNaissance() const;
    // The associate's shares of the company's amounts, in whole euros, over its year-end holdings
    // and the declared number of shares (the setting "KV"/"NbParts", read at each call): an
    // entered share when there is one, else the proportional share, else 0 when that number is 0.
    // The profit share is never negative and the loss share never positive; the long-term gain's
    // share is truncated toward zero (0 for a gain of kNulEntier), the others rounded to the
    // nearest; `autre` is handed over with the gain and not used.
    int BeneficeCalc(int resultat) const;
    int DeficitCalc(int resultat) const;
    int PVLTCalc(int pvlt, int autre) const;
    long ResultatBICCalc(long bic) const;
    long ResultatBACalc(long ba) const;
    long AbandonsLoyersCalc(long abandons) const;
    // Every member back to its reset value.
    void RAZ();
    // Writes the record into the associates table: onto the row whose name and first names are
    // exactly Nom and Prenoms, or a new row. Every member but the key, the numbers of rights and
    // the registration numbers is written (a null member clears its column; the towns are stored
    // upper-cased); ShIDAssocie then holds the row's key, also when the row is one the table's
    // standing filter does not show. Errors of the table reach the caller.
    void Creer();
};

// The civility label of `titre` for a physical person; for a legal person the label of the
// legal form `titre`, or its electronic-return label when `formeEDI`. "" for -1.
KVARN_EXPORT std::string DonnerTitreOuFormeJuridique(const int& titre, bool personnePhysique, bool formeEDI);

class KVARN_EXPORT CCivilite {
public:
    static std::string Civilite(TITRE_ASSOCIE_PHYSIQUE code);
    static void RemplirListeCivilites(std::vector<std::string>& liste, bool trie);
    static TITRE_ASSOCIE_PHYSIQUE DonneCivilite(const std::string& libelle);
};

class KVARN_EXPORT CSituationFamille {
public:
    static std::string SituationFamille(SITUATION_FAMILLE code);
    static void RemplirListeSituationsFamille(std::vector<std::string>& liste, bool trie);
    static SITUATION_FAMILLE DonneSituationFamille(const std::string& libelle);
};

class KVARN_EXPORT CRegimeMatrimonial {
public:
    static std::string RegimeMatrimonial(REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE code);
    static void RemplirListeRegimesMatrimoniaux(std::vector<std::string>& liste, bool trie);
    static REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE DonneRegimeMatrimonial(const std::string& libelle);
};

class KVARN_EXPORT CStatutConjoint {
public:
    static std::string StatutConjoint(STATUT_CONJOINT code);
    static void RemplirListeStatutsConjoint(std::vector<std::string>& liste, bool trie);
    static STATUT_CONJOINT DonneStatutConjoint(const std::string& libelle);
};

class KVARN_EXPORT CQualiteAssocie {
public:
    static std::string QualiteAssocie(QUALITE_ASSOCIE code);
    static void RemplirListeQualites(std::vector<std::string>& liste, bool trie);
    static QUALITE_ASSOCIE DonneQualite(const std::string& libelle);
};

// The long labels ("Revenus fonciers"); Associe::GetTextRegimeImpositionSCI gives the short codes.
class KVARN_EXPORT CRegimeImposition {
public:
    static std::string RegimeImposition(REGIME_IMPOT_SCI code);
    static void RemplirListeRegimesImposition(std::vector<std::string>& liste, bool trie);
    static REGIME_IMPOT_SCI DonneRegimeImposition(const std::string& libelle);
};
