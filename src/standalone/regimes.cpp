// The tax categories, tax regimes and imposition regimes of the host lists. Codes are frozen.
#include "host/regimes.hpp"

#include <algorithm>

namespace kvarn::host {
namespace {

const std::vector<CodeLibelle> kCategories{
    {CI_BIC, "BIC", "Bénéfices industriels et commerciaux"},
    {CI_BA, "BA", "Bénéfices agricoles"},
    {CI_BNC, "BNC", "Bénéfices non commerciaux"},
    {CI_RF, "RF", "Revenus fonciers"},
    {CI_RF_SOCIETE_IMMOBILIERE, "RF 2072", "Revenus fonciers d'une société immobilière (2072)"},
    {CI_IS_GROUPE, "ISGROUPE", "Groupe de sociétés à l'impôt sur les sociétés"},
    {CI_BIC_2036, "2036", "Société civile de moyens (2036)"},
};

// Regimes of determination of the result.
const std::vector<CodeLibelle> kRegimesFiscaux{
    {1, "RN", "Réel normal"},
    {2, "RSI", "Réel simplifié"},
    {3, "MICRO", "Micro-entreprise"},
    {4, "DC", "Déclaration contrôlée"},
    {5, "MICRO-BA", "Micro-bénéfices agricoles"},
    {6, "RSA", "Réel simplifié agricole"},
    {7, "RNA", "Réel normal agricole"},
    {8, "MICRO-FONCIER", "Micro-foncier"},
    {9, "REEL-FONCIER", "Réel foncier"},
};

const std::vector<CodeLibelle> kRegimesImposition{
    {RI_IR, "IR", "Impôt sur le revenu"},
    {RI_IS, "IS", "Impôt sur les sociétés"},
};

bool Donner(const std::vector<CodeLibelle>& table, int code, std::string* libelle, std::string* abreviation) {
    const auto trouve = std::find_if(table.begin(), table.end(), [code](const CodeLibelle& c) { return c.code == code; });
    const bool existe = trouve != table.end();
    if (libelle) *libelle = existe ? trouve->libelle : "";
    if (abreviation) *abreviation = existe ? trouve->abreviation : "";
    return existe;
}

void Remplir(const std::vector<CodeLibelle>& table, ListeChoix& liste, int selection) {
    liste = ListeChoix{};
    for (const CodeLibelle& c : table) liste.elements.push_back({c.libelle, c.code});
    liste.selection = liste.IndexDeObjet(selection);
}

}  // namespace

const std::vector<CodeLibelle>& cCategoriesImposition::Liste() { return kCategories; }
bool cCategoriesImposition::DonnerInfos(int code, std::string* libelle, std::string* abreviation) {
    return Donner(kCategories, code, libelle, abreviation);
}
void cCategoriesImposition::AffecterComboBox(ListeChoix& liste, int selection) { Remplir(kCategories, liste, selection); }

const std::vector<CodeLibelle>& cRegimesFiscaux::Liste() { return kRegimesFiscaux; }
bool cRegimesFiscaux::DonnerInfos(int code, std::string* libelle, std::string* abreviation) {
    return Donner(kRegimesFiscaux, code, libelle, abreviation);
}
void cRegimesFiscaux::AffecterComboBox(ListeChoix& liste, int selection) { Remplir(kRegimesFiscaux, liste, selection); }

const std::vector<CodeLibelle>& cRegimesImposition::Liste() { return kRegimesImposition; }
bool cRegimesImposition::DonnerInfos(int code, std::string* libelle, std::string* abreviation) {
    return Donner(kRegimesImposition, code, libelle, abreviation);
}

}  // namespace kvarn::host
