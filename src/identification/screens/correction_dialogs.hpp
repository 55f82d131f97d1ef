// TfrmFJ and TfrmPays: the two correction dialogs shown while older associates are migrated,
// without their widgets. Each shows the invalid value and the associate, offers a list, and
// refuses to close until a valid item is chosen. Both are titled "Attention" with an OK button.
#pragma once

#include "host/liste_choix.hpp"
#include "host/pays.hpp"

#include <string>

namespace kvarn::identification {

class TfrmFJ {
public:
    TfrmFJ(std::string formeInvalide, std::string denomination);

    const std::string& FormeInvalide() const { return formeInvalide_; }
    const std::string& Denomination() const { return denomination_; }
    host::ListeChoix& Liste() { return liste_; }

    // True with the chosen legal form's label in `forme`; else the reason is shown.
    bool Confirmer(std::string& forme) const;

private:
    std::string formeInvalide_;
    std::string denomination_;
    host::ListeChoix liste_;
};

class TfrmPays {
public:
    TfrmPays(std::string paysInvalide, std::string nomPatronymique, std::string prenoms);

    const std::string& PaysInvalide() const { return paysInvalide_; }
    const std::string& NomPatronymique() const { return nomPatronymique_; }
    const std::string& Prenoms() const { return prenoms_; }
    host::CPays& Selecteur() { return selecteur_; }
    void Effacer() { choisi_ = false; }
    void Choisir(int pays);

    // True with the chosen country in `pays`; else the reason is shown.
    bool Confirmer(int& pays) const;

private:
    std::string paysInvalide_;
    std::string nomPatronymique_;
    std::string prenoms_;
    host::CPays selecteur_;
    bool choisi_ = false;  // the accountant must pick the country, even France
};

}  // namespace kvarn::identification
