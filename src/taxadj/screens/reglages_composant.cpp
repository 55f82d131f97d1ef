#include "taxadj/screens/reglages_composant.hpp"

namespace kvarn::taxadj {

ReglagesComposant::ReglagesComposant(db::CTable& table)
    : table_(table),
      evenements_(table),
      index_(table.IndexName()),
      filtre_(table.Filter()),
      filtre_actif_(table.Filtered()),
      ouvert_(table.Active()) {}

void ReglagesComposant::Restaurer() noexcept {
    if (restaure_) return;
    restaure_ = true;
    static_cast<db::DataSetEvents&>(table_) = evenements_;
    try {
        if (table_.State() == db::DataSetState::Edit || table_.State() == db::DataSetState::Insert) table_.Cancel();
        if (!ouvert_) table_.Close();
        table_.SetIndexName(index_);
        table_.SetFilter(filtre_);
        table_.SetFiltered(filtre_actif_);
    } catch (...) {
        try {
            table_.Close();
        } catch (...) {  // nothing more can be done for it; the screen's own error goes on
        }
    }
}

}  // namespace kvarn::taxadj
