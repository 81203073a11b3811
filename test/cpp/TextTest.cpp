#include <gtest/gtest.h>

#include "serial/Text.h"

using namespace KilnCore;

TEST(Text, CaseInsensitiveComparisonFoldsAsciiOnly) {
    EXPECT_EQ(compareNoCase("Brick", "bRICK"), 0);
    EXPECT_LT(compareNoCase("Brick", "bricks"), 0);
    EXPECT_GT(compareNoCase("b", "A"), 0);
    // Letters fold to lower case, so '_' (0x5F) sorts before 'a'.
    EXPECT_LT(compareNoCase("_", "A"), 0);
    EXPECT_NE(compareNoCase("\xC3\x89", "\xC3\xA9"), 0);  // É and é differ in the C locale
    // UTF-16 order: U+FF21 comes after a supplementary character (a surrogate pair).
    EXPECT_GT(compareNoCase("\xEF\xBC\xA1", "\xF0\x9F\x98\x80"), 0);
}

TEST(Text, ControlCharactersAreRemoved) {
    EXPECT_EQ(removeControlChars("A\tB\x7F\xC2\x85" "C\xC3\xA9"), "ABC\xC3\xA9");
}

TEST(Text, TruncationCountsUtf16Units) {
    EXPECT_EQ(utf16Length("a\xF0\x9F\x98\x80"), 3u);
    EXPECT_EQ(truncateUtf16("abc", 2), "ab");
    EXPECT_EQ(truncateUtf16("a\xF0\x9F\x98\x80", 3), "a\xF0\x9F\x98\x80");
    // Half a surrogate pair survives only as a replacement character.
    EXPECT_EQ(truncateUtf16("a\xF0\x9F\x98\x80", 2), "a\xEF\xBF\xBD");
}
