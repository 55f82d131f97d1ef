#include "migration/structure_actions.hpp"

#include "db/statement.hpp"
#include "migration/pays_migres.hpp"
#include "migration/structure_table.hpp"
#include "store/migrations.hpp"
#include "store/schema.hpp"
#include "store/tables.hpp"

#include <map>
#include <vector>

namespace kvarn::migration {
namespace {

int Modifiees(db::Session& session) {
    db::Statement compte(session.connection().Handle(), "SELECT changes()");
    compte.Step();
    return static_cast<int>(compte.ColumnInteger(0));
}

struct AdresseAncienne {
    std::int64_t rowid;
    std::string pays, nomPatronymique, prenoms;
};

}  // namespace

void PaysDesAssocies(TableMigree& associes) {
    if (!associes.Champ("AdrPays") || !associes.Champ("AdrIDPays")) return;
    db::Session& session = associes.Session();
    std::vector<AdresseAncienne> lignes;
    {
        db::Statement lecture(session.connection().Handle(),
                              "SELECT rowid, AdrPays, COALESCE(NULLIF(NomPatronymique, ''), Nom), Prenoms FROM " +
                                  associes.Nom() + " WHERE TRIM(COALESCE(AdrPays, '')) <> '' ORDER BY rowid");
        while (lecture.Step())
            lignes.push_back({lecture.ColumnInteger(0), std::string(lecture.ColumnText(1)),
                              std::string(lecture.ColumnText(2)), std::string(lecture.ColumnText(3))});
    }
    // One question per text: the same unknown country is not asked again for every associate.
    std::map<std::string, std::optional<int>> choisis;
    db::Statement ecriture(session.connection().Handle(),
                           "UPDATE " + associes.Nom() + " SET AdrIDPays = ?1 WHERE rowid = ?2");
    for (const AdresseAncienne& ligne : lignes) {
        auto [place, nouveau] = choisis.try_emplace(ligne.pays);
        if (nouveau) place->second = IdPaysDeNom(ligne.pays, ligne.nomPatronymique, ligne.prenoms);
        if (place->second) ecriture.BindInteger(1, *place->second);
        else ecriture.BindNull(1);
        ecriture.BindInteger(2, ligne.rowid);
        ecriture.Run();
    }
    if (!lignes.empty())
        store::NoterChangement(associes.Nom() + " : AdrIDPays tiré de AdrPays pour " + std::to_string(lignes.size()) +
                               (lignes.size() > 1 ? " associés" : " associé"));
}

void DepartementEnCodePostal(TableMigree& associes) {
    if (!associes.Champ("DeptNaissance") || !associes.Champ("CPNaissance") || !associes.Champ("CodeInseeNaissance"))
        return;
    db::Session& session = associes.Session();
    session.connection().Execute("UPDATE " + associes.Nom() +
                                 " SET CPNaissance = DeptNaissance WHERE COALESCE(CPNaissance, '') = '' AND "
                                 "COALESCE(CodeInseeNaissance, '') = '' AND COALESCE(DeptNaissance, '') <> ''");
    if (const int n = Modifiees(session))
        store::NoterChangement(associes.Nom() + " : CPNaissance tiré de DeptNaissance pour " + std::to_string(n) +
                               (n > 1 ? " associés" : " associé"));
}

void CreerTablesDe106d(TableMigree& associes) {
    for (const char* nom : {"KOLMIKV3", "KOLMIKVS"})
        if (store::CreateTableIfMissing(associes.Session(), *store::FindTableSpec(nom)))
            store::NoterChangement(std::string("table ") + nom + " créée");
}

}  // namespace kvarn::migration
