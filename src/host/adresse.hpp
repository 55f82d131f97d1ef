// The host's address records, as the module names them inside.
//
// The records themselves belong to the exported interface (other programs fill and read them
// through the accessors), so they are defined once in <kvarn/adresse.hpp>; the host declarations
// and the module use them under these names. The country defaults to France (76,
// PAYS_FRANCE).
#pragma once

#include <kvarn/adresse.hpp>

namespace kvarn::host {

using ::CAdresse;
using ::TAdresseFormatTDFC;

}  // namespace kvarn::host
