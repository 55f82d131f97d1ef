#include "movements/lecture_mouvements.hpp"

#include "db/forward_reader.hpp"
#include "movements/composant_retabli.hpp"
#include "movements/operation_protegee.hpp"
#include "movements/table_details.hpp"
#include "movements/table_mouvements.hpp"

#include <optional>
#include <set>
#include <unordered_map>

namespace kvarn::movements {
namespace {

constexpr const char* kComposantMouvements = "tblMouvementPartsTraitement";
constexpr const char* kComposantDetails = "tblDetMouvPartsTraitement";

void AjouterDetailsLigne(const LigneDetail& ligne, std::set<cDetailMouvementParts>& ensemble) {
    for (const cDetailMouvementParts& detail : DecoderLigneDetail(ligne)) ensemble.insert(detail);
}

// Walks the dated movements in rank order, giving each its details. `enAvant`: the rows are read
// by a reader following the walk, in one statement, rather than searched one by one.
template <class DonnerDetails>
void ParcourirMouvements(store::TdmKvarn& module, ListeMouvParts& liste, bool enAvant, DonnerDetails&& donnerDetails) {
    db::CTable& mouvements = module.Donnees().Composant(kComposantMouvements);
    ComposantRetabli retabli(mouvements);
    mouvements.SetIndexName(module.Donnees().IndexTri);
    std::optional<db::ForwardReader> lecteur;
    if (enAvant) lecteur.emplace(mouvements, kChampsMouvement);
    int rang = 0;
    for (mouvements.First(); !mouvements.Eof(); mouvements.Next()) {
        std::optional<cMouvParts> mouvement = lecteur && lecteur->OnRow() ? LireMouvement(*lecteur) : LireMouvement(mouvements);
        if (!mouvement) continue;
        donnerDetails(*mouvement);
        liste.emplace(++rang, std::move(*mouvement));
    }
    lecteur.reset();
    retabli.Retablir();
}

}  // namespace

// The movements first, then each detail row straight into its movement's set: no set is built
// on the side and moved, and a row of an undated movement finds no movement and is left out.
void LireListeMouvParts(store::TdmKvarn& module, ListeMouvParts& liste) {
    std::unordered_map<int, cMouvParts*> parIdentifiant;
    ParcourirMouvements(module, liste, true, [](cMouvParts&) {});
    parIdentifiant.reserve(liste.size());
    for (auto& [rang, mouvement] : liste) parIdentifiant.emplace(mouvement.AutoID, &mouvement);
    ParcourirLignesDetail(module.Donnees().Session(), [&](int idMouvement, const LigneDetail& ligne) {
        if (const auto trouve = parIdentifiant.find(idMouvement); trouve != parIdentifiant.end())
            AjouterDetailsLigne(ligne, trouve->second->Details);
    });
}

void LireListeMouvPartsParLien(store::TdmKvarn& module, ListeMouvParts& liste) {
    db::CTable& details = module.Donnees().Composant(kComposantDetails);
    // Lent before the movements, so handed back after them: its row is one of its movement's.
    ComposantRetabli retabli(details);
    ParcourirMouvements(module, liste, false, [&](cMouvParts& mouvement) {
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
