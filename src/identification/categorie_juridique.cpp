#include <kvarn/categorie_juridique.hpp>

#include "common/text.hpp"

#include <algorithm>
#include <array>

namespace {

struct LigneBrute {
    int position;
    const char* code;
    const char* libelle;
};

constexpr LigneBrute kNiveau3Brut[] = {
#include "categories_niveau3.inc"
};
static_assert(std::size(kNiveau3Brut) == 271);

// Rows that received their values after the table's order was fixed: they carry 258 to 267, in
// this order, and every row after one of them, up to position 267, counts one less.
constexpr std::array<std::string_view, 10> kValeursTardives{"5370", "5470", "5570", "5670", "5770",
                                                           "6511", "7340", "7344", "7357", "7367"};
constexpr int kPremiereValeurTardive = 258;
constexpr int kDernierePositionDecalee = 267;

int Valeur(int position, std::string_view code, int tardivesAvant) {
    const auto tardive = std::find(kValeursTardives.begin(), kValeursTardives.end(), code);
    if (tardive != kValeursTardives.end()) return kPremiereValeurTardive + static_cast<int>(tardive - kValeursTardives.begin());
    return position > kDernierePositionDecalee ? position : position - tardivesAvant;
}

std::vector<LigneCategorieJuridique> ConstruireNiveau3() {
    std::vector<LigneCategorieJuridique> lignes;
    int tardivesAvant = 0;
    for (const LigneBrute& brute : kNiveau3Brut) {
        lignes.push_back({Valeur(brute.position, brute.code, tardivesAvant), brute.code, brute.libelle});
        if (std::find(kValeursTardives.begin(), kValeursTardives.end(), brute.code) != kValeursTardives.end())
            ++tardivesAvant;
    }
    return lignes;
}

const LigneCategorieJuridique* ALaPosition(int position) {
    const auto& lignes = CCategorieJuridique::Niveau3();
    // Positions 0 to 8 hold the withdrawn first-level codes, which are never named.
    if (position < 9 || position >= static_cast<int>(lignes.size())) return nullptr;
    return &lignes[static_cast<std::size_t>(position)];
}

}  // namespace

const std::vector<LigneCategorieJuridique>& CCategorieJuridique::Niveau1() {
    static const std::vector<LigneCategorieJuridique> lignes{
        {-1, "0", "Organisme de placement collectif en valeurs mobilières sans personnalité morale"},
        {-1, "1", "Entrepreneur individuel"},
        {-1, "2", "Groupement de droit privé non doté de la personnalité morale"},
        {-1, "3", "Personne morale de droit étranger"},
        {-1, "4", "Personne morale de droit public soumise au droit commercial"},
        {-1, "5", "Société commerciale"},
        {-1, "6", "Autre personne morale immatriculée au RCS"},
        {-1, "7", "Personne morale et organisme soumis au droit administratif"},
        {-1, "8", "Organisme privé spécialisé"},
        {-1, "9", "Groupement de droit privé"},
    };
    return lignes;
}

const std::vector<LigneCategorieJuridique>& CCategorieJuridique::Niveau2() {
    static const std::vector<LigneCategorieJuridique> lignes{
        {-1, "00", "Organisme de placement collectif en valeurs mobilières sans personnalité morale"},
        {-1, "10", "Entrepreneur individuel"},
        {-1, "21", "Indivision"},
        {-1, "22", "Société créée de fait"},
        {-1, "23", "Société en participation"},
        {-1, "24", "Fiducie"},
        {-1, "27", "Paroisse hors zone concordataire"},
        {-1, "29", "Autre groupement de droit privé non doté de la personnalité morale"},
        {-1, "31", "Personne morale de droit étranger, immatriculée au RCS (registre du commerce et des sociétés)"},
        {-1, "32", "Personne morale de droit étranger, non immatriculée au RCS"},
        {-1, "41", "Etablissement public ou régie à caractère industriel ou commercial"},
        {-1, "51", "Société coopérative commerciale particulière"},
        {-1, "52", "Société en nom collectif"},
        {-1, "53", "Société en commandite"},
        {-1, "54", "Société à responsabilité limitée (SARL)"},
        {-1, "55", "Société anonyme à conseil d'administration"},
        {-1, "56", "Société anonyme à directoire"},
        {-1, "57", "Société par actions simplifiée"},
        {-1, "58", "Société européenne"},
        {-1, "61", "Caisse d'épargne et de prévoyance"},
        {-1, "62", "Groupement d'intérêt économique"},
        {-1, "63", "Société coopérative agricole"},
        {-1, "64", "Société d'assurance mutuelle"},
        {-1, "65", "Société civile"},
        {-1, "69", "Autre personne morale de droit privé inscrite au registre du commerce et des sociétés"},
        {-1, "71", "Administration de l'état"},
        {-1, "72", "Collectivité territoriale"},
        {-1, "73", "Etablissement public administratif"},
        {-1, "74", "Autre personne morale de droit public administratif"},
        {-1, "81", "Organisme gérant un régime de protection sociale à adhésion obligatoire"},
        {-1, "82", "Organisme mutualiste"},
        {-1, "83", "Comité d'entreprise"},
        {-1, "84", "Organisme professionnel"},
        {-1, "85", "Organisme de retraite à adhésion non obligatoire"},
        {-1, "91", "Syndicat de propriétaires"},
        {-1, "92", "Association loi 1901 ou assimilé"},
        {-1, "93", "Fondation"},
        {-1, "99", "Autre personne morale de droit privé"},
    };
    return lignes;
}

const std::vector<LigneCategorieJuridique>& CCategorieJuridique::Niveau3() {
    static const std::vector<LigneCategorieJuridique> lignes = ConstruireNiveau3();
    return lignes;
}

std::string CCategorieJuridique::DonneLibelleCategorieJuridique(const std::string& code) {
    for (const auto& ligne : Niveau3())
        if (ligne.code == code) return ligne.libelle;
    return {};
}

int CCategorieJuridique::AffecterComboBox(ListeTextes& liste, bool, CATEGORIE_JURIDIQUE valeur) {
    liste.clear();
    int index = -1;
    for (const auto& ligne : Niveau3()) {
        if (ligne.valeur == valeur && index < 0) index = static_cast<int>(liste.size());
        liste.emplace_back(ligne.libelle, &ligne);
    }
    return index;
}

std::string CCategorieJuridique::CategorieJuridiqueLibelle(CATEGORIE_JURIDIQUE position) {
    const LigneCategorieJuridique* ligne = ALaPosition(position);
    return ligne ? ligne->libelle : std::string();
}

std::string CCategorieJuridique::CategorieJuridiqueCode(CATEGORIE_JURIDIQUE position) {
    const LigneCategorieJuridique* ligne = ALaPosition(position);
    return ligne ? ligne->code : std::string();
}

CATEGORIE_JURIDIQUE CCategorieJuridique::DonneCategorieJuridique(const std::string& libelle) {
    if (libelle.empty()) return CJ_AUCUNE;
    const std::string cherche = kvarn::ToUpperFrench(libelle);
    const auto& lignes = Niveau3();
    for (std::size_t i = 0; i < lignes.size(); ++i)
        if (kvarn::ToUpperFrench(lignes[i].libelle) == cherche) return static_cast<CATEGORIE_JURIDIQUE>(i);
    return CJ_AUCUNE;
}
