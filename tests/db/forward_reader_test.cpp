// The reader that follows a component's walk: the values it gives are the component's, whatever
// the order, filter text, filter handler or declared width; a row written during the walk, and
// every row after it, is left to the component; it neither writes nor reads a calculated field.
#include "dossier_fixture.hpp"

#include "db/errors.hpp"
#include "db/forward_reader.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::db::testing {
namespace {

constexpr std::array<std::string_view, 3> kChamps{"Nom", "Qualite", "NbParts"};

// Each row the walk visits: its name, quality and shares through the component, and whether the
// reader held it with the same values.
struct Ligne {
    std::string nom;
    int qualite;
    double parts;
    bool lue;
    bool operator==(const Ligne&) const = default;
};

std::vector<Ligne> Parcourir(CTable& table, const std::function<void(int rang)>& pendant = {}) {
    ForwardReader lecteur(table, kChamps);
    std::vector<Ligne> lignes;
    int rang = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        if (pendant) pendant(rang++);
        const bool lue = lecteur.OnRow();
        Ligne ligne{table.FieldByName("Nom").AsString(), table.FieldByName("Qualite").AsInteger(),
                    table.FieldByName("NbParts").AsFloat(), lue};
        if (lue) {
            EXPECT_EQ((Ligne{lecteur.FieldByName("Nom").AsString(), lecteur.FieldByName("Qualite").AsInteger(),
                             lecteur.FieldByName("NbParts").AsFloat(), true}),
                      ligne);
        }
        lignes.push_back(ligne);
    }
    return lignes;
}

struct Composant {
    const char* nom;
    const char* index;
    const char* filtre;
    bool gestionnaire;  // a filter handler hiding the associates of quality 9
    int largeurNom;     // 0: the table's own width
};

class LectureEnAvant : public PopulatedDossier, public ::testing::WithParamInterface<Composant> {};

TEST_P(LectureEnAvant, GivesTheComponentsValuesOnEveryRow) {
    const Composant& c = GetParam();
    auto table = Component(*session_, ALIAS_DOSSIER, "KOLMIKV1");
    if (c.largeurNom)
        table->DeclareFields({{"ShIDAssocie", FieldType::AutoInc, 0, false}, {"Nom", FieldType::Alpha, c.largeurNom, false},
                              {"Qualite", FieldType::Short, 0, false}, {"NbParts", FieldType::Number, 0, false}});
    table->SetIndexName(c.index);
    table->SetFilter(c.filtre);
    if (c.gestionnaire)
        table->SetOnFilterRecord([](CTable& row, bool& accept) { accept = row.FieldByName("Qualite").AsInteger() != 9; });
    table->SetFiltered(true);
    table->Open();
    const std::vector<Ligne> lignes = Parcourir(*table);
    EXPECT_EQ(static_cast<int>(lignes.size()), table->RecordCount());
    EXPECT_FALSE(lignes.empty());
    for (const Ligne& ligne : lignes) EXPECT_TRUE(ligne.lue) << ligne.nom;
}

INSTANTIATE_TEST_SUITE_P(
    Composants, LectureEnAvant,
    ::testing::Values(Composant{"OrdreDesCles", "", "", false, 0}, Composant{"OrdreDesNoms", "idxRaisonSociale", "", false, 0},
                      Composant{"Filtre", "idxRaisonSociale", "Qualite <> 10", false, 0},
                      Composant{"Gestionnaire", "idxRaisonSociale", "", true, 0},
                      Composant{"LargeurDeclaree", "idxRaisonSociale", "", false, 3}),
    NomDuCas());

TEST_F(PopulatedDossier, ARowWrittenDuringTheWalkLeavesTheRestToTheComponent) {
    auto table = OpenTable("KOLMIKV1", "idxRaisonSociale");
    auto autre = OpenTable("KOLMIKV1", "idxRaisonSociale");  // its last row is the last the walk visits
    const std::vector<Ligne> lignes = Parcourir(*table, [&](int rang) {
        if (rang != 2) return;
        autre->Last();
        autre->Edit();
        autre->FieldByName("NbParts").SetAsFloat(777);
        autre->Post();
    });
    ASSERT_GT(lignes.size(), 3u);
    for (std::size_t i = 0; i < lignes.size(); ++i) EXPECT_EQ(lignes[i].lue, i < 2) << i;
    EXPECT_EQ(std::count_if(lignes.begin(), lignes.end(), [](const Ligne& l) { return l.parts == 777; }), 1);
}

TEST_F(PopulatedDossier, NeitherWritesNorReadsACalculatedField) {
    auto table = Component(*session_, ALIAS_DOSSIER, "KOLMIKV1");
    table->DeclareCalculatedField({"Denomination", FieldType::Alpha, 60, true});
    table->Open();
    constexpr std::array<std::string_view, 1> calcule{"Denomination"};
    EXPECT_THROW({ const ForwardReader refuse(*table, calcule); }, DbError);
    ForwardReader lecteur(*table, kChamps);
    table->First();
    ASSERT_TRUE(lecteur.OnRow());
    EXPECT_THROW(lecteur.FieldByName("Nom").SetAsString("X"), DbError);
    EXPECT_THROW(lecteur.FieldByName("Prenoms"), DbError);
}

}  // namespace
}  // namespace kvarn::db::testing
