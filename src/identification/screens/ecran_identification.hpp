// What the identification screens add to the screen contract: buttons beside the fields, and the
// kind of characters each field takes.
//
// A button has a name (kebab-case French, as the fields), a caption, a state and an action that
// changes the screen's fields (the choice of a party, for instance); the views show it as a push
// button, the command line presses it by name. A field declared with a kind keeps only entries
// of that kind: digits, a code of letters and digits that is upper-cased as it is typed, or a
// check box's "oui" / "non"; a refused entry leaves the field as it was, as a masked entry would. The screen's own rules run
// after an accepted entry (ApresSaisie).
#pragma once

#include "frame/screens/screen.hpp"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::identification {

struct Bouton {
    std::string name;
    std::string label;
    bool enabled = true;
    bool visible = true;
    std::function<void()> action{};
};

enum class GenreSaisie { Chiffres, Code, Coche };

class EcranIdentification : public frame::Screen {
public:
    const std::vector<Bouton>& Boutons() const { return boutons_; }
    const Bouton& GetBouton(std::string_view name) const;  // std::out_of_range for none
    // Runs the button's action; a disabled or hidden button refuses with std::logic_error.
    void Appuyer(std::string_view name);

protected:
    void DeclareBouton(Bouton bouton) { boutons_.push_back(std::move(bouton)); }
    Bouton& BoutonRef(std::string_view name) { return const_cast<Bouton&>(GetBouton(name)); }
    void DeclareGenre(const std::string& field, GenreSaisie genre) { genres_[field] = genre; }
    // Every field and button read-only or disabled (a dossier under ISA processing).
    void ToutEnLectureSeule();
    // The check of a date field on leaving: empty or a date "dd/mm/yyyy"; otherwise an error box
    // says that `quoi` is no date and the field is named for the focus.
    std::optional<std::string> VerifierDate(const std::string& field, const std::string& quoi) const;
    // The screen's rules after an accepted entry into `field`, whose value was `before`.
    virtual void ApresSaisie(frame::Field& field, const std::string& before);

private:
    void Edited(frame::Field& field, const std::string& before) final;

    std::vector<Bouton> boutons_;
    std::map<std::string, GenreSaisie, std::less<>> genres_;
};

}  // namespace kvarn::identification
