// A fresh dossier for each test: its own directory under the test run's TMPDIR, a session on
// it with the seven permanent tables and the two working tables, and small helpers to look at
// the rows behind the engine's back with plain SQL.
#pragma once

#include "db/session.hpp"
#include "db/statement.hpp"
#include "db/table.hpp"
#include "support/files.hpp"
#include "support/nom_du_cas.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kvarn::db::testing {

using kvarn::testing_support::FreshDirectory;
using kvarn::testing_support::NomDuCas;

// A component on the table of the alias, not opened.
std::unique_ptr<CTable> Component(Session& session, const char* alias, const std::string& table);

// A component on KOLMIKV1 of the session's dossier, opened.
std::unique_ptr<CTable> OpenAssocies(Session& session);

// Appends a row to KOLMIKV1 with these names through a component; returns its key.
int AddAssocie(CTable& table, const std::string& nom, const std::string& prenoms = {});

class DossierTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A component on the table, opened (with an index when given).
    std::unique_ptr<CTable> OpenTable(const std::string& name, const std::string& index = {});

    // The first column of every row of a query, as text ("" for null).
    std::vector<std::string> Column(const std::string& sql);
    std::string Scalar(const std::string& sql);
    long long Count(const std::string& table);

    std::filesystem::path dossier_;
    std::filesystem::path tmpFile_;
    std::unique_ptr<Session> session_;
};

// A small dossier with rows in every table, written with plain SQL: five associates (qualities
// 1, 10, 9, 2 and 1; regimes 0, 2, 3, none and 4), four deductions and reintegrations (one of
// them designated 'True', one with an apostrophe), their shares per associate, four movements
// with their details and bare-owner links, the positions and the synthesis, and the table of
// the older movement model (KOLMIKVN, with KOLMIKVM's PartsCedees) that the migration reads.
class PopulatedDossier : public DossierTest {
protected:
    void SetUp() override;
};

}  // namespace kvarn::db::testing
