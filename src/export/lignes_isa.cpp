#include "export/lignes_isa.hpp"

#include "common/codepage.hpp"
#include "common/dates.hpp"
#include "common/nulls.hpp"

namespace kvarn::exportisa {
namespace {

constexpr std::string_view kFinDeLigne = "\r\n";

// Each line break of `texte` (CR LF counts as one) replaced by `par`.
std::string RemplacerSauts(std::string_view texte, std::string_view par) {
    std::string resultat;
    resultat.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c != '\r' && c != '\n') {
            resultat.push_back(c);
            continue;
        }
        if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        resultat += par;
    }
    return resultat;
}

}  // namespace

std::string SansSautsDeLigne(std::string_view texte) { return RemplacerSauts(texte, " "); }

void LignesISA::Entete(std::string_view ligne) {
    texte_ += ligne;
    texte_ += kFinDeLigne;
}

void LignesISA::Ligne(std::string_view section, std::string_view tag, int n, std::string_view valeur) {
    if (valeur.empty()) return;
    texte_ += section;
    texte_ += '.';
    texte_ += tag;
    if (n != kSansOccurrence) {
        texte_ += '[';
        texte_ += std::to_string(n);
        texte_ += ']';
    }
    texte_ += ',';
    texte_ += valeur;
    texte_ += kFinDeLigne;
}

void LignesISA::Texte(std::string_view section, std::string_view tag, std::string_view valeur, int n) {
    Ligne(section, tag, n, SansSautsDeLigne(valeur));
}

void LignesISA::Date(std::string_view section, std::string_view tag, double jour, int n) {
    if (jour != 0) Ligne(section, tag, n, FormatDate(jour));
}

void LignesISA::Entier(std::string_view section, std::string_view tag, long valeur, int n) {
    if (valeur != NULL_ENTIER) Ligne(section, tag, n, std::to_string(valeur));
}

void LignesISA::Booleen(std::string_view section, std::string_view tag, bool valeur) {
    Ligne(section, tag, kSansOccurrence, valeur ? "vrai" : "faux");
}

void LignesISA::Memo(std::string_view section, std::string_view tag, std::string_view valeur) {
    Ligne(section, tag, kSansOccurrence, RemplacerSauts(valeur, kFinDeLigne));
}

std::string LignesISA::Octets() const { return FromUtf8(texte_, CodePage::Ansi); }

}  // namespace kvarn::exportisa
