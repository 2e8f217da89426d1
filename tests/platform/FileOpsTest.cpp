#include <filesystem>

#include "VirtualDrive.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "platform/headless/VirtualWindows.h"

namespace fs = std::filesystem;
namespace vw = platform::headless;

using FileOpsTest = VirtualDriveTest;

TEST_F(FileOpsTest, CheckReplaceableTellsWhyAFileCannotBeReplaced) {
    EXPECT_EQ(platform::CheckReplaceable("C:\\App\\Pictoro.Exe"), 0); // missing
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::InUse);
    EXPECT_EQ(platform::CheckReplaceable("C:\\App\\Pictoro.Exe"), 32); // a fault holds even so
    vw::ClearFaults();
    MakeFile("C:\\App\\Pictoro.Exe", "old");
    EXPECT_EQ(platform::CheckReplaceable("C:\\APP\\PICTORO.EXE"), 0);
    vw::SetAttributes("C:\\App\\Pictoro.Exe", platform::faReadOnly);
    EXPECT_EQ(platform::CheckReplaceable("C:\\App\\Pictoro.Exe"), 5);
    vw::SetAttributes("C:\\App\\Pictoro.Exe", 0);
    vw::InjectFault("\\pictoro.exe", vw::Fault::InUse);
    EXPECT_EQ(platform::CheckReplaceable("C:\\App\\Pictoro.Exe"), 32);
    vw::ClearFaults();
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::AccessDenied);
    EXPECT_EQ(platform::CheckReplaceable("C:\\App\\Pictoro.Exe"), 5);
    vw::ClearFaults();
    EXPECT_EQ(platform::CheckReplaceable("C:\\App"), 5); // a directory
}

TEST_F(FileOpsTest, AFileOpenHereIsInUse) {
    MakeFile("C:\\Busy.txt", "data");
    platform::FileHandle reader, writer;
    ASSERT_EQ(platform::OpenFileForRead("C:\\Busy.txt", reader), 0);
    EXPECT_EQ(platform::CheckReplaceable("C:\\Busy.txt"), 32);
    EXPECT_EQ(platform::DeleteFileAt("C:\\Busy.txt"), 32);
    ASSERT_EQ(platform::CreateFileForWrite("C:\\Busy.txt", writer), 0); // readers allow writers
    platform::FileHandle second;
    EXPECT_EQ(platform::CreateFileForWrite("C:\\busy.txt", second), 32);
    EXPECT_EQ(second, platform::NoFile);
    EXPECT_EQ(platform::CloseFileHandle(writer), 0);
    EXPECT_EQ(platform::CloseFileHandle(reader), 0);
    EXPECT_EQ(platform::CloseFileHandle(reader), 6);
    EXPECT_EQ(platform::CheckReplaceable("C:\\Busy.txt"), 0);
}

TEST_F(FileOpsTest, InjectedFaultsRefuseCreateAndOpen) {
    MakeFile("C:\\Dir\\Pictoro.Dat", "x");
    vw::InjectFault("\\PICTORO.DAT", vw::Fault::AccessDenied);
    platform::TextFile file;
    file.Assign("C:\\Dir\\Pictoro.Dat");
    file.Reset();
    EXPECT_EQ(file.IOResult(), 5);
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 5);
    vw::ClearFaults();
    vw::InjectFault("Pictoro.Dat", vw::Fault::InUse);
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 32);
    file.Assign("C:\\Dir\\Other.Dat");
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 0);
    EXPECT_EQ(ReadFile("C:\\Dir\\Pictoro.Dat"), "x");
}

TEST_F(FileOpsTest, ReadOnlyAndHiddenFilesCannotBeRecreated) {
    MakeFile("C:\\ro.txt", "keep");
    MakeFile("C:\\hidden.txt", "keep");
    vw::SetAttributes("C:\\ro.txt", platform::faReadOnly);
    vw::SetAttributes("C:\\hidden.txt", platform::faHidden);
    platform::FileHandle handle;
    EXPECT_EQ(platform::CreateFileForWrite("C:\\RO.TXT", handle), 5);
    EXPECT_EQ(platform::CreateFileForWrite("C:\\hidden.txt", handle), 5);
    EXPECT_EQ(platform::DeleteFileAt("C:\\ro.txt"), 5);
    EXPECT_EQ(ReadFile("C:\\ro.txt"), "keep");
    ASSERT_EQ(platform::OpenFileForRead("C:\\hidden.txt", handle), 0);
    EXPECT_EQ(platform::CloseFileHandle(handle), 0);
}

TEST_F(FileOpsTest, ReplaceFileWithRenamesOverTheTarget) {
    MakeFile("C:\\App\\Pictoro.Exe", std::string(5000, 'o'));
    MakeFile("C:\\App\\Pictoro.Exe.new", "new image");
    vw::SetAttributes("C:\\App\\Pictoro.Exe.new", platform::faHidden);
    EXPECT_EQ(platform::ReplaceFileWith("C:\\App\\Pictoro.Exe.new", "C:\\app\\pictoro.exe"), 0);
    EXPECT_EQ(ReadFile("C:\\App\\Pictoro.Exe"), "new image");
    EXPECT_FALSE(platform::FileExists("C:\\App\\Pictoro.Exe.new"));
    EXPECT_EQ(platform::FindEntries("C:\\App\\Pictoro.Exe").at(0).Attributes, platform::faHidden);
    EXPECT_EQ(platform::ReplaceFileWith("C:\\App\\Pictoro.Exe.new", "C:\\App\\Pictoro.Exe"), 2);
}

