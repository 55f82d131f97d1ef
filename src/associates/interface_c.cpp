// The associates' C interface: the walks, the look-ups by key, the counts and the update, over
// the cached list of associates (liste_associes.hpp) and the associates table.
//
// Every function runs as execution_c.hpp says.
#include <kvarn/kvarn.h>

#include "associates/associe_c.hpp"
#include "associates/execution_c.hpp"
#include "associates/liste_associes.hpp"
#include "associates/table_associes.hpp"
#include "associates/vues_associes.hpp"
#include "frame/exports_proteges.hpp"

#include <cstdint>
#include <cstring>
#include <utility>

namespace kvarn::associates {
namespace {

enum Place : std::uint32_t {
    kPremier = 1,
    kSuivant,
    kPremierPM,
    kSuivantPM,
    kPremierPP,
    kSuivantPP,
    kPremierAyantPartsPP,
    kSuivantAyantPartsPP,
    kDonnerAssocie,
    kDonnerAssocieAyantPartsPP,
    kDonnerNbAssocies,
    kDonnerNbAssociesAyantPartsPP,
    kMAJAssocie,
};

template <class Operation>
bool Executer(Place place, Operation&& operation) {
    return ExecuterC(kUniteInterfaceC, place, std::forward<Operation>(operation));
}

struct Parcours {
    OrdreAssocies ListeAssocies::*ordre;
    std::size_t CurseursC::*curseur;
};

constexpr Parcours kTous{&ListeAssocies::ordreTous, &CurseursC::tous};
constexpr Parcours kMorales{&ListeAssocies::ordreMorales, &CurseursC::morales};
constexpr Parcours kPhysiques{&ListeAssocies::ordrePhysiques, &CurseursC::physiques};

// One step of a walk: the first step loads the list when needed and starts from its first key.
bool Avancer(store::TdmKvarn& module, const Parcours& parcours, bool premier, ASSOCIE_C& enregistrement) {
    EtatAssocies& etat = module.EtatDe<EtatAssocies>();
    const ListeAssocies& liste = premier ? ListeChargee(module, false) : etat.liste;
    std::size_t& curseur = etat.curseurs.*parcours.curseur;
    if (premier) curseur = 0;
    std::memset(&enregistrement, 0, sizeof enregistrement);
    const OrdreAssocies& ordre = liste.*parcours.ordre;
    if (curseur >= ordre.size()) return false;
    // Every key of an order is in the map of all associates; a key met twice is its first row.
    RemplirAssocieC(liste.tous.at(ordre[curseur]), enregistrement);
    ++curseur;
    return true;
}

bool Marcher(Place place, const Parcours& parcours, bool premier, ASSOCIE_C* enregistrement) {
    if (!enregistrement) return false;
    return Executer(place, [&](store::TdmKvarn& module) {
        return Avancer(module, parcours, premier, *enregistrement);
    });
}

// The all-associates walk, on to the next associate holding full ownership at year end.
bool MarcherAyantPartsPP(Place place, bool premier, ASSOCIE_C* enregistrement) {
    if (!enregistrement) return false;
    return Executer(place, [&](store::TdmKvarn& module) {
        for (bool pas = premier; Avancer(module, kTous, pas, *enregistrement); pas = false)
            if (enregistrement->NbPartsPPFinExo != 0) return true;
        return false;
    });
}

bool Remplir(store::TdmKvarn& module, int id, ASSOCIE_C& enregistrement, int* suivant) {
    std::memset(&enregistrement, 0, sizeof enregistrement);
    const Associe* associe = TrouverAssocie(module, id, suivant);
    if (!associe) return false;
    RemplirAssocieC(*associe, enregistrement);
    return true;
}

void Compter(const CarteAssocies& associes, std::uint16_t* total, std::uint16_t* physiques, std::uint16_t* morales) {
    std::uint16_t nbPhysiques = 0;
    for (const auto& [id, associe] : associes) nbPhysiques += associe.PersonnePhysique ? 1 : 0;
    if (total) *total = static_cast<std::uint16_t>(associes.size());
    if (physiques) *physiques = nbPhysiques;
    if (morales) *morales = static_cast<std::uint16_t>(associes.size() - nbPhysiques);
}

// The cached record takes what was written; a record that changed kind would sit in the wrong
// order of its kind, so the list is dropped instead and the next reader loads it again.
void RafraichirCache(store::TdmKvarn& module, const ASSOCIE_C& enregistrement, bool personnePhysique) {
    ListeAssocies& liste = module.EtatDe<EtatAssocies>().liste;
    const auto trouve = liste.tous.find(enregistrement.ShIDAssocie);
    if (trouve == liste.tous.end()) return;
    if (trouve->second.PersonnePhysique != personnePhysique) {
        DesinitListe(module);
        return;
    }
    trouve->second = FusionnerAssocieC(enregistrement, trouve->second);
}

bool MettreAJour(store::TdmKvarn& module, const ASSOCIE_C& enregistrement) {
    const store::AssociesOuverts ouverts(module, ModeOuvertureAssocies(module), "", "");
    db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    if (enregistrement.ShIDAssocie <= 0 || !table.Locate("SHIDASSOCIE", db::Value(int{enregistrement.ShIDAssocie})))
        return false;
    const Associe ecrit = FusionnerAssocieC(enregistrement, LireAssocieStocke(table));
    table.Edit();
    EcrireAssocieInterfaceC(table, ecrit);
    table.Post();
    RafraichirCache(module, enregistrement, ecrit.PersonnePhysique);
    return true;
}

}  // namespace
}  // namespace kvarn::associates

