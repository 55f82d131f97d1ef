#include "movements/affectation_liens.hpp"

#include "movements/codes_mouvement.hpp"

#include <algorithm>

namespace kvarn::movements {
namespace {

// The column a movement's upper rows are chosen and counted by.
Colonne ColonneHaute(int type) {
    if (type == kCessionU) return Colonne::UAug;
    if (type == kReconstitution) return Colonne::NPDim;
    return Colonne::NPAug;
}

bool Relie(const std::vector<LienNPU>& liens, int idNP, int idU) {
    return std::any_of(liens.begin(), liens.end(), [&](const LienNPU& l) { return l.idNP == idNP && l.idU == idU; });
}

// Appends a link from the row to every other associate of the map it is not linked to yet.
void Completer(Affectation& a, const LigneHaute& haute, int idMouv, const CarteParts& carte,
               const std::function<std::optional<double>(int idU, double nombreU)>& prerempli) {
    for (const auto& [idU, nombre] : carte)
        if (idU != haute.idAsso && !Relie(a.liens, haute.idAsso, idU))
            a.liens.push_back({0, idMouv, haute.idAsso, idU, prerempli(idU, nombre)});
}

}  // namespace

double Affectation::TotalAffecte() const {
    double total = 0.0;
    for (const LienNPU& lien : liens) total += lien.nbU.value_or(0.0);
    return total;
}

LienNPU* Affectation::Lien(int idNP, int idU) {
    for (LienNPU& lien : liens)
        if (lien.idNP == idNP && lien.idU == idU) return &lien;
    return nullptr;
}

CarteParts CartePartsUsufruit(int type, const std::vector<LigneDetail>& lignes) {
    CarteParts carte;
    for (const LigneDetail& l : lignes) {
        if (type == kDemembrement) {
            if (l.uAug) carte[l.idAsso] = *l.uAug;
        } else if (type == kReconstitution) {
            if (l.uDim) carte[l.idAsso] = *l.uDim;
        } else {
            carte[l.idAsso] = 0.0;
        }
    }
    return carte;
}

Affectation OuvrirAffectationMouvement(int idMouv, int type, const std::vector<LigneDetail>& lignes,
                                       const CarteParts& carte, const std::vector<LienNPU>& liens) {
    Affectation a;
    const Colonne colonne = ColonneHaute(type);
    for (const LigneDetail& l : lignes)
        if (const std::optional<double>& q = Quantite(l, colonne)) {
            a.hautes.push_back({l.idAsso, *q});
            a.aAffecter += *q;
        }
    const bool numerote = type == kDemembrement || type == kReconstitution;
    for (const LigneHaute& haute : a.hautes) {
        for (const LienNPU& lien : liens) {
            if (lien.idNP != haute.idAsso) continue;
            if (carte.count(lien.idU)) a.liens.push_back(lien);
            else if (lien.autoID != 0) a.supprimes.push_back(lien.autoID);
        }
        Completer(a, haute, idMouv, carte, [&](int, double nombreU) -> std::optional<double> {
            if (!numerote) return std::nullopt;
            if (a.hautes.size() == 1) return nombreU;
            if (carte.size() == 1) return haute.nombre;
            return std::nullopt;
        });
    }
    return a;
}

Affectation OuvrirAffectationDebut(const std::vector<LigneHaute>& nusProprietaires, const CarteParts& carte,
                                   const std::vector<LienNPU>& liens) {
    Affectation a;
    a.hautes = nusProprietaires;
    for (const LigneHaute& haute : a.hautes) {
        a.aAffecter += haute.nombre;
        for (const LienNPU& lien : liens)
            if (lien.idNP == haute.idAsso) a.liens.push_back(lien);
        Completer(a, haute, 0, carte, [](int, double) { return std::optional<double>(); });
    }
    return a;
}

Affectation AffecterNouveauMouvement(int type, const std::vector<LigneDetail>& lignes,
                                     const std::vector<LienNPU>& donnes) {
    Affectation a = OuvrirAffectationMouvement(0, type, lignes, CartePartsUsufruit(type, lignes), {});
    for (const LienNPU& donne : donnes) {
        if (LienNPU* lien = a.Lien(donne.idNP, donne.idU)) lien->nbU = donne.nbU;
        else a.liens.push_back(donne);
    }
    return a;
}

}  // namespace kvarn::movements
