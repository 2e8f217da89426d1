// The upgrade run from the start page: what it writes and leaves alone, its progress, its
// failures, and the ready page.
#include <algorithm>
#include <filesystem>

#include "engine/PB_Pictoro.h"
#include "engine/PNL_UpgradeUpgrading.h"
#include "pages/PNL_UpgradeReady.h"
#include "pages/PNL_UpgradeStart.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/PageNames.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/headless/HeadlessUI.h"
#include "upgrade_Fixture.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

namespace {

const std::string Chosen = "D:\\Pictoro\\";
const std::string Other = "C:\\Program Files\\Pictoro\\";
// A data file with the bytes that a careless copy would change: end-of-file, line ends, zero.
const std::string DataFileRest = std::string("\x1A\r\n\n\0\xFF settings", 15);

struct ProgressSample {
    std::int32_t BlockNo;
    bool AtRest; // the page area is in place, not sliding
    int Position;
    std::string Caption;
};

} // namespace

class UpgradeRun : public UpgradeTest {
protected:
    TPNLUpgradeUpgrading& RunPage() const {
        return *dynamic_cast<TPNLUpgradeUpgrading*>(FormMain->PageControl->Pages(11)->Controls()[0]);
    }

    void GoToStartPageWithTwoInstallations() {
        MakeInstallation(Other, 0);
        MakeInstallation(Chosen, 1, false, DataFileRest);
        StartSearch();
        RequirePage(PageName::PNLUpgradeStart);
    }

    void PickAndUpgrade(int item) {
        headless::PickItem(*Page<TPNLUpgradeStart>().ComboBoxUpgrade, item);
        ClickButton("&Upgrade");
    }

