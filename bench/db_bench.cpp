// The table engine against raw SQLite, measured in the same run.
//
// (a) appending and posting 10,000 associates through CTable in one transaction, against the
//     same rows inserted with one prepared INSERT in one transaction;
// (b) opening and walking 10,000 associates reading 20 fields through CTable, with a
//     calculated-fields handler that does nothing, in key order and in the French order of the
//     names (idxRaisonSociale), against a raw SELECT of the same fields;
// (c) 1,000 Locate by key on a 10,000-row associates table (the position computation locates
//     once per associate), alone and followed by reading the located row's name.
#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/table.hpp"
#include "db/transaction.hpp"
#include "store/tables.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

using namespace kvarn;

constexpr int kRows = 10000;

std::filesystem::path FreshDossier() {
    static int counter = 0;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kvarn-bench-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

struct Dossier {
    Dossier() : dir(FreshDossier()) {
        session.OpenDossier(dir);
        store::CreateDossierTables(session);
    }
    ~Dossier() {
        session.Close();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
    db::Session session;
};

// The fields a new associate gets in both variants.
std::string Nom(int i) { return "Associé " + std::to_string(i); }

void AppendThroughTable(db::Session& session) {
    db::CTable table(session);
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName("kolmikv1.db");
    table.SetIndexName("idxAssocies");
    table.Open();
    db::Transaction transaction(session);
    for (int i = 0; i < kRows; ++i) {
        table.Append();
        table.FieldByName("Nom").SetAsString(Nom(i));
        table.FieldByName("Prenoms").SetAsString("Jean-Édouard");
        table.FieldByName("AdrVille").SetAsString("PARIS");
        table.FieldByName("Qualite").SetAsInteger(1);
        table.FieldByName("PersonnePhysique").SetAsInteger(1);
        table.FieldByName("NbParts").SetAsFloat(10.5 + i);
        table.FieldByName("DateNaissance").SetAsDateTime(25000 + i % 9000);
        table.FieldByName("ExoTVA").SetAsBoolean(i % 2 == 0);
        table.Post();
    }
    transaction.Commit();
}

void InsertRaw(db::Session& session) {
    db::Statement insert(session.connection().Handle(),
                         "INSERT INTO KOLMIKV1 (Nom, Prenoms, AdrVille, Qualite, PersonnePhysique, "
                         "NbParts, DateNaissance, ExoTVA) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    db::Transaction transaction(session);
    for (int i = 0; i < kRows; ++i) {
        insert.BindText(1, Nom(i));
        insert.BindText(2, "Jean-Édouard");
        insert.BindText(3, "PARIS");
        insert.BindInteger(4, 1);
        insert.BindInteger(5, 1);
        insert.BindReal(6, 10.5 + i);
        insert.BindText(7, "1968-06-12");
        insert.BindInteger(8, i % 2 == 0);
        insert.Run();
    }
    transaction.Commit();
}

template <void (*Fill)(db::Session&)>
void BM_Append10000(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto dossier = std::make_unique<Dossier>();
        state.ResumeTiming();
        Fill(dossier->session);
        state.PauseTiming();
        dossier.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_AppendPost_CTable(benchmark::State& state) { BM_Append10000<AppendThroughTable>(state); }
void BM_AppendPost_RawSQLite(benchmark::State& state) { BM_Append10000<InsertRaw>(state); }
BENCHMARK(BM_AppendPost_CTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AppendPost_RawSQLite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The 20 fields the walk reads, as the module names them.
const char* const kWalkFields[] = {"ShIDAssocie", "Nom", "Prenoms", "NomMarital", "AdrComplmt1", "AdrNoVoie",
                                   "AdrNomVoie", "AdrCP", "AdrVille", "AdrIDPays", "DateNaissance", "Qualite",
                                   "RegimeImpositionSCI", "PersonnePhysique", "Titre", "NbParts", "NbPartsU",
                                   "NbPartsN", "ExoTVA", "Profession"};

std::unique_ptr<Dossier> FilledDossier() {
    auto dossier = std::make_unique<Dossier>();
    InsertRaw(dossier->session);
    return dossier;
}

template <const char* index>
void BM_Walk10000(benchmark::State& state) {
    auto dossier = FilledDossier();
    std::size_t read = 0;
    for (auto _ : state) {
        db::CTable table(dossier->session);
        table.SetDatabaseName(db::ALIAS_DOSSIER);
        table.SetTableName("KOLMIKV1");
        table.SetIndexName(index);
        table.DeclareCalculatedField({"Identite", db::FieldType::Alpha, 50, true});
        table.OnCalcFields = [](db::CTable&) {};
        table.Open();
        for (table.First(); !table.Eof(); table.Next())
            for (const char* name : kWalkFields) read += table.FieldByName(name).AsString().size();
    }
    benchmark::DoNotOptimize(read);
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_Walk10000_RawSQLite(benchmark::State& state) {
    auto dossier = FilledDossier();
    std::string sql = "SELECT ";
    for (const char* name : kWalkFields) sql += std::string(sql.size() > 7 ? ", " : "") + name;
    sql += " FROM KOLMIKV1 ORDER BY ShIDAssocie";
    std::size_t read = 0;
    for (auto _ : state) {
        db::Statement select(dossier->session.connection().Handle(), sql);
        while (select.Step())
            for (int c = 0; c < 20; ++c) read += select.ColumnText(c).size();
        select.Reset();
    }
    benchmark::DoNotOptimize(read);
    state.SetItemsProcessed(state.iterations() * kRows);
}
constexpr char kKeyOrder[] = "idxAssocies";
constexpr char kNameOrder[] = "idxRaisonSociale";
void BM_Walk10000_CTable(benchmark::State& state) { BM_Walk10000<kKeyOrder>(state); }
void BM_Walk10000_CTable_NameOrder(benchmark::State& state) { BM_Walk10000<kNameOrder>(state); }
BENCHMARK(BM_Walk10000_CTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk10000_CTable_NameOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Walk10000_RawSQLite)->Unit(benchmark::kMillisecond);

// Reading the located row's name, or only positioning on it.
template <bool readName>
void BM_Locate1000ByKey(benchmark::State& state) {
    Dossier dossier;
    InsertRaw(dossier.session);
    db::CTable table(dossier.session);
    table.SetDatabaseName(db::ALIAS_DOSSIER);
    table.SetTableName("KOLMIKV1");
    table.SetIndexName("idxAssocies");
    table.Open();
    std::size_t found = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int key = 1 + (i * 7919) % kRows;  // spread over the whole table
            if (!table.Locate("SHIDASSOCIE", key)) continue;
            found += readName ? table.FieldByName("Nom").AsString().size() : 1;
        }
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * 1000);
}
// Time per iteration in microseconds divided by 1,000 is the time of one Locate.
void BM_Locate1000ByKey_ReadName(benchmark::State& state) { BM_Locate1000ByKey<true>(state); }
void BM_Locate1000ByKey_Only(benchmark::State& state) { BM_Locate1000ByKey<false>(state); }
BENCHMARK(BM_Locate1000ByKey_ReadName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Locate1000ByKey_Only)->Unit(benchmark::kMicrosecond);

}  // namespace
