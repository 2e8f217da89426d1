#include <filesystem>

#include "VirtualDrive.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

using PathsTest = VirtualDriveTest;

TEST_F(PathsTest, ExistingNamesAreFoundWhateverTheirCase) {
    WriteHostFile(driveC_ + "/Program Files/Pictoro/Pictoro.Dat", "v");
    EXPECT_EQ(vw::HostPath("c:\\PROGRAM FILES\\pictoro\\PICTORO.DAT"), driveC_ + "/Program Files/Pictoro/Pictoro.Dat");
    EXPECT_TRUE(platform::FileExists("C:\\program files\\PICTORO\\pictoro.dat"));
    EXPECT_TRUE(platform::DirectoryExists("C:\\PROGRAM FILES\\Pictoro\\"));
    EXPECT_FALSE(platform::DirectoryExists("C:\\Program Files\\Pictoro\\Pictoro.Dat"));
    EXPECT_FALSE(platform::FileExists("C:\\Program Files\\Pictoro"));
}

TEST_F(PathsTest, MissingComponentsKeepTheGivenSpelling) {
    fs::create_directories(driveC_ + "/Data");
    EXPECT_EQ(vw::HostPath("C:\\DATA\\New Dir\\File.TXT"), driveC_ + "/Data/New Dir/File.TXT");
    ASSERT_TRUE(platform::CreateDir("C:\\data\\New Dir"));
    EXPECT_TRUE(fs::is_directory(driveC_ + "/Data/New Dir"));
    EXPECT_FALSE(platform::CreateDir("C:\\DATA\\NEW DIR")); // exists already
    EXPECT_FALSE(platform::CreateDir("C:\\Data\\A\\B")); // parent missing
}

TEST_F(PathsTest, AnExactSpellingWinsOverACaseVariant) {
    fs::create_directories(driveC_ + "/dir");
    fs::create_directories(driveC_ + "/DIR");
    EXPECT_EQ(vw::HostPath("C:\\DIR"), driveC_ + "/DIR");
    EXPECT_EQ(vw::HostPath("C:\\dir"), driveC_ + "/dir");
    EXPECT_EQ(vw::HostPath("C:\\Dir"), driveC_ + "/DIR"); // first in byte order
}

TEST_F(PathsTest, DotsSlashesAndRelativePathsAreApplied) {
    fs::create_directories(driveC_ + "/Setup/Sub");
    EXPECT_EQ(vw::HostPath("C:\\Setup\\.\\Sub\\..\\x.txt"), driveC_ + "/Setup/x.txt");
    EXPECT_EQ(vw::HostPath("C:/setup//sub"), driveC_ + "/Setup/Sub");
    EXPECT_EQ(vw::HostPath("C:\\..\\..\\Setup"), driveC_ + "/Setup"); // never above the root
    vw::SetCurrentDir("c:\\setup\\");
    EXPECT_EQ(platform::GetCurrentDir(), "C:\\setup");
    EXPECT_EQ(vw::HostPath("Sub\\a.txt"), driveC_ + "/Setup/Sub/a.txt");
    EXPECT_EQ(vw::HostPath("\\a.txt"), driveC_ + "/a.txt");
}

TEST_F(PathsTest, UnmappedDrivesAndBadNamesResolveToNothing) {
    EXPECT_EQ(vw::HostPath("D:\\x"), "");
    EXPECT_EQ(vw::HostPath(""), "");
    EXPECT_EQ(vw::HostPath("\\\\server\\share\\x"), "");
    EXPECT_EQ(vw::HostPath("C:\\a*b"), "");
    EXPECT_FALSE(platform::DirectoryExists("D:\\"));
}

TEST_F(PathsTest, CurrentDirectoryStartsAtTheRootOfC) {
    EXPECT_EQ(platform::GetCurrentDir(), "C:\\");
}
