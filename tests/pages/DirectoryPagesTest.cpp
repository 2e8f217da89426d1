// The installation-directory and download-directory pages.
#include <cctype>

#include "WizardFixture.h"
#include "pages/DirectoryChoice.h"
#include "pages/PNL_InstallChooseDir.h"
#include "pages/PNL_InstallChooseDownloadDir.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "shell/Appl_Globals.h"
#include "shell/PageNames.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

const std::string InvalidDirectory = "Install_Pictoro|Invalid directory.";

int DriveIndex(TDriveComboBox& combo, char letter) {
    for (std::size_t i = 0; i < combo.Items().size(); ++i)
        if (std::tolower(static_cast<unsigned char>(combo.Items()[i][0])) == std::tolower(letter)) return int(i);
    return -1;
}

int ItemOf(TDirectoryListBox& list, const std::string& path) {
    for (int i = 0; i < int(list.Items().size()); ++i)
        if (list.ItemPath(i) == path) return i;
    return -1;
}

} // namespace

TEST(ChangeRule, AppendsBackslashAndFolderWordUnlessThePathHasTheWord) {
    EXPECT_EQ(ProposeDirectory("C:\\Program Files", "Pictoro"), "C:\\Program Files\\Pictoro\\");
    EXPECT_EQ(ProposeDirectory("D:\\", "Pictoro"), "D:\\Pictoro\\");
    EXPECT_EQ(ProposeDirectory("D:\\Old PICTORO files", "Pictoro"), "D:\\Old PICTORO files\\");
    EXPECT_EQ(ProposeDirectory("D:\\pictoros\\x\\", "Pictoro"), "D:\\pictoros\\x\\");
    EXPECT_EQ(ProposeDirectory("C:\\", "Images"), "C:\\Images\\");
    EXPECT_EQ(ProposeDirectory("E:\\My images", "Images"), "E:\\My images\\");
}

using DirectoryPages = WizardTest;

TEST_F(DirectoryPages, InstallPageProposesProgramFilesAndNextStoresIt) {
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Choose installation directory");
    EXPECT_EQ(page.Edit1->Text(), "C:\\Program Files\\Pictoro\\");
    EXPECT_EQ(page.StaticText1->Caption().substr(0, 44), "The installation directory is the directory\r");
    EXPECT_EQ(page.Edit1->BoundsRect(), Bounds(286, 7, 393, 21));
    EXPECT_EQ(page.DirectoryListBox1->BoundsRect(), Bounds(286, 31, 393, 273));
    EXPECT_EQ(page.DriveComboBox1->BoundsRect(), Bounds(286, 311, 393, 19));
    EXPECT_EQ(page.DriveComboBox1->DirList(), page.DirectoryListBox1);
    ClickButton("&Next");
    EXPECT_EQ(InstallDir, "C:\\Program Files\\Pictoro\\");
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseDownloadDir);
}

TEST_F(DirectoryPages, ChoosingInTheListProposesFromTheDirectoryChosen) {
    MakeDir("D:\\Old Pictoro files");
    MakeDir("C:\\Program Files\\Tools");
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    int tools = ItemOf(*page.DirectoryListBox1, "C:\\Program Files\\Tools");
    ASSERT_GE(tools, 0);
    headless::OpenDirectoryItem(*page.DirectoryListBox1, tools);
    EXPECT_EQ(page.Edit1->Text(), "C:\\Program Files\\Tools\\Pictoro\\");

    headless::PickDrive(*page.DriveComboBox1, DriveIndex(*page.DriveComboBox1, 'D'));
    EXPECT_EQ(page.Edit1->Text(), "D:\\Pictoro\\");
    int old = ItemOf(*page.DirectoryListBox1, "D:\\Old Pictoro files");
    ASSERT_GE(old, 0);
    headless::OpenDirectoryItem(*page.DirectoryListBox1, old);
    EXPECT_EQ(page.Edit1->Text(), "D:\\Old Pictoro files\\");
}

TEST_F(DirectoryPages, TypedDirectoryIsTrimmedAndTooShortOnesAreRefused) {
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    TypeInto(*page.Edit1, "C:");
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{InvalidDirectory}));
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstallChooseDir);
    EXPECT_EQ(InstallDir, "");

    TypeInto(*page.Edit1, "   \t ");
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{InvalidDirectory}));
    EXPECT_EQ(page.Edit1->Text(), "");

    TypeInto(*page.Edit1, "  D:\\Apps  ");
    ClickButton("&Next");
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(InstallDir, "D:\\Apps\\");

    ClickButton("&Previous");
    EXPECT_EQ(page.Edit1->Text(), "D:\\Apps");
    TypeInto(*page.Edit1, "C:\\");
    ClickButton("&Next");
    EXPECT_EQ(InstallDir, "C:\\");
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseDownloadDir);
}

TEST_F(DirectoryPages, DirectoryWithADataFileIsRefusedButStaysStored) {
    MakeFile("D:\\Apps\\Pictoro\\PICTORO.DAT", "x");
    GoToChooseDirPage();
    TypeInto(*Page<TPnlInstallChooseDir>().Edit1, "D:\\Apps\\Pictoro");
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(),
              (std::vector<std::string>{"Install_Pictoro|Cannot install Pictoro in D:\\Apps\\Pictoro\\\r"
                                        "because it already exists there. You can:\r"
                                        "- Delete it or uninstall it first, \r"
                                        "- Go back and choose upgrade instead of install."}));
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstallChooseDir);
    EXPECT_EQ(InstallDir, "D:\\Apps\\Pictoro\\");
}

