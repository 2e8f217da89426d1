// The silent installation: its choices, the files it makes, its exit codes and its log.
#include <gtest/gtest.h>

#include "RunResults.h"
#include "VirtualDrive.h"
#include "datafile/PB_Pictoro_DAT.h" // TemporaryFileFor
#include "engine/PB_Pictoro.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/SilentInstall.h"

namespace vw = platform::headless;

namespace {

const std::string Programs = "C:\\Users\\Ann\\Start Menu\\Programs";
const std::string Desktop = "C:\\Users\\Ann\\Desktop";
const std::string DefaultDir = "C:\\Program Files\\Pictoro\\";
const std::string DefaultLog = "C:\\Temp\\Install_Pictoro.log";

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

    std::vector<std::string> Log(const std::string& file = DefaultLog) { return Lines(ReadFile(file)); }

    // The log's lines after its two opening ones.
    std::vector<std::string> LogSteps(const std::string& file = DefaultLog) {
        std::vector<std::string> lines = Log(file);
        EXPECT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], "Install Pictoro 1.7: silent installation");
        return {lines.begin() + std::min<std::size_t>(2, lines.size()), lines.end()};
    }

    // No Pictoro.Exe (nor its temporary file) in the directory, no links, no default directory.
    void ExpectNothingInstalled(const std::string& dir = DefaultDir) {
        EXPECT_FALSE(Exists(DefaultDir));
        EXPECT_FALSE(Exists(dir + "Pictoro.Exe"));
        EXPECT_FALSE(Exists(dir + "Pictoro.Exe" + PayloadTempSuffix));
        EXPECT_FALSE(Exists(Programs + "\\Pictoro"));
        EXPECT_FALSE(Exists(Desktop + "\\Pictoro.Lnk"));
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

TEST_F(SilentInstall, EveryOptionIsTakenWithoutRegardToCase) {
    MakeDir("D:\\Apps\\My Pictoro");
    const std::string dir = "D:\\Apps\\My Pictoro\\";
    EXPECT_EQ(Run("/SILENT /Agree \"/Dir=  D:\\Apps\\My Pictoro \" /downloaddir=D:\\Pics /CONNECTION=2 "
                  "/NoDesktopShortcut \"/log=D:\\Setup Logs.txt\""),
              SilentInstalled);
    const std::vector<std::string> header = DecodeDataFileStart(dir + "Pictoro.Dat");
    EXPECT_EQ(header[1], "D:\\Pics"); // as given, like a typed download directory
    EXPECT_EQ(header[2], dir + "Cache\\");
    EXPECT_EQ(header[6], "12"); // ISDN
    EXPECT_FALSE(Exists(Desktop + "\\Pictoro.Lnk"));
    EXPECT_FALSE(Exists(DefaultLog));
    const std::vector<std::string> steps = LogSteps("D:\\Setup Logs.txt");
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(steps[3], "Create shortcut on desktop = No");
    EXPECT_EQ(steps[4], "Written: " + dir + "Pictoro.Exe"); // the directory was there
}

TEST_F(SilentInstall, LineNotUnderstoodInstallsNothingAndEndsWithOne) {
    const struct {
        std::string options, error;
    } cases[] = {
        {"/silent", "Error: No /agree: nothing is installed unless the caller agrees to the maker's statement."},
        {"/silent /agree /connection=6", "Error: The connection must be a number from 0 to 5: /connection=6."},
        {"/silent /agree /quiet", "Error: Unknown option: /quiet."},
        {"/silent /agree /dir=C:\\A /DIR=C:\\B", "Error: Option given twice: /DIR=C:\\B."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.options), SilentNotUnderstood) << c.options;
        EXPECT_EQ(
            LogSteps(),
            (std::vector<std::string>{c.error, "Result: command line not understood, nothing installed, exit code 1"}))
            << c.options;
        ExpectNothingInstalled();
    }
}

