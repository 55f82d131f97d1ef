#include "common/text.hpp"

#include <gtest/gtest.h>

namespace kvarn {
namespace {

TEST(Trim, RemovesEveryCodeUpToThirtyTwoAtBothEnds) {
    EXPECT_EQ(Trim("  abc  "), "abc");
    EXPECT_EQ(Trim("\t\r\n\x01 a b \x1f\x20"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\xC2\xA0" "é\xC2\xA0"), "\xC2\xA0" "é\xC2\xA0");  // no-break space is kept
}

struct UpperCase {
    const char* text;
    const char* upper;
};

class FrenchUpperCase : public testing::TestWithParam<UpperCase> {};

TEST_P(FrenchUpperCase, UpperCasesAndComparesEqual) {
    EXPECT_EQ(ToUpperFrench(GetParam().text), GetParam().upper);
    EXPECT_TRUE(EqualsIgnoringCase(GetParam().text, GetParam().upper));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FrenchUpperCase,
    testing::Values(UpperCase{"métropole", "MÉTROPOLE"}, UpperCase{"œuvre", "ŒUVRE"},
                    UpperCase{"àâäçéèêëîïôöùûüÿæ", "ÀÂÄÇÉÈÊËÎÏÔÖÙÛÜŸÆ"},
                    UpperCase{"l’île d'yeu", "L’ÎLE D'YEU"}, UpperCase{"« 12 € »", "« 12 € »"},
                    UpperCase{"", ""}));

TEST(FrenchCase, DifferentLettersAreNotEqual) {
    EXPECT_FALSE(EqualsIgnoringCase("métropole", "METROPOLE"));  // the accent matters
    EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
    EXPECT_TRUE(EqualsIgnoringCase("Société Civile", "SOCIÉTÉ CIVILE"));
}

struct Width {
    const char* text;
    std::size_t characters;
    std::size_t cutAt;
    const char* cut;
};

class CharacterWidths : public testing::TestWithParam<Width> {};

TEST_P(CharacterWidths, CountAndCutByCharacters) {
    EXPECT_EQ(CharacterCount(GetParam().text), GetParam().characters);
    EXPECT_EQ(CutToWidth(GetParam().text, GetParam().cutAt), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterWidths,
    testing::Values(Width{"abcdef", 6, 3, "abc"}, Width{"éèàçùœ", 6, 4, "éèàç"},
                    Width{"Noël", 4, 4, "Noël"}, Width{"Noël", 4, 10, "Noël"},
                    Width{"€uro", 4, 1, "€"}, Width{"«a»", 3, 2, "«a"}, Width{"", 0, 5, ""},
                    Width{"abc", 3, 0, ""}, Width{"a\xFF" "b", 3, 2, "a\xFF"},  // bad byte: one
                    Width{"\xE2\x82", 2, 1, "\xE2"}));                          // cut sequence

}  // namespace
}  // namespace kvarn
