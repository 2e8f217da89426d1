// The installed-copy search and the upgrade start page: what is found, what is refused, and
// where the wizard goes from there.
#include <filesystem>

#include "engine/PNL_UpgradeFindDir.h"
#include "pages/PNL_UpgradeStart.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/headless/HeadlessUI.h"
#include "upgrade_Fixture.h"

namespace vw = platform::headless;

namespace {

const std::string NothingFound =
    "No installed Pictoro versions could be found,\r"
    "or the found Pictoro versions are newer than\r"
    "the one in this installation. An upgrade is\r"
    "not possible.";

} // namespace

class UpgradeSearch : public UpgradeTest {
protected:
    TPnlUpgradeFindDir& SearchPage() const {
        return *dynamic_cast<TPnlUpgradeFindDir*>(FormMain->PageControl->Pages(9)->Controls()[0]);
    }

    // Message boxes since the last call, as "caption|flags|text".
    std::vector<std::string> TakeNotices() {
        std::vector<std::string> boxes;
        for (const headless::RecordedBox& box : headless::MessageBoxes())
            boxes.push_back(box.Caption + "|" + std::to_string(box.Flags) + "|" + box.Text);
        headless::ClearMessageBoxes();
        return boxes;
    }

    // A drive of another type with an installation on it.
    void MakeInstallationOnDrive(char letter, int driveType) {
        MapDrive(letter, driveType);
        MakeInstallation(std::string(1, letter) + ":\\Pictoro\\", 0);
    }
};

TEST_F(UpgradeSearch, InstallationsOnTwoFixedDisksAreListedByDirectoryInCaseFreeOrder) {
    MakeInstallation("C:\\Program Files\\Pictoro\\", 0);
    MakeInstallation("D:\\Pictoro\\", 1);
    MakeInstallation("C:\\apps\\Pictoro\\", 2, true);
    StartSearch();
    EXPECT_TRUE(TakeNotices().empty());
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);

    EXPECT_EQ(FoundDataFiles,
              (std::vector<std::string>{"C:\\apps\\Pictoro\\Pictoro.Dat", "C:\\Program Files\\Pictoro\\Pictoro.Dat",
                                        "D:\\Pictoro\\Pictoro.Dat"}));
    TComboBox& combo = *Page<TPNLUpgradeStart>().ComboBoxUpgrade;
    EXPECT_EQ(combo.Items(),
              (std::vector<std::string>{"C:\\apps\\Pictoro\\", "C:\\Program Files\\Pictoro\\", "D:\\Pictoro\\"}));
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(combo.Text(), "C:\\apps\\Pictoro\\");
    EXPECT_TRUE(combo.Focused());
    EXPECT_EQ(combo.Style, csDropDownList);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Ready to upgrade");
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Previous", "&Upgrade"}));

    EXPECT_EQ(SearchPage().ProgressBar1->Position(), 0);
    EXPECT_EQ(SearchPage().Label12->Caption(), "0% complete");
    EXPECT_EQ(SearchPage().StaticText4->Caption(),
              "Now searching for installed Pictoro versions on your hard disks.\rThis can take a few moments.");
}

// Beside two copies, a disk holds data files and folders that a search must step past.
TEST_F(UpgradeSearch, StrangeEntriesOnTheDisksLeaveExactlyTheUsableCopies) {
    MakeInstallation("C:\\Good\\", 0);
    MakeInstallation("D:\\Pictoro\\", 0);
    MakeDir("C:\\Folder\\Pictoro.Dat");
    MakeFile("C:\\Empty\\Pictoro.Dat", "");
    MakeInstallation("C:\\Locked\\", 0);
    vw::InjectFault("\\Locked\\Pictoro.Dat", vw::Fault::AccessDenied);
    MakeInstallation("C:\\Unlisted\\Inner\\", 0);
    vw::InjectFault("\\Unlisted", vw::Fault::AccessDenied);
    // 4 GiB of which only the first byte is read: version 1 is accepted, version 3 is not.
    for (auto [dir, version] : {std::pair{"C:\\Huge\\", 1}, std::pair{"C:\\Huge Newer\\", 3}}) {
        MakeInstallation(dir, version);
        std::filesystem::resize_file(vw::HostPath(std::string(dir) + "Pictoro.Dat"), 4ull << 30);
    }
    MakeInstallation("C:\\Loop\\", 2);
    std::filesystem::create_directory_symlink(vw::HostPath("C:\\Loop"), vw::HostPath("C:\\Loop") + "/Up");

    StartSearch();
    EXPECT_TRUE(TakeNotices().empty());
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);
    EXPECT_EQ(FoundDataFiles,
              (std::vector<std::string>{"C:\\Good\\Pictoro.Dat", "C:\\Huge\\Pictoro.Dat", "C:\\Loop\\Pictoro.Dat",
                                        "D:\\Pictoro\\Pictoro.Dat"}));
}

