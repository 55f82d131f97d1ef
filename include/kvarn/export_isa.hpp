// The exchange file that the accounting package ISACOMPTA imports.
//
// GenererFichierEGE_ISA writes the open dossier's standing data (identification, addresses, tax
// references, associates and their shares, declaration data, the companies the dossier holds
// shares in) into the file at `chemin`, ending with a report of the financial years the caller
// exported, given in `resultats`. The file is written complete beside its target under a
// temporary name and renamed over it: a failed export leaves no file, and never a truncated one
// the importer would take. True when the file is written; on failure the error is shown in the
// host's exception box and nothing is left at `chemin` (a file already there is untouched).
#pragma once

#include <kvarn/kvarn.h>

#include <string>
#include <vector>

// The outcome of one financial year's export, as the report states it.
struct ResultatExportISA {
    double DateDebut = 0;  // day counts from 30 December 1899
    double DateFin = 0;
    std::vector<std::string> Elements;  // what was exported ("Données permanentes", ...)
    bool Reussi = false;
};

// `drapeau` is written as the file's first value (DOISA.FLZORRIMM, 1 or 0).
KVARN_EXPORT bool GenererFichierEGE_ISA(const std::string& chemin, bool drapeau,
                                        const std::vector<ResultatExportISA>& resultats);
