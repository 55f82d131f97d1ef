// Appending one row to a component: filled, posted, and its new key returned. A row whose filling
// or posting fails is dropped, never left pending for the component's next move to post.
#pragma once

#include "db/table.hpp"

namespace kvarn::movements {

template <class Remplir>
int AjouterLigne(db::CTable& table, Remplir&& remplir) {
    table.Append();
    try {
        remplir(table);
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
    return table.FieldByName("AutoID").AsInteger();
}

}  // namespace kvarn::movements
