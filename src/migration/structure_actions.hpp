// What structure steps do to the rows beside changing fields: the values a dropped field held
// carried into the field that replaces it, and the tables a release added.
#pragma once

namespace kvarn::migration {

class TableMigree;

// KOLMIKV1: AdrIDPays from the country names of AdrPays (pays_migres.hpp).
void PaysDesAssocies(TableMigree& associes);
// KOLMIKV1: the birth department into CPNaissance where it and CodeInseeNaissance are empty.
void DepartementEnCodePostal(TableMigree& associes);
// The tables of the deductions' shares and of the functions and capital in other companies,
// created in the current layout when missing.
void CreerTablesDe106d(TableMigree& associes);

}  // namespace kvarn::migration
