// The replacement of legal-category codes the nomenclature has withdrawn, as two migration steps.
//
// The old first-level codes 1100 to 1900 become 1000 (individual entrepreneur); the withdrawn codes
// 5498, 5720 and 6588 are cleared. Each step changes the company's code in the settings store,
// then, when the associates table exists, every associate's `CategorieJuridique`. Codes are
// compared without regard to case.
#pragma once

#include "db/session.hpp"
#include "environment/gest_trp_ini.hpp"

namespace kvarn::identification {

void RemplacerCategoriesPremierNiveau(environment::CGestTRPIni& parametres, db::Session& session);
void EffacerCategoriesRetirees(environment::CGestTRPIni& parametres, db::Session& session);

}  // namespace kvarn::identification
