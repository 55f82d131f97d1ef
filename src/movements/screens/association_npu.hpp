// The screen that links bare owners and usufructuaries, of one movement or of the start of the
// year, without its widgets: what it shows, the links its opening deletes and appends, the
// numbers "Total affecté" and "Reste à affecter", a number entered on a link, and its closing.
//
// The caller hands over its map (associate → usufruct shares): for a movement, the shares the
// movement hands over (CartePartsUsufruit); for the start of the year, the associates the links
// may name, whose entries the closing increases by the usufruct linked to them. The start of the
// year reads the positions of MouvementKV, computed first when they are not up to date. Every
// change is written at once, as the screen's grid posts it.
#pragma once

#include "movements/affectation_liens.hpp"
#include "store/data_module.hpp"

#include <kvarn/mouvements.hpp>

#include <string>

namespace kvarn::movements::screens {

struct TextesAssociation {
    std::string colonneHaute, colonneBasse;
    std::string consigneHaute, consigneBasse;
    std::string groupeHaut, groupeBas;
    std::string libelleAAffecter;
};

class TfrmAssociationNPU {
public:
    TfrmAssociationNPU(store::TdmKvarn& module, bool debutExercice, CarteParts& carte, const cMouvParts& mouvement);

    // The opening: the upper rows, the links deleted and appended (stored).
    void Ouvrir();

    std::string Caption() const;
    TextesAssociation Textes() const;
    const Affectation& Affectation_() const { return affectation_; }
    double AAffecter() const { return affectation_.aAffecter; }
    double TotalAffecte() const { return affectation_.TotalAffecte(); }
    double ResteAAffecter() const { return affectation_.ResteAAffecter(); }

    // A number entered on the link of that pair (appended when there is none); false when the
    // bare owner is not an upper row or the number is negative.
    bool SaisirNbU(int idNP, int idU, double nbU);

    // False when the loading mode 0 leaves shares to assign and the user chooses to correct them.
    bool Fermer();

private:
    store::TdmKvarn& module_;
    bool debutExercice_;
    CarteParts& carte_;
    cMouvParts mouvement_;
    Affectation affectation_;
};

}  // namespace kvarn::movements::screens
