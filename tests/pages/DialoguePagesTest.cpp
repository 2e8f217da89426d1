// The welcome, disclaimer and install-or-upgrade pages.
#include <algorithm>

#include "WizardFixture.h"
#include "pages/Maker.h"
#include "pages/PNL_Disclaimer.h"
#include "pages/PNL_Install.h"
#include "pages/PNL_Welcome.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"
#include "toolkit/ExtCtrls.h"

namespace {

const std::string AgreementRefusal =
    "Install_Pictoro|You can only install Pictoro in case you agree to this statement.\r"
    "Check the checkbox to confirm.\r"
    "Otherwise please press Exit.";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

} // namespace

using DialoguePages = WizardTest;

TEST_F(DialoguePages, WelcomeShowsItsTextsAndButtons) {
    TPnlWelcome& page = Page<TPnlWelcome>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Welcome");
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Next"}));
    EXPECT_EQ(page.Image1->BoundsRect(), Bounds(0, -40, 385, 417));
    EXPECT_EQ(page.Image1->Picture().Width(), 385);
    EXPECT_EQ(page.Label1->Font().Style(), fsBold);
    EXPECT_EQ(page.StaticText6->Font().Color(), clWhite);
    EXPECT_EQ(page.Label2->Caption(), "We wish you a lot of pleasure evaluating and using  Pictoro.");
    for (TStaticText* text : {page.StaticText1, page.StaticText2, page.StaticText3})
        EXPECT_EQ(text->Caption().back(), ' ') << text->Name;
    EXPECT_EQ(page.StaticText3->BoundsRect(), Bounds(398, 165, 293, 68));
}

TEST_F(DialoguePages, DisclaimerStatementHasFourParagraphsNamingTheMaker) {
    std::vector<std::string> lines = Lines(DisclaimerStatement());
    ASSERT_EQ(lines.size(), 16u);
    std::vector<std::size_t> empty;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].empty()) empty.push_back(i);
    EXPECT_EQ(empty.size(), 3u);
    EXPECT_EQ(empty.front() > 0 && empty.back() < 15, true);
    for (std::size_t i = 1; i < empty.size(); ++i) EXPECT_GT(empty[i], empty[i - 1] + 1);
    EXPECT_NE(DisclaimerStatement().find(MakerLegalName), std::string::npos);
    EXPECT_EQ(DisclaimerStatement().find('\n'), std::string::npos);
    for (const std::string& line : lines) EXPECT_LE(line.size(), 56u) << line;
}

TEST_F(DialoguePages, NextWithoutAgreementIsRefusedAndAgreementIsAskedOnEveryVisit) {
    ClickButton("&Next");
    TPnlDisclaimer& page = Page<TPnlDisclaimer>();
    EXPECT_EQ(page.txtDisclaimer->Caption(), DisclaimerStatement());
    EXPECT_EQ(page.txtDisclaimer->Color(), clWhite);
    EXPECT_EQ(page.CheckBox1->Font().Height(), -21);
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Previous", "&Next"}));

    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{AgreementRefusal}));
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);

    ClickControl(*page.CheckBox1);
    ClickButton("&Next");
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstall);
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Install or upgrade?");

    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
    EXPECT_FALSE(page.CheckBox1->Checked());
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{AgreementRefusal}));

    ClickControl(*page.CheckBox1);
    ClickButton("&Next");
    ClickHeader();
    EXPECT_EQ(CurrentPageName(), PageName::PnlDisclaimer);
    EXPECT_FALSE(page.CheckBox1->Checked());

    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PnlWelcome);
}

TEST_F(DialoguePages, RadioButtonsStayComplementaryAndChoicesAreKept) {
    GoToInstallPage();
    TPnlInstall& page = Page<TPnlInstall>();
    EXPECT_TRUE(page.RadioButton1->Checked());
    EXPECT_FALSE(page.RadioButton2->Checked());
    EXPECT_TRUE(page.CheckBox1->Checked());

    ClickControl(*page.RadioButton2);
    EXPECT_FALSE(page.RadioButton1->Checked());
    EXPECT_TRUE(page.RadioButton2->Checked());
    ClickControl(*page.RadioButton1);
    EXPECT_TRUE(page.RadioButton1->Checked());
    EXPECT_FALSE(page.RadioButton2->Checked());

    ClickControl(*page.RadioButton2);
    ClickControl(*page.CheckBox1);
    ClickButton("&Previous");
    ClickControl(*Page<TPnlDisclaimer>().CheckBox1);
    ClickButton("&Next");
    EXPECT_TRUE(page.RadioButton2->Checked());
    EXPECT_FALSE(page.CheckBox1->Checked());
    EXPECT_FALSE(UpgradeChosen); // written only when leaving with Next
}

TEST_F(DialoguePages, NextFollowsThePathChosen) {
    GoToInstallPage();
    TPnlInstall& page = Page<TPnlInstall>();
    ClickControl(*page.CheckBox1);
    ClickButton("&Next");
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstallChooseDir);
    EXPECT_FALSE(UpgradeChosen);
    EXPECT_FALSE(DesktopShortcut);

    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstall);
    ClickControl(*page.CheckBox1);
    ClickControl(*page.RadioButton2);
    // The search page works by itself and moves on; note every page shown meanwhile.
    std::vector<std::string> shown;
    TTimer watcher(nullptr);
    watcher.SetInterval(1);
    watcher.OnTimer = [&](TObject*) {
        if (shown.empty() || shown.back() != CurrentPageName()) shown.push_back(CurrentPageName());
    };
    ClickButton("&Next");
    EXPECT_NE(std::find(shown.begin(), shown.end(), PageName::PnlUpgradeFindDir), shown.end());
    EXPECT_TRUE(UpgradeChosen);
    EXPECT_TRUE(DesktopShortcut);
}

TEST_F(DialoguePages, MailLinkAsksTheShellToOpenTheAddress) {
    GoToInstallPage();
    TPnlInstall& page = Page<TPnlInstall>();
    EXPECT_EQ(page.Label18->Parent(), page.Panel44);
    EXPECT_EQ(page.Label18->Font().Style(), fsUnderline);
    EXPECT_EQ(page.Label18->Font().Color(), clBlue);
    EXPECT_EQ(page.Label18->Cursor, crHandPoint);
    ClickControl(*page.Label18);
    const auto& started = platform::headless::StartedProcesses();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].CommandLine, "mailto:" + MakerContactAddress);
    EXPECT_EQ(started[0].Operation, "");
    EXPECT_EQ(started[0].Show, 1);
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstall);
}

TEST_F(DialoguePages, ExitOnEachDialoguePageEndsTheProgram) {
    for (int pagesForward = 0; pagesForward < 3; ++pagesForward) {
        TearDown();
        SetUp();
        if (pagesForward >= 1) ClickButton("&Next");
        if (pagesForward == 2) {
            ClickControl(*Page<TPnlDisclaimer>().CheckBox1);
            ClickButton("&Next");
        }
        std::string shown = CurrentPageName();
        ClickButton("&Exit");
        EXPECT_TRUE(Application->Terminated()) << shown;
        EXPECT_TRUE(platform::headless::StartedProcesses().empty());
    }
}
