// Reading what the exchange file is made of: the host's dossier record and settings file, the
// associates table KOLMIKV1 itself and the holdings file.
//
// The associates are read from a table of their own over KOLMIKV1 on its index "idxAssocies",
// every row, beneficiaries included, without the associates component's filter and calculated
// columns: the file counts the stored start-of-year shares. A dossier without that table gives no
// associate; a missing holdings file gives no holding, a damaged one is refused whole
// (host::FichierEnregistrementsEndommage).
#pragma once

#include "export/fichier_isa.hpp"
#include "store/data_module.hpp"

#include <kvarn/export_isa.hpp>

#include <vector>

namespace kvarn::exportisa {

std::vector<Associe> LireAssociesISA(store::TdmDonnees& donnees);

DonneesISA RecueillirDonneesISA(store::TdmDonnees& donnees, bool drapeau, const std::vector<ResultatExportISA>& resultats);

}  // namespace kvarn::exportisa
