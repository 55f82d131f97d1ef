#include "associates/screens/saisies_resultats.hpp"

#include "common/ini_values.hpp"
#include "common/nulls.hpp"
#include "common/numbers.hpp"
#include "common/text.hpp"

#include <utility>

namespace kvarn::associates {

std::string TexteMontant(const std::optional<long>& montant) { return montant ? std::to_string(*montant) : ""; }

std::string TexteSaisie(int saisi) { return saisi == NULL_ENTIER ? "" : std::to_string(saisi); }

std::string TexteNombreParts(double parts) { return FormatIniReal(parts); }

bool SaisieLisible(const std::string& texte) {
    if (Trim(texte).empty()) return true;
    bool valide = false;
    const double valeur = ZORStr2Double(texte, &valide);
    // Beyond a 32-bit integer the column cannot hold it.
    return valide && valeur > NULL_ENTIER && valeur <= 2147483647.0;
}

int SaisieTronquee(const std::string& texte) {
    if (Trim(texte).empty()) return NULL_ENTIER;
    return static_cast<int>(ZORStr2Double(texte));  // toward zero
}

DefilementEcran::DefilementEcran(db::CTable& vue, std::function<void()> sauver, std::function<void()> afficher)
    : vue_(vue),
      avant_(std::exchange(vue.BeforeScroll, [sauver = std::move(sauver)](db::CTable&) { sauver(); })),
      apres_(std::exchange(vue.AfterScroll, [afficher = std::move(afficher)](db::CTable&) { afficher(); })) {}

DefilementEcran::~DefilementEcran() {
    vue_.BeforeScroll = std::move(avant_);
    vue_.AfterScroll = std::move(apres_);
}

}  // namespace kvarn::associates
