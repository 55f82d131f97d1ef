// The structure chain on dossiers of every older release: the tables end in the current layout
// (names, types, widths, indexes), the values are carried, what a step drops is in
// AnciennesValeurs, and a second start-up changes nothing; a step failing before its COMMIT leaves
// the dossier as it was, one cut after it is finished by the next opening.
#include "db/catalogue.hpp"
#include "db/field_codec.hpp"
#include "db/field_value.hpp"
#include "db/pending_files.hpp"
#include "db/session.hpp"
#include "db/statement.hpp"
#include "host/pays.hpp"
#include "migration/anciennes_valeurs.hpp"
#include "migration/etapes_structure.hpp"
#include "store/data_module.hpp"
#include "store/migrations.hpp"
#include "store/schema.hpp"
#include "support/child.hpp"
#include "support/dossier_ancien.hpp"
#include "support/dossier_ouvert.hpp"
#include "support/files.hpp"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace kvarn::migration {
namespace {

using testing_support::VersionAncienne;

// Every table's rows as text, and the settings file: what a start-up may have changed.
std::string Vidage(const std::filesystem::path& dir) {
    db::Session session;
    session.OpenDossier(dir);
    std::string texte;
    db::Statement tables(session.connection().Handle(),
                         "SELECT name, sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY name");
    std::vector<std::string> noms;
    while (tables.Step()) {
        noms.emplace_back(tables.ColumnText(0));
        texte += std::string(tables.ColumnText(1)) + "\n";
    }
    for (const std::string& nom : noms) {
        if (!session.TableExists(db::ALIAS_DOSSIER, nom)) continue;
        db::Statement lignes(session.connection().Handle(), "SELECT * FROM \"" + nom + "\" ORDER BY rowid");
        while (lignes.Step())
            for (int c = 0; c < lignes.ColumnCount(); ++c)
                texte += std::string(lignes.ColumnIsNull(c) ? "∅" : lignes.ColumnText(c)) + (c + 1 < lignes.ColumnCount() ? "|" : "\n");
    }
    const auto parametres = dir / "KOLMI$$G.dat";
    return texte + (std::filesystem::exists(parametres) ? testing_support::ReadBytes(parametres) : "");
}

class Ancien : public testing_support::DossierOuvert {
protected:
    // One start-up running the structure chain alone (and the table copy).
    store::RapportMigration Demarrer() {
        store::TdmKvarn module;
        module.Migrations() = {};
        EnregistrerEtapesStructure(module.Migrations());
        module.DemarrerDossier();
        return module.DernierRapportMigration();
    }
};

class Versions : public Ancien, public testing::WithParamInterface<std::tuple<VersionAncienne, bool>> {
protected:
    const VersionAncienne& Version() const { return std::get<0>(GetParam()); }
    void SetUp() override {
        Ancien::SetUp();
        testing_support::CreerDossierAncien(dir_, Version(), std::get<1>(GetParam()));
    }
};

std::string Decrire(const db::FieldDef& champ) {
    return champ.name + " " + db::TypeLabel(champ.type) + " " + std::to_string(champ.size);
}

// What each older field held and became: the value the current form holds (nullopt: null), and
// what AnciennesValeurs keeps ({row, field} → {value, step}).
struct Attendu {
    std::map<std::pair<int, std::string>, std::optional<std::string>> valeurs;
    std::map<std::pair<int, std::string>, std::pair<std::string, std::int64_t>> conservees;
};

Attendu Attendre(std::uint32_t version) {
    Attendu attendu;
    const std::vector<db::FieldDef> avant = testing_support::ChampsAssociesEn(version);
    const db::TableDef courant = store::StoredDefinition(*store::FindTableSpec("KOLMIKV1"));
    const auto dans = [](const std::vector<db::FieldDef>& champs, const std::string& nom) -> const db::FieldDef* {
        for (const db::FieldDef& champ : champs)
            if (champ.name == nom) return &champ;
        return nullptr;
    };
    // The step that ends the older form held at `version` (a change), or the field's last (a drop).
    const auto fin = [&](const std::string& nom, bool abandonne) {
        std::int64_t derniere = 0;
        for (const testing_support::FormeAncienne& forme : testing_support::FormesAnciennes())
            if (nom == forme.champ && (abandonne || (forme.depuis <= version && version < forme.jusqua)))
                derniere = std::max<std::int64_t>(derniere, forme.jusqua);
        return derniere;
    };
    const auto& associes = testing_support::AssociesAnciens();
    for (int ligne = 1; ligne <= static_cast<int>(associes.size()); ++ligne) {
        for (const auto& [nom, valeur] : associes[static_cast<std::size_t>(ligne - 1)]) {
            const db::FieldDef* ancien = dans(avant, nom);
            if (!ancien || valeur.IsNull()) continue;
            db::Value tenue;
            try {
                tenue = db::ToFieldValue(*ancien, valeur);
            } catch (const std::exception&) {
                continue;  // never written
            }
            if (tenue.IsNull()) continue;
            const std::string texte = db::ReadAsString(*ancien, tenue);
            const db::FieldDef* nouveau = dans(courant.fields, nom);
            if (!nouveau) {
                attendu.conservees[{ligne, nom}] = {texte, fin(nom, true)};
                continue;
            }
            try {
                attendu.valeurs[{ligne, nom}] = db::ReadAsString(*nouveau, db::ToFieldValue(*nouveau, tenue));
            } catch (const std::exception&) {
                attendu.conservees[{ligne, nom}] = {texte, fin(nom, false)};
            }
        }
    }
    // Carried from a dropped field into its successor.
    if (version < 0x10404) {
        attendu.valeurs[{1, "AdrIDPays"}] = std::to_string(host::TListePays::TrouverCodeIso("BE")->id);
        attendu.valeurs[{2, "AdrIDPays"}] = std::to_string(host::TListePays::TrouverCodeIso("DE")->id);
    }
    if (version >= 0x10518 && version < 0x11502) attendu.valeurs[{1, "CPNaissance"}] = "33";
    return attendu;
}

TEST_P(Versions, ReachTheCurrentLayoutKeepingEveryValueOnce) {
    const store::RapportMigration rapport = Demarrer();
    ASSERT_FALSE(rapport.echec) << rapport.echec->Texte();
    EXPECT_EQ(rapport.apres.structure, store::kVersionStructureCourante);
    const std::string apres = Vidage(dir_);
    EXPECT_TRUE(Demarrer().etapes.empty());
    EXPECT_EQ(Vidage(dir_), apres);

    db::Session session;
    session.OpenDossier(dir_);
    db::Connection& connexion = session.connection();
    for (const store::TableSpec& spec : store::PermanentTables()) {
        const db::TableDef attendu = store::StoredDefinition(spec);
        const auto nom = session.FindTable(db::ALIAS_DOSSIER, spec.name);
        ASSERT_TRUE(nom) << spec.name;
        std::set<std::string> presents, voulus;
        for (const db::FieldDef& champ : db::ReadFields(connexion, "main", *nom)) presents.insert(Decrire(champ));
        for (const db::FieldDef& champ : attendu.fields) voulus.insert(Decrire(champ));
        // The older movement model's columns go with its data steps, not with the structure.
        if (std::string_view(spec.name) == "KOLMIKVM") presents.erase(Decrire({"PartsCedees", db::FieldType::Number, 0}));
        EXPECT_EQ(presents, voulus) << spec.name;
        std::set<std::string> index, indexVoulus;
        for (const db::IndexDef& i : db::ReadIndexes(connexion, "main", *nom)) index.insert(i.name);
        for (const db::IndexDef& i : attendu.indexes) indexVoulus.insert(i.name);
        EXPECT_EQ(index, indexVoulus) << spec.name;
    }

    const Attendu attendu = Attendre(Version().structure);
    const db::TableDef associes = store::StoredDefinition(*store::FindTableSpec("KOLMIKV1"));
    db::Statement lecture(connexion.Handle(), "SELECT * FROM KOLMIKV1 ORDER BY ShIDAssocie");
    for (int ligne = 1; lecture.Step(); ++ligne) {
        for (int c = 0; c < lecture.ColumnCount(); ++c) {
            const std::string nom(sqlite3_column_name(lecture.Handle(), c));
            const auto champ = std::find_if(associes.fields.begin(), associes.fields.end(),
                                            [&](const db::FieldDef& f) { return f.name == nom; });
            ASSERT_NE(champ, associes.fields.end()) << nom;
            if (champ->type == db::FieldType::AutoInc) continue;
            const db::Value lue = db::ReadStored(lecture, c, *champ);
            const auto trouve = attendu.valeurs.find({ligne, nom});
            const std::optional<std::string> voulue = trouve == attendu.valeurs.end() ? std::nullopt : trouve->second;
            EXPECT_EQ(lue.IsNull() ? std::nullopt : std::optional(db::ReadAsString(*champ, lue)), voulue)
                << "associé " << ligne << ", " << nom;
        }
    }
    std::map<std::pair<int, std::string>, std::pair<std::string, std::int64_t>> conservees;
    if (session.TableExists(db::ALIAS_DOSSIER, kTableAnciennesValeurs)) {
        db::Statement anciennes(connexion.Handle(), "SELECT NomTable, Cle, Champ, Valeur, Etape FROM AnciennesValeurs");
        while (anciennes.Step()) {
            EXPECT_EQ(anciennes.ColumnText(0), "KOLMIKV1");
            conservees[{static_cast<int>(anciennes.ColumnInteger(1)), std::string(anciennes.ColumnText(2))}] = {
                std::string(anciennes.ColumnText(3)), anciennes.ColumnInteger(4)};
        }
    }
    EXPECT_EQ(conservees, attendu.conservees);
}

INSTANTIATE_TEST_SUITE_P(Anciennes, Versions,
                         testing::Combine(testing::ValuesIn(testing_support::VersionsAnciennes()), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<VersionAncienne, bool>>& cas) {
                             return std::string(std::get<0>(cas.param).nom) +
                                    (std::get<1>(cas.param) ? "AvecIndex" : "SansIndex");
                         });

// A failure of the first step to run, at each point before its COMMIT: the dossier as it was,
// the step named in the report and in the exception box.
class Echec : public Ancien, public testing::WithParamInterface<int> {};

TEST_P(Echec, LeavesTheDossierAsItWasAndTheNextStartUpResumes) {
    const VersionAncienne v105{"V1_05", 0x10408, 0x10500};
    testing_support::CreerDossierAncien(dir_, v105, true);
    const std::string avant = Vidage(dir_);
    store::SetMigrationFaultHookForTests([coupure = GetParam()](int point) {
        if (point == coupure) throw std::runtime_error("disque plein");
    });
    const store::RapportMigration rapport = Demarrer();
    store::SetMigrationFaultHookForTests(nullptr);
    ASSERT_TRUE(rapport.echec);
    EXPECT_EQ(rapport.echec->Texte(), "La mise à jour du dossier a échoué à l'étape « Migration en 1.06 » : disque plein");
    EXPECT_TRUE(rapport.etapes.empty());
    EXPECT_EQ(Vidage(dir_), avant);
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].texte, "1015:40 " + rapport.echec->Texte());

    const store::RapportMigration reprise = Demarrer();
    ASSERT_FALSE(reprise.echec);
    EXPECT_EQ(reprise.etapes.front().numero, 0x10509u);
}

