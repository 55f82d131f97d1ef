// The six code tables of the associates: each is a fixed array of labels indexed by code, and
// every operation of every table is one of the three generic ones below over its array.
#include <kvarn/associe.hpp>

#include "common/text.hpp"

#include <algorithm>
#include <span>

const char* const __strTitrePhy[3] = {"M", "MME", "MLE"};

const char* const __strQualiteAssocie[13] = {
    "Exploitant", "Gérant", "PDG", "DG", "Président du Directoire", "Membre du Directoire", "DGU",
    "Associé", "Gérant Associé", "Gérant non Associé", "Bénéficiaire", "Président", "Cogérant",
};

namespace kvarn::associates {
namespace {

using Libelles = std::span<const char* const>;

constexpr const char* kSituationsFamille[] = {"Célibataire", "Marié", "Séparé", "Divorcé", "Veuf", "Pacsé"};

constexpr const char* kRegimesMatrimoniaux[] = {
    "Séparations de biens", "Communauté réduite aux acquêts", "Communauté de meubles et acquêts",
    "Participation aux acquêts", "Communauté universelle",
};

constexpr const char* kStatutsConjoint[] = {
    "Collaborateur", "Salarié dans l'entreprise", "Assistant", "Sans fonction dans l'entreprise",
};

constexpr const char* kRegimesImposition[] = {"BIC", "IS", "BA", "Revenus fonciers", "BNC"};

std::string Libelle(Libelles libelles, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= libelles.size()) return {};
    return libelles[static_cast<std::size_t>(code)];
}

void Remplir(Libelles libelles, std::vector<std::string>& liste, bool trie) {
    liste.assign(libelles.begin(), libelles.end());
    if (trie)
        std::stable_sort(liste.begin(), liste.end(),
                         [](const std::string& a, const std::string& b) { return CompareFrench(a, b) < 0; });
}

// The first code in code order whose label matches; -1 for an empty text or no match.
int Code(Libelles libelles, const std::string& libelle) {
    if (libelle.empty()) return -1;
    const std::string cherche = ToUpperFrench(libelle);
    for (std::size_t code = 0; code < libelles.size(); ++code)
        if (ToUpperFrench(libelles[code]) == cherche) return static_cast<int>(code);
    return -1;
}

}  // namespace
}  // namespace kvarn::associates

using namespace kvarn::associates;

std::string CCivilite::Civilite(TITRE_ASSOCIE_PHYSIQUE code) { return Libelle(__strTitrePhy, code); }
void CCivilite::RemplirListeCivilites(std::vector<std::string>& liste, bool trie) {
    Remplir(__strTitrePhy, liste, trie);
}
TITRE_ASSOCIE_PHYSIQUE CCivilite::DonneCivilite(const std::string& libelle) {
    return static_cast<TITRE_ASSOCIE_PHYSIQUE>(Code(__strTitrePhy, libelle));
}

std::string CSituationFamille::SituationFamille(SITUATION_FAMILLE code) { return Libelle(kSituationsFamille, code); }
void CSituationFamille::RemplirListeSituationsFamille(std::vector<std::string>& liste, bool trie) {
    Remplir(kSituationsFamille, liste, trie);
}
SITUATION_FAMILLE CSituationFamille::DonneSituationFamille(const std::string& libelle) {
    return static_cast<SITUATION_FAMILLE>(Code(kSituationsFamille, libelle));
}

std::string CRegimeMatrimonial::RegimeMatrimonial(REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE code) {
    return Libelle(kRegimesMatrimoniaux, code);
}
void CRegimeMatrimonial::RemplirListeRegimesMatrimoniaux(std::vector<std::string>& liste, bool trie) {
    Remplir(kRegimesMatrimoniaux, liste, trie);
}
REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE CRegimeMatrimonial::DonneRegimeMatrimonial(const std::string& libelle) {
    return static_cast<REGIME_MATRIMONIAL_ASSOCIE_PHYSIQUE>(Code(kRegimesMatrimoniaux, libelle));
}

std::string CStatutConjoint::StatutConjoint(STATUT_CONJOINT code) { return Libelle(kStatutsConjoint, code); }
void CStatutConjoint::RemplirListeStatutsConjoint(std::vector<std::string>& liste, bool trie) {
    Remplir(kStatutsConjoint, liste, trie);
}
STATUT_CONJOINT CStatutConjoint::DonneStatutConjoint(const std::string& libelle) {
    return static_cast<STATUT_CONJOINT>(Code(kStatutsConjoint, libelle));
}

std::string CQualiteAssocie::QualiteAssocie(QUALITE_ASSOCIE code) { return Libelle(__strQualiteAssocie, code); }
void CQualiteAssocie::RemplirListeQualites(std::vector<std::string>& liste, bool trie) {
    Remplir(__strQualiteAssocie, liste, trie);
}
QUALITE_ASSOCIE CQualiteAssocie::DonneQualite(const std::string& libelle) {
    return static_cast<QUALITE_ASSOCIE>(Code(__strQualiteAssocie, libelle));
}

std::string CRegimeImposition::RegimeImposition(REGIME_IMPOT_SCI code) { return Libelle(kRegimesImposition, code); }
void CRegimeImposition::RemplirListeRegimesImposition(std::vector<std::string>& liste, bool trie) {
    Remplir(kRegimesImposition, liste, trie);
}
REGIME_IMPOT_SCI CRegimeImposition::DonneRegimeImposition(const std::string& libelle) {
    return static_cast<REGIME_IMPOT_SCI>(Code(kRegimesImposition, libelle));
}
