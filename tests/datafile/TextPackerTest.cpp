#include <gtest/gtest.h>

#include <set>

#include "VirtualDisk.h"
#include "datafile/LIB_TextPacker.h"
#include "datafile/Web_Endpoints.h"

TEST(TextPacker, KnownVectors) {
    EXPECT_EQ(PackText(""), "");
    EXPECT_EQ(PackText("Q"), Bytes({124, 16}));
    EXPECT_EQ(PackText("abc"), Bytes({158, 138, 64}));
    EXPECT_EQ(PackText("http://"), Bytes({125, 80}));
    // "QA" becomes "Q A": values 31, 1, 15 on page 0, six fill bits
    EXPECT_EQ(PackText("QA"), Bytes({0b01111100, 0b00010011, 0b11000000}));
}

TEST(TextPacker, CharactersOutsidePageZeroCostMoreGroups) {
    EXPECT_EQ(PackText("y"), Bytes({0b00000000, 0b00010000})); // page 1, value 1
    EXPECT_EQ(PackText(std::string(1, '\xDD')), Bytes({0, 0, 1})); // 221: page 3, value 1
    EXPECT_EQ(PackText(std::string(1, '\0')), Bytes({0, 0, 0, 0b00000100})); // 0: page 4, value 1
}

TEST(TextPacker, EveryByteValueSurvivesPackAndUnpack) {
    std::set<std::string> packings;
    for (int b = 0; b < 256; ++b) {
        const std::string text(1, static_cast<char>(b));
        const std::string packed = PackText(text);
        packings.insert(packed);
        ASSERT_EQ(UnpackText(packed), text) << b;
        ASSERT_EQ(UnpackText(PackText(text + "x" + text)), text + "x" + text) << b;
    }
    EXPECT_EQ(packings.size(), 256u);
}

// The page and value of the one character that a packed single byte holds.
static std::pair<int, int> CodeOfPacked(const std::string& packed) {
    int page = 0, bit = 0;
    const auto group = [&] {
        int value = 0;
        for (int i = 0; i < 6; ++i, ++bit)
            value = value << 1 | (static_cast<std::uint8_t>(packed.at(bit / 8)) >> (7 - bit % 8) & 1);
        return value;
    };
    int value;
    while ((value = group()) == 0) ++page;
    return {page, value};
}

TEST(TextPacker, CodeTableAtTheEdgesOfEveryRange) {
    struct Row {
        int Byte, Page, Value;
    };
    const Row rows[] = {
        {32, 0, 1},   {46, 0, 2},  {58, 0, 14},  {65, 0, 15}, {88, 0, 38},  {97, 0, 39},  {120, 0, 62},
        {92, 0, 63},  {121, 1, 1}, {126, 1, 6},  {89, 1, 7},  {91, 1, 9},   {93, 1, 10},  {96, 1, 13},
        {59, 1, 14},  {64, 1, 19}, {33, 1, 20},  {45, 1, 32}, {127, 1, 33}, {157, 1, 63}, {158, 2, 1},
        {220, 2, 63}, {221, 3, 1}, {255, 3, 35}, {4, 3, 36},  {31, 3, 63},  {0, 4, 1},    {3, 4, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CodeOfPacked(PackText(std::string(1, static_cast<char>(row.Byte)))),
                  std::make_pair(row.Page, row.Value))
            << row.Byte;
}

TEST(TextPacker, DictionaryFragmentsBecomeMarks) {
    // the maker's address shrinks to "QA": "QA/REMSET/" is ten 6-bit codes
    const std::string maker = std::string(MakerSiteAddress) + "/REMSET/";
    EXPECT_EQ(PackText(maker).size(), 8u);
    EXPECT_EQ(PackText(".NET/"), Bytes({0b01111101, 0b11110000})); // "QQ"
    for (const std::string& text :
         {maker, std::string(MirrorSpaceAddress) + "/~korvane/REMSET/", std::string("pictoro.rms"),
          std::string("QQ .NET/ Q the index.html girl"), std::string("HTTP://WWW.X.COM/a.JPG")})
        EXPECT_EQ(UnpackText(PackText(text)), text) << text;
}

TEST(TextPacker, DictionaryIsAsPublished) {
    EXPECT_EQ(PackDictionary.size(), 62u);
    std::set<char> substitutes;
    for (const auto& entry : PackDictionary) {
        substitutes.insert(entry.Substitute);
        EXPECT_EQ(std::string(entry.Substring).find('Q'), std::string::npos) << entry.Substring;
    }
    EXPECT_EQ(substitutes.size(), 62u);
    std::string inOrder;
    for (const auto& entry : PackDictionary) inOrder += entry.Substitute;
    EXPECT_EQ(inOrder, "ABCDEFGHIJKLMNOPQRSTUVWXabcdefghijklmnopqrstuvwx/\\:0123456789.");
    EXPECT_EQ(std::string(PackDictionary[0].Substring).rfind("http://www.", 0), 0u);
    EXPECT_STREQ(PackDictionary[4].Substring, "http:/www.");
    EXPECT_EQ(PackDictionary[16].Substitute, 'Q');
}

TEST(TextPacker, FillBitsAreZeroAndNeverACompleteCode) {
    for (std::size_t n = 1; n <= 8; ++n) {
        const std::string packed = PackText(std::string(n, 'a'));
        EXPECT_EQ(packed.size(), (6 * n + 7) / 8);
        const int fill = static_cast<int>(packed.size() * 8 - 6 * n);
        EXPECT_LT(fill, 8);
        EXPECT_EQ(static_cast<std::uint8_t>(packed.back()) & ((1 << fill) - 1), 0);
    }
}

TEST(TextPacker, UnpackRefusesWhatPackCannotProduce) {
    EXPECT_EQ(UnpackText(Bytes({0, 0, 0, 0})), std::nullopt); // five zero groups: no page 5
    EXPECT_EQ(UnpackText(Bytes({0, 0, 0, 0b00100000})), std::nullopt); // page 4, value 8
    EXPECT_EQ(UnpackText(Bytes({124, 17})), std::nullopt); // a fill bit set
    EXPECT_EQ(UnpackText(Bytes({0})), std::nullopt); // a page change without a value
    EXPECT_EQ(UnpackText(Bytes({124, 0, 64})), std::nullopt); // "Qy" is no mark
    EXPECT_EQ(UnpackText(Bytes({0b01111100})), std::nullopt); // a mark at the very end
}
