// CSiret: the company's SIRET, pseudo-SIRET and IDSP kept per closing date, its legal category,
// and the parameter of the SIRET screen (screen group 11 with the year N shown).
//
// The numbers live in the dossier's settings store, section "KV", under "SIRET_", "PSEUDO_SIRET_"
// and "IDSP_" followed by the closing date "dd/mm/yyyy"; the legal category under
// "CategorieJuridique". Setters store the text as given (no trimming, no upper-casing); an empty
// text deletes the key. The screens check a value with PseudoSiretValide / IDSPValide before they
// write it. The class-level operations act on the store of the module's data module.
#pragma once

#include <kvarn/ecrans.hpp>

#include <string>

class KVARN_EXPORT CSiret : public CKvarn {
public:
    explicit CSiret(int annee);
    ~CSiret() override;

    int GetAnnee() const { return GetParametre(); }

    // `date` is a day count; the key is the date written "dd/mm/yyyy".
    static std::string GetSIRET(double date);
    static void SetSIRET(double date, const std::string& siret);
    static std::string GetPseudoSIRET(double date);
    static void SetPseudoSIRET(double date, const std::string& pseudoSiret);
    static std::string GetIDSP(double date);
    static void SetIDSP(double date, const std::string& idsp);

    // Empty, or "P", eight free characters and "00001" (14 characters), after upper-casing.
    static bool PseudoSiretValide(const std::string& pseudoSiret);
    static void DonnerMessageErreurPseudoSiretInvalide();
    // Empty, or 14 characters beginning with a letter A to Z other than P, after upper-casing.
    static bool IDSPValide(const std::string& idsp);
    static void DonnerMessageErreurIDSPInvalide();

    static std::string GetCategorieJuridique();
    static void SetCategorieJuridique(const std::string& code);
};
