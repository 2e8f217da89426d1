// The installation run, the files and links it makes, its failures, and the ready page.
#include <algorithm>

#include "RunResults.h"
#include "WizardFixture.h"
#include "datafile/PB_Pictoro_DAT.h"
#include "engine/InstallRun.h"
#include "engine/PB_Pictoro.h"
#include "engine/PNL_InstallInstalling.h"
#include "pages/PNL_InstallGo.h"
#include "pages/PNL_InstallReady.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessUI.h"

namespace vw = platform::headless;

namespace {

const std::string Installed = "C:\\Program Files\\Pictoro\\";
const std::string StartMenuFolder = "C:\\Users\\Ann\\Start Menu\\Programs\\Pictoro";

struct ProgressStep {
    int Position;
    std::string Caption;
    bool operator==(const ProgressStep&) const = default;
};

// What the installing page shows, sampled at every message pump of the run.
class ProgressRecorder {
public:
    explicit ProgressRecorder(TPNLInstallInstalling& page) : timer_(nullptr) {
        timer_.SetInterval(1);
        timer_.OnTimer = [this, &page](TObject*) {
            ProgressStep now{page.ProgressBar1->Position(), page.Label12->Caption()};
            if (steps.empty() || !(steps.back() == now)) steps.push_back(now);
        };
    }
    std::vector<ProgressStep> steps;

private:
    TTimer timer_;
};

} // namespace

class InstallRun : public WizardTest {
protected:
    TPNLInstallInstalling& InstallingPage() {
        return *dynamic_cast<TPNLInstallInstalling*>(FormMain->PageControl->Pages(7)->Controls()[0]);
    }

    void ExpectStoppedOnInstallingPage() {
        EXPECT_EQ(CurrentPageName(), PageName::PNLInstallInstalling);
        EXPECT_TRUE(BarCaptions().empty());
        EXPECT_EQ(InstallingPage().ProgressBar1->Position(), 0);
        EXPECT_EQ(InstallingPage().Label12->Caption(), "0% complete");
        ClickHeader();
        EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
    }
};

TEST_F(InstallRun, CompleteRunShowsTheProgressSequenceAndEndsOnTheReadyPage) {
    GoToGoPage();
    ProgressRecorder recorder(InstallingPage());
    ClickButton("&Install Now");
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallReady);
    EXPECT_EQ(InstallingPage().ProgressBar1->Max(), std::int32_t(InstallRunMaximum));

    std::vector<ProgressStep>& steps = recorder.steps;
    auto firstZero =
        std::find_if(steps.begin(), steps.end(), [](const ProgressStep& s) { return s.Caption == "0% complete"; });
    ASSERT_NE(firstZero, steps.end());
    std::vector<std::string> captions;
    for (auto s = firstZero; s != steps.end(); ++s)
        if (captions.empty() || captions.back() != s->Caption) captions.push_back(s->Caption);
    std::vector<std::string> expected;
    for (int percent = 0; percent <= 97; ++percent) expected.push_back(std::to_string(percent) + "% complete");
    expected.insert(expected.end(), {"96% complete", "98% complete", "99% complete"});
    EXPECT_EQ(captions, expected);
}

TEST_F(InstallRun, HeaderAndCloseAreBlockedOnlyWhileTheFilesAreWritten) {
    GoToGoPage();
    std::vector<std::pair<std::string, bool>> samples;
    TTimer sampler(nullptr);
    sampler.SetInterval(1);
    sampler.OnTimer = [&](TObject*) { samples.emplace_back(CurrentPageName(), FormMain->Working()); };
    ClickButton("&Install Now");
    sampler.SetEnabled(false);
    ASSERT_EQ(CurrentPageName(), PageName::PNLInstallReady);

    auto onReady = [](const auto& s) { return s.first == PageName::PNLInstallReady; };
    auto firstReady = std::find_if(samples.begin(), samples.end(), onReady);
    ASSERT_NE(firstReady, samples.end()) << "no message pump during the slide to the ready page";
    EXPECT_TRUE(std::any_of(samples.begin(), firstReady, [](const auto& s) { return s.second; }));
    EXPECT_TRUE(std::none_of(firstReady, samples.end(), [](const auto& s) { return s.second; }));
}

TEST_F(InstallRun, DeepNewDirectoryTypedWithoutDesktopShortcut) {
    desktopShortcut_ = false;
    installDirTyped_ = "d:\\Apps\\Tools\\Pictoro";
    downloadDirTyped_ = "D:\\Pics";
    connectionItem_ = 0;
    MakeDir(StartMenuFolder);
    MakeFile(StartMenuFolder + "\\website.Lnk", "an older link");
    GoToGoPage();
    ClickButton("&Install Now");
    ASSERT_EQ(CurrentPageName(), PageName::PNLInstallReady);

    const std::string installed = "d:\\Apps\\Tools\\Pictoro\\";
    EXPECT_TRUE(ExecutableIsTheImage(installed + "Pictoro.Exe"));
    std::vector<std::string> data = DecodeDataFileStart(installed + "Pictoro.Dat");
    EXPECT_EQ(data.at(1), "D:\\Pics");
    EXPECT_EQ(data.at(2), installed + "Cache\\");
    EXPECT_EQ(data.at(6), "5");
    EXPECT_EQ(ReadLink(StartMenuFolder + "\\Pictoro.Lnk").at("Path"), installed + "Pictoro.Exe");
    EXPECT_EQ(ReadLink(StartMenuFolder + "\\website.Lnk").at("Description"), "Pictoro Website");
    EXPECT_FALSE(Exists(std::string(Desktop) + "\\Pictoro.Lnk"));
}

