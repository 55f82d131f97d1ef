#include "associates/liste_associes.hpp"

#include "associates/calculs_liste.hpp"
#include "associates/table_associes.hpp"
#include "db/dataset_events.hpp"

namespace kvarn::associates {
namespace {

constexpr const char* kIndexAssocies = "idxAssocies";
constexpr const char* kIndexRaisonSociale = "idxRaisonSociale";

// Whoever loads in mode 5 shows the beneficiaries too; everyone else leaves them out.
constexpr int kTousLesAssocies = 2;
constexpr int kSaufBeneficiaires = 1;

PartsFinExercice FinExercice(const EtapeFinExercice& etape, const Associe& membres) {
    if (etape) return etape(membres);
    return {membres.NbParts, membres.NbPartsU, membres.NbPartsN};  // no movement known
}

// The step of this walk: the one prepared for many associates when there is one.
EtapeFinExercice EtapeDuParcours(const EtatAssocies& etat) {
    return etat.preparerFinExercice ? etat.preparerFinExercice() : etat.etapeFinExercice;
}

Associe LireDansListe(db::CTable& table, const LecteurAssocie& lecteur, const EtatAssocies& etat,
                      const EtapeFinExercice& etape, double totalPPFin) {
    Associe associe = lecteur.Lire();
    // The start-of-year shares whatever the quality: a beneficiary's percentage counts them too,
    // and only a beneficiary's record lacks them.
    const PartsFinExercice fin = associe.Qualite == QA_BENEFICIAIRE ? FinExercice(etape, LireMembresCalcules(table))
                                                                    : FinExercice(etape, associe);
    if (associe.Qualite != QA_BENEFICIAIRE) {
        associe.NbPartsPPFinExo = fin.pp;
        associe.NbPartsUFinExo = fin.u;
        associe.NbPartsNPFinExo = fin.np;
    }
    associe.PourcentageDetention = PourcentageDetention(fin.pp, totalPPFin);
    associe.ConcerneExercice = ConcerneExercice(
        associe, [&](int id) { return etat.acquiertDesParts && etat.acquiertDesParts(id); });
    return associe;
}

}  // namespace

PartsFinExercice FinExercice(const EtatAssocies& etat, const Associe& membres) {
    return FinExercice(etat.etapeFinExercice, membres);
}

void ListeAssocies::Vider() { *this = ListeAssocies(); }

void ListeAssocies::Ajouter(Associe associe) {
    const int id = associe.ShIDAssocie;
    ordreTous.push_back(id);
    (associe.PersonnePhysique ? ordrePhysiques : ordreMorales).push_back(id);
    tous.emplace(id, std::move(associe));
}

int ModeOuvertureAssocies(const store::TdmKvarn& module) {
    return module.ModeChargement() == store::kModeAvecBeneficiaires ? kTousLesAssocies : kSaufBeneficiaires;
}

void InitListe(store::TdmKvarn& module, bool triRaisonSociale) {
    EtatAssocies& etat = module.EtatDe<EtatAssocies>();
    etat.liste.Vider();
    const store::AssociesOuverts ouverts(module, ModeOuvertureAssocies(module), triRaisonSociale ? kIndexRaisonSociale : kIndexAssocies, "");
    const double totalPPFin = etat.calculerPositions ? etat.calculerPositions() : 0.0;
    db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    // The end-of-year shares are computed here once per row; the handler would compute them again.
    const db::CalcFieldsSuspended suspendu(table);
    const LecteurAssocie lecteur(table, LecteurAssocie::Membres::Tous);
    const EtapeFinExercice etape = EtapeDuParcours(etat);
    ListeAssocies liste;
    for (table.First(); !table.Eof(); table.Next())
        liste.Ajouter(LireDansListe(table, lecteur, etat, etape, totalPPFin));
    liste.chargee = true;
    etat.liste = std::move(liste);
}

void DesinitListe(store::TdmKvarn& module) { module.EtatDe<EtatAssocies>().liste.Vider(); }

ListeAssocies& ListeChargee(store::TdmKvarn& module, bool triRaisonSociale) {
    EtatAssocies& etat = module.EtatDe<EtatAssocies>();
    if (!etat.liste.chargee) InitListe(module, triRaisonSociale);
    return etat.liste;
}

ListeAssocies& ListeRechargee(store::TdmKvarn& module, bool triRaisonSociale) {
    InitListe(module, triRaisonSociale);
    return module.EtatDe<EtatAssocies>().liste;
}

Associe* TrouverAssocie(store::TdmKvarn& module, int idAssocie, int* suivant) {
    if (suivant) *suivant = 0;
    ListeAssocies& liste = ListeChargee(module, false);
    const auto trouve = liste.tous.find(idAssocie);
    if (trouve == liste.tous.end()) return nullptr;
    if (suivant) *suivant = Successeur(liste.ordreTous, idAssocie);
    return &trouve->second;
}

}  // namespace kvarn::associates

