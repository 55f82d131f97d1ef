// Creating a dossier for both programs: the record, then the tables; a dossier that could not
// get its tables leaves no record behind, and what was in its directory stays.
#include "standalone/nouveau_dossier.hpp"

#include <gtest/gtest.h>

namespace kvarn::standalone {
namespace {

namespace fs = std::filesystem;

TEST(CreerNouveauDossier, GivesTheRecordAndTheTablesOrNothing) {
    const fs::path cree = fs::temp_directory_path() / "nouveau-cree";
    CreerNouveauDossier(cree, [](DossierFichier& d) { d.SetRaisonSociale("SARL Dupont"); });
    EXPECT_EQ(DossierFichier::Ouvrir(cree)->GetRaisonSociale(), "SARL Dupont");
    EXPECT_TRUE(fs::is_regular_file(cree / "kvarn.sqlite"));

    // A directory standing where the database goes: the tables cannot be made.
    const fs::path existant = fs::temp_directory_path() / "nouveau-refuse";
    fs::create_directories(existant / "kvarn.sqlite");
    EXPECT_ANY_THROW(CreerNouveauDossier(existant, [](DossierFichier& d) { d.SetRaisonSociale("SARL Martin"); }));
    EXPECT_FALSE(DossierFichier::Existe(existant));
    EXPECT_TRUE(fs::is_directory(existant / "kvarn.sqlite"));
}

}  // namespace
}  // namespace kvarn::standalone
