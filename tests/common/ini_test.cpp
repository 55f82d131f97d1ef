#include "common/atomic_file.hpp"
#include "common/codepage.hpp"
#include "common/ini_document.hpp"
#include "common/ini_file.hpp"
#include "support/child.hpp"
#include "support/files.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kvarn {
namespace {

namespace fs = std::filesystem;

using testing_support::FreshDirectory;
using testing_support::WriteBytes;

TEST(IniDocument, KeysAndSectionsIgnoreFrenchCaseAndBlanks) {
    const IniDocument doc = IniDocument::Parse("[Général]\n  Clé = valeur un \nAutre=2\n", "test");
    EXPECT_EQ(doc.Get("GÉNÉRAL", "CLÉ"), "valeur un");
    EXPECT_EQ(doc.Get("général", "clé"), "valeur un");
    EXPECT_EQ(doc.Get("GENERAL", "CLE"), std::nullopt);  // accents are letters, not decoration
    EXPECT_EQ(doc.LineOf("général", "autre"), 3);
}

TEST(IniDocument, KeepsOrderAndCommentsAndWritesWithoutBlanks) {
    IniDocument doc = IniDocument::Parse("; en-tête\n[KV]\nA = 1\n\n[CERFA]\nB=2\n", "test");
    doc.Set("kv", "C", "3");
    doc.Set("Nouvelle", "D", "4");
    EXPECT_TRUE(doc.Remove("cerfa", "b"));
    EXPECT_FALSE(doc.Remove("cerfa", "b"));
    EXPECT_EQ(doc.Serialize("\r\n"), "; en-tête\r\n[KV]\r\nA=1\r\nC=3\r\n\r\n[CERFA]\r\n\r\n[Nouvelle]\r\nD=4\r\n");
    doc.Set("Autre", "E", "5");
    EXPECT_TRUE(doc.Serialize("\n").ends_with("[Nouvelle]\nD=4\n\n[Autre]\nE=5\n"));
}

// Lines that are neither blank, comment, section nor "key=value": the standalone host's own files
// refuse them with their line; a Windows settings file skips them and writes them back in place.
struct Stray {
    const char* text;
    int line;
};

class StrayLine : public testing::TestWithParam<Stray> {};

TEST_P(StrayLine, IsRefusedWithItsLineOrKeptAsWindowsKeepsIt) {
    const std::string text = GetParam().text;
    try {
        IniDocument::Parse(text, "dossier.ini", StrayLines::Refuse);
        FAIL() << "parsed " << text;
    } catch (const IniSyntaxError& e) {
        EXPECT_EQ(e.line(), GetParam().line);
        EXPECT_NE(std::string(e.what()).find("dossier.ini endommagé, ligne " + std::to_string(GetParam().line)),
                  std::string::npos);
    }
    IniDocument kept = IniDocument::Parse(text, "KOLMI$$G.dat", StrayLines::Keep);
    std::string withoutCr = text;
    std::erase(withoutCr, '\r');
    EXPECT_EQ(kept.Serialize("\n"), withoutCr);
    kept.Set("KV", "B", "2");
    EXPECT_TRUE(kept.Serialize("\n").starts_with(withoutCr.substr(0, withoutCr.rfind("\n"))));
}

INSTANTIATE_TEST_SUITE_P(Lines, StrayLine,
                         testing::Values(Stray{"[KV]\nsans egal\n", 2}, Stray{"[KV\nA=1\n", 1},
                                         Stray{"[KV]\nA=1\r\n=2\r\n", 3}, Stray{"[]\n", 1}));

TEST(IniFile, ReadsAWindowsWrittenFile) {
    const fs::path dir = FreshDirectory("ini-windows");
    // CP1252 bytes, CRLF line ends, mixed-case names as a Windows program writes them.
    WriteBytes(dir / "KOLMI$$G.dat",
               "[kv]\r\nNomDecl=Soci\xE9t\xE9 \x8C" "uvre \x80\r\nMIGRATIONS=70916\r\n[Cerfa]\r\nVille=S\xE8te\r\n");
    IniFile file(dir / "KOLMI$$G.dat", kWindowsIni);
    EXPECT_EQ(file.Get("KV", "nomdecl"), "Société Œuvre €");
    EXPECT_EQ(file.Get("KV", "Migrations"), "70916");
    EXPECT_EQ(file.Get("CERFA", "VILLE"), "Sète");
    file.Set("KV", "Nouvelle", "é");
    file.Set("KV", "migrations", "70917");  // the file's own spelling stays
    EXPECT_EQ(ReadWholeFile(dir / "KOLMI$$G.dat"),
              "[kv]\r\nNomDecl=Soci\xE9t\xE9 \x8C" "uvre \x80\r\nMIGRATIONS=70917\r\nNouvelle=\xE9\r\n"
              "[Cerfa]\r\nVille=S\xE8te\r\n");
}

TEST(IniFile, SharedObjectIsOnePerPathAndSeesOtherProcesses) {
    const fs::path dir = FreshDirectory("ini-shared");
    auto first = SharedIniFile(dir / "KOLMI$$G.dat");
    auto second = SharedIniFile(dir / "." / "KOLMI$$G.dat");
    EXPECT_EQ(first.get(), second.get());
    first->Set("DEFAULT", "AdrDeclarDifDest", "1");
    EXPECT_EQ(second->Get("default", "adrdeclardifdest"), "1");

    ASSERT_EQ(testing_support::RunInChild([&] {
                  IniFile other(dir / "KOLMI$$G.dat", kWindowsIni);  // another process, its own object
                  other.Set("KV", "PMEAuSensCommunautaire", "1");
                  return 0;
              }),
              0);
    EXPECT_EQ(first->Get("KV", "PMEAuSensCommunautaire"), "1");
    EXPECT_EQ(first->Get("DEFAULT", "AdrDeclarDifDest"), "1");
}

TEST(IniFile, InterruptedWriteLeavesThePreviousFile) {
    const fs::path dir = FreshDirectory("ini-interrupted");
    IniFile file(dir / "KOLMI$$G.dat", kWindowsIni);
    file.Set("KV", "A", "1");
    const std::string before = ReadWholeFile(dir / "KOLMI$$G.dat");

    SetBeforeRenameHookForTests([](const fs::path&) { throw std::runtime_error("panne simulée"); });
    EXPECT_THROW(file.Set("KV", "A", "2"), std::runtime_error);
    SetBeforeRenameHookForTests(nullptr);

    EXPECT_EQ(ReadWholeFile(dir / "KOLMI$$G.dat"), before);
    // Beside the file, its lock, and no stray temporary.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    EXPECT_EQ(IniFile(dir / "KOLMI$$G.dat", kWindowsIni).Get("KV", "A"), "1");
    EXPECT_EQ(file.Get("KV", "A"), "1");  // the object that failed serves the stored value too
}

// A Windows settings file reads past a stray line and keeps it; the host's own file is refused
// on every access and left as it is.
TEST(IniFile, StrayLineIsKeptInASettingsFileAndRefusedInTheHostsOwn) {
    const fs::path dir = FreshDirectory("ini-stray");
    const std::string stray = "[KV]\r\nA=1\r\nceci n'est pas une clé\r\n";
    WriteBytes(dir / "KOLMI$$G.dat", FromUtf8(stray, CodePage::Ansi));
    IniFile settings(dir / "KOLMI$$G.dat", kWindowsIni);
    EXPECT_EQ(settings.Get("KV", "A"), "1");
    settings.Set("KV", "B", "2");
    EXPECT_EQ(ToUtf8(ReadWholeFile(dir / "KOLMI$$G.dat"), CodePage::Ansi), stray + "B=2\r\n");

    WriteBytes(dir / "dossier.ini", stray);
    IniFile own(dir / "dossier.ini", kUtf8Ini);
    EXPECT_THROW(own.Get("KV", "A"), IniSyntaxError);
    EXPECT_THROW(own.Set("KV", "B", "2"), IniSyntaxError);
    EXPECT_EQ(ReadWholeFile(dir / "dossier.ini"), stray);
}

struct Unwritable {
    const char* section;
    const char* key;
    const char* value;
};

class IniFileRefuses : public testing::TestWithParam<Unwritable> {};

TEST_P(IniFileRefuses, WhatItCouldNotReadBackAndWritesNothing) {
    const fs::path dir = FreshDirectory("ini-refused");
    IniFile file(dir / "KOLMI$$G.dat", kWindowsIni);
    file.Set("KV", "A", "1");
    const std::string before = ReadWholeFile(dir / "KOLMI$$G.dat");
    const Unwritable& p = GetParam();
    EXPECT_THROW(file.Set(p.section, p.key, p.value), std::invalid_argument);
    EXPECT_THROW(file.Update([&](IniEdit& edit) {
        edit.Set("KV", "C", "3");
        edit.Set(p.section, p.key, p.value);
    }), std::invalid_argument);
    EXPECT_EQ(ReadWholeFile(dir / "KOLMI$$G.dat"), before);
    EXPECT_EQ(file.Get("KV", "A"), "1");
}

INSTANTIATE_TEST_SUITE_P(Common, IniFileRefuses,
                         testing::Values(Unwritable{"KV", "A", "ligne 1\nligne 2"},
                                         Unwritable{"KV", "A", "fin\r"},
                                         Unwritable{"KV", "A=B", "1"},
                                         Unwritable{"KV", " ", "1"},
                                         Unwritable{"KV", ";A", "1"},
                                         Unwritable{"KV", "[A]", "1"},
                                         Unwritable{"KV", "A\nB", "1"},
                                         Unwritable{"", "A", "1"},
                                         Unwritable{"K\nV", "A", "1"},
                                         Unwritable{"KV", "A", "\u03A9 ohm"},
                                         Unwritable{"KV", "\u2200", "1"}));

TEST(IniFile, UtfEightFileTakesAnyCharacter) {
    const fs::path dir = FreshDirectory("ini-utf8");
    IniFile file(dir / "dossier.ini", kUtf8Ini);
    file.Set("Dossier", "Nom", "\u03A9m\u00E9ga");
    EXPECT_EQ(IniFile(dir / "dossier.ini", kUtf8Ini).Get("Dossier", "Nom"), "\u03A9m\u00E9ga");
}

}  // namespace
}  // namespace kvarn
