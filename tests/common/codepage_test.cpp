#include "common/codepage.hpp"
#include "common/fixed_field.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace kvarn {
namespace {

struct Character {
    const char* utf8;
    int ansi;  // CP1252 byte, -1 when absent
    int oem;   // CP850 byte, -1 when absent
};

class CodePages : public testing::TestWithParam<Character> {};

void ExpectConversion(const char* utf8, CodePage page, int byte) {
    std::size_t lost = 99;
    const std::string bytes = FromUtf8(utf8, page, &lost);
    ASSERT_EQ(bytes.size(), 1u) << utf8;
    if (byte < 0) {
        EXPECT_EQ(bytes, "?") << utf8;
        EXPECT_EQ(lost, 1u) << utf8;
    } else {
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), byte) << utf8;
        EXPECT_EQ(lost, 0u) << utf8;
        EXPECT_EQ(ToUtf8(bytes, page), utf8);
    }
}

TEST_P(CodePages, ConvertBothWaysOrReportTheLoss) {
    ExpectConversion(GetParam().utf8, CodePage::Ansi, GetParam().ansi);
    ExpectConversion(GetParam().utf8, CodePage::Oem, GetParam().oem);
}

INSTANTIATE_TEST_SUITE_P(
    FrenchLetters, CodePages,
    testing::Values(Character{"à", 0xE0, 0x85}, Character{"â", 0xE2, 0x83}, Character{"ä", 0xE4, 0x84},
                    Character{"ç", 0xE7, 0x87}, Character{"é", 0xE9, 0x82}, Character{"è", 0xE8, 0x8A},
                    Character{"ê", 0xEA, 0x88}, Character{"ë", 0xEB, 0x89}, Character{"î", 0xEE, 0x8C},
                    Character{"ï", 0xEF, 0x8B}, Character{"ô", 0xF4, 0x93}, Character{"ö", 0xF6, 0x94},
                    Character{"ù", 0xF9, 0x97}, Character{"û", 0xFB, 0x96}, Character{"ü", 0xFC, 0x81},
                    Character{"ÿ", 0xFF, 0x98}, Character{"æ", 0xE6, 0x91}, Character{"À", 0xC0, 0xB7},
                    Character{"Â", 0xC2, 0xB6}, Character{"Ç", 0xC7, 0x80}, Character{"É", 0xC9, 0x90},
                    Character{"È", 0xC8, 0xD4}, Character{"Ê", 0xCA, 0xD2}, Character{"Ë", 0xCB, 0xD3},
                    Character{"Î", 0xCE, 0xD7}, Character{"Ï", 0xCF, 0xD8}, Character{"Ô", 0xD4, 0xE2},
                    Character{"Ù", 0xD9, 0xEB}, Character{"Û", 0xDB, 0xEA}, Character{"Ü", 0xDC, 0x9A},
                    Character{"Æ", 0xC6, 0x92}, Character{"«", 0xAB, 0xAE}, Character{"»", 0xBB, 0xAF},
                    Character{"°", 0xB0, 0xF8},
                    // Present in CP1252 only: the OEM page lacks them.
                    Character{"œ", 0x9C, -1}, Character{"Œ", 0x8C, -1}, Character{"Ÿ", 0x9F, -1},
                    Character{"’", 0x92, -1}, Character{"€", 0x80, -1},
                    // In neither.
                    Character{"ő", -1, -1}, Character{"✓", -1, -1}));

TEST(CodePages, WholeSentenceCountsEveryLoss) {
    std::size_t lost = 0;
    const std::string oem = ZORCharToOem("L’œuvre coûte 12 € « net »", &lost);
    EXPECT_EQ(lost, 3u);  // ’ œ €
    EXPECT_EQ(ZOROemToChar(oem), "L??uvre coûte 12 ? « net »");
    EXPECT_EQ(ToUtf8(FromUtf8("L’œuvre coûte 12 € « net »", CodePage::Ansi), CodePage::Ansi),
              "L’œuvre coûte 12 € « net »");
}

TEST(CodePages, MalformedUtf8BecomesQuestionMarks) {
    std::size_t lost = 0;
    EXPECT_EQ(FromUtf8("a\xFF" "b\xC3", CodePage::Ansi, &lost), "a?b?");
    EXPECT_EQ(lost, 2u);
}

TEST(CodePages, EveryByteSurvivesARoundTrip) {
    for (CodePage page : {CodePage::Ansi, CodePage::Oem}) {
        std::string all;
        for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
        std::size_t lost = 99;
        EXPECT_EQ(FromUtf8(ToUtf8(all, page), page, &lost), all);
        EXPECT_EQ(lost, 0u);
    }
}

// Fixed fields: a C-string field of 6 bytes and a zero-padded field of 5 bytes.
struct FieldCase {
    const char* utf8;
    std::array<unsigned char, 6> cString;
    std::array<unsigned char, 5> padded;
    const char* readBackCString;
    const char* readBackPadded;
};

class FixedFields : public testing::TestWithParam<FieldCase> {};

TEST_P(FixedFields, KeepTheirWidthAndTerminator) {
    const FieldCase& c = GetParam();
    char cString[6];
    std::memset(cString, 'x', sizeof cString);
    WriteCStringField(cString, sizeof cString, c.utf8, CodePage::Ansi);
    EXPECT_EQ(0, std::memcmp(cString, c.cString.data(), sizeof cString)) << c.utf8;
    EXPECT_EQ(ReadField(cString, sizeof cString, CodePage::Ansi), c.readBackCString);

    char padded[5];
    std::memset(padded, 'x', sizeof padded);
    WritePaddedField(padded, sizeof padded, c.utf8, CodePage::Ansi);
    EXPECT_EQ(0, std::memcmp(padded, c.padded.data(), sizeof padded)) << c.utf8;
    EXPECT_EQ(ReadField(padded, sizeof padded, CodePage::Ansi), c.readBackPadded);
}

INSTANTIATE_TEST_SUITE_P(
    AroundTheWidth, FixedFields,
    testing::Values(FieldCase{"", {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, "", ""},
                    FieldCase{"12", {'1', '2', 0, 0, 0, 0}, {'1', '2', 0, 0, 0}, "12", "12"},
                    FieldCase{"1234", {'1', '2', '3', '4', 0, 0}, {'1', '2', '3', '4', 0}, "1234",
                              "1234"},
                    FieldCase{"12345", {'1', '2', '3', '4', '5', 0}, {'1', '2', '3', '4', '5'},
                              "12345", "12345"},
                    FieldCase{"123456", {'1', '2', '3', '4', '5', 0}, {'1', '2', '3', '4', '5'},
                              "12345", "12345"},
                    FieldCase{"éèàçù€", {0xE9, 0xE8, 0xE0, 0xE7, 0xF9, 0}, {0xE9, 0xE8, 0xE0, 0xE7, 0xF9},
                              "éèàçù", "éèàçù"}));

TEST(FixedFields, ReportUnmappableCharactersInTheirCodePage) {
    char field[8];
    EXPECT_EQ(WriteCStringField(field, sizeof field, "œuvre", CodePage::Oem), 1u);
    EXPECT_STREQ(field, "?uvre");
    EXPECT_EQ(WritePaddedField(field, sizeof field, "œuvre", CodePage::Ansi), 0u);
}

}  // namespace
}  // namespace kvarn
