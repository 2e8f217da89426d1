// The unattended update: started with /autoupdate and a directory, the installer slides to
// the upgrade run at the first timer tick, writes Pictoro.Exe, starts it and ends.
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"
#include "toolkit/headless/HeadlessUI.h"
#include "upgrade_Fixture.h"

namespace vw = platform::headless;

namespace {

const std::string Program = "\"C:\\Setup\\Install_Pictoro.exe\" ";

} // namespace

class UnattendedUpdate : public UpgradeTest {
protected:
    // Starts with the arguments, checks the welcome page before the tick, and ticks.
    bool RunWith(const std::string& arguments) {
        RestartWith(Program + arguments);
        EXPECT_EQ(CurrentPageName(), PageName::PnlWelcome);
        EXPECT_TRUE(AutoUpdate);
        return TickStartTimer();
    }

    void ExpectUpdatedAndEnded(const std::string& dir) {
        EXPECT_TRUE(headless::MessageBoxes().empty());
        EXPECT_EQ(CurrentPageName(), PageName::PNLUpgradeUpgrading);
        EXPECT_EQ(InstallDir, dir);
        EXPECT_TRUE(ExecutableIsTheImage(dir + "Pictoro.Exe"));
        EXPECT_EQ(StartedCommandLines(), (std::vector<std::string>{"3|\"" + dir + "Pictoro.Exe\""}));
        EXPECT_TRUE(vw::Halted());
        EXPECT_EQ(vw::ExitCode(), 0);
    }
};

TEST_F(UnattendedUpdate, AMissingDirectoryIsCreatedWrittenStartedAndTheInstallerEnds) {
    ASSERT_TRUE(RunWith("/autoupdate C:\\Apps\\Pictoro"));
    ExpectUpdatedAndEnded("C:\\Apps\\Pictoro\\");
    EXPECT_FALSE(Exists("C:\\Apps\\Pictoro\\Pictoro.Dat"));
}

TEST_F(UnattendedUpdate, TheOptionInCapitalsWithATrailingBackslashUpdatesAnInstallation) {
    MakeInstallation("D:\\Pictoro\\", 0);
    ASSERT_TRUE(RunWith("/AUTOUPDATE D:\\Pictoro\\"));
    ExpectUpdatedAndEnded("D:\\Pictoro\\");
    EXPECT_EQ(ReadFile("D:\\Pictoro\\Pictoro.Dat"), DataFileBytes(0, false, "rest of the data file"));
}

TEST_F(UnattendedUpdate, AQuotedDirectoryKeepsItsBlanks) {
    MakeInstallation("C:\\Some Dir\\Pictoro\\", 2, true);
    ASSERT_TRUE(RunWith("/autoupdate \"C:\\Some Dir\\Pictoro\""));
    ExpectUpdatedAndEnded("C:\\Some Dir\\Pictoro\\");
}

TEST_F(UnattendedUpdate, AnExecutableInUseShowsTheErrorStartsNothingAndKeepsRunning) {
    MakeInstallation("C:\\Apps\\Pictoro\\", 0);
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::InUse);
    EXPECT_FALSE(RunWith("/autoupdate C:\\Apps\\Pictoro"));
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|I/O error 32."}));
    EXPECT_FALSE(vw::Halted());
    EXPECT_TRUE(vw::StartedProcesses().empty());
    EXPECT_FALSE(FormMain->IsClosed());
    EXPECT_EQ(CurrentPageName(), PageName::PNLUpgradeUpgrading);
    EXPECT_EQ(ReadFile("C:\\Apps\\Pictoro\\Pictoro.Exe"), EarlierExecutable);
}