    std::vector<std::string> FilesIn(const std::string& windowsDir) const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(vw::HostPath(windowsDir)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    void ExpectFailedRunKeptEverything(const std::string& box) {
        EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|" + box}));
        EXPECT_EQ(CurrentPageName(), PageName::PNLUpgradeUpgrading);
        EXPECT_TRUE(BarCaptions().empty());
        EXPECT_EQ(RunPage().ProgressBar1->Position(), 0);
        EXPECT_EQ(RunPage().Label12->Caption(), "0% complete");
        EXPECT_EQ(ReadFile(Chosen + "Pictoro.Exe"), EarlierExecutable);
        EXPECT_EQ(FilesIn(Chosen), (std::vector<std::string>{"Pictoro.Dat", "Pictoro.Exe"}));
        EXPECT_TRUE(vw::StartedProcesses().empty());
        ClickHeader();
        EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
    }
};

TEST_F(UpgradeRun, ThePickedInstallationGetsTheNewExecutableAndNothingElseChanges) {
    GoToStartPageWithTwoInstallations();
    PickAndUpgrade(1);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(InstallDir, Chosen);
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Upgrade of Pictoro ready");

    EXPECT_TRUE(ExecutableIsTheImage(Chosen + "Pictoro.Exe"));
    EXPECT_EQ(ReadFile(Chosen + "Pictoro.Dat"), DataFileBytes(1, false, DataFileRest));
    EXPECT_EQ(FilesIn(Chosen), (std::vector<std::string>{"Pictoro.Dat", "Pictoro.Exe"}));
    EXPECT_EQ(ReadFile(Other + "Pictoro.Exe"), EarlierExecutable);
    EXPECT_TRUE(fs::is_empty(vw::HostPath(StartMenuPrograms)));
    EXPECT_TRUE(fs::is_empty(vw::HostPath(Desktop)));
}

TEST_F(UpgradeRun, StartOnTheReadyPageRunsTheUpgradedCopyMaximisedAndEnds) {
    GoToStartPageWithTwoInstallations();
    PickAndUpgrade(1);
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Start Pictoro"}));
    EXPECT_EQ(BarButton("&Start Pictoro")->Width(), 120);
    EXPECT_EQ(BarButton("&Exit")->Width(), 90);
    ClickButton("&Start Pictoro");
    EXPECT_EQ(StartedCommandLines(), (std::vector<std::string>{"3|\"D:\\Pictoro\\Pictoro.Exe\""}));
    EXPECT_TRUE(FormMain->IsClosed());
}

TEST_F(UpgradeRun, ExitOnTheReadyPageStartsNothing) {
    GoToStartPageWithTwoInstallations();
    PickAndUpgrade(0);
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    EXPECT_TRUE(ExecutableIsTheImage(Other + "Pictoro.Exe"));
    ClickButton("&Exit");
    EXPECT_TRUE(FormMain->IsClosed());
    EXPECT_TRUE(vw::StartedProcesses().empty());
}

TEST_F(UpgradeRun, TheLabelRisesByWholePercentsToOneHundredThenShowsOneHundredOnceMore) {
    GoToStartPageWithTwoInstallations();
    std::vector<ProgressSample> samples;
    TTimer recorder(nullptr);
    recorder.SetInterval(1);
    recorder.OnTimer = [&](TObject*) {
        if (CurrentPageName() != PageName::PNLUpgradeUpgrading) return;
        samples.push_back({PayloadBlockNo, FormMain->PageControl->Left() == 40, RunPage().ProgressBar1->Position(),
                           RunPage().Label12->Caption()});
    };
    PayloadBlockNo = 0; // an earlier test's run left its count
    recorder.SetEnabled(true);
    PickAndUpgrade(1);
    recorder.SetEnabled(false);
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    EXPECT_EQ(RunPage().ProgressBar1->Max(), PayloadSize);

    std::vector<std::string> captions;
    std::vector<ProgressSample> lastBlock;
    for (const ProgressSample& s : samples) {
        if (!s.AtRest) continue;
        if (captions.empty() || captions.back() != s.Caption) captions.push_back(s.Caption);
        if (s.BlockNo == PayloadBlockNo) lastBlock.push_back(s);
    }
    std::vector<std::string> expected;
    for (int percent = 0; percent <= 100; ++percent) expected.push_back(std::to_string(percent) + "% complete");
    EXPECT_EQ(captions, expected);
    ASSERT_EQ(lastBlock.size(), 2u);
    for (const ProgressSample& s : lastBlock) {
        EXPECT_EQ(s.Caption, "100% complete");
        EXPECT_EQ(s.Position, PayloadSize);
    }
}

TEST_F(UpgradeRun, HeaderClicksAndClosingWaitUntilTheRunHasEnded) {
    GoToStartPageWithTwoInstallations();
    bool tried = false;
    TTimer intruder(nullptr);
    intruder.SetInterval(1);
    intruder.OnTimer = [&](TObject*) {
        if (tried || !FormMain->Working() || PayloadBlockNo < 100) return;
        tried = true;
        TPoint header = headless::CenterOf(*FormMain->PnlHeader);
        headless::PostClick(*FormMain, header.X, header.Y);
        FormMain->Close();
    };
    intruder.SetEnabled(true);
    PickAndUpgrade(1);
    intruder.SetEnabled(false);
    EXPECT_TRUE(tried);
    EXPECT_FALSE(FormMain->IsClosed());
    EXPECT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    EXPECT_TRUE(ExecutableIsTheImage(Chosen + "Pictoro.Exe"));
}

TEST_F(UpgradeRun, AnExecutableInUseFailsBeforeAnythingIsWritten) {
    GoToStartPageWithTwoInstallations();
    vw::InjectFault(Chosen + "Pictoro.Exe", vw::Fault::InUse);
    PickAndUpgrade(1);
    ExpectFailedRunKeptEverything("I/O error 32.");
    EXPECT_EQ(ReadFile(Chosen + "Pictoro.Dat"), DataFileBytes(1, false, DataFileRest));
}

TEST_F(UpgradeRun, ADiskFullHalfwayKeepsTheEarlierExecutable) {
    GoToStartPageWithTwoInstallations();
    vw::InjectFault(Chosen + "Pictoro.Exe" + PayloadTempSuffix, vw::Fault::DiskFull, 1000000);
    PickAndUpgrade(1);
    ExpectFailedRunKeptEverything("Disk full.");
}

TEST_F(UpgradeRun, TheReadyPageShowsItsPictureAndTheGreetingOnTheSkyBluePanel) {
    GoToStartPageWithTwoInstallations();
    PickAndUpgrade(1);
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeReady);
    TPNLUpgradeReady& page = Page<TPNLUpgradeReady>();
    EXPECT_EQ(page.Label9->Caption(), "The upgrade of Pictoro is completed succesfully.");
    EXPECT_EQ(page.Image8->Width(), 383);
    EXPECT_EQ(page.Image8->Height(), 302);
    EXPECT_EQ(page.Label11->Parent(), page.Panel45);

    TBitmap shot = headless::Screenshot(*FormMain);
    TRect panel = headless::ControlRectInForm(*page.Panel45);
    EXPECT_EQ(shot.Pixel(panel.Left + 5, panel.Top + 5), clSkyBlue);
    TRect greeting = headless::ControlRectInForm(*page.Label11);
    int white = 0;
    for (int y = greeting.Top; y < greeting.Bottom; ++y)
        for (int x = greeting.Left; x < greeting.Right; ++x) white += shot.Pixel(x, y) == clWhite;
    EXPECT_GT(white, 50);
    TRect picture = headless::ControlRectInForm(*page.Image8);
    EXPECT_NE(shot.Pixel(picture.Left + 100, picture.Bottom - 10), clSkyBlue);
}
