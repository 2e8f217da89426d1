// The connection page and the confirmation page.
#include "WizardFixture.h"
#include "pages/PNL_InstallChooseConnection.h"
#include "pages/PNL_InstallChooseDownloadDir.h"
#include "pages/PNL_InstallGo.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"

using ConnectionAndGoPages = WizardTest;

TEST_F(ConnectionAndGoPages, FirstVisitSelectsNothingAndNextIsRefused) {
    GoToConnectionPage();
    TPNLInstallChooseConnection& page = Page<TPNLInstallChooseConnection>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Select your internet-connection");
    EXPECT_EQ(page.rgConnection->Caption(), "Internet-connection");
    EXPECT_EQ(page.rgConnection->Items(),
              (std::vector<std::string>{"&Modem < 56KBS", "M&odem 56K", "&ISDN Modem", "&ADSL Modem/DSL Modem",
                                        "&Cable Modem", "I &don't know"}));
    EXPECT_EQ(page.rgConnection->ItemIndex(), -1);
    EXPECT_EQ(page.StaticText1->Caption(),
              "Choose the kind of internet-connection that\r"
              "you use. Pictoro uses this information to \r"
              "optimize its performance dependend on the\r"
              "kind of connection you have. After installation\r"
              "you could select to the item \"Performance\"\r"
              "of Pictoro to finetune this settings yourself.");

    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{"Install_Pictoro|Choose a connection first."}));
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseConnection);
    EXPECT_EQ(ConnectionKind, -1);

    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseDownloadDir);
}

TEST_F(ConnectionAndGoPages, ChoiceIsStoredAndSelectedAgainOnReturn) {
    GoToConnectionPage();
    TPNLInstallChooseConnection& page = Page<TPNLInstallChooseConnection>();
    ClickControl(*page.rgConnection->Buttons().at(4));
    ClickButton("&Next");
    EXPECT_EQ(ConnectionKind, 4);
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallGo);
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Previous", "&Install Now"}));
    EXPECT_EQ(BarButton("&Install Now")->Width(), 120);
    EXPECT_EQ(BarButton("&Previous")->Width(), 90);

    ClickButton("&Previous");
    EXPECT_EQ(page.rgConnection->ItemIndex(), 4);
    EXPECT_TRUE(page.rgConnection->Buttons().at(4)->Checked());
    ClickControl(*page.rgConnection->Buttons().at(5));
    ClickButton("&Next");
    EXPECT_EQ(ConnectionKind, 5);
}

TEST_F(ConnectionAndGoPages, ConfirmationShowsTheDefaults) {
    GoToGoPage();
    TPNLInstallGo& page = Page<TPNLInstallGo>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Ready to install");
    EXPECT_EQ(page.Label2->Caption(), "Click the button \"Install Now\" and the installation will begin.");
    EXPECT_EQ(page.Label6->Caption(), "Installation directory = C:\\Program Files\\Pictoro\\");
    EXPECT_EQ(page.Label7->Caption(), "Download directory = C:\\Images\\");
    EXPECT_EQ(page.Label8->Caption(), "Create shortcut on desktop = Yes");
    EXPECT_EQ(page.Label7->Left(), 228);
    EXPECT_EQ(page.Label7->Top(), 79);
    EXPECT_GT(page.Label6->Width(), page.Label8->Width()); // sized to their texts
}

TEST_F(ConnectionAndGoPages, ConfirmationShowsTypedValuesAsStored) {
    desktopShortcut_ = false;
    downloadDirTyped_ = "E:\\Pics";
    connectionItem_ = 0;
    GoToGoPage();
    TPNLInstallGo& page = Page<TPNLInstallGo>();
    EXPECT_EQ(page.Label7->Caption(), "Download directory = E:\\Pics");
    EXPECT_EQ(page.Label8->Caption(), "Create shortcut on desktop = No");

    // The labels follow the globals on every visit.
    ClickButton("&Previous");
    ClickButton("&Previous");
    TypeInto(*Page<TPNLInstallChooseDownloadDir>().Edit1, "F:\\Other\\");
    ClickButton("&Next");
    ClickButton("&Next");
    EXPECT_EQ(page.Label7->Caption(), "Download directory = F:\\Other\\");
}
