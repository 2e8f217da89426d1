// The directory list and drive selector over a virtual drive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"
#include "toolkit/FileCtrl.h"
#include "toolkit/Forms.h"
#include "toolkit/headless/HeadlessUI.h"

namespace {

class DirectoryList : public ::testing::Test {
protected:
    std::filesystem::path root;
    headless::ApplicationScope app;
    TForm* form = nullptr;
    TDirectoryListBox* list = nullptr;
    TDriveComboBox* drives = nullptr;
    int changes = 0;

    // ctest runs the cases in parallel processes, so each has a directory of its own
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "toolkit-dirlist-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        platform::headless::Reset();
        platform::headless::MapDrive('C', (root / "c").string(), platform::DriveFixed);
        platform::headless::MapDrive('D', (root / "d").string(), platform::DriveFixed);
        platform::headless::SetDriveType('E', platform::DriveCdrom);
        platform::headless::SetVolumeLabel('C', "SYSTEM");
        platform::headless::MapDrive('F', (root / "f").string(), platform::DriveRemovable);
        platform::headless::SetVolumeLabel('F', "STICK");
        for (const char* dir : {"c/Program Files/Pictoro", "c/Images", "c/Windows", "c/hidden", "d/Data"})
            std::filesystem::create_directories(root / dir);
        platform::headless::SetAttributes("C:\\hidden", platform::faDirectory | platform::faHidden);
        platform::headless::SetCurrentDir("C:\\");
        form = new TForm(Application);
        list = new TDirectoryListBox(form);
        list->SetParent(form);
        drives = new TDriveComboBox(form);
        drives->SetParent(form);
        drives->SetDirList(list);
        list->OnChange = [this](TObject*) { ++changes; };
        form->ShowForm();
    }
    void TearDown() override {
        if (!root.empty()) std::filesystem::remove_all(root);
    }
};

TEST_F(DirectoryList, ShowsThePathDownToTheDirectoryThenItsSubdirectories) {
    list->SetDirectory("C:\\Program Files");
    EXPECT_EQ(list->Directory(), "C:\\Program Files");
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"C:\\", "Program Files", "Pictoro"}));
    EXPECT_EQ(list->ItemLevels(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->ItemPath(2), "C:\\Program Files\\Pictoro");
    list->SetDirectory("C:\\");
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"C:\\", "Images", "Program Files", "Windows"}));
}

TEST_F(DirectoryList, MissingDirectoryIsKeptButTheNearestExistingOneIsShown) {
    list->SetDirectory("C:\\Program Files\\Pictoro\\Not\\There\\");
    EXPECT_EQ(list->Directory(), "C:\\Program Files\\Pictoro\\Not\\There");
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"C:\\", "Program Files", "Pictoro"}));
    EXPECT_EQ(list->ItemPath(list->ItemIndex()), "C:\\Program Files\\Pictoro");
    EXPECT_EQ(changes, 1);
}

TEST_F(DirectoryList, ChangeOnlyWhenTheDirectoryDiffersIgnoringCase) {
    list->SetDirectory("C:\\Images");
    list->SetDirectory("c:\\IMAGES\\");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list->Directory(), "C:\\Images");
    list->SetDirectory("C:");
    EXPECT_EQ(list->Directory(), "C:\\");
    EXPECT_EQ(changes, 2);
    list->SetDirectory("");
    EXPECT_EQ(changes, 2);
}

TEST_F(DirectoryList, OpeningAnItemChangesTheDirectoryThenReportsTheDoubleClick) {
    list->SetDirectory("C:\\");
    std::vector<std::string> order;
    list->OnChange = [&](TObject*) { order.push_back("change " + list->Directory()); };
    list->OnDblClick = [&](TObject*) { order.push_back("dblclick"); };
    headless::OpenDirectoryItem(*list, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"change C:\\Images", "dblclick"}));
}

TEST(DirectoryListReading, DiskIsReadWhenTheControlsAreFirstShownNotBefore) {
    headless::ApplicationScope app;
    platform::headless::Reset();
    std::string pattern = (std::filesystem::temp_directory_path() / "toolkit-dirlist-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path c = pattern;
    platform::headless::MapDrive('C', c.string(), platform::DriveFixed);
    platform::headless::SetCurrentDir("C:\\");
    auto* form = new TForm(Application);
    auto* list = new TDirectoryListBox(form);
    list->SetParent(form);
    auto* drives = new TDriveComboBox(form);
    drives->SetParent(form);
    EXPECT_TRUE(list->Items().empty());
    EXPECT_TRUE(drives->Items().empty());
    // what appears between construction and the first showing is listed
    std::filesystem::create_directories(c / "Late");
    platform::headless::MapDrive('D', c.string(), platform::DriveFixed);
    form->ShowForm();
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"C:\\", "Late"}));
    EXPECT_EQ(drives->Items(), (std::vector<std::string>{"c:", "d:"}));
    std::filesystem::remove_all(c);
}

TEST_F(DirectoryList, DriveSelectorListsDrivesAndMovesTheList) {
    // Labels where a fixed or CD drive has one; removable drives are not asked.
    EXPECT_EQ(drives->Items(), (std::vector<std::string>{"c: [SYSTEM]", "d:", "e:", "f:"}));
    EXPECT_EQ(drives->ItemIndex(), 0);
    list->SetDirectory("C:\\Images");
    headless::PickDrive(*drives, 1);
    EXPECT_EQ(list->Directory(), "D:\\");
    EXPECT_EQ(list->Items(), (std::vector<std::string>{"D:\\", "Data"}));
    EXPECT_EQ(changes, 2);
    list->SetDirectory("C:\\Windows"); // the list moves the selector without a change of it
    EXPECT_EQ(drives->Drive(), 'C');
}

} // namespace
