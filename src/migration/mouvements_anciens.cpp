#include "migration/mouvements_anciens.hpp"

#include "common/rounding.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/cumul.hpp"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kvarn::migration {
namespace {

using movements::Colonne;
using movements::kPartsNP;
using movements::kPartsPP;
using movements::kPartsU;

// The older codes that differ from the current ones.
constexpr int kAncienneAugmentation = 3;
constexpr int kAncienDemembrement = 4;
constexpr int kDecalageHorsMouvement = 100;
constexpr int kDecimalesParts = 5;

int Sorte(int typeParts) { return typeParts == kPartsU || typeParts == kPartsNP ? typeParts : kPartsPP; }

// The kind a transferor gives up under an older code.
int SorteCedee(int type) {
    if (type == movements::kCessionNP) return kPartsNP;
    if (type == movements::kCessionU || type == movements::kReconstitution) return kPartsU;
    return kPartsPP;
}

template <class Parts>
auto& QuantiteSorte(Parts& parts, int typeParts) {
    switch (Sorte(typeParts)) {
        case kPartsU: return parts.u;
        case kPartsNP: return parts.np;
        default: return parts.pp;
    }
}

void Ajouter(Effets& effets, int idAssocie, int typeParts, double nombre) {
    auto effet = std::find_if(effets.begin(), effets.end(), [&](const EffetAssocie& e) { return e.idAssocie == idAssocie; });
    if (effet == effets.end()) effet = effets.insert(effets.end(), EffetAssocie{idAssocie, {}, {}, {}});
    std::optional<double>& quantite = QuantiteSorte(*effet, typeParts);
    quantite = quantite.value_or(0.0) + nombre;
}

// An increase goes to the increase column, anything else to the decrease column, non-negative.
void Poser(std::optional<double>& augmentation, std::optional<double>& diminution, double nombre) {
    if (nombre > 0) augmentation = nombre;
    else diminution = std::fabs(nombre);
}

// Moves `quantite` into the row's column when its sign is the one asked for; true when moved.
bool Accompagner(std::optional<double>& quantite, bool gain, std::optional<double>& colonne) {
    if (!quantite || (gain ? !(*quantite > 0) : !(*quantite < 0))) return false;
    colonne = std::fabs(*quantite);
    quantite.reset();
    return true;
}

}  // namespace

int TypeCourant(int typeAncien) {
    if (typeAncien == kAncienneAugmentation) return movements::kAugmentationCapital;
    if (typeAncien == kAncienDemembrement) return movements::kDemembrement;
    if (typeAncien >= movements::kCessionPP && typeAncien < movements::kPremierTypeHorsMouvement) return typeAncien;
    return kDecalageHorsMouvement + typeAncien;
}

Effets EffetsMouvement(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes) {
    Effets effets;
    if (mouvement.idCedant != 0) Ajouter(effets, mouvement.idCedant, SorteCedee(mouvement.type), -mouvement.partsCedees);
    for (const LigneAncienne& ligne : lignes) {
        Ajouter(effets, ligne.idCessionnaire, ligne.typeParts, ligne.nombrePart);
        if (mouvement.type == movements::kReconstitution && Sorte(ligne.typeParts) == kPartsPP)
            Ajouter(effets, ligne.idCessionnaire, kPartsNP, -ligne.nombrePart);
    }
    return effets;
}

bool CompteDansPositions(const MouvementAncien& mouvement, double dateSituation) {
    return mouvement.date && !movements::ApresSituation(*mouvement.date, dateSituation) &&
           mouvement.type >= movements::kCessionPP && mouvement.type < movements::kPremierTypeHorsMouvement;
}

std::map<int, std::vector<LigneAncienne>> LignesParMouvement(const std::vector<LigneAncienne>& lignes) {
    std::map<int, std::vector<LigneAncienne>> parMouvement;
    for (const LigneAncienne& ligne : lignes) parMouvement[ligne.idMouvement].push_back(ligne);
    return parMouvement;
}

