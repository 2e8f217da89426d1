// The payload writer: counters, the bytes on disk, replacing an earlier file safely; ForceDir.
#include <algorithm>
#include <vector>

#include "VirtualDrive.h"
#include "engine/PB_Pictoro.h"
#include "platform/Platform.h"
#include "platform/headless/VirtualWindows.h"

namespace vw = platform::headless;

namespace {

const std::string Target = "C:\\Pictoro\\Pictoro.Exe";
const std::string Temp = Target + PayloadTempSuffix;

std::string Image() {
    return {reinterpret_cast<const char*>(PayloadImage()), std::size_t(PayloadSize)};
}

class PayloadWriterTest : public VirtualDriveTest {
protected:
    void SetUp() override {
        VirtualDriveTest::SetUp();
        MakeDir("C:\\Pictoro");
        PayloadLoad();
    }

    // Runs the callers' loop to its end; returns the positions seen after each call.
    std::vector<std::int64_t> WriteAll() {
        std::vector<std::int64_t> positions;
        PayloadOpen(Target);
        do {
            PayloadWriteBlock();
            positions.push_back(PayloadPosition);
        } while (!PayloadDone());
        return positions;
    }
};

TEST_F(PayloadWriterTest, ImageIsAWindowsProgram) {
    const std::uint8_t* image = PayloadImage();
    ASSERT_EQ(std::string(image, image + 2), "MZ");
    std::uint32_t header = image[0x3C] | image[0x3D] << 8 | image[0x3E] << 16;
    ASSERT_LT(header, 4096u);
    EXPECT_EQ(std::string(image + header, image + header + 4), std::string("PE\0\0", 4));
}

TEST_F(PayloadWriterTest, CountersAndBufferedBytesThroughAWholeWrite) {
    PayloadOpen(Target);
    EXPECT_EQ(PayloadBlockNo, 0);
    EXPECT_EQ(PayloadPosition, 0);
    EXPECT_FALSE(PayloadDone());

    PayloadWriteBlock();
    EXPECT_EQ(PayloadPosition, 1024);
    // Seven full 128-byte pieces have reached the file; the eighth waits in the buffer.
    EXPECT_EQ(ReadFile(Temp).size(), 896u);

    for (int call = 2; call <= 2437; ++call) {
        PayloadWriteBlock();
        ASSERT_EQ(PayloadPosition, std::int64_t(call) * 1024);
    }
    EXPECT_EQ(PayloadBlockNo, 2437);
    EXPECT_EQ(PayloadPosition, PayloadSize);
    EXPECT_FALSE(PayloadDone());
    EXPECT_EQ(ReadFile(Temp).size(), std::size_t(PayloadSize - 128));
    EXPECT_FALSE(Exists(Target));

    PayloadWriteBlock();
    EXPECT_EQ(PayloadBlockNo, 2438);
    EXPECT_EQ(PayloadPosition, 2495489);
    EXPECT_TRUE(PayloadDone());
    EXPECT_EQ(ReadFile(Target), Image());
    EXPECT_EQ(ListDir("C:\\Pictoro"), std::vector<std::string>{"Pictoro.Exe"});
}

TEST_F(PayloadWriterTest, CallersLoopMakes2438CallsAndCanStartOver) {
    for (int run = 0; run < 2; ++run) {
        std::vector<std::int64_t> positions = WriteAll();
        ASSERT_EQ(positions.size(), 2438u);
        EXPECT_EQ(positions[0], 1024);
        EXPECT_EQ(positions[2436], PayloadSize);
        EXPECT_EQ(positions.back(), 2495489);
        EXPECT_EQ(ReadFile(Target), Image());
    }
}

// Images of other sizes: the last block writes the rest, the call after it closes.
TEST_F(PayloadWriterTest, APartialLastBlockWritesTheRestAndTheNextCallCloses) {
    struct Case {
        std::int32_t size;
        std::vector<std::int64_t> positions;
    };
    const std::vector<Case> cases = {
        {1, {1, 2}},
        {1000, {1000, 1001}},
        {1024, {1024, 1025}}, // one whole block
        {1025, {1024, 1025, 1026}}, // one block more than a whole number of blocks
        {2 * 1024 + 1, {1024, 2048, 2049, 2050}},
        {3 * 1024 - 1, {1024, 2048, 3071, 3072}},
    };
    for (const Case& c : cases) {
        std::string bytes(std::size_t(c.size), '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 7 + 3);
        PayloadUse(reinterpret_cast<const std::uint8_t*>(bytes.data()), c.size);
        PayloadOpen(Target);
        std::vector<std::int64_t> positions;
        do {
            PayloadWriteBlock();
            positions.push_back(PayloadPosition);
            if (PayloadPosition == c.size) {
                EXPECT_FALSE(PayloadDone()) << c.size; // not yet closed
            }
        } while (!PayloadDone());
        EXPECT_EQ(positions, c.positions) << c.size;
        EXPECT_EQ(PayloadBlockNo, std::int32_t(c.positions.size())) << c.size;
        EXPECT_EQ(ReadFile(Target), bytes) << c.size;
        EXPECT_FALSE(Exists(Temp)) << c.size;
    }
}

TEST_F(PayloadWriterTest, APartialBlockReachesTheFileOnlyAtTheClosingCall) {
    const std::string bytes(1024 + 300, 'p');
    PayloadUse(reinterpret_cast<const std::uint8_t*>(bytes.data()), std::int32_t(bytes.size()));
    PayloadOpen(Target);
    PayloadWriteBlock();
    PayloadWriteBlock();
    EXPECT_EQ(PayloadPosition, 1324);
    EXPECT_EQ(ReadFile(Temp).size(), 1280u); // ten 128-byte pieces; 44 bytes wait in the buffer
    EXPECT_FALSE(Exists(Target));
    PayloadWriteBlock();
    EXPECT_EQ(ReadFile(Target), bytes);
}

TEST_F(PayloadWriterTest, LargerEarlierFileIsReplacedByExactlyTheImage) {
    MakeFile(Target, std::string(3000000, '\xAB'));
    WriteAll();
    EXPECT_EQ(ReadFile(Target), Image());
    EXPECT_EQ(ListDir("C:\\Pictoro"), std::vector<std::string>{"Pictoro.Exe"});
}

TEST_F(PayloadWriterTest, UnreplaceableTargetFailsAtOpenWithNothingWritten) {
    const std::string earlier(5000, 'Z');
    struct Case {
        vw::Fault fault;
        std::uint32_t attributes;
        int code;
    };
    for (Case c : {Case{vw::Fault::InUse, 0, platform::ioSharingViolation},
                   Case{vw::Fault::None, platform::faReadOnly, platform::ioAccessDenied}}) {
        MakeFile(Target, earlier);
        vw::ClearFaults();
        if (c.fault != vw::Fault::None) vw::InjectFault("\\Pictoro.Exe", c.fault);
        if (c.attributes) vw::SetAttributes(Target, c.attributes);
        try {
            PayloadOpen(Target);
            ADD_FAILURE() << "PayloadOpen succeeded";
        } catch (const EInOutError& error) {
            EXPECT_EQ(error.ErrorCode, c.code);
        }
        EXPECT_EQ(PayloadPosition, 0);
        EXPECT_FALSE(PayloadDone());
        EXPECT_EQ(ReadFile(Target), earlier);
        EXPECT_EQ(ListDir("C:\\Pictoro"), std::vector<std::string>{"Pictoro.Exe"});
        vw::SetAttributes(Target, 0);
    }
}

TEST_F(PayloadWriterTest, MissingDirectoryFailsAtOpen) {
    try {
        PayloadOpen("C:\\Missing\\Pictoro.Exe");
        ADD_FAILURE() << "PayloadOpen succeeded";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, platform::ioPathNotFound);
    }
    EXPECT_FALSE(Exists("C:\\Missing"));
}

TEST_F(PayloadWriterTest, DiskFullMidwayKeepsTheEarlierFileAndRemovesTheTemporary) {
    const std::string earlier(4000, '\x11');
    MakeFile(Target, earlier);
    vw::InjectFault(Temp.substr(Temp.rfind('\\')), vw::Fault::DiskFull, 1000000);
    PayloadOpen(Target);
    try {
        while (!PayloadDone()) PayloadWriteBlock();
        ADD_FAILURE() << "the write did not fail";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode, platform::ioDiskFull);
    }
    EXPECT_GE(PayloadPosition, 1000000);
    EXPECT_LT(PayloadPosition, 1000000 + 2 * PayloadBlockSize);
    EXPECT_FALSE(PayloadDone());
    EXPECT_EQ(ReadFile(Target), earlier);
    EXPECT_EQ(ListDir("C:\\Pictoro"), std::vector<std::string>{"Pictoro.Exe"});

