#include "associates/colonnes_resultats.hpp"

#include "associates/liste_associes.hpp"
#include "associates/repartition.hpp"
#include "common/nulls.hpp"
#include "common/text.hpp"

#include <optional>

namespace kvarn::associates {
namespace {

std::optional<long> Positif(long valeur) { return valeur > 0 ? std::optional<long>(valeur) : std::nullopt; }

void CalculerParts(ColonnesResultats& c, const Associe& ligne, const Associe& associe,
                   const MontantsRepartition& m, int n) {
    c.resultatTotal = m.resultat;
    c.resultatBICTotal = m.bic;
    c.resultatBATotal = m.ba;
    c.abandonsTotal = m.abandons;
    if (m.pvlt != NULL_ENTIER) c.pvltTotal = m.pvlt;
    const PartsFinExercice detention = DetentionFinExercice(associe);
    if (n != 0) {
        c.resultat = PartProportionnelle(m.resultat, detention.pp, n);
        c.resultatBIC = PartExploitation(m.bic, detention, n);
        c.resultatBA = PartExploitation(m.ba, detention, n);
        c.abandons = PartAbandons(m.abandons, detention, n);
        // An unknown gain counts as none.
        c.pvlt = PartProportionnelle(static_cast<double>(c.pvltTotal.value_or(0)), detention.pp, n);
    }
    c.benefice = Positif(BeneficeCalc(m.resultat, ligne.BeneficeSaisi, detention, n));
    c.deficit = Positif(-static_cast<long>(DeficitCalc(m.resultat, ligne.BeneficeSaisi, detention, n)));
    c.pvltAssocie = Positif(PVLTCalc(m.pvlt, ligne.PVLTSaisi, detention, n));
}

}  // namespace

MontantsRepartition DemanderMontants(const EtatAssocies& etat, const Associe& associe) {
    MontantsRepartition m;
    if (etat.calculResultat) etat.calculResultat(associe, m.resultat, m.pvlt, m.autre);
    if (etat.calculBICBA) etat.calculBICBA(associe, m.bic, m.ba, m.abandons);
    return m;
}

ColonnesResultats CalculerColonnesResultats(const Associe& ligne, const PartsFinExercice& fin,
                                            const Associe* associe, const MontantsRepartition& montants, int n) {
    ColonnesResultats c;
    c.denomination = Trim(ligne.Nom + " " + ligne.Prenoms);
    c.fin = fin;
    c.nbPartsCalc = fin.pp + fin.np;
    if (associe) CalculerParts(c, ligne, *associe, montants, n);
    return c;
}

void AttacherGestionnairesResultats(store::TdmKvarn& module) {
    db::CTable& vue = module.Donnees().Composant(kVueResultats);
    vue.OnCalcFields = [&module](db::CTable& table) {
        const Associe ligne = LireLigneResultats(table);
        EtatAssocies& etat = module.EtatDe<EtatAssocies>();
        const PartsFinExercice fin = FinExercice(etat, ligne);
        const Associe* associe = TrouverAssocie(module, ligne.ShIDAssocie, nullptr);
        const MontantsRepartition montants = associe ? DemanderMontants(etat, *associe) : MontantsRepartition{};
        EcrireColonnesResultats(table, CalculerColonnesResultats(ligne, fin, associe, montants, NbPartsDeclarees()));
    };
    AttacherTextesResultats(vue);
}

}  // namespace kvarn::associates
