// TfrmFJ and TfrmPays: the two correction dialogs shown while older associates are migrated,
// without their widgets. Each shows the invalid value and the associate (read-only fields),
// offers a list, and refuses to close until a valid item is chosen. Both are titled "Attention"
// with an OK button. What the user chose is read after Deactivate.
#pragma once

#include "frame/screens/screen.hpp"
#include "host/liste_choix.hpp"
#include "host/pays.hpp"

#include <optional>
#include <string>

namespace kvarn::identification {

// Fields "forme-invalide", "denomination" (read-only) and the list "forme-juridique".
class TfrmFJ final : public frame::Screen {
public:
    TfrmFJ(std::string formeInvalide, std::string denomination);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;
    // The chosen legal form, as an associate's Titre stores it; 0 before Deactivate.
    int Forme() const { return forme_; }

private:
    int FormeChoisie() const;  // 0 when no valid form is chosen

    host::ListeChoix liste_;
    int forme_ = 0;
};

// Fields "pays-invalide", "nom-patronymique", "prenoms" (read-only) and the list "pays".
class TfrmPays final : public frame::Screen {
public:
    TfrmPays(std::string paysInvalide, std::string nomPatronymique, std::string prenoms);

    void Activate() override;
    std::optional<std::string> Leave() override;
    void Deactivate() override;
    // The chosen country; meaningful after Deactivate.
    int Pays() const { return selecteur_.DonnerPays(); }

protected:
    void Edited(frame::Field& field, const std::string& before) override;

private:
    host::ListeChoix liste_;
    host::CPays selecteur_;
    bool choisi_ = false;  // the accountant must pick the country, even France
};

// TfrmPays through the host's picker (host/choix_liste.hpp): the country the user picks for
// `paysInvalide`, checked as the dialog checks it; nullopt when no answer is given.
std::optional<int> ChoisirPaysCorrige(std::string paysInvalide, std::string nomPatronymique, std::string prenoms);
// TfrmFJ the same way: the legal form picked for `formeInvalide`; nullopt without an answer.
std::optional<int> ChoisirFormeCorrigee(std::string formeInvalide, std::string denomination);

}  // namespace kvarn::identification
