#include "standalone/montants_repartition.hpp"

#include "common/atomic_file.hpp"
#include "common/ini_document.hpp"
#include "common/ini_values.hpp"
#include "common/nulls.hpp"
#include "common/text.hpp"

#include <utility>

namespace kvarn::standalone {
namespace {

constexpr const char* kSection = "Montants";

struct Cle {
    const char* nom;
    std::optional<long> Montants::*membre;
};

constexpr Cle kCles[] = {{"Resultat", &Montants::resultat},
                         {"PVLT", &Montants::pvlt},
                         {"BIC", &Montants::bic},
                         {"BA", &Montants::ba},
                         {"Abandons", &Montants::abandons}};

int EnEntier(const std::optional<long>& montant, int siAbsent) {
    return montant ? static_cast<int>(*montant) : siAbsent;
}

}  // namespace

std::optional<long> LireEurosEntiers(std::string_view texte) {
    const std::string sansBlancs = Trim(texte);
    std::string_view t = sansBlancs;
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    const std::optional<int> euros = t.empty() || t.front() == '+' ? std::nullopt : ParseIniInteger(t);
    if (!euros || *euros == NULL_ENTIER) return std::nullopt;  // the sentinel is no amount
    return *euros;
}

Montants LireFichierMontants(const std::filesystem::path& fichier) {
    const IniDocument document = [&] {
        try {
            return IniDocument::Parse(ReadWholeFile(fichier), fichier.string());
        } catch (const std::exception& erreur) {
            throw MontantsInvalides("Fichier des montants illisible : " + std::string(erreur.what()));
        }
    }();
    Montants montants;
    for (const Cle& cle : kCles) {
        const std::optional<std::string> valeur = document.Get(kSection, cle.nom);
        if (!valeur) continue;
        montants.*cle.membre = LireEurosEntiers(*valeur);
        if (!(montants.*cle.membre))
            throw MontantsInvalides(fichier.string() + ", ligne " + std::to_string(document.LineOf(kSection, cle.nom)) +
                                    " : " + cle.nom + " attend un montant en euros entiers, pas « " + *valeur + " »");
    }
    return montants;
}

MontantsRepartition::MontantsRepartition(std::optional<std::filesystem::path> fichier, Montants options)
    : fichier_(std::move(fichier)), options_(options) {}

void MontantsRepartition::CalculerPrealables() {
    Montants lus = fichier_ ? LireFichierMontants(*fichier_) : Montants{};
    for (const Cle& cle : kCles)
        if (options_.*cle.membre) lus.*cle.membre = options_.*cle.membre;
    lus_ = lus;
}

KV_PREALABLES_REPARTITION MontantsRepartition::Crochet() {
    return {this, [](void* objet) { static_cast<MontantsRepartition*>(objet)->CalculerPrealables(); }};
}

TCalculResultatAssocies MontantsRepartition::CalculResultat() const {
    return [this](const Associe&, int& resultat, int& pvlt, int& autre) {
        resultat = EnEntier(lus_.resultat, 0);
        pvlt = EnEntier(lus_.pvlt, NULL_ENTIER);
        autre = NULL_ENTIER;
        return true;
    };
}

TCalculResultatBICBA MontantsRepartition::CalculBICBA() const {
    return [this](const Associe&, long& bic, long& ba, long& abandons) {
        bic = lus_.bic.value_or(0);
        ba = lus_.ba.value_or(0);
        abandons = lus_.abandons.value_or(0);
        return true;
    };
}

}  // namespace kvarn::standalone
