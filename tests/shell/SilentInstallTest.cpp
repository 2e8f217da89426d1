// The silent installation: its choices, the files it makes, its exit codes and its log.
#include <gtest/gtest.h>

#include "RunResults.h"
#include "VirtualDrive.h"
#include "engine/PB_Pictoro.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/SilentInstall.h"

#include <unistd.h>

#include <regex>

namespace vw = platform::headless;

namespace {

const std::string Programs = "C:\\Users\\Ann\\Start Menu\\Programs";
const std::string Desktop = "C:\\Users\\Ann\\Desktop";
const std::string DefaultDir = "C:\\Program Files\\Pictoro\\";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

} // namespace

class SilentInstall : public VirtualDriveTest {
protected:
    void SetUp() override {
        VirtualDriveTest::SetUp();
        MapDrive('D', platform::DriveFixed);
        vw::SetSpecialFolder(platform::CsidlProgramFiles, "C:\\Program Files");
        vw::SetSpecialFolder(platform::CsidlPrograms, Programs);
        vw::SetSpecialFolder(platform::CsidlDesktopDirectory, Desktop);
        MakeDir("C:\\Program Files");
        MakeDir(Programs);
        MakeDir(Desktop);
        MakeDir("C:\\Temp");
    }

    int Run(const std::string& options) {
        const int code = RunSilentInstallation("\"C:\\Setup\\Install_Pictoro.exe\" " + options);
        EXPECT_EQ(vw::ComInitCount(), 0);
        return code;
    }

    // The logs of the temporary folder, by name.
    std::vector<std::string> TempLogs() const { return ListDir("C:\\Temp"); }

    // The one log in the temporary folder, the default.
    std::string DefaultLog() const {
        const std::vector<std::string> logs = TempLogs();
        if (logs.size() != 1) ADD_FAILURE() << logs.size() << " logs in C:\\Temp";
        return logs.empty() ? std::string() : "C:\\Temp\\" + logs[0];
    }

    std::vector<std::string> Log() { return Log(DefaultLog()); }
    std::vector<std::string> Log(const std::string& file) { return Lines(ReadFile(file)); }

    std::vector<std::string> LogSteps() { return LogSteps(DefaultLog()); }
    // The log's lines after its two opening ones.
    std::vector<std::string> LogSteps(const std::string& file) {
        const std::vector<std::string> lines = Log(file);
        if (lines.size() < 2 || lines[0] != "Install Pictoro 1.7: silent installation") {
            ADD_FAILURE() << "no log in " << file;
            return {};
        }
        return {lines.begin() + 2, lines.end()};
    }
};

TEST_F(SilentInstall, DefaultsAreTheWizardsProposalsAndEveryStepIsLogged) {
    EXPECT_EQ(Run("/silent /agree"), SilentInstalled);
    EXPECT_TRUE(ExecutableIsTheImage(DefaultDir + "Pictoro.Exe"));
    const std::vector<std::string> header = DecodeDataFileStart(DefaultDir + "Pictoro.Dat");
    EXPECT_EQ(header[1], "C:\\Images\\");
    EXPECT_EQ(header[2], DefaultDir + "Cache\\");
    EXPECT_EQ(header[6], "20"); // "I don't know"
    EXPECT_EQ(ReadLink(Desktop + "\\Pictoro.Lnk")["Path"], DefaultDir + "Pictoro.Exe");
    EXPECT_EQ(ReadLink(Programs + "\\Pictoro\\Uninstal.Lnk")["Arguments"], "/Uninstall");
    EXPECT_FALSE(Exists("C:\\Images")); // named in the data file, never created

    EXPECT_EQ(Log()[1], "Command line: \"C:\\Setup\\Install_Pictoro.exe\" /silent /agree");
    EXPECT_EQ(LogSteps(),
              (std::vector<std::string>{
                  "Installation directory = " + DefaultDir,
                  "Download directory = C:\\Images\\",
                  "Connection kind = 5",
                  "Create shortcut on desktop = Yes",
                  "Directory created: " + DefaultDir,
                  "Written: " + DefaultDir + "Pictoro.Exe",
                  "Link written: " + Programs + "\\Pictoro\\Pictoro.Lnk",
                  "Link written: " + Programs + "\\Pictoro\\Uninstal.Lnk",
                  "Link written: " + Programs + "\\Pictoro\\website.Lnk",
                  "Link written: " + Desktop + "\\Pictoro.Lnk",
                  "Written: " + DefaultDir + "Pictoro.Dat",
                  "Result: installed, exit code 0",
              }));
}

