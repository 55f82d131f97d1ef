// The standing filter of the associates table: which associates a use of the table sees.
//
// The quality term keeps the beneficiaries only (mode 0), everyone but them (mode 1), or says
// nothing (any other mode). On a dossier of category 8 (a company sharing means) the associates
// taxed as farmers or on property income are left out too. The year-end closing (loading mode 6)
// sees every associate. A caller's extra filter comes last, joined with " AND ". Pure: the
// caller passes the loading mode and the dossier's category.
#pragma once

#include <string>
#include <string_view>

namespace kvarn::store {

std::string TexteFiltreAssocies(int mode, int modeChargement, int categorie, std::string_view filtreSupplementaire);

}  // namespace kvarn::store
