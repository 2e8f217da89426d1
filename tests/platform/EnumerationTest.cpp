#include <algorithm>
#include <filesystem>

#include "VirtualDrive.h"
#include "platform/Platform.h"
#include "platform/headless/Masks.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;
using platform::DirEntry;

namespace {

std::vector<std::string> Names(const std::vector<DirEntry>& entries) {
    std::vector<std::string> names;
    for (const DirEntry& entry : entries) names.push_back(entry.Name);
    return names;
}

std::uint32_t AttributesOf(const std::vector<DirEntry>& entries, const std::string& name) {
    auto found = std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) { return e.Name == name; });
    EXPECT_NE(found, entries.end()) << name;
    return found == entries.end() ? 0 : found->Attributes;
}

} // namespace

using EnumerationTest = VirtualDriveTest;

TEST_F(EnumerationTest, DriveTypesAndLogicalDrivesFollowTheMapping) {
    vw::MapDrive('d', HostFolder("d"), platform::DriveFixed);
    vw::SetDriveType('E', platform::DriveCdrom);
    vw::MapDrive('Z', HostFolder("z"), platform::DriveRemote);
    EXPECT_EQ(platform::GetDriveTypeA("C:\\"), platform::DriveFixed);
    EXPECT_EQ(platform::GetDriveTypeA("d:\\"), platform::DriveFixed);
    EXPECT_EQ(platform::GetDriveTypeA("E:\\"), platform::DriveCdrom);
    EXPECT_EQ(platform::GetDriveTypeA("Z:\\"), platform::DriveRemote);
    EXPECT_EQ(platform::GetDriveTypeA("F:\\"), platform::DriveNoRootDir);
    EXPECT_EQ(platform::GetDriveTypeA("C:\\Windows"), platform::DriveNoRootDir);
    EXPECT_EQ(platform::GetLogicalDrives(), (1u << 2) | (1u << 3) | (1u << 4) | (1u << 25));
}

TEST_F(EnumerationTest, ADriveWithoutMediumListsNothingAndOpensNothing) {
    vw::SetDriveType('E', platform::DriveCdrom);
    EXPECT_TRUE(platform::FindEntries("E:\\*.*").empty());
    platform::FileHandle handle;
    EXPECT_EQ(platform::OpenFileForRead("E:\\Setup.exe", handle), 21);
}

TEST_F(EnumerationTest, DotEntriesOnlyOutsideTheRoot) {
    WriteHostFile(driveC_ + "/Top.txt", "");
    WriteHostFile(driveC_ + "/Dir/Inner.txt", "");
    EXPECT_EQ(Names(platform::FindEntries("C:\\*.*")), (std::vector<std::string>{"Dir", "Top.txt"}));
    std::vector<DirEntry> inner = platform::FindEntries("C:\\DIR\\*.*");
    EXPECT_EQ(Names(inner), (std::vector<std::string>{".", "..", "Inner.txt"}));
    EXPECT_EQ(AttributesOf(inner, "..") & platform::faDirectory, platform::faDirectory);
    EXPECT_TRUE(platform::FindEntries("C:\\Dir\\Inner.txt\\*.*").empty());
    EXPECT_TRUE(platform::FindEntries("C:\\Missing\\*.*").empty());
}

TEST_F(EnumerationTest, MasksMatchAsWindowsMatchesThem) {
    for (const char* name : {"Pictoro.Dat", "pictoro.dat.bak", "README", "a.txt", "ab.txt", "abc.TXT"})
        WriteHostFile(driveC_ + "/M/" + name, "");
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\*")).size(), 8u);
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\*.*")).size(), 8u);
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\PICTORO.DAT")), (std::vector<std::string>{"Pictoro.Dat"}));
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\?.txt")), (std::vector<std::string>{"a.txt"}));
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\*.txt")), (std::vector<std::string>{"a.txt", "ab.txt", "abc.TXT"}));
    EXPECT_EQ(Names(platform::FindEntries("C:\\M\\readme.*")), (std::vector<std::string>{"README"}));
    EXPECT_TRUE(platform::FindEntries("C:\\M\\").empty());
}

TEST(MatchesMask, WildcardsAndExtensions) {
    using platform::headless::MatchesMask;
    EXPECT_TRUE(MatchesMask("NoDot", "*.*"));
    EXPECT_TRUE(MatchesMask("..", "*.*"));
    EXPECT_TRUE(MatchesMask("a.b.c", "*.c"));
    EXPECT_TRUE(MatchesMask("Pictoro.Dat", "p*o.?at"));
    EXPECT_FALSE(MatchesMask("Pictoro.Da", "*.dat"));
    EXPECT_FALSE(MatchesMask("ab", "?"));
    EXPECT_FALSE(MatchesMask("abc.txt", "abc"));
    EXPECT_FALSE(MatchesMask("abcd", "abc.*"));
}

TEST_F(EnumerationTest, AttributesTellDirectoriesHiddenAndLinks) {
    WriteHostFile(driveC_ + "/A/Plain.txt", "");
    WriteHostFile(driveC_ + "/A/Secret.txt", "");
    fs::create_directories(driveC_ + "/A/Hidden Dir");
    fs::create_directories(driveC_ + "/Target");
    fs::create_directory_symlink(driveC_ + "/Target", driveC_ + "/A/Junction");
    vw::SetAttributes("C:\\a\\SECRET.TXT", platform::faHidden);
    vw::SetAttributes("C:\\A\\hidden dir", platform::faHidden);
    std::vector<DirEntry> entries = platform::FindEntries("C:\\A\\*.*");
    EXPECT_EQ(AttributesOf(entries, "Plain.txt"), platform::faArchive);
    EXPECT_EQ(AttributesOf(entries, "Secret.txt"), platform::faHidden);
    EXPECT_EQ(AttributesOf(entries, "Hidden Dir"), platform::faHidden | platform::faDirectory);
    EXPECT_EQ(AttributesOf(entries, "Junction"), platform::faDirectory | platform::faReparsePoint);
}
