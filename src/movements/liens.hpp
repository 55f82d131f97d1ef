// The links component tblAssoNPU opened on the whole of KOLMIKVA: whatever index or master link
// a screen gave it is taken off first. Whoever opens it this way closes it.
#pragma once

#include "db/table.hpp"
#include "store/data_module.hpp"

namespace kvarn::movements {

db::CTable& OuvrirLiens(store::TdmKvarn& module);

}  // namespace kvarn::movements
