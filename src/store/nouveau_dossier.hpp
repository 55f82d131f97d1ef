// What a new dossier's directory receives from the module: its seven tables in the current
// layout, and the versions of the two migration chains recorded as the current ones, so that the
// first start-up takes it for what it is, a dossier in the current layout, and migrates nothing.
#pragma once

#include <filesystem>

namespace kvarn::store {

void InitialiserNouveauDossier(const std::filesystem::path& repertoire);

}  // namespace kvarn::store