// Given directories are refused under Wine; the proposal is checked as a given one is.
TEST_F(SilentInstall, ProposedDirectoryThePagesRefuseEndsWithTwoBeforeAnythingIsWritten) {
    MakeFile(DefaultDir + "Pictoro.Dat", "old");
    EXPECT_EQ(Run("/silent /agree"), SilentRefused);
    EXPECT_EQ(LogSteps()[1], "because it already exists there. You can:");
    EXPECT_EQ(LogSteps().back(), "Result: refused, nothing written, exit code 2");
    EXPECT_FALSE(Exists(Programs + "\\Pictoro"));
    EXPECT_EQ(ListDir(DefaultDir), std::vector<std::string>{"Pictoro.Dat"});
    EXPECT_EQ(ReadFile(DefaultDir + "Pictoro.Dat"), "old");
}

// The levels the run created go again, each logged; the full disk of an earlier
// installation is the Wine test's.
TEST_F(SilentInstall, FailureWhileWritingEndsWithThreeAndLeavesNothingBehind) {
    vw::InjectFault("\\Pictoro.Exe" + PayloadTempSuffix, vw::Fault::DiskFull, 100000);
    EXPECT_EQ(Run("/silent /agree /dir=D:\\New\\Deep"), SilentFailed);
    EXPECT_EQ(ListDir("D:\\"), std::vector<std::string>{});
    EXPECT_EQ(LogSteps(),
              (std::vector<std::string>{
                  "Installation directory = D:\\New\\Deep\\",
                  "Download directory = C:\\Images\\",
                  "Connection kind = 5",
                  "Create shortcut on desktop = Yes",
                  "Directory created: D:\\New\\Deep\\",
                  "Error: Disk full.",
                  "Directory removed: D:\\New\\Deep",
                  "Directory removed: D:\\New",
                  "Result: installation failed, exit code 3",
              }));
}

// The data file is the last write: its failure, in the write or in putting it in place, leaves
// no data file and no temporary one; the steps before it stay done.
TEST_F(SilentInstall, FailureAtTheDataFileEndsWithThreeAndLeavesNoDataFile) {
    const struct {
        const char* Dir;
        const char* FaultySuffix;
        vw::Fault Fault;
    } cases[] = {{"D:\\Written", "\\Pictoro.Dat.tmp", vw::Fault::DiskFull},
                 {"D:\\Replaced", "\\Pictoro.Dat", vw::Fault::InUse}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Dir);
        vw::InjectFault(c.FaultySuffix, c.Fault, 10);
        const std::string log = std::string("C:\\Temp\\") + (c.Dir + 3) + ".log";
        EXPECT_EQ(Run(std::string("/silent /agree /nodesktopshortcut /log=") + log + " /dir=" + c.Dir), SilentFailed);
        vw::ClearFaults();
        EXPECT_EQ(ListDir(std::string(c.Dir) + "\\"), std::vector<std::string>{"Pictoro.Exe"});
        const std::vector<std::string> steps = LogSteps(log);
        ASSERT_GE(steps.size(), 3u);
        EXPECT_EQ(steps[steps.size() - 3], "Link written: " + Programs + "\\Pictoro\\website.Lnk");
        EXPECT_EQ(steps[steps.size() - 2].substr(0, 7), "Error: ");
        EXPECT_EQ(steps.back(), "Result: installation failed, exit code 3");
    }
}

TEST_F(SilentInstall, LogThatCannotBeWrittenDoesNotStopTheInstallationAndIsReportedOnStandardError) {
    EXPECT_EQ(Run("/silent /agree /log=X:\\Nowhere\\Install.log"), SilentInstalled);
    EXPECT_TRUE(ExecutableIsTheImage(DefaultDir + "Pictoro.Exe"));
    EXPECT_EQ(TempLogs(), std::vector<std::string>{});
    EXPECT_EQ(vw::StandardErrorText(),
              "Result: installed, exit code 0; no log: X:\\Nowhere\\Install.log cannot be made (Invalid filename)\r\n");
}

