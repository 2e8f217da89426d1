#include <gtest/gtest.h>

#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/Form_Main.h"
#include "shell/KVI_ButtonBar.h"
#include "shell/LbSpeedButton.h"
#include "shell/PageNames.h"
#include "shell/Program.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessUI.h"

// The real program start, once per process: the window, the registry and the welcome page.
TEST(WizardStart, StartsOnTheWelcomePageWithEverythingInPlace) {
    platform::headless::Reset();
    headless::ApplicationScope scope;
    platform::headless::SetCommandLine("\"C:\\Setup\\Install_Pictoro.exe\" /AutoUpdate  C:\\Apps\\Pictoro");
    StartProgram();
    const bool autoUpdateSeen = AutoUpdate;
    AutoUpdate = false; // the upgrade run at the first tick is not under test here
    EXPECT_TRUE(autoUpdateSeen);
    EXPECT_EQ(InstallDir, "C:\\Apps\\Pictoro\\");
    EXPECT_EQ(platform::headless::ComInitCount(), 1);
    EXPECT_EQ(Application->Title(), "Install_Pictoro");
    EXPECT_EQ(Application->HelpFile, "");
    ASSERT_NE(FormMain, nullptr);
    EXPECT_EQ(Application->MainForm, FormMain);
    EXPECT_EQ(FormMain->Caption(), "Install Pictoro 1.7");
    EXPECT_EQ(FormMain->PnlButtons->Color(), clCream); // before the first button took its colours
    EXPECT_EQ(FormMain->BorderStyle, bsDialog);
    EXPECT_EQ(FormMain->BorderIcons, 0);
    EXPECT_EQ(FormMain->ClientWidth(), 780);
    EXPECT_EQ(FormMain->ClientHeight(), 509);
    EXPECT_EQ(FormMain->Color(), clBlue);
    EXPECT_EQ(FormMain->PnlHeader->Color(), clNavy);
    EXPECT_EQ(FormMain->PnlHeader->Font().Color(), clWhite);
    EXPECT_EQ(FormMain->PnlHeader->Font().Height(), -19);
    EXPECT_EQ(FormMain->Timer1->Interval(), 150u);
    EXPECT_TRUE(FormMain->Timer1->Enabled());

    // Spelled out here: the one check of the names' exact spelling.
    const char* names[] = {"PnlWelcome",
                           "PnlDisclaimer",
                           "PnlInstall",
                           "PnlInstallChooseDir",
                           "PNLInstallChooseDownloadDir",
                           "PNLInstallChooseConnection",
                           "PNLInstallGo",
                           "PNLInstallInstalling",
                           "PNLInstallReady",
                           "PnlUpgradeFindDir",
                           "PNLUpgradeStart",
                           "PNLUpgradeUpgrading",
                           "PNLUpgradeReady"};
    ASSERT_EQ(FormMain->PageControl->PageCount(), 13);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(FormMain->PageControl->Pages(i)->Name, names[i]) << i;

    EXPECT_EQ(FormMain->PageControl->ActivePage()->Name, PageName::PnlWelcome);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Welcome");
    tKvButtonBar& bar = *FormMain->PnlButtons;
    ASSERT_EQ(bar.LeftCount, 1);
    ASSERT_EQ(bar.RightCount, 1);
    EXPECT_EQ(bar.LeftButtons[0]->Caption(), "&Exit");
    EXPECT_EQ(bar.LeftButtons[0]->Tag, 1);
    EXPECT_EQ(bar.RightButtons[0]->Caption(), "&Next");
    EXPECT_EQ(bar.RightButtons[0]->Tag, 2);
    EXPECT_EQ(bar.RightButtons[0]->Color(), clNavy);

    // Next and the accelerator N reach the disclaimer; Exit on the welcome page closes the window.
    FormMain->ShowForm();
    const TPoint next = headless::CenterOf(*bar.RightButtons[0]);
    headless::Click(*FormMain, next.X, next.Y);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Disclaimer");
    FormMain->ShowPage(PageName::PnlWelcome, false);
    headless::KeyChar(*FormMain, 'n', true);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Disclaimer");
    FormMain->ShowPage(PageName::PnlWelcome, false);
    const TPoint exitButton = headless::CenterOf(*bar.LeftButtons[0]);
    headless::Click(*FormMain, exitButton.X, exitButton.Y);
    EXPECT_TRUE(FormMain->IsClosed());
    FormMain = nullptr; // the scope's end destroys it
}

// A damaged installer shows one error box, as the default handler shows failures, and nothing else.
TEST(WizardStart, DamagedInstallerShowsOneErrorBoxAndNoWindow) {
    platform::headless::Reset();
    headless::ApplicationScope scope;
    headless::ClearMessageBoxes();
    ShowInstallerDamaged();
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    const headless::RecordedBox& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.Text, "This installer is damaged and has to be downloaded again.");
    EXPECT_EQ(box.Caption, "Install_Pictoro");
    EXPECT_EQ(box.Flags, mbIconStop | mbOK);
    EXPECT_EQ(Application->MainForm, nullptr);
    EXPECT_EQ(platform::headless::ComInitCount(), 0);
}