TEST_F(FileOpsTest, ReplaceFileWithRefusesAProtectedTarget) {
    MakeFile("C:\\App\\Pictoro.Exe", "old");
    MakeFile("C:\\App\\New.tmp", "new");
    vw::InjectFault("\\Pictoro.Exe", vw::Fault::InUse);
    EXPECT_EQ(platform::ReplaceFileWith("C:\\App\\New.tmp", "C:\\App\\Pictoro.Exe"), 32);
    vw::ClearFaults();
    vw::SetAttributes("C:\\App\\Pictoro.Exe", platform::faReadOnly);
    EXPECT_EQ(platform::ReplaceFileWith("C:\\App\\New.tmp", "C:\\App\\Pictoro.Exe"), 5);
    EXPECT_EQ(ReadFile("C:\\App\\Pictoro.Exe"), "old");
    EXPECT_EQ(ReadFile("C:\\App\\New.tmp"), "new");
    EXPECT_EQ(platform::ReplaceFileWith("C:\\App\\New.tmp", "C:\\Gone\\Pictoro.Exe"), 3);
}

TEST_F(FileOpsTest, DeleteFileAtRemovesFilesAndForgetsTheirAttributes) {
    MakeFile("C:\\x.txt", "x");
    vw::SetAttributes("C:\\x.txt", platform::faHidden);
    EXPECT_EQ(platform::DeleteFileAt("C:\\X.TXT"), 0);
    EXPECT_EQ(platform::DeleteFileAt("C:\\x.txt"), 2);
    EXPECT_EQ(platform::DeleteFileAt("C:\\NoDir\\x.txt"), 3);
    MakeFile("C:\\x.txt", "again");
    EXPECT_EQ(platform::FindEntries("C:\\x.txt").at(0).Attributes, platform::faArchive);
}

TEST_F(FileOpsTest, LowLevelCallsCheckTheirHandles) {
    std::uint8_t byte = 1;
    std::size_t got = 99;
    EXPECT_EQ(platform::WriteFileBytes(12345, &byte, 1), 6);
    EXPECT_EQ(platform::ReadFileBytes(12345, &byte, 1, got), 6);
    EXPECT_EQ(got, 0u);
    MakeFile("C:\\r.txt", "r");
    platform::FileHandle reader;
    ASSERT_EQ(platform::OpenFileForRead("C:\\r.txt", reader), 0);
    EXPECT_EQ(platform::WriteFileBytes(reader, &byte, 1), 5);
    EXPECT_EQ(platform::CloseFileHandle(reader), 0);
    EXPECT_EQ(platform::OpenFileForRead("C:\\", reader), 5);
}

TEST_F(FileOpsTest, BytesWrittenThroughAHandleAreSeenByEveryOtherCall) {
    platform::FileHandle writer, reader;
    ASSERT_EQ(platform::CreateFileForWrite("C:\\Log.bin", writer), 0);
    const std::uint8_t first[] = {'a', 'b', 'c'};
    ASSERT_EQ(platform::WriteFileBytes(writer, first, 3), 0);
    ASSERT_EQ(platform::OpenFileForRead("C:\\LOG.BIN", reader), 0);
    std::uint8_t got[8] = {};
    std::size_t count = 0;
    ASSERT_EQ(platform::ReadFileBytes(reader, got, sizeof got, count), 0);
    EXPECT_EQ(std::string(got, got + count), "abc");
    const std::uint8_t second[] = {'d', 'e'};
    ASSERT_EQ(platform::WriteFileBytes(writer, second, 2), 0);
    ASSERT_EQ(platform::ReadFileBytes(reader, got, sizeof got, count), 0);
    EXPECT_EQ(std::string(got, got + count), "de"); // the reader goes on where it was
    EXPECT_EQ(ReadFile("C:\\Log.bin"), "abcde");
    EXPECT_EQ(platform::CloseFileHandle(reader), 0);
    EXPECT_EQ(platform::CloseFileHandle(writer), 0);
}

TEST_F(FileOpsTest, ALongWriteInOddPiecesArrivesWholeAndInOrder) {
    std::string expected;
    for (int i = 0; i < 300000; ++i) expected += char(i * 7 % 251);
    platform::FileHandle writer;
    ASSERT_EQ(platform::CreateFileForWrite("C:\\Big.bin", writer), 0);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(expected.data());
    for (std::size_t offset = 0; offset < expected.size(); offset += 777) {
        std::size_t piece = std::min<std::size_t>(777, expected.size() - offset);
        ASSERT_EQ(platform::WriteFileBytes(writer, bytes + offset, piece), 0) << offset;
        if (offset == 777 * 100) {
            ASSERT_TRUE(platform::FileExists("C:\\Big.bin")); // looks at the file midway
        }
    }
    EXPECT_EQ(platform::CloseFileHandle(writer), 0);
    EXPECT_EQ(ReadHostFile(driveC_ + "/Big.bin"), expected);
}
