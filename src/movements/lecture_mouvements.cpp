#include "movements/lecture_mouvements.hpp"

#include "movements/composant_retabli.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/table_details.hpp"
#include "movements/table_mouvements.hpp"

#include <set>
#include <unordered_map>

namespace kvarn::movements {
namespace {

constexpr const char* kComposantMouvements = "tblMouvementPartsTraitement";
constexpr const char* kComposantDetails = "tblDetMouvPartsTraitement";

void AjouterDetailsLigne(const LigneDetail& ligne, std::set<cDetailMouvementParts>& ensemble) {
    for (const cDetailMouvementParts& detail : DecoderLigneDetail(ligne)) ensemble.insert(detail);
}

// Every detail row of the table, by movement. A movement's details are a set: the order its rows
// come in changes nothing.
std::unordered_map<int, std::set<cDetailMouvementParts>> DetailsParMouvement(store::TdmKvarn& module) {
    std::unordered_map<int, std::set<cDetailMouvementParts>> parMouvement;
    ParcourirLignesDetail(module.Donnees().Session(), [&](int idMouvement, const LigneDetail& ligne) {
        AjouterDetailsLigne(ligne, parMouvement[idMouvement]);
    });
    return parMouvement;
}

// Walks the dated movements in rank order, giving each its details.
template <class DonnerDetails>
void ParcourirMouvements(store::TdmKvarn& module, ListeMouvParts& liste, DonnerDetails&& donnerDetails) {
    db::CTable& mouvements = module.Donnees().Composant(kComposantMouvements);
    ComposantRetabli retabli(mouvements);
    mouvements.SetIndexName(module.Donnees().IndexTri);
    int rang = 0;
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
        std::optional<cMouvParts> mouvement = LireMouvement(mouvements);
        if (!mouvement) continue;
        donnerDetails(*mouvement);
        liste.emplace(++rang, std::move(*mouvement));
    }
    retabli.Retablir();
}

}  // namespace

void LireListeMouvParts(store::TdmKvarn& module, ListeMouvParts& liste) {
    std::unordered_map<int, std::set<cDetailMouvementParts>> details = DetailsParMouvement(module);
    ParcourirMouvements(module, liste, [&](cMouvParts& mouvement) {
        if (const auto trouves = details.find(mouvement.AutoID); trouves != details.end())
            mouvement.Details = std::move(trouves->second);
    });
}

void LireListeMouvPartsParLien(store::TdmKvarn& module, ListeMouvParts& liste) {
    db::CTable& details = module.Donnees().Composant(kComposantDetails);
    // Lent before the movements, so handed back after them: its row is one of its movement's.
    ComposantRetabli retabli(details);
    ParcourirMouvements(module, liste, [&](cMouvParts& mouvement) {
        const ColonnesDetail colonnes(details);
        for (details.First(); !details.Eof(); details.Next()) AjouterDetailsLigne(colonnes.Lire(), mouvement.Details);
    });
    retabli.Retablir();
}

bool RecupererListe(store::TdmKvarn& module, ListeMouvParts& liste) {
    return Proteger(Place::RecupererListeMouvParts, [&] { LireListeMouvParts(module, liste); });
}

}  // namespace kvarn::movements

ListeMouvParts RecupererListeMouvParts() {
    ListeMouvParts liste;
    namespace mv = kvarn::movements;
    mv::ExecuterExporte(mv::Place::RecupererListeMouvParts,
                        [&](kvarn::store::TdmKvarn& module) { mv::LireListeMouvParts(module, liste); });
    return liste;
}
