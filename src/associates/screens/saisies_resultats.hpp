// What the two distribution screens share: the texts of amounts and share counts in their fields,
// the reading of an entered share, and the scroll handlers they hang on the result view.
//
// An entered share is typed as a number, decimal comma or point; it is stored truncated toward
// zero (12.9 → 12, -12.9 → -12); an empty field clears it. Text that is no number is not an entry:
// the field goes back to what it held.
#pragma once

#include "db/dataset_events.hpp"
#include "db/table.hpp"

#include <functional>
#include <optional>
#include <string>

namespace kvarn::associates {

std::string TexteMontant(const std::optional<long>& montant);
// "" for NULL_ENTIER.
std::string TexteSaisie(int saisi);
std::string TexteNombreParts(double parts);
bool SaisieLisible(const std::string& texte);
// NULL_ENTIER for an empty text; the caller has checked SaisieLisible.
int SaisieTronquee(const std::string& texte);

// A screen's save before the view leaves a row and its show after it came to one, in place of the
// view's own scroll handlers while the screen lives; those are put back when it goes.
class DefilementEcran {
public:
    DefilementEcran(db::CTable& vue, std::function<void()> sauver, std::function<void()> afficher);
    ~DefilementEcran();
    DefilementEcran(const DefilementEcran&) = delete;
    DefilementEcran& operator=(const DefilementEcran&) = delete;

private:
    db::CTable& vue_;
    db::TDataSetNotifyEvent avant_, apres_;
};

}  // namespace kvarn::associates
