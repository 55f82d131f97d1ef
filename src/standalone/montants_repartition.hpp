// The standalone host's amounts of the result distribution: what a real host would compute from
// the dossier's accounts, read here from an INI file and from the command line.
//
// The file has one section "[Montants]" with the keys Resultat, PVLT, BIC, BA and Abandons, whole
// euros with an optional sign; a key may be absent. The options given beside it win over the file.
// The amounts are read (again) by the host's prerequisite, which the module calls each time its
// result screen is created; the two callbacks then hand them to the module for every associate: an
// absent amount is 0, an absent long-term gain (and the further amount, which this host never
// fills) NULL_ENTIER. A value that is not whole euros, or a file that cannot be read or parsed,
// raises MontantsInvalides naming the file, the key and the line.
#pragma once

#include <kvarn/ecrans.hpp>
#include <kvarn/kvarn.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace kvarn::standalone {

class MontantsInvalides : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Montants {
    std::optional<long> resultat, pvlt, bic, ba, abandons;
};

// Whole euros with an optional sign ("-1200", "+5", " 12 "); nullopt for anything else.
std::optional<long> LireEurosEntiers(std::string_view texte);

Montants LireFichierMontants(const std::filesystem::path& fichier);

class MontantsRepartition {
public:
    MontantsRepartition(std::optional<std::filesystem::path> fichier, Montants options);

    // The host's prerequisite: the file (when there is one), then the options over it.
    void CalculerPrealables();
    // The prerequisite as the module's exported hook holds it; valid while this object lives.
    KV_PREALABLES_REPARTITION Crochet();

    const Montants& Lus() const { return lus_; }
    TCalculResultatAssocies CalculResultat() const;
    TCalculResultatBICBA CalculBICBA() const;

private:
    std::optional<std::filesystem::path> fichier_;
    Montants options_;
    Montants lus_;
};

}  // namespace kvarn::standalone
