// NbPartsAssocies: which tax regimes hold end-of-year shares, over the associates table's rows.
//
// The rows are those the table shows: a caller already holding it (with its filter and order)
// gets its row back afterwards; otherwise the table is opened here with the list's standing
// filter, its calculated columns computed by the component's own handler, and closed again.
#include <kvarn/liste_associes.hpp>

#include "associates/liste_associes.hpp"
#include "associates/repartition.hpp"
#include "associates/table_associes.hpp"
#include "associates/vues_associes.hpp"
#include "frame/etat_module.hpp"
#include "frame/exports_proteges.hpp"
#include "host/barre.hpp"

#include <optional>

namespace kvarn::associates {
namespace {

RegimesDetenteurs CompterRegimes(db::CTable& table, host::CBarre* barre) {
    RegimesDetenteurs regimes;
    table.DisableControls();
    struct Reactiver {
        db::CTable& composant;
        ~Reactiver() { composant.EnableControls(); }
    } reactiver{table};
    table.First();
    if (barre) barre->SetMax(table.RecordCount());
    for (; !table.Eof(); table.Next()) {
        const PartsFinExercice fin = LirePartsFinExercice(table);
        const db::Field& regime = RegimeImpositionSCI(table);
        regimes.Compter(regime.IsNull() ? RIS_AUCUN : regime.AsInteger(), fin.pp, fin.u, fin.np);
        if (barre) barre->Avancer();
    }
    return regimes;
}

RegimesDetenteurs RegimesDuModule(store::TdmKvarn& module, host::CBarre* barre) {
    db::CTable& table = module.Donnees().Composant("tblAssociesKV");
    if (!table.Active()) {
        const store::AssociesOuverts ouverts(module, ModeOuvertureAssocies(module), "", "");
        module.RattacherCalculsAssocies();
        return CompterRegimes(table, barre);
    }
    const db::TBookmark place = table.GetBookmark();
    const RegimesDetenteurs regimes = CompterRegimes(table, barre);
    table.GotoBookmark(place);
    return regimes;
}

}  // namespace
}  // namespace kvarn::associates

double NbPartsAssocies(kvarn::host::CBarre* barre, bool& rf, bool& bicOuIs, bool& ba, bool& bnc) {
    rf = bicOuIs = ba = bnc = false;
    const kvarn::frame::CrochetInitKV crochet;
    const kvarn::associates::RegimesDetenteurs regimes =
        kvarn::associates::RegimesDuModule(kvarn::frame::DataModuleCree(), barre);
    rf = regimes.rf;
    bicOuIs = regimes.bicOuIs;
    ba = regimes.ba;
    bnc = regimes.bnc;
    return kvarn::associates::NbPartsDeclarees();
}
