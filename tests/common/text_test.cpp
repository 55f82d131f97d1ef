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

TEST(FrenchUpperCase, UpperCasesAndComparesEqual) {
    struct UpperCase {
        const char* text;
        const char* upper;
    };
    const UpperCase cases[] = {{"métropole", "MÉTROPOLE"}, {"œuvre", "ŒUVRE"},
                               {"àâäçéèêëîïôöùûüÿæ", "ÀÂÄÇÉÈÊËÎÏÔÖÙÛÜŸÆ"}, {"l’île d'yeu", "L’ÎLE D'YEU"},
                               {"« 12 € »", "« 12 € »"}, {"", ""}};
    for (const UpperCase& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(ToUpperFrench(c.text), c.upper);
        EXPECT_TRUE(EqualsIgnoringCase(c.text, c.upper));
    }
}

TEST(FrenchCase, DifferentLettersAreNotEqual) {
    EXPECT_FALSE(EqualsIgnoringCase("métropole", "METROPOLE"));  // the accent matters
    EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
    EXPECT_TRUE(EqualsIgnoringCase("Société Civile", "SOCIÉTÉ CIVILE"));
}

TEST(CharacterWidths, CountAndCutByCharacters) {
    struct Width {
        const char* text;
        std::size_t characters;
        std::size_t cutAt;
        const char* cut;
    };
    const Width cases[] = {{"abcdef", 6, 3, "abc"}, {"éèàçùœ", 6, 4, "éèàç"}, {"Noël", 4, 4, "Noël"},
                           {"Noël", 4, 10, "Noël"}, {"€uro", 4, 1, "€"}, {"«a»", 3, 2, "«a"}, {"", 0, 5, ""},
                           {"abc", 3, 0, ""},
                           {"a\xFF" "b", 3, 2, "a\xFF"},  // a bad byte: one character
                           {"\xE2\x82", 2, 1, "\xE2"}};    // a cut sequence: one per byte
    for (const Width& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(CharacterCount(c.text), c.characters);
        EXPECT_EQ(CutToWidth(c.text, c.cutAt), c.cut);
    }
}

}  // namespace
}  // namespace kvarn
