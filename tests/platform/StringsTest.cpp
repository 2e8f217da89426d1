#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/Strings.h"

TEST(Strings, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r x y \n\x01"), "x y");
    EXPECT_EQ(Trim("  \t D:\\My Apps \r\n"), "D:\\My Apps");
    EXPECT_EQ(Trim("\x1F"), "");
    EXPECT_EQ(Trim(""), "");
}

TEST(Strings, LowerCaseChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(LowerCase("PnlWelcome \\AZ@[`{"), "pnlwelcome \\az@[`{");
    EXPECT_EQ(LowerCase("\xC4\xD6"), "\xC4\xD6");   // bytes above 127 stay as they are
}

TEST(Strings, LocaleOrderIgnoresCaseAndPutsSymbolsBeforeDigitsBeforeLetters) {
    EXPECT_EQ(platform::AnsiCompareText("PICTORO", "pictoro"), 0);
    EXPECT_LT(platform::AnsiCompareText("C:\\Pictoro\\", "C:\\Pictoro2\\"), 0);
    EXPECT_LT(platform::AnsiCompareText("_x", "1"), 0);
    EXPECT_LT(platform::AnsiCompareText("9", "a"), 0);
    EXPECT_LT(platform::AnsiCompareText("a-b", "a_b"), 0);
    EXPECT_GT(platform::AnsiCompareText("B", "a"), 0);
    EXPECT_LT(platform::AnsiCompareText("ab", "abc"), 0);
}
