// The exported functions of the list of associates, on the module-wide data module and inside the
// InitKV bracket; an error reaches the caller (liste_associes.hpp).
#include <kvarn/liste_associes.hpp>

#include "associates/liste_associes.hpp"
#include "frame/exports_proteges.hpp"

namespace {

template <class Lecture>
auto SurLeModule(Lecture&& lecture) {
    const kvarn::frame::CrochetInitKV crochet;
    return lecture(kvarn::frame::DataModuleCree());
}

}  // namespace

bool InitListeAssocies(bool triRaisonSociale) {
    SurLeModule([&](kvarn::store::TdmKvarn& module) { kvarn::associates::InitListe(module, triRaisonSociale); });
    return true;
}

void DesinitListeAssocies() {
    if (kvarn::store::TdmKvarn* module = kvarn::frame::DataModule()) kvarn::associates::DesinitListe(*module);
}

CarteAssocies* DonnerListeAssocies(bool triRaisonSociale) {
    return SurLeModule([&](kvarn::store::TdmKvarn& module) {
        return &kvarn::associates::ListeChargee(module, triRaisonSociale).tous;
    });
}

OrdreAssocies* DonnerOrdreAssocies(bool triRaisonSociale) {
    return SurLeModule([&](kvarn::store::TdmKvarn& module) {
        return &kvarn::associates::ListeChargee(module, triRaisonSociale).ordreTous;
    });
}

Associe* DonnerAssocie(int idAssocie, int* suivant) {
    return SurLeModule([&](kvarn::store::TdmKvarn& module) {
        return kvarn::associates::TrouverAssocie(module, idAssocie, suivant);
    });
}
