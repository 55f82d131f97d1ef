#include "associates/repartition.hpp"

#include "common/nulls.hpp"
#include "common/rounding.hpp"
#include "environment/gest_trp_ini.hpp"
#include "frame/etat_module.hpp"

namespace kvarn::associates {
namespace {

bool Saisi(int saisi) { return saisi != NULL_ENTIER; }

}  // namespace

int NbPartsDeclarees() { return frame::Parametres().GetAssInteger(environment::kSectionKV, "NbParts", 0); }

PartsFinExercice DetentionFinExercice(const Associe& associe) {
    return {associe.NbPartsPPFinExo, associe.NbPartsUFinExo, associe.NbPartsNPFinExo};
}

long PartProportionnelle(double montant, double parts, int n) { return lArrond(montant * parts / n); }

double PartsExploitation(long montant, const PartsFinExercice& detention) {
    return detention.pp + (montant < 0 ? detention.np : detention.u);
}

long PartExploitation(long montant, const PartsFinExercice& detention, int n) {
    return PartProportionnelle(static_cast<double>(montant), PartsExploitation(montant, detention), n);
}

long PartAbandons(long abandons, const PartsFinExercice& detention, int n) {
    return PartProportionnelle(static_cast<double>(abandons), detention.pp + detention.u, n);
}

int BeneficeCalc(int resultat, int saisi, const PartsFinExercice& detention, int n) {
    const long part = Saisi(saisi) ? saisi : n != 0 ? PartProportionnelle(resultat, detention.pp, n) : 0;
    return part < 0 ? 0 : static_cast<int>(part);
}

int DeficitCalc(int resultat, int saisi, const PartsFinExercice& detention, int n) {
    const long part = Saisi(saisi) ? saisi : n != 0 ? PartProportionnelle(resultat, detention.pp, n) : 0;
    return part > 0 ? 0 : static_cast<int>(part);
}

int PVLTCalc(int pvlt, int saisi, const PartsFinExercice& detention, int n) {
    if (Saisi(saisi)) return saisi;
    if (n == 0 || pvlt == NULL_ENTIER) return 0;
    return static_cast<int>(static_cast<double>(pvlt) * detention.pp / n);  // toward zero
}

long ResultatExploitationCalc(long montant, int saisi, const PartsFinExercice& detention, int n) {
    if (Saisi(saisi)) return saisi;
    return n != 0 ? PartExploitation(montant, detention, n) : 0;
}

long AbandonsLoyersCalc(long abandons, int saisi, const PartsFinExercice& detention, int n) {
    if (Saisi(saisi)) return saisi;
    return n != 0 ? PartAbandons(abandons, detention, n) : 0;
}

bool AfficheBICBA(int qualite, int regime, const PartsFinExercice& detention) {
    return qualite != QA_BENEFICIAIRE && regime != RIS_RF && regime != RIS_BNC &&
           (detention.pp > 0 || detention.u > 0 || detention.np > 0);
}

}  // namespace kvarn::associates