// Windows refuses control characters in names, but not DEL.
TEST_F(DirectoryPages, RefusalShowsDelOfTheDirectoryAsHexAndKeepsItsAnsiLetters) {
    const std::string directory =
        "D:\\B\xFC"
        "cher\x7F\\Pictoro";
    MakeFile(directory + "\\Pictoro.Dat", "x");
    GoToChooseDirPage();
    TypeInto(*Page<TPnlInstallChooseDir>().Edit1, directory);
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(),
              (std::vector<std::string>{"Install_Pictoro|Cannot install Pictoro in D:\\B\xFC"
                                        "cher\\x7F\\Pictoro\\\r"
                                        "because it already exists there. You can:\r"
                                        "- Delete it or uninstall it first, \r"
                                        "- Go back and choose upgrade instead of install."}));
    EXPECT_EQ(InstallDir, directory + "\\");
}

TEST_F(DirectoryPages, InstallPageKeepsTheUsersStateOnLaterVisits) {
    MakeDir("C:\\Program Files\\Tools");
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    headless::OpenDirectoryItem(*page.DirectoryListBox1, ItemOf(*page.DirectoryListBox1, "C:\\Program Files\\Tools"));
    TypeInto(*page.Edit1, "D:\\Mine");
    ClickButton("&Next");
    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstallChooseDir);
    EXPECT_EQ(page.Edit1->Text(), "D:\\Mine");
    EXPECT_EQ(page.DirectoryListBox1->Directory(), "C:\\Program Files\\Tools");
    ClickButton("&Previous");
    ClickButton("&Next");
    EXPECT_EQ(page.Edit1->Text(), "D:\\Mine");
}

TEST_F(DirectoryPages, FirstVisitFillsTheFieldAlsoWhenTheListStoodThereAlready) {
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    // Leave without storing a directory, empty the field, and come back.
    TypeInto(*page.Edit1, "");
    ClickButton("&Previous");
    ClickButton("&Next");
    EXPECT_EQ(page.Edit1->Text(), "C:\\Program Files\\Pictoro\\");
}

TEST_F(DirectoryPages, FailingShellQueryProposesCPictoroWithoutAMessage) {
    platform::headless::SetSpecialFolder(platform::CsidlProgramFiles, ProgramFiles, std::int32_t(0x80004005));
    GoToChooseDirPage();
    TPnlInstallChooseDir& page = Page<TPnlInstallChooseDir>();
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(page.Edit1->Text(), "C:\\Pictoro\\");
    EXPECT_EQ(page.DirectoryListBox1->ItemPath(page.DirectoryListBox1->ItemIndex()), "C:\\");
    ClickButton("&Next");
    EXPECT_EQ(InstallDir, "C:\\Pictoro\\");
}

TEST_F(DirectoryPages, DownloadPageProposesCImagesAndKeepsATypedDirectoryAsTyped) {
    GoToDownloadDirPage();
    TPNLInstallChooseDownloadDir& page = Page<TPNLInstallChooseDownloadDir>();
    EXPECT_EQ(FormMain->PnlHeader->Caption(), "Choose download directory");
    EXPECT_EQ(page.Edit1->Text(), "C:\\Images\\");
    EXPECT_EQ(page.StaticText1->Caption().substr(0, 41), "The download  directory is the directory\r");
    EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Exit", "&Previous", "&Next"}));

    TypeInto(*page.Edit1, "ab ");
    ClickButton("&Next");
    EXPECT_EQ(TakeBoxes(), (std::vector<std::string>{InvalidDirectory}));
    EXPECT_EQ(page.Edit1->Text(), "ab");

    TypeInto(*page.Edit1, " D:\\Pics ");
    ClickButton("&Next");
    EXPECT_EQ(DownloadDir, "D:\\Pics");
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseConnection);

    // Seven characters off "D:\Pics" leave nothing to go to: the list stays, the field
    // gets the proposal from where it stands.
    ClickButton("&Previous");
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(page.DirectoryListBox1->Directory(), "C:\\");
    EXPECT_EQ(page.Edit1->Text(), "C:\\Images\\");
}

TEST_F(DirectoryPages, DownloadPageShowsTheAcceptedProposalAgainAfterGoingBack) {
    GoToDownloadDirPage();
    ClickButton("&Next");
    EXPECT_EQ(DownloadDir, "C:\\Images\\");
    ClickButton("&Previous");
    ClickButton("&Previous");
    EXPECT_EQ(CurrentPageName(), PageName::PnlInstallChooseDir);
    ClickButton("&Next");
    EXPECT_EQ(Page<TPNLInstallChooseDownloadDir>().Edit1->Text(), "C:\\Images\\");
}

TEST_F(DirectoryPages, StoredDownloadDirectoryThatDoesNotExistStillGivesAProposal) {
    GoToDownloadDirPage();
    TPNLInstallChooseDownloadDir& page = Page<TPNLInstallChooseDownloadDir>();
    TypeInto(*page.Edit1, "D:\\Pictures\\Holiday");
    ClickButton("&Next");
    ClickButton("&Previous");
    // Seven characters off "D:\Pictures\Holiday" leave "D:\Pictures\", which does not exist.
    EXPECT_EQ(CurrentPageName(), PageName::PNLInstallChooseDownloadDir);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(page.Edit1->Text(), "D:\\Pictures\\Images\\");
    EXPECT_EQ(page.DirectoryListBox1->ItemPath(page.DirectoryListBox1->ItemIndex()), "D:\\");
}
