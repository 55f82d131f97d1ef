#include "movements/composant_retabli.hpp"

#include <utility>

namespace kvarn::movements {

ComposantRetabli::ComposantRetabli(db::CTable& table)
    : table_(table), ouvert_(table.Active()), index_(table.IndexName()), calcul_(std::move(table.OnCalcFields)) {
    table_.OnCalcFields = nullptr;
    if (ouvert_) signet_ = table_.GetBookmark();
    table_.DisableControls();
    try {
        if (!ouvert_) table_.Open();
    } catch (...) {
        Retablir();
        throw;
    }
}

ComposantRetabli::~ComposantRetabli() {
    if (rendu_) return;
    try {
        Retablir();
    } catch (...) {  // an error is already leaving the walk; it is the one to show
    }
}

void ComposantRetabli::Retablir() {
    if (rendu_) return;
    rendu_ = true;
    // The handler first, so that the row returned to has its calculated fields again.
    table_.OnCalcFields = std::move(calcul_);
    table_.EnableControls();
    if (!ouvert_) {
        table_.Close();
        table_.SetIndexName(index_);
        return;
    }
    table_.SetIndexName(index_);
    if (table_.BookmarkValid(signet_)) table_.GotoBookmark(signet_);
}

}  // namespace kvarn::movements

