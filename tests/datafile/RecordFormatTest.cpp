#include "VirtualDisk.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "datafile/DecimalText.h"
#include "datafile/LIB_RandomSource.h"
#include "platform/headless/VirtualWindows.h"

using RecordFormat = VirtualDisk;

// The start byte r of a scrambled string and the number of file bytes it took.
static std::pair<int, std::size_t> StartByte(const std::string& bytes) {
    const int first = static_cast<std::uint8_t>(bytes.at(0));
    if (first == 31) return {static_cast<std::uint8_t>(bytes.at(1)) - 84, 2};
    return {first, 1};
}

TEST_F(RecordFormat, EscapesTheControlBytesAndReadsThemBack) {
    const std::string bytes = Written([](auto& file, auto& writer) {
        for (const int v : {0, 31, 32, 255}) writer.WriteByte(file, static_cast<std::uint8_t>(v));
    });
    EXPECT_EQ(bytes, Bytes({31, 84, 31, 115, 32, 255}));

    Reading(bytes, [](auto& file, auto& reader) {
        for (const int v : {0, 31, 32, 255}) {
            EXPECT_EQ(reader.ReadByte(file), v);
        }
        EXPECT_EQ(reader.Position(), 6u);
    });
}

TEST_F(RecordFormat, CheckedReadRefusesBytesTheFormatNeverWrites) {
    const auto problemIn = [this](const std::string& bytes) {
        std::string problem;
        Reading(bytes, [&](auto& file, auto& reader) {
            try {
                reader.ReadCheckedByte(file);
            } catch (const EDataFileFormat& e) {
                problem = e.what();
            }
        });
        return problem;
    };
    EXPECT_EQ(problemIn(Bytes({5})), "byte 5 at byte offset 0");
    EXPECT_EQ(problemIn(Bytes({31, 116})), "escape byte 31 followed by byte 116 at byte offset 1");
    EXPECT_EQ(problemIn(""), "the end of the file at byte offset 0");
    EXPECT_EQ(problemIn(Bytes({31})), "escape byte 31 followed by the end of the file at byte offset 1");
    EXPECT_EQ(problemIn(Bytes({31, 84})), "");
}

TEST_F(RecordFormat, PlainStringsCarryTwoLengthBytes) {
    EXPECT_EQ(Written([](auto& file, auto& writer) { writer.WriteRawString(file, ""); }), Bytes({31, 84, 31, 84}));

    const std::string text(256, 'x');
    const std::string bytes = Written([&](auto& file, auto& writer) { writer.WriteKeySeed(file, text); });
    EXPECT_EQ(bytes.substr(0, 4), Bytes({31, 84, 31, 85})); // low byte 0, high byte 1
    EXPECT_EQ(bytes.substr(4), text);
}

TEST_F(RecordFormat, ScrambledStringsAddTheKeyFromTheStartByte) {
    SeedRandomSource(7);
    KeyTable = IdentityKeyTable();
    const std::string bytes = Written([](auto& file, auto& writer) { writer.WriteString(file, "abc"); });

    const auto [r, startBytes] = StartByte(bytes);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 254);
    std::string expected = bytes.substr(0, startBytes) + Bytes({31, 84 + 3, 31, 84}); // length 3, high byte 0
    for (int i = 0; i < 3; ++i) {
        const int b = ('a' + i + (r + i) % 256) % 256;
        expected += b < 32 ? Bytes({31, b + 84}) : Bytes({b});
    }
    EXPECT_EQ(bytes, expected);
}

TEST_F(RecordFormat, EveryStringSwapsTwoKeyBytesExceptFromStart254) {
    SeedRandomSource(11);
    constexpr int Strings = 3000;
    std::vector<std::string> tables; // the key table after each string
    KeyTable = IdentityKeyTable();
    std::string bytes = Written([&](auto& file, auto& writer) {
        for (int n = 0; n < Strings; ++n) {
            writer.WriteString(file, "");
            tables.push_back(KeyTable);
        }
    });

    std::string expected = IdentityKeyTable();
    bool saw254 = false, saw253 = false;
    for (int n = 0; n < Strings; ++n) {
        const auto [r, startBytes] = StartByte(bytes);
        ASSERT_EQ(bytes.substr(startBytes, 4), Bytes({31, 84, 31, 84}));
        bytes.erase(0, startBytes + 4);
        if (r != 254) std::swap(expected[r - 1], expected[r + 1]);
        ASSERT_EQ(tables[n], expected) << "string " << n << ", start byte " << r;
        saw254 |= r == 254;
        saw253 |= r == 253;
    }
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(saw254);
    EXPECT_TRUE(saw253);
}

