#include "movements/controle_mouvement.hpp"

#include "common/dates.hpp"
#include "movements/codes_mouvement.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kvarn::movements {
namespace {

using Refus = std::optional<RefusMouvement>;

constexpr const char* kSuiteSaisie = ".\nVeuillez modifier votre saisie.";

constexpr std::uint8_t Bit(Colonne c) { return static_cast<std::uint8_t>(1u << static_cast<int>(c)); }

// The cells each type opens: on the ceding associate's row, on the other rows.
struct Cellules {
    std::uint8_t cedant;
    std::uint8_t autres;
};
constexpr std::array<Cellules, 7> kCellules{{
    {Bit(Colonne::PPDim), Bit(Colonne::PPAug)},
    {Bit(Colonne::NPDim), Bit(Colonne::NPAug)},
    {Bit(Colonne::UDim), Bit(Colonne::UAug)},
    {Bit(Colonne::PPDim) | Bit(Colonne::UAug) | Bit(Colonne::NPAug), Bit(Colonne::UAug) | Bit(Colonne::NPAug)},
    {Bit(Colonne::PPAug), Bit(Colonne::PPAug)},
    {Bit(Colonne::PPDim), Bit(Colonne::PPDim)},
    {Bit(Colonne::PPAug) | Bit(Colonne::NPDim) | Bit(Colonne::UDim), Bit(Colonne::NPDim) | Bit(Colonne::UDim)},
}};

bool TypeConnu(int type) { return type >= kCessionPP && type <= kReconstitution; }

std::string NomCedant(int type) { return type == kReconstitution ? "'Bénéficiaire' " : "'Vendeur' "; }

std::string Associe(int idAsso) { return "l'associé n° " + std::to_string(idAsso); }

Refus Refuser(std::string message) { return RefusMouvement{std::move(message), false}; }

Refus ChampsManquants(const MouvementSaisi& s) {
    std::vector<std::string> noms;
    if (s.date == 0) noms.push_back("'Date'");
    if (s.type == kTypeNonDefini) noms.push_back("'Nature de l'opération'");
    if (TypeAvecCedant(s.type) && s.idCedant == 0) noms.push_back(NomCedant(s.type));
    if (noms.empty()) return std::nullopt;
    std::string liste = noms[0];
    for (std::size_t i = 1; i < noms.size(); ++i) liste += ", " + noms[i];
    if (noms.size() == 1) return Refuser("Le champ " + liste + " doit être renseigné" + kSuiteSaisie);
    return Refuser("Les champs " + liste + " doivent être renseignés" + kSuiteSaisie);
}

Refus TypeEtDate(const MouvementSaisi& s, const ContexteControle& c) {
    if (!TypeConnu(s.type))
        return Refuser("Le type de mouvement " + std::to_string(s.type) + " n'existe pas : de 0 à 6 seulement.");
    if (s.date < c.debutExercice || (c.dateSituation != 0 && s.date > c.dateSituation))
        return RefusMouvement{"La date du mouvement doit être comprise entre le début de l'exercice et la date de "
                              "situation (" + FormatDate(c.debutExercice) + " - " + FormatDate(c.dateSituation) + ").",
                              true};
    return std::nullopt;
}

Refus AssociesNommes(const MouvementSaisi& s, const ContexteControle& c) {
    if (!TypeAvecCedant(s.type) && s.idCedant != 0)
        return Refuser("Un mouvement de type " + std::to_string(s.type) + " n'a ni vendeur ni bénéficiaire.");
    if (s.idCedant != 0 && !c.associesListe.count(s.idCedant))
        return Refuser("Le " + std::string(s.type == kReconstitution ? "bénéficiaire" : "vendeur") + " n° " +
                       std::to_string(s.idCedant) + " n'est pas un associé du dossier.");
    for (const LigneDetail& ligne : s.lignes)
        if (!c.associesGrille.count(ligne.idAsso))
            return Refuser("L'associé n° " + std::to_string(ligne.idAsso) + " ne figure pas dans la grille du mouvement.");
    return std::nullopt;
}

// Every quantity of every row, in the grid's order: the cell must be open, the number finite and
// not negative.
Refus Quantites(const MouvementSaisi& s) {
    for (const LigneDetail& ligne : s.lignes)
        for (const Colonne colonne : kColonnes) {
            const std::optional<double>& q = Quantite(ligne, colonne);
            if (!q) continue;
            const std::string cellule = std::string(NomColonne(colonne)) + " de " + Associe(ligne.idAsso);
            if (!CelluleModifiable(s.type, s.idCedant, ligne.idAsso, colonne))
                return Refuser("La colonne " + cellule + " ne se saisit pas pour ce type de mouvement.");
            if (!std::isfinite(*q) || *q < 0)
                return Refuser("La colonne " + cellule + " attend un nombre de parts positif ou nul.");
        }
    return std::nullopt;
}

// A row is read as one main quantity and one more at most: whatever else it holds would be lost.
Refus QuantitesPerdues(const MouvementSaisi& s) {
    for (const LigneDetail& ligne : s.lignes) {
        const DetailsLigne lus = DecoderLigneDetail(ligne);
        for (const Colonne colonne : kColonnes)
            if (Quantite(ligne, colonne) && !lus.Utilise(colonne))
                return Refuser("La colonne " + std::string(NomColonne(colonne)) + " de " + Associe(ligne.idAsso) +
                               " ne serait pas prise en compte avec les autres quantités de sa ligne.");
    }
    return std::nullopt;
}

Refus Diminutions(const MouvementSaisi& s, const ContexteControle& c) {
    for (const LigneDetail& l : s.lignes) {
        if (!l.ppDim && !l.npDim && !l.uDim) continue;
        const PartsPPUNP avant = c.avant(l.idAsso);
        if (l.ppDim.value_or(0) > avant.pp || l.npDim.value_or(0) > avant.np || l.uDim.value_or(0) > avant.u)
            return Refuser(std::string("Le nombre de parts saisies en diminution doit être inférieur ou égal au nombre "
                                       "de parts détenues") + kSuiteSaisie);
    }
    return std::nullopt;
}

// Totals rounded to the nearest whole number, halves to even, compared as whole numbers.
Refus Equilibre(const MouvementSaisi& s) {
    std::array<double, 6> totaux{};
    for (const LigneDetail& ligne : s.lignes)
        for (const Colonne colonne : kColonnes) totaux[static_cast<std::size_t>(colonne)] += Quantite(ligne, colonne).value_or(0);
    const auto entier = [&](Colonne c) { return static_cast<long long>(std::nearbyint(totaux[static_cast<std::size_t>(c)])); };
    using Paire = std::pair<Colonne, Colonne>;
    std::vector<Paire> egales;
    switch (s.type) {
        case kCessionPP: egales = {{Colonne::PPDim, Colonne::PPAug}}; break;
        case kCessionNP: egales = {{Colonne::NPDim, Colonne::NPAug}}; break;
        case kCessionU: egales = {{Colonne::UDim, Colonne::UAug}}; break;
        case kDemembrement: egales = {{Colonne::NPAug, Colonne::UAug}, {Colonne::PPDim, Colonne::UAug}}; break;
        case kReconstitution: egales = {{Colonne::NPDim, Colonne::PPAug}, {Colonne::UDim, Colonne::PPAug}}; break;
        default: break;
    }
    for (const auto& [a, b] : egales)
        if (entier(a) != entier(b))
            return Refuser(std::string("Votre mouvement de parts n’est pas équilibré") + kSuiteSaisie);
    return std::nullopt;
}

}  // namespace

bool TypeAvecCedant(int type) { return type != kAugmentationCapital && type != kReductionCapital; }

bool CelluleModifiable(int type, int idCedant, int idAsso, Colonne colonne) {
    if (!TypeConnu(type)) return false;
    if (TypeAvecCedant(type) && idCedant == 0) return false;
    const Cellules& cellules = kCellules[static_cast<std::size_t>(type)];
    const bool ligneCedant = TypeAvecCedant(type) && idAsso == idCedant;
    return ((ligneCedant ? cellules.cedant : cellules.autres) & Bit(colonne)) != 0;
}

std::optional<RefusMouvement> ControlerMouvement(const MouvementSaisi& saisie, const ContexteControle& contexte) {
    if (Refus r = ChampsManquants(saisie)) return r;
    if (Refus r = TypeEtDate(saisie, contexte)) return r;
    if (Refus r = AssociesNommes(saisie, contexte)) return r;
    if (Refus r = Quantites(saisie)) return r;
    if (Refus r = QuantitesPerdues(saisie)) return r;
    if (Refus r = Diminutions(saisie, contexte)) return r;
    return Equilibre(saisie);
}

}  // namespace kvarn::movements