TEST_F(SilentInstall, DirectoryThePagesRefuseEndsWithTwoBeforeAnythingIsWritten) {
    MakeFile("D:\\Old\\Pictoro.Dat", "old");
    const struct {
        std::string options;
        std::vector<std::string> error;
    } cases[] = {
        {"/dir=C:", {"Error: Invalid directory."}},
        {"\"/downloaddir= D: \"", {"Error: Invalid directory."}},
        {"/dir=D:\\Old",
         {"Error: Cannot install Pictoro in D:\\Old\\", "because it already exists there. You can:",
          "- Delete it or uninstall it first, ", "- Go back and choose upgrade instead of install."}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("/silent /agree " + c.options), SilentRefused) << c.options;
        std::vector<std::string> expected = c.error;
        expected.push_back("Result: refused, nothing written, exit code 2");
        EXPECT_EQ(LogSteps(), expected) << c.options;
        ExpectNothingInstalled();
        ExpectNothingInstalled("D:\\Old\\");
    }
    EXPECT_EQ(ReadFile("D:\\Old\\Pictoro.Dat"), "old");

    MakeFile(DefaultDir + "Pictoro.Dat"); // the proposal is checked as a given directory is
    EXPECT_EQ(Run("/silent /agree"), SilentRefused);
    EXPECT_FALSE(Exists(DefaultDir + "Pictoro.Exe"));
}

TEST_F(SilentInstall, FailureWhileWritingEndsWithThreeAndLeavesNothingBehind) {
    MakeFile(DefaultDir + "Pictoro.Exe", "the earlier application");
    vw::InjectFault("\\Pictoro.Exe" + PayloadTempSuffix, vw::Fault::DiskFull, 100000);
    EXPECT_EQ(Run("/silent /agree"), SilentFailed);
    EXPECT_EQ(ReadFile(DefaultDir + "Pictoro.Exe"), "the earlier application");
    EXPECT_EQ(ListDir(DefaultDir), (std::vector<std::string>{"Pictoro.Exe"}));
    EXPECT_FALSE(Exists(Programs + "\\Pictoro"));
    std::vector<std::string> steps = LogSteps();
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[4], "Error: Disk full.");
    EXPECT_EQ(steps[5], "Result: installation failed, exit code 3");

    // The levels the run created go again; what was there stays.
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

    vw::ClearFaults();
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::InUse);
    EXPECT_EQ(Run("/silent /agree"), SilentFailed);
    EXPECT_EQ(LogSteps()[4], "Error: I/O error 32.");

    vw::ClearFaults();
    const std::string data = DefaultDir + "Pictoro.Dat";
    const std::string temporary = TemporaryFileFor(data);
    vw::InjectFault(temporary.substr(temporary.rfind('\\')), vw::Fault::DiskFull, 500);
    EXPECT_EQ(Run("/silent /agree"), SilentFailed);
    EXPECT_TRUE(ExecutableIsTheImage(DefaultDir + "Pictoro.Exe"));
    EXPECT_FALSE(Exists(data));
    EXPECT_FALSE(Exists(temporary));
    steps = LogSteps();
    EXPECT_EQ(steps.end()[-2], "Error: Disk full.");
}

TEST_F(SilentInstall, LogThatCannotBeWrittenDoesNotStopTheInstallation) {
    EXPECT_EQ(Run("/silent /agree /log=X:\\Nowhere\\Install.log"), SilentInstalled);
    EXPECT_TRUE(ExecutableIsTheImage(DefaultDir + "Pictoro.Exe"));
    EXPECT_FALSE(Exists(DefaultLog));

    vw::SetTempDir("");
    vw::InjectFault("\\Pictoro.Dat", vw::Fault::InUse); // the run still ends, and tells it by its code
    EXPECT_EQ(Run("/silent /agree /dir=D:\\Second"), SilentFailed);
}

TEST_F(SilentInstall, EndSilentRunLogsTheMessageOfAStartThatCannotGoOn) {
    EXPECT_EQ(EndSilentRun("p.exe /silent /agree /log=D:\\start.log", "The installer is damaged", SilentRefused),
              SilentRefused);
    EXPECT_EQ(LogSteps("D:\\start.log"),
              (std::vector<std::string>{"Error: The installer is damaged.",
                                        "Result: refused, nothing written, exit code 2"}));
}