TEST_F(RecordFormat, SwapCountsPositionsFromOneAndIgnoresZero) {
    KeyTable = IdentityKeyTable();
    TLibData1_ReadWrite::SwapKeyBytes(254, 0);
    TLibData1_ReadWrite::SwapKeyBytes(0, 5);
    EXPECT_EQ(KeyTable, IdentityKeyTable());
    TLibData1_ReadWrite::SwapKeyBytes(1, 256 - 1);
    EXPECT_EQ(static_cast<std::uint8_t>(KeyTable[0]), 254);
    EXPECT_EQ(static_cast<std::uint8_t>(KeyTable[254]), 0);
}

TEST_F(RecordFormat, IntegersRealsAndMarkersReadBackInOrder) {
    SeedRandomSource(3);
    KeyTable = IdentityKeyTable();
    const std::string bytes = Written([](auto& file, auto& writer) {
        writer.WriteInteger(file, 7200);
        writer.WriteInteger(file, -2147483647 - 1);
        writer.WriteDateTime(file, 0);
        writer.WriteFloat(file, 0.1);
        writer.WriteMarker(file, 203);
        writer.WriteString(file, std::string(300, 'z'));
        writer.WriteMarker(file, 0);
    });

    KeyTable = IdentityKeyTable();
    Reading(bytes, [](auto& file, auto& reader) {
        const std::string table = KeyTable;
        EXPECT_EQ(reader.ReadString(file), "7200");
        EXPECT_NE(KeyTable, table); // the reader swaps as the writer did
        EXPECT_EQ(reader.ReadString(file), "-2147483648");
        EXPECT_EQ(reader.ReadString(file), "0");
        EXPECT_EQ(reader.ReadFloat(file), 0.1);
        EXPECT_EQ(reader.ReadMarker(file), 203);
        EXPECT_EQ(reader.ReadString(file), std::string(300, 'z'));
        EXPECT_EQ(reader.ReadMarker(file), 0);
    });
}

// Reals are written without the C library's formatter, yet as its "%.15g" writes them.
TEST(DecimalText, WritesWhatPrintfWritesWithFifteenDigits) {
    std::vector<double> values = {1e14 + 0.5,
                                  1e14 + 1.5,
                                  0.1,
                                  1.0 / 3,
                                  2.0 / 3,
                                  123456789012345678.0,
                                  1e15,
                                  999999999999999.9,
                                  9.9999999999999995e-5,
                                  1e-4,
                                  0.5,
                                  100,
                                  12.5,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  1.7976931348623157e308,
                                  45998.75,
                                  -3.25,
                                  -1e-300};
    std::mt19937_64 random(11);
    while (values.size() < 20000) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value) && value != 0)
            values.push_back(values.size() % 2 ? value : std::ldexp(double(bits >> 11), int(random() % 120) - 60));
    }
    for (const double value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", value);
        ASSERT_EQ(DecimalText(value), expected) << std::hexfloat << value;
    }
    EXPECT_EQ(DecimalText(0.0), "0");
    EXPECT_EQ(DecimalText(-0.0), "-0");
    EXPECT_EQ(DecimalText(-HUGE_VAL), "-inf");
}

TEST_F(RecordFormat, NumbersThatAreNoNumbersAreRefused) {
    SeedRandomSource(5);
    KeyTable = IdentityKeyTable();
    const std::string bytes = Written([](auto& file, auto& writer) {
        writer.WriteString(file, "12a");
        writer.WriteString(file, "");
        writer.WriteString(file, "nan");
        for (const char* text : {" 1", "+1", "0x10", "1e999", "1.5 ", "-", "."}) writer.WriteString(file, text);
        writer.WriteString(file, "-.5e1");
    });
    KeyTable = IdentityKeyTable();
    Reading(bytes, [](auto& file, auto& reader) {
        EXPECT_THROW(reader.ReadInteger(file), EDataFileFormat);
        EXPECT_THROW(reader.ReadInteger(file), EDataFileFormat);
        EXPECT_THROW(reader.ReadFloat(file), EDataFileFormat);
        for (int i = 0; i < 7; ++i) EXPECT_THROW(reader.ReadFloat(file), EDataFileFormat) << i;
        EXPECT_EQ(reader.ReadFloat(file), -5.0);
    });
}

TEST_F(RecordFormat, TextsOf65536BytesAreRefusedBeforeAnythingIsWritten) {
    KeyTable = IdentityKeyTable();
    const std::string bytes = Written([](auto& file, auto& writer) {
        writer.WriteString(file, std::string(65535, 'a'));
        const auto before = writer.Position();
        EXPECT_THROW(writer.WriteString(file, std::string(65536, 'a')), Exception);
        EXPECT_THROW(writer.WriteRawString(file, std::string(70000, 'a')), Exception);
        EXPECT_EQ(writer.Position(), before);
    });
    EXPECT_EQ(bytes.substr(StartByte(bytes).second, 2), Bytes({255, 255}));
}

