// The dossier's references at the tax office as two screens take them (general numbers,
// administrative data): the FRP number in three parts ("frp-sie", the tax office's code, letters
// and digits; "frp-dossier", the file number; "frp-cle", its key), the service code or IFU
// ("code-service") and the CDI ("cdi"), digits otherwise. They live in the dossier's
// administrative record (tagDONNEES_ADM), whose other members the screens leave as they are.
//
// The tax office's code is taken on three characters, the width the record keeps: a longer entry
// would be cut when written.
#pragma once

#include "frame/screens/screen.hpp"
#include "identification/screens/ecran_identification.hpp"

#include <kvarn/kvarn.h>

#include <string>
#include <utility>
#include <vector>

namespace kvarn::identification {

struct ChampReference {
    frame::Field field;
    GenreSaisie genre;
};

// In display order.
std::vector<ChampReference> ChampsReferencesFiscales();
std::vector<std::pair<std::string, std::string>> ValeursReferencesFiscales(const tagDONNEES_ADM& donnees);
// `donnees` with the references taken from the screen's fields.
void LireReferencesFiscales(const frame::Screen& ecran, tagDONNEES_ADM& donnees);

}  // namespace kvarn::identification
