// The replacement of legal-category codes the nomenclature has withdrawn, as two migration steps.
//
// The old first-level codes 1100 to 1900 become 1000 (individual entrepreneur); the withdrawn codes
// 5498, 5720 and 6588 are cleared. Each step changes the company's code in the settings store,
// then, when the associates table exists, every associate's `CategorieJuridique`. Codes are
// compared without regard to case.
#pragma once

#include "db/session.hpp"
#include "environment/gest_trp_ini.hpp"

#include <string>
#include <string_view>

namespace kvarn::identification {

void RemplacerCategoriesPremierNiveau(environment::CGestTRPIni& parametres, db::Session& session);
void EffacerCategoriesRetirees(environment::CGestTRPIni& parametres, db::Session& session);

// The code to enter in place of a withdrawn one; empty when `code` is not withdrawn. The migration
// clears the last three rather than guess for a stored value; a person entering one is pointed to
// the current code of the same form.
std::string CategorieDeRemplacement(std::string_view code);

}  // namespace kvarn::identification