// A silent run is the one nobody watches: the system must not ask for a disk or show a crash.
TEST_F(SilentInstall, RunShowsNoSystemBoxes) {
    EXPECT_EQ(Run("/silent /agree"), SilentInstalled);
    EXPECT_EQ(vw::ErrorMode(),
              platform::SemFailCriticalErrors | platform::SemNoGpFaultErrorBox | platform::SemNoOpenFileErrorBox);
}

// In a temporary folder that others can write (C:\Windows\Temp for SYSTEM), a fixed name can
// be made first by another user, or be a link.
TEST_F(SilentInstall, DefaultLogIsANewFileOfANameNobodyCanForesee) {
    EXPECT_EQ(Run("/silent /agree /nodesktopshortcut"), SilentInstalled);
    const std::string first = DefaultLog();
    EXPECT_EQ(vw::StandardErrorText(), "Result: installed, exit code 0; log: " + first + "\r\n");
    MakeFile(DefaultDir + "Pictoro.Dat"); // the second run is refused and logs that
    EXPECT_EQ(Run("/silent /agree"), SilentRefused);
    const std::vector<std::string> logs = TempLogs();
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_NE(logs[0], logs[1]);
    for (const std::string& name : logs)
        EXPECT_TRUE(std::regex_match(name, std::regex("Install_Pictoro-[0-9A-F]{16}\\.log"))) << name;
    EXPECT_EQ(Log(first).back(), "Result: installed, exit code 0");
}

TEST_F(SilentInstall, LogThatIsALinkIsNotFollowed) {
    MakeFile("C:\\Windows\\System32\\config.sys", "system file");
    MakeDir("C:\\Shared");
    ASSERT_EQ(symlink((driveC_ + "/Windows/System32/config.sys").c_str(), (driveC_ + "/Shared/Install.log").c_str()),
              0);
    EXPECT_EQ(Run("/silent /agree /log=C:\\Shared\\Install.log"), SilentInstalled);
    EXPECT_EQ(ReadFile("C:\\Windows\\System32\\config.sys"), "system file");
    EXPECT_EQ(
        vw::StandardErrorText(),
        "Result: installed, exit code 0; no log: C:\\Shared\\Install.log cannot be made (File access denied)\r\n");
}

// The log is opened once the line is understood: a file named by a line that is not keeps
// what it held, and the reason goes to standard error.
TEST_F(SilentInstall, LineNotUnderstoodLeavesTheFileItNamesAsItWas) {
    MakeFile("C:\\Reports\\Install.log", "the report of last week");
    EXPECT_EQ(Run("/silent /log=C:\\Reports\\Install.log"), SilentNotUnderstood);
    EXPECT_EQ(ReadFile("C:\\Reports\\Install.log"), "the report of last week");
    EXPECT_EQ(TempLogs(), std::vector<std::string>{});
    EXPECT_EQ(vw::StandardErrorText(),
              "Error: No /agree: nothing is installed unless the caller agrees to the maker's statement.\r\n"
              "Result: command line not understood, nothing installed, exit code 1\r\n");
}

// Resolved against the folder the caller happens to start in (System32 for many deployment
// tools), such a directory would be written into Pictoro.Dat and the links unresolved.
TEST_F(SilentInstall, DirectoriesThatAreNotAbsoluteAreRefused) {
    for (const std::string option : {"/dir=Pictoro", "/dir=C:Pictoro", "/dir=\\Pictoro", "/dir=..\\Pictoro",
                                     "/downloaddir=Images", "/downloaddir=D:Images", "/dir=\\\\?\\C:\\Pictoro",
                                     "/dir=\\\\server", "/dir=\\\\server\\", "/dir=C:/Pictoro"}) {
        EXPECT_EQ(Run("/silent /agree /log=C:\\Temp\\refused.log " + option), SilentRefused) << option;
        EXPECT_EQ(LogSteps("C:\\Temp\\refused.log").front(), "Error: Invalid directory.") << option;
    }
    EXPECT_EQ(ListDir("C:\\"), (std::vector<std::string>{"Program Files", "Temp", "Users"}));
    EXPECT_EQ(ListDir("D:\\"), std::vector<std::string>{});
}