    vw::ClearFaults();
    WriteAll();
    EXPECT_EQ(ReadFile(Target), Image());
}

using ForceDirTest = VirtualDriveTest;

TEST_F(ForceDirTest, CreatesEveryMissingLevelWithOrWithoutTrailingBackslash) {
    for (std::string dir : {"C:\\One\\Two", "C:\\Three\\Four\\"}) {
        ForceDir(dir);
        std::string parent = dir.substr(0, dir.find('\\', 3));
        EXPECT_TRUE(platform::DirectoryExists(parent)) << parent;
        EXPECT_TRUE(platform::DirectoryExists(dir)) << dir;
    }
    EXPECT_EQ(ListDir("C:\\"), (std::vector<std::string>{"One", "Three"}));
}

TEST_F(ForceDirTest, LeavesAnExistingPathAlone) {
    MakeFile("C:\\Apps\\Pictoro\\Pictoro.Dat", "\x01\x02\x03");
    ForceDir("C:\\Apps\\Pictoro\\Cache");
    EXPECT_EQ(ReadFile("C:\\Apps\\Pictoro\\Pictoro.Dat"), "\x01\x02\x03");
    EXPECT_EQ(ListDir("C:\\Apps\\Pictoro"), (std::vector<std::string>{"Cache", "Pictoro.Dat"}));
}

} // namespace
