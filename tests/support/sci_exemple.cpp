#include "support/sci_exemple.hpp"

#include "common/dates.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"
#include "movements/codes_mouvement.hpp"
#include "movements/liste_en_cache.hpp"

#include <kvarn/accesseurs.hpp>
#include <kvarn/associe.hpp>
#include <kvarn/liste_associes.hpp>
#include <kvarn/mouvements.hpp>

#include <stdexcept>
#include <string>

namespace kvarn::testing_support {
namespace {

int Creer(bool physique, const char* nom, const char* prenoms, int qualite, int regime, double pp, double u,
          double np) {
    Associe associe;
    associe.PersonnePhysique = physique;
    associe.Titre = physique ? TAP_M : TAP_AUCUN;
    associe.Nom = nom;
    associe.Prenoms = prenoms;
    associe.Qualite = qualite;
    associe.RegimeImpositionSCI = regime;
    associe.Holding = !physique;
    associe.NbParts = pp;
    associe.NbPartsU = u;
    associe.NbPartsN = np;
    associe.Creer();
    return associe.ShIDAssocie;
}

// A day of the financial year's first calendar year.
double JourDeLExercice(int jour, int mois) {
    const double debut = GetDateDebEx();
    if (debut <= 0) throw std::logic_error("le dossier n'a pas d'exercice : les mouvements n'auraient pas de date");
    const int annee = DecodeDate(debut).year;
    if (const auto date = EncodeDate({annee, mois, jour})) return *date;
    throw std::logic_error("date hors calendrier");
}

int Mouvement(double date, int type, int cedant, std::set<cDetailMouvementParts> details) {
    KV_OuvrirMouvementsParts();
    const int id = KV_SauverMouvementsParts({date, cedant, 0, type, {}});
    for (const cDetailMouvementParts& detail : details) KV_SauverDetailMouvementsParts(detail, id);
    KV_FermerMouvementsParts();
    if (id == 0) throw std::runtime_error("mouvement refusé");
    return id;
}

void Lien(const cAssoNPU& lien) {
    KV_OuvrirAssoNPU();
    const int id = KV_SauverAssoNPU(lien);
    KV_FermerAssoNPU();
    if (id == 0) throw std::runtime_error("lien refusé");
}

}  // namespace

SciExemple CreerAssociesSciExemple() {
    SciExemple sci;
    sci.a = Creer(true, "ARNAUD", "Alice", QA_ASSOCIE, RIS_BIC, 500, 0, 0);
    sci.b = Creer(true, "BERNARD", "Bruno", QA_ASSOCIE, RIS_RF, 200, 0, 0);
    sci.h = Creer(false, "HOLDING H", "", QA_ASSOCIE, RIS_IS, 100, 0, 0);
    sci.j = Creer(true, "JOURDAN", "Jeanne", QA_ASSOCIE, RIS_RF, 0, 200, 0);
    sci.p = Creer(true, "PICARD", "Paul", QA_ASSOCIE, RIS_RF, 0, 0, 200);
    sci.beneficiaire = Creer(true, "BLANC", "Béatrice", QA_BENEFICIAIRE, RIS_AUCUN, 0, 0, 0);
    frame::Parametres().SetAssInteger(environment::kSectionKV, "NbParts", kNbPartsSciExemple);
    return sci;
}

void AjouterMouvementsSciExemple(const SciExemple& sci) {
    using namespace movements;
    Mouvement(JourDeLExercice(15, 6), kCessionPP, sci.a, {{sci.a, kPartsPP, -150}, {sci.h, kPartsPP, 150}});
    const int demembrement = Mouvement(JourDeLExercice(1, 10), kDemembrement, sci.b,
                                       {{sci.b, kPartsPP, -100}, {sci.b, kPartsNP, 100}, {sci.j, kPartsU, 100}});
    Lien({0, sci.p, sci.j, 200});
    Lien({demembrement, sci.b, sci.j, 100});
    // Whoever changes the movements drops the cached lists: appending a movement leaves them as
    // they were loaded (the associates' calculated columns load the movements' list).
    frame::DataModuleCree().EtatDe<movements::EtatMouvements>().listeChargee = false;
    DesinitListeAssocies();
}

SciExemple RemplirSciExemple() {
    const SciExemple sci = CreerAssociesSciExemple();
    AjouterMouvementsSciExemple(sci);
    return sci;
}

}  // namespace kvarn::testing_support
