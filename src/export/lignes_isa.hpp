// The lines of the exchange file, in the forms the importer reads.
//
// Four header lines as they are, then one value per line: "SECTION.TAG,value", or
// "SECTION.TAG[n],value" for the n-th (from 1) of a repeated group. A line is written only when its
// value is not empty; a date only when set, as "dd/mm/yyyy"; an integer unless it is NULL_ENTIER;
// a boolean as "vrai" or "faux"; the value otherwise unchanged, no quoting, except that a line
// break inside it (CR LF, CR or LF) becomes one blank, since the importer reads one value per line.
// Only the report (Memo) keeps its line breaks. Lines are gathered as UTF-8 and given at the end
// in CP1252 (a character CP1252 lacks becomes "?"), each ending CR LF, without a byte-order mark.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::exportisa {

class LignesISA {
public:
    // The occurrence number of a value outside any repeated group.
    static constexpr int kSansOccurrence = 0;

    void Entete(std::string_view ligne);
    void Texte(std::string_view section, std::string_view tag, std::string_view valeur, int n = kSansOccurrence);
    void Date(std::string_view section, std::string_view tag, double jour, int n = kSansOccurrence);
    void Entier(std::string_view section, std::string_view tag, long valeur, int n = kSansOccurrence);
    void Booleen(std::string_view section, std::string_view tag, bool valeur);
    // A value whose line breaks are kept (written CR LF).
    void Memo(std::string_view section, std::string_view tag, std::string_view valeur);

    // The file's bytes.
    std::string Octets() const;

private:
    void Ligne(std::string_view section, std::string_view tag, int n, std::string_view valeur);
    std::string texte_;
};

// A text with each line break (CR LF, CR or LF) made one blank.
std::string SansSautsDeLigne(std::string_view texte);

}  // namespace kvarn::exportisa
