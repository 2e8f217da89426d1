#include "VirtualDrive.h"
#include "platform/DateTime.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace vw = platform::headless;

using ShellTest = VirtualDriveTest;

TEST_F(ShellTest, ALinkIsSavedAsARecordOfWhatItWasGiven) {
    MakeFile("C:\\Menu\\.keep");
    {
        platform::ShellLink link;
        link.SetPath("C:\\Program Files\\Pictoro\\Pictoro.Exe");
        link.SetArguments("/Uninstall");
        link.SetDescription("Uninstall Pictoro");
        link.SetIconLocation("C:\\Program Files\\Pictoro\\Pictoro.Exe", 1);
        link.Save(platform::AnsiToWide("C:\\MENU\\Uninstal.Lnk"), true);
    }
    EXPECT_EQ(ReadFile("C:\\Menu\\Uninstal.Lnk"),
              "Path=C:\\Program Files\\Pictoro\\Pictoro.Exe\nArguments=/Uninstall\nDescription=Uninstall Pictoro\n"
              "IconPath=C:\\Program Files\\Pictoro\\Pictoro.Exe\nIconIndex=1\n");
    platform::ShellLink plain;
    plain.SetPath("C:\\x.exe");
    plain.Save(platform::AnsiToWide("C:\\Menu\\Plain.Lnk"), true);
    EXPECT_EQ(ReadFile("C:\\Menu\\Plain.Lnk"), "Path=C:\\x.exe\nArguments=\nDescription=\n");
}

TEST_F(ShellTest, ALinkThatCannotBeSavedLeavesNothing) {
    platform::ShellLink link;
    link.SetPath("C:\\x.exe");
    EXPECT_NO_THROW(link.Save(platform::AnsiToWide("C:\\Missing\\x.Lnk"), true));
    EXPECT_FALSE(platform::FileExists("C:\\Missing\\x.Lnk"));
}

TEST_F(ShellTest, ALinkObjectFailsWithTheGivenResult) {
    vw::SetShellLinkFailure(std::int32_t(0x80040154));
    try {
        platform::ShellLink link;
        FAIL() << "no error raised";
    } catch (const EOleSysError& error) {
        EXPECT_EQ(std::uint32_t(error.ErrorCode), 0x80040154u);
        EXPECT_EQ(error.Message, "Class not registered");
    }
    vw::SetShellLinkFailure(std::int32_t(0x8000FFFF));
    EXPECT_THROW(platform::ShellLink(), EOleSysError);
    vw::SetShellLinkFailure(0);
    EXPECT_NO_THROW(platform::ShellLink());
}

TEST_F(ShellTest, SpecialFoldersComeFromTheTable) {
    vw::SetSpecialFolder(platform::CsidlProgramFiles, "C:\\Program Files");
    vw::SetSpecialFolder(platform::CsidlDesktopDirectory, "", std::int32_t(0x80004005));
    std::string path = "unchanged";
    EXPECT_EQ(platform::SHGetFolderPathA(0, platform::CsidlProgramFiles, 0, path), platform::HrOK);
    EXPECT_EQ(path, "C:\\Program Files");
    path = "unchanged";
    EXPECT_EQ(platform::SHGetFolderPathA(0, platform::CsidlDesktopDirectory, 0, path), std::int32_t(0x80004005));
    EXPECT_NE(platform::SHGetFolderPathA(0, platform::CsidlPrograms, 0, path), platform::HrOK);
    EXPECT_EQ(path, "unchanged");
}

TEST(AnsiToWide, UsesTheWindowsAnsiCodePage) {
    EXPECT_EQ(platform::AnsiToWide("Ab\xE9\x80\x9F"), std::u16string(u"Ab\u00E9\u20AC\u0178"));
    EXPECT_EQ(platform::AnsiToWide(""), u"");
}

TEST_F(ShellTest, StartedProcessesAreRecordedInOrder) {
    EXPECT_GT(platform::WinExec("\"C:\\Pictoro\\Pictoro.Exe\"", platform::SwShowNormal), 31u);
    EXPECT_GT(platform::ShellExecuteA(0, "open", "mailto:info@korvane.example", "", "", platform::SwShowMaximized), 32);
    EXPECT_GT(platform::ShellExecuteA(0, "", "notepad", "readme.txt", "", platform::SwShowNormal), 32);
    const auto& started = vw::StartedProcesses();
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0].CommandLine, "\"C:\\Pictoro\\Pictoro.Exe\"");
    EXPECT_EQ(started[0].Operation, "");
    EXPECT_EQ(started[1].CommandLine, "mailto:info@korvane.example");
    EXPECT_EQ(started[1].Show, platform::SwShowMaximized);
    EXPECT_EQ(started[1].Operation, "open");
    EXPECT_EQ(started[2].CommandLine, "notepad readme.txt");
    vw::Reset();
    EXPECT_TRUE(vw::StartedProcesses().empty());
}

TEST(DateTime, EncodesDaysSince1899) {
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(1900, 1, 1, 6, 0, 0, 0), 2.25);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(2000, 3, 1, 0, 0, 0, 0), 36586.0);
    EXPECT_DOUBLE_EQ(platform::EncodeDateTime(2026, 12, 8, 12, 0, 0, 500), 46364.5 + 0.5 / 86400.0);
}

TEST(Clock, StartsAtNewYear2026AndStepsOnEveryRead) {
    vw::Reset();
    double start = platform::EncodeDateTime(2026, 1, 1, 12, 0, 0, 0);
    EXPECT_DOUBLE_EQ(platform::Now(), start);
    EXPECT_DOUBLE_EQ(platform::Now(), start + 1 / 86400000.0);
    vw::SetClock(100.0);
    vw::SetClockStep(0);
    EXPECT_DOUBLE_EQ(platform::Now(), 100.0);
    EXPECT_DOUBLE_EQ(platform::Now(), 100.0);
    vw::AdvanceClock(43200000.0);
    EXPECT_DOUBLE_EQ(platform::Now(), 100.5);
    platform::SleepEx(8640000, false);
    EXPECT_DOUBLE_EQ(platform::Now(), 100.6);
    vw::SetClockStep(70);
    platform::Now();
    EXPECT_NEAR((platform::Now() - 100.6) * 86400000.0, 70.0, 1e-3);
}

TEST(Halt, RecordsTheCodeAndThrows) {
    vw::Reset();
    EXPECT_FALSE(vw::Halted());
    try {
        platform::Halt(3);
        FAIL() << "Halt returned";
    } catch (const platform::HaltRequest& request) {
        EXPECT_EQ(request.ExitCode, 3);
    }
    EXPECT_TRUE(vw::Halted());
    EXPECT_EQ(vw::ExitCode(), 3);
}

TEST(Environment, CommandLineScreenDepthAndCom) {
    vw::Reset();
    EXPECT_EQ(platform::ScreenBitsPerPixel(), 32);
    vw::SetScreenBitsPerPixel(8);
    EXPECT_EQ(platform::ScreenBitsPerPixel(), 8);
    vw::SetCommandLine("Install_Pictoro.exe /autoupdate C:\\Pictoro");
    EXPECT_EQ(platform::GetCommandLineText(), "Install_Pictoro.exe /autoupdate C:\\Pictoro");
    EXPECT_TRUE(platform::CoInitializeApartment());
    EXPECT_EQ(vw::ComInitCount(), 1);
    platform::CoUninitializeApartment();
    EXPECT_EQ(vw::ComInitCount(), 0);
}
