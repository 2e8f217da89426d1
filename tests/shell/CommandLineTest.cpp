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

TEST(CommandLine, SilentAnywhereButNeverOnAnAutoUpdateLine) {
    EXPECT_TRUE(IsSilentLine("p.exe /silent"));
    EXPECT_TRUE(IsSilentLine("p.exe /agree /SILENT"));
    EXPECT_TRUE(IsSilentLine("p.exe \"/Silent\""));
    EXPECT_FALSE(IsSilentLine("p.exe"));
    EXPECT_FALSE(IsSilentLine("/silent")); // the program's own name
    EXPECT_FALSE(IsSilentLine("p.exe /silently"));
    EXPECT_FALSE(IsSilentLine("p.exe /autoupdate C:\\Apps /silent"));
    EXPECT_TRUE(FromCommandLine("p.exe /autoupdate C:\\Apps /silent").Recognised);
}

TEST(CommandLine, SilentOptionNamesIgnoreCaseValuesKeepIt) {
    const TSilentOptions options = ParseSilentOptions(
        "p.exe /Silent /AGREE \"/Dir=C:\\Program Files\\PicToro\" /DownloadDir=\"D:\\My Pics\" "
        "/connection=0 /NODESKTOPSHORTCUT /Log=C:\\A=B.log /dir=");
    EXPECT_EQ(options.InstallDir, "C:\\Program Files\\PicToro");
    EXPECT_EQ(options.DownloadDir, "D:\\My Pics");
    EXPECT_EQ(options.ConnectionKind, 0);
    EXPECT_FALSE(options.DesktopShortcut);
    EXPECT_EQ(options.LogFile, "C:\\A=B.log");
    EXPECT_EQ(options.Error, "Option given twice: /dir=");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree /dir=").InstallDir, ""); // for the directory check
}

TEST(CommandLine, SilentLineKeepsTheFirstProblemAndStillReadsTheLog) {
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree /connection=05").Error,
              "The connection must be a number from 0 to 5: /connection=05");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree /connection=").Error,
              "The connection must be a number from 0 to 5: /connection=");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree /agree=yes").Error, "Unknown option: /agree=yes");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree /log=").Error, "The log needs a file name: /log=");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent /agree \"/x\ty\"").Error, "Unknown option: /x\\x09y");
    const TSilentOptions options = ParseSilentOptions("p.exe /silent /dir /connection=9 /log=C:\\s.log");
    EXPECT_EQ(options.Error, "Unknown option: /dir");
    EXPECT_EQ(options.LogFile, "C:\\s.log");
    EXPECT_EQ(ParseSilentOptions("p.exe /silent").Error,
              "No /agree: nothing is installed unless the caller agrees to the maker's statement");
}
