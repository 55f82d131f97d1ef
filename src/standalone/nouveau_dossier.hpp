// Creating a dossier, the one way both programs do it: the dossier record with the values the
// user gave (DossierFichier::Creer), then what the module puts in a new dossier's directory, its
// tables and the versions of its migration chains (store::InitialiserNouveauDossier).
#pragma once

#include "standalone/dossier_fichier.hpp"

#include <filesystem>

namespace kvarn::standalone {

// Throws what either step refused; a dossier that could not be completed leaves nothing behind:
// the directory when this call made it, else the record it wrote.
void CreerNouveauDossier(const std::filesystem::path& repertoire, const DossierFichier::Changements& valeurs);

}  // namespace kvarn::standalone
