#include "protocol/text.h"

#include <gtest/gtest.h>

using namespace protocol;

TEST(Text, CleanNameReplacesSeparatorsAndControlCharacters) {
    EXPECT_EQ(cleanName("Ann+Bob"), "Ann Bob");
    EXPECT_EQ(cleanName("  +Tab\there\n "), "Tab here");
    EXPECT_EQ(cleanName("+++"), "");
    EXPECT_EQ(cleanName("Zoë"), "Zoë");
    EXPECT_EQ(cleanName("a\xc2\x85z"), "a z");    // C1 control (NEL)
    EXPECT_EQ(cleanName("bad\xff\xfe"), "bad??"); // not UTF-8: the end marker can never pass
    EXPECT_EQ(cleanName("\xe2\x82"), "??");       // cut sequence
    EXPECT_EQ(cleanName("\xc0\xaf"), "??");       // overlong "/"
    EXPECT_EQ(cleanName("\xed\xa0\x80"), "???");  // surrogate
}

// A name cannot show reversed, hide in plain sight or look empty.
TEST(Text, CleanNameDropsDirectionControlsAndInvisibleCharacters) {
    EXPECT_EQ(cleanName("\u202Enhoj"), "nhoj");                       // right-to-left override
    EXPECT_EQ(cleanName("A\u200Bn\u200Dn\u2060\uFEFF"), "Ann");       // zero-width ones
    EXPECT_EQ(cleanName("\u2067Bob\u2069\u200E\u200F\u061C"), "Bob"); // isolates and marks
    EXPECT_EQ(cleanName("\u200B\u200B\u3164"), "") << "nothing visible is left";
    EXPECT_EQ(cleanName(" \u202A Zoë \u202C "), "Zoë") << "trimmed after the removal";
    EXPECT_EQ(cleanName("\u05E9\u05E8\u05D4"), "\u05E9\u05E8\u05D4") << "right-to-left letters stay";
}

TEST(Text, CleanNameLimitsCharactersNotBytes) {
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "é";
    const std::string cut = cleanName(longName);
    EXPECT_EQ(cut.size(), 64u); // 32 two-byte characters
    EXPECT_EQ(cleanName(std::string(50, 'x')).size(), 32u);
    EXPECT_EQ(cleanName("abc def", 4), "abc"); // no trailing space left by the cut
}

TEST(Text, ColourSplitsAtTheLastBar) {
    auto c = splitColour("a|b|clRed");
    EXPECT_EQ(c.text, "a|b");
    EXPECT_EQ(c.colour, "clRed");
    auto none = splitColour("plain");
    EXPECT_EQ(none.text, "plain");
    EXPECT_EQ(none.colour, "");
    EXPECT_EQ(joinColour("hi", "$00FF0000"), "hi|$00FF0000");
}
