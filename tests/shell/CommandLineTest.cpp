#include <gtest/gtest.h>

#include "shell/CommandLine.h"

namespace {

struct TAutoUpdate {
    bool Recognised;
    std::string Directory;
};

TAutoUpdate FromCommandLine(const std::string& commandLine) {
    TAutoUpdate result{false, ""};
    result.Recognised = ParseAutoUpdate(JoinedArguments(commandLine), result.Directory);
    return result;
}

} // namespace

TEST(CommandLine, SplitsAtBlanksAndControlCharactersOutsideQuotes) {
    EXPECT_EQ(SplitCommandLine("a  b\tc\r\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Setup.exe\" x"),
              (std::vector<std::string>{"C:\\Program Files\\Setup.exe", "x"}));
    EXPECT_EQ(SplitCommandLine("ab\"c d\"e"), (std::vector<std::string>{"abc de"}));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(CommandLine, BackslashBeforeAQuoteIsAnOrdinaryCharacter) {
    EXPECT_EQ(SplitCommandLine("p.exe /autoupdate \"C:\\Program Files\\Pictoro\\\""),
              (std::vector<std::string>{"p.exe", "/autoupdate", "C:\\Program Files\\Pictoro\\"}));
    const TAutoUpdate update = FromCommandLine("p.exe /autoupdate \"C:\\Program Files\\Pictoro\\\"");
    EXPECT_TRUE(update.Recognised);
    EXPECT_EQ(update.Directory, "C:\\Program Files\\Pictoro\\");
}

TEST(CommandLine, JoinsArgumentsAfterTheProgramWithSingleBlanks) {
    EXPECT_EQ(JoinedArguments("\"C:\\Setup Dir\\Install_Pictoro.exe\""), "");
    EXPECT_EQ(JoinedArguments("p.exe   one    two  "), "one two");
    EXPECT_EQ(JoinedArguments("p.exe \" inner  blanks \""), "inner  blanks");
}

TEST(CommandLine, AutoUpdateTakesTheDirectoryAndAppendsABackslash) {
    const TAutoUpdate plain = FromCommandLine("Install_Pictoro.exe /autoupdate C:\\Apps\\Pictoro");
    EXPECT_TRUE(plain.Recognised);
    EXPECT_EQ(plain.Directory, "C:\\Apps\\Pictoro\\");

    const TAutoUpdate capitals = FromCommandLine("Install_Pictoro.exe /AUTOUPDATE D:\\My Apps\\PicToro\\");
    EXPECT_TRUE(capitals.Recognised);
    EXPECT_EQ(capitals.Directory, "D:\\My Apps\\PicToro\\");
}

TEST(CommandLine, QuotedDirectoryKeepsInnerBlanksUnquotedRunsCollapse) {
    EXPECT_EQ(FromCommandLine("p.exe /autoupdate \"C:\\A  B\\C\"").Directory, "C:\\A  B\\C\\");
    EXPECT_EQ(FromCommandLine("p.exe /autoupdate C:\\A   B\\C").Directory, "C:\\A B\\C\\");
}

TEST(CommandLine, AutoUpdateOnlyAtTheStartAndWithADirectory) {
    EXPECT_FALSE(FromCommandLine("p.exe /x /autoupdate C:\\Apps").Recognised);
    EXPECT_FALSE(FromCommandLine("p.exe /autoupdate").Recognised);
    EXPECT_FALSE(FromCommandLine("p.exe /autoupdate    ").Recognised);
    EXPECT_FALSE(FromCommandLine("p.exe \"/autoupdate \"").Recognised);
    EXPECT_FALSE(FromCommandLine("p.exe /autoupdateC:\\Apps").Recognised);
    EXPECT_FALSE(FromCommandLine("p.exe").Recognised);
}
