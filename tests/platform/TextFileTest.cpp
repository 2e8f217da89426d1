#include <string>

#include "VirtualDrive.h"
#include "platform/TextFile.h"
#include "platform/headless/VirtualWindows.h"

using platform::TextFile;
namespace vw = platform::headless;

class TextFileTest : public VirtualDriveTest {
protected:
    void WriteText(const std::string& path, const std::string& text) {
        TextFile file;
        file.Assign(path);
        file.Rewrite();
        for (char c : text) file.Write(std::uint8_t(c));
        file.Close();
        ASSERT_EQ(file.IOResult(), 0);
    }
};

TEST_F(TextFileTest, OutputReachesTheDiskIn128BytePiecesAndTheRestAtClose) {
    TextFile file;
    file.Assign("C:\\Out.bin");
    file.Rewrite();
    for (int i = 0; i < 128; ++i) file.Write(std::uint8_t(i));
    EXPECT_EQ(ReadFile("C:\\Out.bin").size(), 0u);
    file.Write(128);
    EXPECT_EQ(ReadFile("C:\\Out.bin").size(), 128u);
    for (int i = 129; i < 300; ++i) file.Write(std::uint8_t(i));
    EXPECT_EQ(ReadFile("C:\\Out.bin").size(), 256u);
    file.Close();
    EXPECT_EQ(file.IOResult(), 0);
    std::string written = ReadFile("C:\\Out.bin");
    ASSERT_EQ(written.size(), 300u);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(std::uint8_t(written[i]), std::uint8_t(i)) << "byte " << i;
}

TEST_F(TextFileTest, RewriteTruncatesALongerFile) {
    MakeFile("C:\\Old.txt", std::string(1000, 'x'));
    WriteText("C:\\old.TXT", "new");
    EXPECT_EQ(ReadFile("C:\\Old.txt"), "new");
}

TEST_F(TextFileTest, ReadingYieldsEveryByteThenTheEndOfFileCharacter) {
    std::string content;
    for (int i = 0; i < 300; ++i) content += char(i % 256);
    MakeFile("C:\\In.bin", content);
    TextFile file;
    file.Assign("C:\\In.bin");
    file.Reset();
    for (int i = 0; i < 300; ++i) ASSERT_EQ(file.Read(), std::uint8_t(i % 256)) << "byte " << i;
    EXPECT_EQ(file.Read(), TextFile::EndOfFileChar);
    EXPECT_EQ(file.Read(), TextFile::EndOfFileChar);
    EXPECT_EQ(file.IOResult(), 0);
    file.Close();
    EXPECT_EQ(file.IOResult(), 0);
}

TEST_F(TextFileTest, AnEmptyFileReadsAsTheEndOfFileCharacter) {
    MakeFile("C:\\Empty.dat");
    TextFile file;
    file.Assign("C:\\Empty.dat");
    file.Reset();
    EXPECT_EQ(file.Read(), 26);
    EXPECT_EQ(file.IOResult(), 0);
}

TEST_F(TextFileTest, OperationsOnAClosedFileRecord103) {
    TextFile file;
    file.Assign("C:\\Never.txt");
    EXPECT_EQ(file.Read(), 26);
    EXPECT_EQ(file.IOResult(), 103);
    file.Write('a');
    EXPECT_EQ(file.IOResult(), 103);
    file.Close();
    EXPECT_EQ(file.IOResult(), 103);
    EXPECT_EQ(file.IOResult(), 0);
}

TEST_F(TextFileTest, WrongDirectionIsRefused) {
    MakeFile("C:\\Both.txt", "abc");
    TextFile file;
    file.Assign("C:\\Both.txt");
    file.Reset();
    file.Write('x');
    EXPECT_EQ(file.IOResult(), 105);
    file.Close();
    file.Rewrite();
    file.Read();
    EXPECT_EQ(file.IOResult(), 104);
    file.Close();
    EXPECT_EQ(ReadFile("C:\\Both.txt"), "");
}

TEST_F(TextFileTest, OpenFailuresGiveTheirCodes) {
    TextFile file;
    file.Assign("C:\\Missing.txt");
    file.Reset();
    EXPECT_EQ(file.IOResult(), 2);
    EXPECT_FALSE(file.IsOpen());
    file.Assign("C:\\NoSuchDir\\New.txt");
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 3);
    file.Assign("C:\\Bad?Name.txt");
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 123);
    file.Assign("Q:\\Unmapped.txt");
    file.Rewrite();
    EXPECT_EQ(file.IOResult(), 3);
}

TEST_F(TextFileTest, DiskFullStopsTheFileWhereTheDiskEnds) {
    vw::InjectFault("\\Full.bin", vw::Fault::DiskFull, 200);
    TextFile file;
    file.Assign("C:\\Full.bin");
    file.Rewrite();
    int failedAt = 0;
    for (int i = 1; i <= 400 && failedAt == 0; ++i) {
        file.Write('z');
        if (file.IOResult() != 0) failedAt = i;
    }
    EXPECT_EQ(failedAt, 257); // the second full buffer does not fit
    EXPECT_EQ(ReadFile("C:\\Full.bin").size(), 200u);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(TextFileTest, AFailureAtCloseIsReportedAndTheFileStillCloses) {
    vw::InjectFault("\\Tail.bin", vw::Fault::DiskFull, 10);
    TextFile file;
    file.Assign("C:\\Tail.bin");
    file.Rewrite();
    for (int i = 0; i < 20; ++i) file.Write('t');
    EXPECT_EQ(file.IOResult(), 0);
    file.Close();
    EXPECT_EQ(file.IOResult(), 101);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadFile("C:\\Tail.bin"), std::string(10, 't'));
}

TEST_F(TextFileTest, TheFirstFailureIsKeptUntilItIsRead) {
    TextFile file;
    file.Assign("C:\\Missing.txt");
    file.Reset();
    file.Assign("C:\\Present.txt");
    file.Rewrite();
    file.Write('x');
    file.Close();
    EXPECT_EQ(file.IOResult(), 2);
    EXPECT_EQ(file.IOResult(), 0);
    EXPECT_EQ(ReadFile("C:\\Present.txt"), "x");
}

TEST_F(TextFileTest, DestroyingAnOpenFileWritesOutItsBuffer) {
    {
        TextFile file;
        file.Assign("C:\\Left.txt");
        file.Rewrite();
        file.Write('a');
        file.Write('b');
    }
    EXPECT_EQ(ReadFile("C:\\Left.txt"), "ab");
    TextFile reopened;
    reopened.Assign("C:\\Left.txt");
    reopened.Rewrite(); // the handle of the destroyed file is gone, so no sharing conflict
    EXPECT_EQ(reopened.IOResult(), 0);
}
