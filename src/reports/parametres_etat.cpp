// The exported functions that add the statement of miscellaneous items to a caller's report
// engine and free its parameters. Their errors are shown in the host's exception box with the data
// module's unit (1015), places 81 and 82; AjouterEtatDetailDivers then returns null.
#include <kvarn/etats.hpp>

#include "frame/exports_proteges.hpp"
#include "reports/etat_rapports.hpp"
#include "reports/fournisseur_divers.hpp"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

constexpr std::uint32_t kPlaceAjouter = 81;
constexpr std::uint32_t kPlaceSupprimer = 82;

char* Copie(const std::string& texte) {
    char* copie = static_cast<char*>(std::malloc(texte.size() + 1));
    if (!copie) throw std::bad_alloc();
    std::memcpy(copie, texte.c_str(), texte.size() + 1);
    return copie;
}

void Liberer(PARAMETRES_ETAT_DIVERS* bloc) {
    std::free(bloc->CriteresGED);
    std::free(bloc->NomDocGED);
    std::free(bloc);
}

}  // namespace

PARAMETRES_ETAT_DIVERS* AjouterEtatDetailDivers(CVrelMaker* maker, bool reintegrations, bool bic, bool ba, bool bnc,
                                                unsigned int copies, const std::string& criteres,
                                                const std::string& nomDocument) {
    using namespace kvarn;
    return frame::Proteger(store::kUniteDataModule, kPlaceAjouter, static_cast<PARAMETRES_ETAT_DIVERS*>(nullptr), [&] {
        if (!maker) throw std::invalid_argument("Aucun moteur d'états pour le détail des divers");
        store::TdmKvarn* module = &frame::DataModuleCree();
        std::unique_ptr<PARAMETRES_ETAT_DIVERS, void (*)(PARAMETRES_ETAT_DIVERS*)> bloc(
            static_cast<PARAMETRES_ETAT_DIVERS*>(std::calloc(1, sizeof(PARAMETRES_ETAT_DIVERS))), Liberer);
        if (!bloc) throw std::bad_alloc();
        *bloc = {reintegrations, bic, ba, bnc, copies, Copie(criteres), nullptr};
        bloc->NomDocGED = Copie(nomDocument);
        maker->AjouteEtat(reports::kFichierDetailDivers, reports::kNomDetailDivers, &reports::amKV(*module), bloc.get());
        return bloc.release();
    });
}

void SupprimerEtatDetailDivers(void* bloc) {
    kvarn::frame::Proteger(kvarn::store::kUniteDataModule, kPlaceSupprimer, [bloc] {
        if (bloc) Liberer(static_cast<PARAMETRES_ETAT_DIVERS*>(bloc));
    });
}