TEST_F(RecordFormat, StringsAndMarkersNeedTheKeyTable) {
    KeyTable.clear();
    const std::string bytes = Written([](auto& file, auto& writer) {
        EXPECT_THROW(writer.WriteMarker(file, 0), Exception);
        EXPECT_THROW(writer.WriteString(file, "a"), Exception);
        EXPECT_THROW(writer.WriteString(file, ""), Exception);
    });
    EXPECT_EQ(bytes, ""); // refused before anything is written
}

TEST(KeyTable, RealSeedTakesEveryFifthFromTheEndThenTheEvenPositions) {
    for (const std::size_t length : {879u, 900u, 977u}) {
        std::string seed;
        for (std::size_t i = 1; i <= length; ++i) seed += static_cast<char>(14 + i % 240);
        const auto s = [&](std::size_t position) { return seed[position - 1]; };
        const std::string table = DeriveKeyTable(seed);
        ASSERT_EQ(table.size(), 256u);
        const std::size_t fromEnd = (length / 5 * 5 - 250) / 5 + 1; // 126 to 146
        EXPECT_EQ(table[0], s(length / 5 * 5));
        EXPECT_EQ(table[fromEnd - 1], s(250));
        EXPECT_EQ(table[fromEnd], s(2));
        EXPECT_EQ(table[255], s(2 * (256 - fromEnd)));
    }
}

TEST(KeyTable, ShortSeedIsPaddedWithBlanksAndCompletedFromItsOwnStart) {
    std::string seed;
    for (int i = 1; i <= 260; ++i) seed += static_cast<char>(14 + i % 200);
    const auto s = [&](std::size_t position) { return position <= seed.size() ? seed[position - 1] : ' '; };
    const std::string table = DeriveKeyTable(seed);
    ASSERT_EQ(table.size(), 256u);
    EXPECT_EQ(table.substr(0, 8), std::string(8, ' ')); // positions 300 down to 265
    EXPECT_EQ(table[8], s(260));
    EXPECT_EQ(table[10], s(250));
    EXPECT_EQ(table[11], s(2));
    EXPECT_EQ(table[160], s(300)); // the last even position
    for (std::size_t i = 161; i < 256; ++i) ASSERT_EQ(table[i], s(i)) << i;
    EXPECT_EQ(DeriveKeyTable(""), std::string(256, ' '));
}

TEST(KeyTable, FreshSeedsStayInRangeAndDiffer) {
    SeedRandomSource(1);
    std::string table, seed, firstSeed;
    for (int n = 0; n < 50; ++n) {
        MakeKeySeed(table, seed);
        ASSERT_GE(seed.size(), KeySeedMinLength);
        ASSERT_LE(seed.size(), KeySeedMaxLength);
        for (const char c : seed) {
            ASSERT_GE(static_cast<std::uint8_t>(c), 14);
            ASSERT_LE(static_cast<std::uint8_t>(c), 253);
        }
        ASSERT_EQ(table, DeriveKeyTable(seed));
        if (n == 0)
            firstSeed = seed;
        else
            ASSERT_NE(seed, firstSeed);
    }
}

using VersionTest = VirtualDisk;

TEST_F(VersionTest, KnownVersionsPassAndEverythingElseFails) {
    const auto accepted = [this](const std::string& bytes) {
        MakeFile("C:\\Pictoro.Dat", bytes);
        return DataFileAccepted("C:\\Pictoro.Dat");
    };
    EXPECT_TRUE(accepted(Bytes({31, 84, 200})));
    EXPECT_TRUE(accepted(Bytes({31, 85})));
    EXPECT_TRUE(accepted(Bytes({31, 86})));
    EXPECT_TRUE(accepted(Bytes({1}))); // a bare byte below 3 is taken as it is
    EXPECT_FALSE(accepted(Bytes({31, 87})));
    EXPECT_FALSE(accepted(Bytes({65})));
    EXPECT_FALSE(accepted("")); // the end-of-file character 26
    EXPECT_FALSE(DataFileAccepted("C:\\Missing\\Pictoro.Dat"));

    platform::headless::InjectFault("\\Locked.Dat", platform::headless::Fault::InUse);
    MakeFile("C:\\Locked.Dat", Bytes({31, 84}));
    EXPECT_FALSE(DataFileAccepted("C:\\Locked.Dat"));
    EXPECT_THROW(ReadFormatVersion("C:\\Locked.Dat"), EInOutError);
}
