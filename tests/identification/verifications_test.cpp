#include "identification/verifications.hpp"

#include <gtest/gtest.h>

namespace kvarn::identification {
namespace {

struct Case {
    const char* value;
    bool valid;
    const char* why;  // what the case shows
};

using Check = Verdict (*)(std::string_view);

struct Table {
    const char* name;
    Check check;
    std::vector<Case> cases;
};

void ExpectAll(const Table& table) {
    SCOPED_TRACE(table.name);
    for (const Case& c : table.cases) {
        const Verdict verdict = table.check(c.value);
        EXPECT_EQ(verdict.valide, c.valid) << '"' << c.value << "\": " << c.why << " — " << verdict.raison;
        EXPECT_EQ(verdict.raison.empty(), c.valid) << c.value;  // a refusal always says why
    }
}

const Table kTables[] = {
    {"Siren", VerifierSIREN,
     {{"552081317", true, "EDF"}, {"356000000", true, "La Poste"}, {"552081318", false, "last digit changed"},
      {"525081317", false, "two digits swapped"}, {"55208131", false, "eight digits"},
      {"55208131A", false, "a letter"}, {"", false, "empty"},
      {"000012345", false, "a Monaco number has no SIREN key"}, {"５52081317", false, "a full-width digit"}}},
    {"Siret", VerifierSIRET,
     {{"55208131766522", true, "EDF establishment"}, {"35600000000048", true, "La Poste head office, by Luhn"},
      {"35600000049837", true, "La Poste establishment: digits sum to 45, Luhn fails"},
      {"35600000049838", false, "La Poste establishment: sum 46"},
      {"35600000000049", false, "La Poste head office with a wrong key"},
      {"55208131766523", false, "last digit changed"}, {"55208131766252", false, "two digits swapped"},
      {"55208131866522", false, "SIREN part invalid"}, {"5520813176652", false, "thirteen digits"},
      {"5520813176652A", false, "a letter"}}},
    {"SiretEntry", VerifierSaisieSIRET,
     {{"", true, "nothing typed yet"}, {"552081317", true, "SIREN alone, NIC not typed"},
      {"552081318", false, "SIREN alone with a wrong key"}, {"55208131766522", true, "whole SIRET"},
      {"5520813176", false, "SIREN and one NIC digit"}}},
    {"IntraCommunityVatNumber", VerifierTVAIntracommunautaire,
     {{"FR03552081317", true, "EDF, numeric key"}, {"FR04552081317", false, "numeric key off by one"},
      {"FR0J552081317", true, "key digit then letter"}, {"FR1K552081317", true, "another digit-letter key"},
      {"FR0K552081317", false, "digit-letter key not matching"},
      {"FR4Q542051180", true, "digit-letter key of TotalEnergies"},
      {"FRI3552081317", false, "I is not in the key alphabet"},
      {"FR03552081318", false, "SIREN with a wrong key"},
      {"FR90000012345", true, "Monaco: no SIREN key; (12 + 3 × (12345 mod 97)) mod 97 = 90"},
      {"FR03000012345", false, "Monaco number with a wrong key"}, {"DE03552081317", false, "not French"},
      {"FR0355208131", false, "twelve characters"}, {"fr03552081317", false, "lower-case country letters"}}},
    // 1234567890 mod 511 = 66
    {"PersonalTaxNumber", VerifierNumeroFiscal,
     {{"1234567890066", true, "key 066"}, {"0000000000000", true, "all zeros"},
      {"3999999999331", true, "first digit 3; 3999999999 mod 511 = 331"}, {"1234567890067", false, "wrong key"},
      {"4234567890315", false, "first digit 4, though 4234567890 mod 511 = 315"},
      {"123456789006", false, "twelve digits"}, {"12345678900A6", false, "a letter"}}},
    {"Postcode", VerifierCodePostal,
     {{"34200", true, "Sète"}, {"2A004", false, "Corsican department letters are not digits"},
      {"3420", false, "four digits"}, {"", false, "empty"}}},
};

TEST(Checks, EveryNumberOfItsTable) {
    for (const Table& table : kTables) ExpectAll(table);
}

}  // namespace
}  // namespace kvarn::identification
