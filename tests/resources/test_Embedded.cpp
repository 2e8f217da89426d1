#include "resources/Embedded.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> FileBytes(const std::string& name) {
    std::ifstream in(std::string(PICTORO_RESOURCE_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> Bytes(const EmbeddedFile& file) {
    return {file.Data, file.Data + file.Size};
}

unsigned BigEndian16(const unsigned char* p) {
    return p[0] << 8 | p[1];
}
unsigned LittleEndian16(const unsigned char* p) {
    return p[0] | p[1] << 8;
}
std::uint32_t LittleEndian32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

struct Size {
    unsigned Width, Height;
    bool operator==(const Size&) const = default;
};

// Width and height from the first start-of-frame marker of a JPEG.
Size JpegSize(const EmbeddedFile& file) {
    const unsigned char* p = file.Data;
    std::size_t at = 2;
    while (at + 9 < file.Size && p[at] == 0xFF) {
        unsigned marker = p[at + 1];
        if (marker >= 0xC0 && marker <= 0xC3) return {BigEndian16(p + at + 7), BigEndian16(p + at + 5)};
        at += 2 + BigEndian16(p + at + 2);
    }
    return {0, 0};
}

} // namespace

TEST(Embedded, EveryFileHoldsTheBytesOfItsFile) {
    for (const char* name :
         {"Welcome.jpg", "Disclaimer.jpg", "Install.jpg", "ChooseDir.jpg", "Connection.jpg", "InstallGo.jpg",
          "UpgradeReady.jpg", "UpgradeFindDir.jpg", "LBARROW.bmp", "Pictoro.ico", "PictoroUninstall.ico"}) {
        SCOPED_TRACE(name);
        std::vector<unsigned char> expected = FileBytes(name);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(Bytes(EmbeddedResource(name)), expected);
    }
}

TEST(Embedded, UnknownNamesAreEmpty) {
    for (const char* name : {"", "welcome.jpg", "Welcome", "Missing.jpg", "LBARROW.bmp "}) {
        EmbeddedFile file = EmbeddedResource(name);
        EXPECT_EQ(file.Size, 0u) << name;
        EXPECT_EQ(file.Data, nullptr) << name;
    }
}

TEST(Embedded, PicturesHaveThePageSizes) {
    const std::vector<std::pair<const char*, Size>> pictures = {
        {"Welcome.jpg", {385, 417}},      {"Disclaimer.jpg", {320, 290}},    {"Install.jpg", {225, 193}},
        {"ChooseDir.jpg", {105, 105}},    {"Connection.jpg", {177, 281}},    {"InstallGo.jpg", {193, 164}},
        {"UpgradeReady.jpg", {383, 302}}, {"UpgradeFindDir.jpg", {160, 202}}};
    for (const auto& [name, size] : pictures) {
        EmbeddedFile file = EmbeddedResource(name);
        ASSERT_GT(file.Size, 4u) << name;
        EXPECT_EQ(BigEndian16(file.Data), 0xFFD8u) << name;
        EXPECT_EQ(JpegSize(file), size) << name;
    }
}

TEST(Embedded, ArrowIsADownwardTriangleInSixteenColours) {
    EmbeddedFile bmp = EmbeddedResource("LBARROW.bmp");
    ASSERT_EQ(bmp.Size, 130u);
    const unsigned char* p = bmp.Data;
    EXPECT_EQ(LittleEndian16(p), 0x4D42u); // "BM"
    EXPECT_EQ(LittleEndian32(p + 18), 5u);
    EXPECT_EQ(LittleEndian32(p + 22), 3u);
    EXPECT_EQ(LittleEndian16(p + 28), 4u);
    const std::uint32_t bits = LittleEndian32(p + 10);
    auto colour = [&](int x, int y) { // rows are stored bottom-up, four bytes each
        unsigned char pair = p[bits + (2 - y) * 4 + x / 2];
        unsigned index = x % 2 ? pair & 0x0F : pair >> 4;
        return LittleEndian32(p + 54 + 4 * index) & 0xFFFFFF;
    };
    const char* rows[] = {"XXXXX", ".XXX.", "..X.."};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(colour(x, y), rows[y][x] == 'X' ? 0x000000u : 0xFFFFFFu) << x << "," << y;
}

TEST(Embedded, IconsHoldEverySizeWindowsAsksForInSixteenColours) {
    for (const char* name : {"Pictoro.ico", "PictoroUninstall.ico"}) {
        SCOPED_TRACE(name);
        EmbeddedFile ico = EmbeddedResource(name);
        ASSERT_GT(ico.Size, 6u);
        const unsigned char* p = ico.Data;
        EXPECT_EQ(LittleEndian16(p + 2), 1u); // icon
        const int sizes[] = {32, 16, 20, 24, 40, 48, 64}; // the window's picture shows the first
        ASSERT_EQ(LittleEndian16(p + 4), std::size(sizes));
        for (std::size_t i = 0; i < std::size(sizes); ++i) {
            const unsigned char* entry = p + 6 + 16 * i;
            EXPECT_EQ(entry[0], sizes[i]);
            EXPECT_EQ(entry[1], sizes[i]);
            const std::uint32_t image = LittleEndian32(entry + 12);
            ASSERT_LT(image + 40, ico.Size);
            EXPECT_EQ(LittleEndian32(p + image + 4), std::uint32_t(sizes[i])); // the image's own width
            EXPECT_EQ(LittleEndian16(p + image + 14), 4u); // bits per pixel
        }
    }
}
