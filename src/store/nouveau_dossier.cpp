#include "store/nouveau_dossier.hpp"

#include "db/session.hpp"
#include "environment/gest_trp_ini.hpp"
#include "store/migrations.hpp"
#include "store/tables.hpp"

namespace kvarn::store {

void InitialiserNouveauDossier(const std::filesystem::path& repertoire) {
    {
        db::Session session;
        session.OpenDossier(repertoire);
        CreateDossierTables(session);
    }
    environment::CGestTRPIni parametres(repertoire.string());
    parametres.SetAssInteger(kServiceStructure, kCleMigrations, static_cast<int>(kVersionStructureCourante));
    parametres.SetAssInteger(kServiceDonnees, kCleMigrations, static_cast<int>(kVersionDonneesCourante));
}

}  // namespace kvarn::store