std::vector<LigneAncienne> PartsDebut(const std::vector<MouvementAncien>& mouvements,
                                      const std::vector<LigneAncienne>& lignes,
                                      const std::vector<ComptesAssocie>& comptes, double dateSituation) {
    const auto parMouvement = LignesParMouvement(lignes);
    Effets nets;
    for (const MouvementAncien& mouvement : mouvements) {
        if (!CompteDansPositions(mouvement, dateSituation)) continue;
        const auto trouvees = parMouvement.find(mouvement.autoID);
        const Effets effets =
            EffetsMouvement(mouvement, trouvees == parMouvement.end() ? std::vector<LigneAncienne>{} : trouvees->second);
        for (const EffetAssocie& effet : effets)
            for (const int sorte : {kPartsPP, kPartsU, kPartsNP})
                if (const std::optional<double>& q = QuantiteSorte(effet, sorte)) Ajouter(nets, effet.idAssocie, sorte, *q);
    }
    std::vector<LigneAncienne> debut;
    for (ComptesAssocie compte : comptes) {
        const auto net = std::find_if(nets.begin(), nets.end(),
                                      [&](const EffetAssocie& e) { return e.idAssocie == compte.idAssocie; });
        for (const int sorte : {kPartsPP, kPartsU, kPartsNP}) {
            const std::optional<double> change = net == nets.end() ? std::nullopt : QuantiteSorte(*net, sorte);
            const std::optional<double>& fin = QuantiteSorte(compte, sorte);
            if (!fin && !change) continue;
            debut.push_back({0, compte.idAssocie, Round(fin.value_or(0.0) - change.value_or(0.0), kDecimalesParts), sorte});
        }
    }
    return debut;
}

ComptesAssocie ComptesParques(int idAssocie, const std::vector<LigneAncienne>& parquees) {
    ComptesAssocie comptes{idAssocie, {}, {}, {}};
    for (const LigneAncienne& ligne : parquees) {
        if (ligne.idMouvement != 0 || ligne.idCessionnaire != idAssocie) continue;
        std::optional<double>& quantite = QuantiteSorte(comptes, ligne.typeParts);
        quantite = quantite.value_or(0.0) + ligne.nombrePart;
    }
    return comptes;
}

std::vector<movements::LigneDetail> LignesDetail(const Effets& effets) {
    std::vector<movements::LigneDetail> lignes;
    for (EffetAssocie effet : effets) {
        if (effet.pp) {
            movements::LigneDetail ligne{effet.idAssocie, {}, {}, {}, {}, {}, {}};
            Poser(ligne.ppAug, ligne.ppDim, *effet.pp);
            if (ligne.ppDim) Accompagner(effet.u, true, ligne.uAug) || Accompagner(effet.np, true, ligne.npAug);
            else Accompagner(effet.np, false, ligne.npDim) || Accompagner(effet.u, false, ligne.uDim);
            lignes.push_back(ligne);
        }
        for (auto [quantite, augmentation, diminution] :
             {std::tuple(effet.np, Colonne::NPAug, Colonne::NPDim), std::tuple(effet.u, Colonne::UAug, Colonne::UDim)}) {
            if (!quantite) continue;
            movements::LigneDetail ligne{effet.idAssocie, {}, {}, {}, {}, {}, {}};
            Poser(movements::Quantite(ligne, augmentation), movements::Quantite(ligne, diminution), *quantite);
            lignes.push_back(ligne);
        }
    }
    return lignes;
}

std::vector<cAssoNPU> Liens(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes) {
    std::vector<cAssoNPU> liens;
    if (mouvement.type == kAncienDemembrement) {
        double sommeNP = 0.0;
        for (const LigneAncienne& ligne : lignes)
            if (Sorte(ligne.typeParts) == kPartsNP) sommeNP += ligne.nombrePart;
        if (sommeNP == 0.0) return liens;  // no bare owner to stand behind
        for (const LigneAncienne& np : lignes) {
            if (Sorte(np.typeParts) != kPartsNP) continue;
            for (const LigneAncienne& u : lignes)
                if (Sorte(u.typeParts) == kPartsU)
                    liens.push_back({mouvement.autoID, np.idCessionnaire, u.idCessionnaire,
                                     Round(np.nombrePart * u.nombrePart / sommeNP, kDecimalesParts)});
        }
    } else if (mouvement.type == movements::kReconstitution) {
        for (const LigneAncienne& ligne : lignes)
            liens.push_back({mouvement.autoID, ligne.idCessionnaire, mouvement.idCedant, ligne.nombrePart});
    }
    return liens;
}

MouvementConverti ConvertirMouvement(const MouvementAncien& mouvement, const std::vector<LigneAncienne>& lignes) {
    MouvementConverti converti;
    converti.autoID = mouvement.autoID;
    converti.type = TypeCourant(mouvement.type);
    if (mouvement.idCedant != 0) converti.idCedant = mouvement.idCedant;
    converti.details = LignesDetail(EffetsMouvement(mouvement, lignes));
    converti.liens = Liens(mouvement, lignes);
    return converti;
}

}  // namespace kvarn::migration