TEST_F(InstallRun, DiskFullWhileWritingTheExecutableKeepsTheEarlierOne) {
    MakeFile(Installed + "Pictoro.Exe", "an earlier executable");
    GoToGoPage();
    vw::InjectFault("\\Pictoro.Exe" + PayloadTempSuffix, vw::Fault::DiskFull, 1000000);
    ClickButton("&Install Now");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|Disk full."}));
    EXPECT_EQ(ReadFile(Installed + "Pictoro.Exe"), "an earlier executable");
    EXPECT_FALSE(Exists(Installed + "Pictoro.Exe" + PayloadTempSuffix));
    EXPECT_FALSE(Exists(Installed + "Pictoro.Dat"));
    EXPECT_FALSE(Exists(StartMenuFolder));
    ExpectStoppedOnInstallingPage();
}

TEST_F(InstallRun, ExecutableInUseFailsBeforeAnythingIsWritten) {
    MakeFile(Installed + "Pictoro.Exe", "a running executable");
    GoToGoPage();
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::InUse);
    ClickButton("&Install Now");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|I/O error 32."}));
    EXPECT_EQ(ReadFile(Installed + "Pictoro.Exe"), "a running executable");
    EXPECT_FALSE(Exists(Installed + "Pictoro.Exe" + PayloadTempSuffix));
    EXPECT_EQ(InstallingPage().ProgressBar1->Position(), 0);
    ExpectStoppedOnInstallingPage();
}

TEST_F(InstallRun, DiskFullWhileWritingTheDataFileKeepsTheEarlierOne) {
    GoToGoPage();
    // Placed after the directory page, which refuses a directory holding one.
    MakeFile(Installed + "Pictoro.Dat", "an earlier data file");
    const std::string temporary = TemporaryFileFor(Installed + "Pictoro.Dat");
    vw::InjectFault(temporary.substr(temporary.rfind('\\')), vw::Fault::DiskFull, 500);
    ClickButton("&Install Now");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|Disk full."}));
    EXPECT_TRUE(ExecutableIsTheImage(Installed + "Pictoro.Exe"));
    EXPECT_EQ(ReadFile(Installed + "Pictoro.Dat"), "an earlier data file");
    EXPECT_FALSE(Exists(temporary));
    ExpectStoppedOnInstallingPage();
}

TEST_F(InstallRun, HeaderClicksAndClosingAreIgnoredDuringTheRun) {
    GoToGoPage();
    TPNLInstallInstalling& page = InstallingPage();
    int attempts = 0;
    TTimer interrupter(nullptr);
    interrupter.SetInterval(1);
    interrupter.OnTimer = [&](TObject*) {
        if (CurrentPageName() != PageName::PNLInstallInstalling || page.ProgressBar1->Position() < 1000000 || attempts)
            return;
        ++attempts;
        TPoint header = headless::CenterOf(*FormMain->PnlHeader);
        headless::Click(*FormMain, header.X, header.Y);
        FormMain->Close();
    };
    ClickButton("&Install Now");
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallReady);
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(Exists(Installed + "Pictoro.Dat"));
}

TEST_F(InstallRun, StartRunsTheInstalledExecutableQuotedAndMaximisedThenEnds) {
    GoToGoPage();
    ClickButton("&Install Now");
    TPNLInstallReady& page = Page<TPNLInstallReady>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Installation of Pictoro ready");
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Start Pictoro"}));
    EXPECT_EQ(BarButton("&Start Pictoro")->Width(), 120);
    EXPECT_EQ(page.Label11->Font().Height(), -19);
    EXPECT_EQ(page.Label11->Font().Style(), fsItalic);
    EXPECT_EQ(page.Image1->BoundsRect(), Bounds(328, -32, 385, 417));

    ClickButton("&Start Pictoro");
    const auto& started = vw::StartedProcesses();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].CommandLine, "\"C:\\Program Files\\Pictoro\\Pictoro.Exe\"");
    EXPECT_EQ(started[0].Show, 3);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(InstallRun, ExitOnTheReadyPageStartsNothing) {
    GoToGoPage();
    ClickButton("&Install Now");
    ClickButton("&Exit");
    EXPECT_TRUE(vw::StartedProcesses().empty());
    EXPECT_TRUE(Application->Terminated());
}
