#include "identification/screens/intervenant_affiche.hpp"

#include "common/codepage.hpp"
#include "common/fixed_field.hpp"
#include "common/text.hpp"

#include <initializer_list>

namespace kvarn::identification {
namespace {

template <std::size_t N>
std::string Texte(const char (&champ)[N]) {
    return Trim(ReadField(champ, N, CodePage::Oem));
}

// The non-empty parts joined by `separateur`.
std::string Joindre(std::initializer_list<std::string> parties, const char* separateur) {
    std::string texte;
    for (const std::string& partie : parties)
        if (!partie.empty()) texte += (texte.empty() ? "" : separateur) + partie;
    return texte;
}

}  // namespace

std::string NomIntervenant(const INTERVENANT_KV& i) { return i.Id == 0 ? std::string() : Texte(i.Nom); }

std::string AdresseIntervenant(const INTERVENANT_KV& i) {
    if (i.Id == 0) return {};
    const std::string bp = Texte(i.AdrBP);
    return Joindre({Texte(i.AdrComplmt1), Texte(i.AdrComplmt2),
                    Joindre({Texte(i.AdrNoVoie), Texte(i.AdrCmplNoVoie), Texte(i.AdrNomVoie)}, " "),
                    bp.empty() ? bp : "BP " + bp, Joindre({Texte(i.AdrCP), Texte(i.AdrVille)}, " ")},
                   ", ");
}

}  // namespace kvarn::identification
