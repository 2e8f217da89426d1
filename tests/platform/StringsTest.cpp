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
    EXPECT_EQ(LowerCase("\xC4\xD6"), "\xC4\xD6"); // bytes above 127 stay as they are
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

TEST(Strings, EscapedForMessageShowsBytesOutsidePrintableAsciiAsHex) {
    EXPECT_EQ(EscapedForMessage(std::string("a\x1B[2J\r\nb\0\x7F", 10)), "a\\x1B[2J\\x0D\\x0Ab\\x00\\x7F");
    EXPECT_EQ(EscapedForMessage("C:\\Pictoro\\ ~!\"'"), "C:\\Pictoro\\ ~!\"'"); // backslashes stay
    EXPECT_EQ(EscapedForMessage("B\xFC\x9B\x80"), "B\\xFC\\x9B\\x80");
    // A message box shows bytes 128 to 255 as ANSI letters; control bytes are escaped still.
    EXPECT_EQ(EscapedForMessage("B\xFC"
                                "cher\t\x9B\x7F",
                                THighBytes::Kept),
              "B\xFC"
              "cher\\x09\x9B\\x7F");
    EXPECT_EQ(EscapedForMessage(""), "");
}