INSTANTIATE_TEST_SUITE_P(Points, Echec, testing::Values(store::kPointEtapeFaite, store::kPointAvantCommit));

// A process killed after a step's COMMIT: the next opening writes the step's settings, and the
// start-up goes on from the next step.
TEST_F(Ancien, StepCutAfterCommitIsFinishedAtTheNextOpening) {
    const VersionAncienne v105{"V1_05", 0x10408, 0x10500};
    testing_support::CreerDossierAncien(dir_, v105, false);
    const int statut = testing_support::RunInChild([this] {
        store::SetMigrationFaultHookForTests([](int point) {
            if (point == store::kPointApresCommitEtape) ::_exit(7);
        });
        Demarrer();
        return 0;
    });
    ASSERT_EQ(statut, 7);
    EXPECT_TRUE(db::PendingFilesMarked(dir_));
    EXPECT_EQ(testing_support::ReadBytes(FichierParametres()).find("66825"), std::string::npos);
    { db::Session().OpenDossier(dir_); }
    EXPECT_FALSE(db::PendingFilesMarked(dir_));
    EXPECT_NE(testing_support::ReadBytes(FichierParametres()).find("Migrations=66825"), std::string::npos);
    const store::RapportMigration suite = Demarrer();
    ASSERT_FALSE(suite.echec);
    EXPECT_EQ(suite.etapes.front().numero, 0x10510u);
}

