// Damaged, truncated and foreign files: the reader must end every one with a format error
// that names an offset inside the file, and never crash, hang or raise anything else.
#include "VirtualDisk.h"

#include <random>

#include "datafile/LIB_DataFileReader.h"
#include "datafile/LIB_RandomSource.h"
#include "datafile/LIB_TextPacker.h"
#include "datafile/PB_Pictoro_DAT.h"

namespace {

const std::string Damaged = "C:\\damaged.dat";

class DamagedFile : public VirtualDisk {
protected:
    void SetUp() override {
        VirtualDisk::SetUp();
        SeedRandomSource(2026);
        WriteInitialDataFile("C:\\Pictoro.Dat", {"C:\\Pictoro\\", "C:\\Downloads", 4}, 100, [](unsigned) {});
        intact_ = ReadFile("C:\\Pictoro.Dat");
    }

    // Reads the bytes back: true if they parse, false after a format error inside the file.
    bool Parses(const std::string& bytes) {
        MakeFile(Damaged, bytes);
        try {
            ReadDataFile(Damaged);
            return true;
        } catch (const EDataFileFormat& e) {
            EXPECT_LE(e.Offset, bytes.size()) << e.what();
            EXPECT_NE(std::string(e.what()).find("expected "), std::string::npos) << e.what();
            return false;
        }
    }

    // A file laid out as the installer writes one, up to the name of its first setting; it
    // ends there, before the setting's value.
    std::string CutAfterFirstSettingName(const std::string& name) {
        return Written([&](auto& file, auto& writer) {
            writer.WriteByte(file, 0);
            const std::string seed(900, 'A');
            writer.WriteKeySeed(file, seed);
            KeyTable = DeriveKeyTable(seed);
            for (int n = 0; n < 4; ++n) writer.WriteString(file, "C:\\");
            writer.WriteMarker(file, 43);
            writer.WriteInteger(file, 20);
            writer.WriteInteger(file, 0);
            writer.WriteMarker(file, 11);
            writer.WriteMarker(file, 203);
            for (int n = 0; n < 4; ++n) writer.WriteRawString(file, PackText("x"));
            for (int n = 0; n < 3; ++n) writer.WriteInteger(file, 0);
            writer.WriteDateTime(file, 0);
            writer.WriteDateTime(file, 0);
            writer.WriteInteger(file, 0);
            writer.WriteMarker(file, 203);
            writer.WriteString(file, name);
        });
    }

    std::string intact_;
    std::mt19937 random_{12345};
};

} // namespace

TEST_F(DamagedFile, EveryTruncationIsAnError) {
    ASSERT_TRUE(Parses(intact_));
    for (int n = 0; n < 400; ++n) {
        const std::size_t length = random_() % intact_.size();
        ASSERT_FALSE(Parses(intact_.substr(0, length))) << length;
    }
    for (const std::size_t length : {0ul, 1ul, 2ul, intact_.size() - 1})
        ASSERT_FALSE(Parses(intact_.substr(0, length))) << length;
}

TEST_F(DamagedFile, TrailingBytesAreAnError) {
    EXPECT_FALSE(Parses(intact_ + "x"));
    EXPECT_FALSE(Parses(intact_ + "\x1A")); // the byte that reading past the end yields
}

TEST_F(DamagedFile, ChangedBytesAreReadOrRefusedButNeverCrash) {
    int refused = 0;
    for (int n = 0; n < 600; ++n) {
        std::string bytes = intact_;
        const int changes = 1 + random_() % 4;
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = random_() % bytes.size();
            switch (random_() % 3) {
            case 0: bytes[at] = static_cast<char>(random_()); break;
            case 1: bytes.erase(at, 1 + random_() % 16); break;
            default: bytes.insert(at, std::string(1 + random_() % 8, static_cast<char>(random_()))); break;
            }
        }
        refused += !Parses(bytes);
    }
    EXPECT_GT(refused, 400);
}

TEST_F(DamagedFile, RandomAndForeignBytesAreRefused) {
    for (int n = 0; n < 1000; ++n) {
        std::string bytes(random_() % 3000, '\0');
        for (char& b : bytes) b = static_cast<char>(random_());
        if (n % 2) bytes.insert(0, intact_.substr(0, random_() % 2000)); // a sound start, then garbage
        ASSERT_FALSE(Parses(bytes)) << n;
    }
    EXPECT_FALSE(Parses("MZ\x90"));
    EXPECT_FALSE(Parses(std::string("\x1f\x55") + intact_.substr(2))); // version 1: another layout
}

TEST_F(DamagedFile, BytesQuotedFromTheFileShowAsHexAndTheMessageStaysOneLine) {
    const std::string bytes = CutAfterFirstSettingName(std::string("Key\x1B[31m\r\n\0", 11));
    MakeFile(Damaged, bytes);
    try {
        ReadDataFile(Damaged);
        FAIL() << "a file without the value of its setting parsed";
    } catch (const EDataFileFormat& e) {
        EXPECT_EQ(e.Message,
                  "expected the value of setting 1 \"Key\\x1B[31m\\x0D\\x0A\\x00\", found the end of "
                  "the file at byte offset " +
                      std::to_string(bytes.size()));
    }
}