namespace as = kvarn::associates;

void KVOuvreAssocie_C(void) { InitKV(); }

void KVFermeAssocie_C(void) {
    DesinitListeAssocies();
    DesinitKV();
}

bool KVDonnePremierAssocie_C(ASSOCIE_C* a) { return as::Marcher(as::kPremier, as::kTous, true, a); }
bool KVDonneAssocieSuivant_C(ASSOCIE_C* a) { return as::Marcher(as::kSuivant, as::kTous, false, a); }
bool KVDonnePremierAssociePM_C(ASSOCIE_C* a) { return as::Marcher(as::kPremierPM, as::kMorales, true, a); }
bool KVDonneAssociePMSuivant_C(ASSOCIE_C* a) { return as::Marcher(as::kSuivantPM, as::kMorales, false, a); }
bool KVDonnePremierAssociePP_C(ASSOCIE_C* a) { return as::Marcher(as::kPremierPP, as::kPhysiques, true, a); }
bool KVDonneAssociePPSuivant_C(ASSOCIE_C* a) { return as::Marcher(as::kSuivantPP, as::kPhysiques, false, a); }
bool KVDonnePremierAssocieAyantPartsPP_C(ASSOCIE_C* a) { return as::MarcherAyantPartsPP(as::kPremierAyantPartsPP, true, a); }
bool KVDonneAssocieSuivantAyantPartsPP_C(ASSOCIE_C* a) {
    return as::MarcherAyantPartsPP(as::kSuivantAyantPartsPP, false, a);
}

bool KVDonnerAssocie_C(int32_t id, ASSOCIE_C* a, int32_t* suivant) {
    if (!a) return false;
    return as::Executer(as::kDonnerAssocie, [&](kvarn::store::TdmKvarn& module) {
        return as::Remplir(module, id, *a, suivant);
    });
}

bool KVDonnerAssocieAyantPartsPP_C(int32_t id, ASSOCIE_C* a, int32_t* suivant) {
    if (!a || !suivant) return false;
    return as::Executer(as::kDonnerAssocieAyantPartsPP, [&](kvarn::store::TdmKvarn& module) {
        bool rempli = as::Remplir(module, id, *a, suivant);
        while (rempli && a->NbPartsPPFinExo == 0) {
            if (*suivant == 0) return false;
            rempli = as::Remplir(module, *suivant, *a, suivant);
        }
        return rempli;
    });
}

void KVDonnerNbAssocies_C(uint16_t* total, uint16_t* physiques, uint16_t* morales) {
    for (uint16_t* compte : {total, physiques, morales})
        if (compte) *compte = 0;
    as::Executer(as::kDonnerNbAssocies, [&](kvarn::store::TdmKvarn& module) {
        as::Compter(as::ListeChargee(module, false).tous, total, physiques, morales);
        return true;
    });
}

void KVDonnerNbAssociesAyantPartsPP_C(uint16_t* total, uint16_t* physiques, uint16_t* morales) {
    for (uint16_t* compte : {total, physiques, morales})
        if (compte) *compte = 0;
    as::Executer(as::kDonnerNbAssociesAyantPartsPP, [&](kvarn::store::TdmKvarn& module) {
        CarteAssocies detenteurs;
        as::Filtrer(as::ListeRechargee(module, false).tous, as::Vue::NbPartsNonNull, detenteurs);
        as::Compter(detenteurs, total, physiques, morales);
        return true;
    });
}

bool KVMAJAssocie_C(const ASSOCIE_C* a) {
    if (!a) return false;
    return as::Executer(as::kMAJAssocie, [&](kvarn::store::TdmKvarn& module) { return as::MettreAJour(module, *a); });
}