// 0x10404 on a country name that is in no list: the user's choice, or no answer and a failed step.
struct Choix {
    const char* nom;
    std::optional<std::string> pays;  // the country picked, by name; nullopt: no answer
};

class PaysInconnu : public Ancien, public testing::WithParamInterface<Choix> {};

TEST_P(PaysInconnu, IsAskedOnceAndNeverGuessed) {
    testing_support::CreerDossierAncien(dir_, {"V1_01", 0x10100, std::nullopt}, true);
    {
        db::Session session;
        session.OpenDossier(dir_);
        session.connection().Execute("UPDATE KOLMIKV1 SET AdrPays = 'Atlantide' WHERE ShIDAssocie IN (1, 3)");
    }
    int questions = 0;
    host_.reset();
    standalone::HostOptions options{&boxes_, &choice_, {}, {}};
    options.choixListe = [&](const std::string&, const std::vector<std::string>& contexte,
                             const std::vector<std::string>& choix) -> std::optional<std::size_t> {
        ++questions;
        EXPECT_EQ(contexte.front(), "Pays invalide : Atlantide");
        if (!GetParam().pays) return std::nullopt;
        return std::find(choix.begin(), choix.end(), *GetParam().pays) - choix.begin();
    };
    host_ = standalone::StandaloneHost::Open(dir_, options);
    const store::RapportMigration rapport = Demarrer();
    EXPECT_EQ(questions, 1);
    if (GetParam().pays) {
        ASSERT_FALSE(rapport.echec);
        db::Session session;
        session.OpenDossier(dir_);
        db::Statement pays(session.connection().Handle(), "SELECT AdrIDPays FROM KOLMIKV1 WHERE ShIDAssocie = 3");
        ASSERT_TRUE(pays.Step());
        EXPECT_EQ(pays.ColumnInteger(0), host::TListePays::TrouverCodeIso("IT")->id);
    } else {
        ASSERT_TRUE(rapport.echec);
        EXPECT_EQ(rapport.echec->numero, 0x10404u);
        EXPECT_NE(rapport.echec->raison.find("Atlantide"), std::string::npos);
        EXPECT_EQ(rapport.apres.structure, 0x10100u);
    }
}

INSTANTIATE_TEST_SUITE_P(Reponses, PaysInconnu,
                         testing::Values(Choix{"Italie", "Italie"}, Choix{"SansReponse", std::nullopt}),
                         testing_support::NomDuCas());

}  // namespace
}  // namespace kvarn::migration