class UpgradeSearchFindsNothing : public UpgradeSearch, public ::testing::WithParamInterface<std::string> {
protected:
    void Arrange(const std::string& machine) {
        if (machine == "nothing at all") return;
        if (machine == "version 3 only") {
            MakeInstallation("C:\\Newer\\", 3);
            MakeInstallation("D:\\Newer\\", 3, true);
        } else if (machine == "an empty file") {
            MakeFile("C:\\Pictoro\\Pictoro.Dat", "");
        } else if (machine == "a file that cannot be opened") {
            MakeInstallation("C:\\Pictoro\\", 0);
            vw::InjectFault("\\Pictoro\\Pictoro.Dat", vw::Fault::AccessDenied);
        } else if (machine == "a hidden directory") {
            MakeInstallation("C:\\Hidden\\Pictoro\\", 0);
            vw::SetAttributes("C:\\Hidden", platform::faHidden);
        } else if (machine == "a removable drive") {
            MakeInstallationOnDrive('E', platform::DriveRemovable);
        } else if (machine == "a network drive") {
            MakeInstallationOnDrive('F', platform::DriveRemote);
        } else if (machine == "a CD-ROM drive") {
            MakeInstallationOnDrive('G', platform::DriveCdrom);
        } else {
            FAIL() << "no machine " << machine;
        }
    }
};

TEST_P(UpgradeSearchFindsNothing, ShowsTheNoticeAndGoesBackToTheInstallPage) {
    Arrange(GetParam());
    StartSearch();
    EXPECT_EQ(TakeNotices(), (std::vector<std::string>{"Install_Pictoro|0|" + NothingFound}));
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstall);
    EXPECT_TRUE(FoundDataFiles.empty());
    EXPECT_EQ(SearchPage().ProgressBar1->Position(), 100);
    EXPECT_EQ(SearchPage().Label12->Caption(), "100% complete");
}

INSTANTIATE_TEST_SUITE_P(Machines, UpgradeSearchFindsNothing,
                         ::testing::Values("nothing at all", "version 3 only", "an empty file",
                                           "a file that cannot be opened", "a hidden directory", "a removable drive",
                                           "a network drive", "a CD-ROM drive"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name;
                             for (char c : info.param)
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

TEST_F(UpgradeSearch, HeaderClicksAndClosingWaitUntilTheSearchHasEnded) {
    MakeInstallation("C:\\Program Files\\Pictoro\\", 0);
    bool tried = false;
    TTimer intruder(nullptr);
    intruder.SetInterval(1);
    intruder.OnTimer = [&](TObject*) {
        if (tried || !FormMain->Working() || CurrentPageName() != PageName::PnlUpgradeFindDir) return;
        tried = true;
        TPoint header = headless::CenterOf(*FormMain->PnlHeader);
        headless::PostClick(*FormMain, header.X, header.Y);
        FormMain->Close();
    };
    intruder.SetEnabled(true);
    StartSearch();
    intruder.SetEnabled(false);
    EXPECT_TRUE(tried);
    EXPECT_FALSE(FormMain->IsClosed());
    EXPECT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);

    ClickHeader();
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
}

TEST_F(UpgradeSearch, PreviousGoesBackAndTheNextVisitPreselectsTheFirstAgain) {
    MakeInstallation("C:\\Pictoro\\", 0);
    MakeInstallation("D:\\Pictoro\\", 0);
    StartSearch();
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);
    headless::PickItem(*Page<TPNLUpgradeStart>().ComboBoxUpgrade, 1);
    ClickButton("&Previous");
    ASSERT_EQ(CurrentPageName(), PageName::PnlInstall);
    EXPECT_EQ(InstallDir, "");

    ClickButton("&Next");
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);
    TComboBox& combo = *Page<TPNLUpgradeStart>().ComboBoxUpgrade;
    EXPECT_EQ(combo.Items(), (std::vector<std::string>{"C:\\Pictoro\\", "D:\\Pictoro\\"}));
    EXPECT_EQ(combo.Text(), "C:\\Pictoro\\");
}

TEST_F(UpgradeSearch, ExitOnTheStartPageEndsTheWizard) {
    MakeInstallation("C:\\Pictoro\\", 0);
    StartSearch();
    ASSERT_EQ(CurrentPageName(), PageName::PNLUpgradeStart);
    ClickButton("&Exit");
    EXPECT_TRUE(FormMain->IsClosed());
    EXPECT_EQ(ReadFile("C:\\Pictoro\\Pictoro.Exe"), EarlierExecutable);
}
